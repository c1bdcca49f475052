#include "document/JointGeometry.h"

#include <cmath>
#include <unordered_map>
#include <utility>

#include "catalog/Geometry.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

double facingError(double headingA, double headingB)
{
    double delta = std::fmod(std::fabs(headingA - headingB), 360.0);
    if (delta > 180.0)
        delta = 360.0 - delta;
    return 180.0 - delta;
}

bool connectorsMeet(const Connector& a, const Connector& b)
{
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return dx * dx + dy * dy < kJointReach * kJointReach &&
           facingError(a.heading, b.heading) <= kJointFacingTolerance;
}

Connector worldConnectorAt(const PlacedPiece& placed, const CatalogPiece& piece, int k)
{
    const Connector& local = piece.connectors[static_cast<size_t>(k)];
    const double h = degToRad(placed.heading);
    const double c = std::cos(h);
    const double s = std::sin(h);
    Connector w;
    w.x = placed.x + local.x * c - local.y * s;
    w.y = placed.y + local.x * s + local.y * c;
    w.heading = normalizeHeading(local.heading + placed.heading);
    w.open = placed.isOpen(k);
    w.index = local.index;
    return w;
}

void freeJointsThatDoNotHold(std::vector<PlacedPiece>& pieces)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    std::unordered_map<int, size_t> index;
    std::vector<const CatalogPiece*> cats;
    cats.reserve(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i) {
        index.emplace(pieces[i].id, i);
        cats.push_back(catalog.find(pieces[i].article));
    }
    auto holds = [&](size_t i, int c) {
        const Joint& j = pieces[i].joints[static_cast<size_t>(c)];
        const auto found = index.find(j.target);
        if (found == index.end() || j.targetConnector < 0)
            return false;
        const PlacedPiece& other = pieces[found->second];
        const auto tc = static_cast<size_t>(j.targetConnector);
        if (tc >= other.joints.size() || other.joints[tc].target != pieces[i].id || other.joints[tc].targetConnector != c)
            return false;
        const CatalogPiece* own = cats[i];
        const CatalogPiece* theirs = cats[found->second];
        if (own == nullptr || theirs == nullptr)
            return true;
        if (c >= static_cast<int>(own->connectors.size()) || tc >= theirs->connectors.size())
            return false;
        return own->connectorSystem(c) == theirs->connectorSystem(j.targetConnector) &&
               connectorsMeet(worldConnectorAt(pieces[i], *own, c),
                              worldConnectorAt(other, *theirs, j.targetConnector));
    };
    // Judged first, freed after, so both sides of a joint are judged on the same joints.
    std::vector<std::pair<size_t, size_t>> broken;
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t c = 0; c < pieces[i].joints.size(); ++c)
            if (pieces[i].joints[c].target != -1 && !holds(i, static_cast<int>(c)))
                broken.emplace_back(i, c);
    for (const auto& [i, c] : broken)
        pieces[i].joints[c] = Joint{};
}

} // namespace layrail
