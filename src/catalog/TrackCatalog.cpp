#include "catalog/TrackCatalog.h"

#include "catalog/Geometry.h"

#include <algorithm>
#include <cmath>

namespace layrail {

const char* systemName(TrackSystem system)
{
    switch (system) {
    case TrackSystem::MarklinC:
        return "Marklin C-Track";
    case TrackSystem::MarklinK:
        return "Marklin K-Track";
    case TrackSystem::TrixC:
        return "TRIX C-Track";
    case TrackSystem::MarklinZ:
        return "Marklin Z-Track";
    case TrackSystem::RokuhanZ:
        return "Rokuhan Z";
    case TrackSystem::MinitrixN:
        return "Minitrix N";
    case TrackSystem::KatoN:
        return "Kato N";
    default:
        return "Unknown";
    }
}

TrackCatalog::TrackCatalog() = default;

const TrackCatalog& TrackCatalog::instance()
{
    // The static's one-time initialisation is what makes the first build thread-safe.
    static const TrackCatalog catalog = [] {
        TrackCatalog c;
        c.build();
        return c;
    }();
    return catalog;
}

const CatalogPiece* TrackCatalog::find(const std::string& article) const
{
    auto it = index_.find(article);
    return it == index_.end() ? nullptr : &pieces_[it->second];
}

const CatalogPiece* TrackCatalog::at(int i) const
{
    if (i < 0 || i >= count())
        return nullptr;
    return &pieces_[static_cast<size_t>(i)];
}

void TrackCatalog::add(const CatalogPiece& piece)
{
    index_[piece.article] = pieces_.size();
    pieces_.push_back(piece);
    maxConnectors_ = std::max(maxConnectors_, static_cast<int>(piece.connectors.size()));
}

void appendConnector(CatalogPiece& piece, const LocalConnector& local)
{
    Connector c;
    c.x = local.x;
    c.y = local.y;
    c.heading = normalizeHeading(local.heading);
    c.open = true;
    c.index = static_cast<int>(piece.connectors.size());
    piece.connectors.push_back(c);
}

CatalogPiece makeListed(TrackSystem system, const std::string& article, const std::string& description,
                        PieceKind kind, double length, double radius, double angle,
                        const std::vector<LocalConnector>& connectors)
{
    CatalogPiece p;
    p.article = article;
    p.description = description;
    p.system = system;
    p.kind = kind;
    p.length = length;
    p.radius = radius;
    p.angle = angle;
    for (const LocalConnector& c : connectors)
        appendConnector(p, c);
    return p;
}

CatalogPiece makeStraight(TrackSystem system, const std::string& article, const std::string& description,
                          double length)
{
    return makeListed(system, article, description, PieceKind::Straight, length, 0.0, 0.0,
                      {{0.0, 0.0, 180.0}, {length, 0.0, 0.0}});
}

CatalogPiece makeCurve(TrackSystem system, const std::string& article, const std::string& description,
                       double radius, double angle)
{
    const double a = degToRad(angle);
    return makeListed(system, article, description, PieceKind::Curve, radius * angle * kPi / 180.0, radius, angle,
                      {{0.0, 0.0, 180.0}, {radius * std::sin(a), radius * (1.0 - std::cos(a)), angle}});
}

CatalogPiece makeBumper(TrackSystem system, const std::string& article, const std::string& description,
                        double length)
{
    return makeListed(system, article, description, PieceKind::Bumper, length, 0.0, 0.0, {{0.0, 0.0, 180.0}});
}

CatalogPiece makeTurnout(TrackSystem system, const std::string& article, const std::string& description,
                         PieceKind kind, double length, double radius, double angle)
{
    const bool left = kind == PieceKind::LeftTurnout;
    // A straight length shorter than the full branch cuts the branch angle short.
    const double e = std::min(length, radius * std::sin(degToRad(angle)));
    const double b = std::asin(std::min(1.0, e / radius));
    const double offset = radius * (1.0 - std::cos(b));
    const double bDeg = radToDeg(b);
    const LocalConnector branch = left ? LocalConnector{e, -offset, 360.0 - bDeg} : LocalConnector{e, offset, bDeg};
    return makeListed(system, article, description, kind, length, radius, left ? -angle : angle,
                      {{0.0, 0.0, 180.0}, {length, 0.0, 0.0}, branch});
}

} // namespace layrail
