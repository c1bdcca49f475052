#include "canvas/GapReport.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "canvas/GapReportParts.h"
#include "canvas/SpatialGrid.h"
#include "catalog/TrackCatalog.h"
#include "document/JointGeometry.h"

namespace layrail {

namespace {

constexpr double kEndGridCell = 250.0;
// A fill is only searched for ends that a straight line of track could join.
constexpr double kFillOffset = 1.0;

bool sameTrack(const TrackEnd& a, const TrackEnd& b)
{
    return a.piece != b.piece && a.system == b.system && a.level == b.level;
}

TrackGap measure(const TrackEnd& a, const TrackEnd& b)
{
    TrackGap gap;
    gap.a = a;
    gap.b = b;
    const double dx = b.world.x - a.world.x, dy = b.world.y - a.world.y;
    const double h = degToRad(a.world.heading);
    gap.distance = std::hypot(dx, dy);
    gap.offset = std::fabs(std::cos(h) * dy - std::sin(h) * dx);
    gap.angleError = facingError(a.world.heading, b.world.heading);
    return gap;
}

double along(const TrackEnd& a, const TrackEnd& b)
{
    const double h = degToRad(a.world.heading);
    return std::cos(h) * (b.world.x - a.world.x) + std::sin(h) * (b.world.y - a.world.y);
}

void addFill(TrackGap& gap)
{
    const std::vector<FillSolution> fills = straightFills(gap.a.world, gap.b.world, gap.a.system);
    if (!fills.empty()) {
        gap.fillFound = true;
        gap.fill = fills.front();
    }
}

} // namespace

double Headroom::forSystem(TrackSystem system) const
{
    switch (system) {
    case TrackSystem::MarklinZ:
    case TrackSystem::RokuhanZ:
        return z;
    case TrackSystem::MinitrixN:
    case TrackSystem::KatoN:
        return n;
    default:
        return h0;
    }
}

ReportPieces::ReportPieces(const Layout& layout) : layout(layout)
{
    const TrackCatalog& trackCatalog = TrackCatalog::instance();
    catalog.reserve(layout.pieces.size());
    index.reserve(layout.pieces.size() * 2);
    const std::string* lastArticle = nullptr;
    const CatalogPiece* last = nullptr;
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PlacedPiece& piece = layout.pieces[i];
        // Neighbouring pieces often share their article: one lookup serves a run of them.
        if (lastArticle == nullptr || piece.article != *lastArticle) {
            last = trackCatalog.find(piece.article);
            lastArticle = &piece.article;
        }
        catalog.push_back(last);
        index.emplace(piece.id, i);
    }
}

bool ReportPieces::open(const PlacedPiece& piece, int connector) const
{
    return piece.isOpen(connector) || !exists(piece.joints[static_cast<size_t>(connector)].target);
}

std::vector<TrackEnd> findOpenEnds(const ReportPieces& pieces)
{
    std::vector<TrackEnd> ends;
    for (size_t i = 0; i < pieces.layout.pieces.size(); ++i) {
        const CatalogPiece* cat = pieces.catalog[i];
        // A turntable's connectors are the positions its bridge can turn to, not track ends.
        if (cat == nullptr || cat->kind == PieceKind::Turntable)
            continue;
        const PlacedPiece& piece = pieces.layout.pieces[i];
        for (int k = 0; k < static_cast<int>(cat->connectors.size()); ++k)
            if (pieces.open(piece, k))
                ends.push_back(
                    TrackEnd{piece.id, k, worldConnectorAt(piece, *cat, k), cat->connectorSystem(k), piece.level});
    }
    return ends;
}

