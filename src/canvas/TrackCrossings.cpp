// Low crossings: two pieces whose routes cross in plan at heights closer than the lower track's
// trains need. Route segments are filed in a grid; only segments that share a cell are compared.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "canvas/GapReportParts.h"
#include "canvas/GradeContinuation.h"
#include "canvas/PieceRoutes.h"
#include "canvas/SpatialGrid.h"
#include "document/WorldConnectors.h"

namespace layrail {

namespace {

constexpr double kSegmentGridCell = 200.0;
// Routes that meet where both pieces have a connector touch end to end; they do not cross.
constexpr double kEndTouch = 2.0;
// Segments closer than this and parallel lie on each other.
constexpr double kParallelGap = 0.5;

struct Segment {
    size_t piece;
    Point from;
    Point to;
};

struct Crossing {
    bool found = false;
    Point at;
};

double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Where two segments meet: their crossing point, or the middle of the stretch two parallel
// segments share.
Crossing intersect(const Segment& s, const Segment& t)
{
    const double rx = s.to.x - s.from.x, ry = s.to.y - s.from.y;
    const double qx = t.to.x - t.from.x, qy = t.to.y - t.from.y;
    const double wx = t.from.x - s.from.x, wy = t.from.y - s.from.y;
    const double denominator = cross(rx, ry, qx, qy);
    const double lengthR = std::hypot(rx, ry), lengthQ = std::hypot(qx, qy);
    if (lengthR <= 0.0 || lengthQ <= 0.0)
        return {};
    if (std::fabs(denominator) > 1e-9 * lengthR * lengthQ) {
        const double u = cross(wx, wy, rx, ry) / denominator;
        const double v = cross(wx, wy, qx, qy) / denominator;
        if (u < 0.0 || u > 1.0 || v < 0.0 || v > 1.0)
            return {};
        return {true, {s.from.x + v * rx, s.from.y + v * ry}};
    }
    if (std::fabs(cross(wx, wy, rx, ry)) / lengthR > kParallelGap)
        return {};
    // Parallel and on one line: the overlap of t's projection onto s.
    const double a = (wx * rx + wy * ry) / (lengthR * lengthR);
    const double b = ((t.to.x - s.from.x) * rx + (t.to.y - s.from.y) * ry) / (lengthR * lengthR);
    const double low = std::max(0.0, std::min(a, b)), high = std::min(1.0, std::max(a, b));
    if (low > high)
        return {};
    const double middle = (low + high) / 2.0;
    return {true, {s.from.x + middle * rx, s.from.y + middle * ry}};
}

// Height of a piece's track at a point of its plan: its grade carries it up or down along the
// piece from connector 0.
double heightAt(const PlacedPiece& piece, const CatalogPiece& cat, const Point& at)
{
    const double h = degToRad(piece.heading);
    const double length = effectiveLength(cat);
    const double run = std::clamp(std::cos(h) * (at.x - piece.x) + std::sin(h) * (at.y - piece.y), 0.0, length);
    return piece.z + (piece.rev ? -1.0 : 1.0) * std::sin(degToRad(piece.grade)) * run;
}

bool nearConnector(const PlacedPiece& piece, const CatalogPiece& cat, const Point& at)
{
    for (const Connector& c : worldConnectors(piece, cat))
        if (std::hypot(c.x - at.x, c.y - at.y) <= kEndTouch)
            return true;
    return false;
}

bool joined(const PlacedPiece& a, const PlacedPiece& b)
{
    return std::any_of(a.joints.begin(), a.joints.end(), [&](const Joint& j) { return j.target == b.id; }) ||
           std::any_of(b.joints.begin(), b.joints.end(), [&](const Joint& j) { return j.target == a.id; });
}

// The lower clearance; on a tie the point further up and left, so the finding does not depend on
// the order the grid hands out its cells.
bool lessLow(const LowCrossing& l, const LowCrossing& r)
{
    if (l.clearance() != r.clearance())
        return l.clearance() < r.clearance();
    return l.at.y != r.at.y ? l.at.y < r.at.y : l.at.x < r.at.x;
}

std::vector<Segment> routeSegments(const ReportPieces& pieces)
{
    std::vector<Segment> segments;
    segments.reserve(pieces.layout.pieces.size() * 3);
    for (size_t i = 0; i < pieces.layout.pieces.size(); ++i) {
        const CatalogPiece* cat = pieces.catalog[i];
        if (cat == nullptr)
            continue;
        const PlacedPiece& piece = pieces.layout.pieces[i];
        const Pose pose{piece.x, piece.y, piece.heading};
        for (const Route& route : pieceRoutes(*cat))
            for (size_t k = 1; k < route.size(); ++k)
                segments.push_back(
                    Segment{i, toWorld(pose, route[k - 1].x, route[k - 1].y), toWorld(pose, route[k].x, route[k].y)});
    }
    return segments;
}

} // namespace

std::vector<LowCrossing> findLowCrossings(const ReportPieces& pieces, const Headroom& headroom)
{
    const std::vector<Segment> segments = routeSegments(pieces);
    SpatialGrid grid(kSegmentGridCell);
    for (size_t i = 0; i < segments.size(); ++i) {
        const Segment& s = segments[i];
        grid.add(static_cast<int>(i), std::min(s.from.x, s.to.x), std::min(s.from.y, s.to.y),
                 std::max(s.from.x, s.to.x), std::max(s.from.y, s.to.y));
    }

    const std::vector<PlacedPiece>& placed = pieces.layout.pieces;
    // One finding per pair of pieces (by their places in the list): the lowest clearance.
    std::unordered_map<std::uint64_t, LowCrossing> found;
    grid.forEachCell([&](const std::vector<int>& cell) {
        for (size_t m = 0; m < cell.size(); ++m) {
            for (size_t n = m + 1; n < cell.size(); ++n) {
                const Segment& s = segments[static_cast<size_t>(cell[m])];
                const Segment& t = segments[static_cast<size_t>(cell[n])];
                if (s.piece == t.piece)
                    continue;
                const PlacedPiece& p = placed[s.piece];
                const PlacedPiece& q = placed[t.piece];
                if ((p.helix != -1 && p.helix == q.helix) || joined(p, q))
                    continue;
                const Crossing crossing = intersect(s, t);
                if (!crossing.found)
                    continue;
                const CatalogPiece& pc = *pieces.catalog[s.piece];
                const CatalogPiece& qc = *pieces.catalog[t.piece];
                if (nearConnector(p, pc, crossing.at) && nearConnector(q, qc, crossing.at))
                    continue;
                const double hp = heightAt(p, pc, crossing.at), hq = heightAt(q, qc, crossing.at);
                const bool pLower = hp <= hq;
                LowCrossing low;
                low.lower = pLower ? p.id : q.id;
                low.upper = pLower ? q.id : p.id;
                low.at = crossing.at;
                low.lowerHeight = std::min(hp, hq);
                low.upperHeight = std::max(hp, hq);
                low.headroom = headroom.forSystem(pLower ? pc.system : qc.system);
                if (low.clearance() >= low.headroom)
                    continue;
                const std::uint64_t key =
                    (std::uint64_t(std::min(s.piece, t.piece)) << 32) | std::uint64_t(std::max(s.piece, t.piece));
                auto [it, inserted] = found.emplace(key, low);
                if (!inserted && lessLow(low, it->second))
                    it->second = low;
            }
        }
    });

    std::vector<std::pair<std::uint64_t, LowCrossing>> ordered(found.begin(), found.end());
    std::sort(ordered.begin(), ordered.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
    std::vector<LowCrossing> crossings;
    crossings.reserve(ordered.size());
    for (const auto& entry : ordered)
        crossings.push_back(entry.second);
    return crossings;
}

} // namespace layrail