namespace {

// The end that lies nearest ahead of each end, in line with it and facing it (-1 for none): only
// such ends can be joined by straights, and an end further along the same line is cut off by it.
std::vector<int> nearestInLine(const std::vector<TrackEnd>& ends, const SpatialGrid& grid)
{
    std::vector<int> nearest(ends.size(), -1);
    std::vector<int> nearby;
    for (size_t i = 0; i < ends.size(); ++i) {
        const TrackEnd& a = ends[i];
        const double x = a.world.x, y = a.world.y, h = degToRad(a.world.heading);
        const double farX = x + std::cos(h) * kFillGapReach, farY = y + std::sin(h) * kFillGapReach;
        grid.query(std::min(x, farX) - kFillOffset, std::min(y, farY) - kFillOffset, std::max(x, farX) + kFillOffset,
                   std::max(y, farY) + kFillOffset, nearby);
        double best = kFillGapReach;
        for (int j : nearby) {
            if (static_cast<size_t>(j) == i || !sameTrack(a, ends[j]))
                continue;
            const TrackGap gap = measure(a, ends[j]);
            const bool inLine =
                gap.offset <= kFillOffset && gap.angleError <= kJointFacingTolerance && along(a, ends[j]) > 0.0;
            // Equally near ends (which lie on each other) go to the first in the list.
            const bool nearer = gap.distance < best || (gap.distance == best && (nearest[i] == -1 || j < nearest[i]));
            if (inLine && nearer) {
                best = gap.distance;
                nearest[i] = j;
            }
        }
    }
    return nearest;
}

} // namespace

std::vector<TrackGap> findGaps(const std::vector<TrackEnd>& ends)
{
    SpatialGrid grid(kEndGridCell);
    for (size_t i = 0; i < ends.size(); ++i)
        grid.add(static_cast<int>(i), ends[i].world.x, ends[i].world.y);

    std::vector<std::pair<size_t, TrackGap>> found;
    std::vector<int> nearby;
    for (size_t i = 0; i < ends.size(); ++i) {
        const TrackEnd& a = ends[i];
        const double x = a.world.x, y = a.world.y;
        grid.query(x - kNearMissDistance, y - kNearMissDistance, x + kNearMissDistance, y + kNearMissDistance, nearby);
        for (int j : nearby) {
            if (static_cast<size_t>(j) <= i || !sameTrack(a, ends[j]))
                continue;
            TrackGap gap = measure(a, ends[j]);
            if (gap.distance > kNearMissDistance || gap.angleError > kNearMissAngle)
                continue;
            gap.nearMiss = true;
            addFill(gap);
            found.emplace_back(i * ends.size() + j, std::move(gap));
        }
    }

    // Further apart, two ends that are each other's nearest in line are a gap when straights fill it.
    const std::vector<int> nearest = nearestInLine(ends, grid);
    for (size_t i = 0; i < ends.size(); ++i) {
        const int j = nearest[i];
        if (j <= static_cast<int>(i) || nearest[static_cast<size_t>(j)] != static_cast<int>(i))
            continue;
        TrackGap gap = measure(ends[i], ends[static_cast<size_t>(j)]);
        if (gap.distance <= kNearMissDistance)
            continue;
        addFill(gap);
        if (gap.fillFound)
            found.emplace_back(i * ends.size() + static_cast<size_t>(j), std::move(gap));
    }

    std::sort(found.begin(), found.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
    std::vector<TrackGap> gaps;
    gaps.reserve(found.size());
    for (auto& entry : found)
        gaps.push_back(std::move(entry.second));
    return gaps;
}

GapReport buildGapReport(const Layout& layout, const Headroom& headroom)
{
    const ReportPieces pieces(layout);
    GapReport report;
    report.openEnds = findOpenEnds(pieces);
    report.gaps = findGaps(report.openEnds);
    report.crossings = findLowCrossings(pieces, headroom);
    report.grades = findSteepGrades(pieces);
    return report;
}

std::string fillArticles(const TrackGap& gap)
{
    if (!gap.fillFound)
        return "-";
    std::string text;
    for (const std::string& article : gap.fill.articles)
        text += (text.empty() ? "" : " + ") + article;
    return text;
}

} // namespace layrail
