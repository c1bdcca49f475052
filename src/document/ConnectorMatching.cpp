#include "document/ConnectorMatching.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"

namespace layrail {

namespace {

double connectorReach(const CatalogPiece& piece)
{
    double reach = 0.0;
    for (const Connector& c : piece.connectors)
        reach = std::max(reach, std::hypot(c.x, c.y));
    return reach;
}

// The farthest any connector of any catalog piece lies from its piece's origin. A placed piece
// whose origin is farther from the moving piece than both reaches plus the snap distance cannot
// hold a near connector, so it is skipped before the catalog lookup; results and order are unchanged.
double catalogReach()
{
    static const double reach = [] {
        double r = 0.0;
        for (const CatalogPiece& p : TrackCatalog::instance().pieces())
            r = std::max(r, connectorReach(p));
        return r;
    }();
    return reach;
}

bool facesSuitably(double headingA, double headingB)
{
    double delta = std::fmod(std::fabs(headingA - headingB), 360.0);
    if (delta > 180.0)
        delta = 360.0 - delta;
    return delta >= kMinFacingAngle;
}

const PlacedPiece& deref(const PlacedPiece& p) { return p; }
const PlacedPiece& deref(const PlacedPiece* p) { return *p; }

struct MovingPiece {
    std::vector<Connector> connectors;
    double limitSquared = 0.0;
    Pose pose;
};

MovingPiece prepareMoving(const CatalogPiece& moving, const Pose& pose)
{
    MovingPiece m;
    m.pose = pose;
    m.connectors = worldConnectors(pose, moving);
    const double limit = catalogReach() + connectorReach(moving) + kSnapDistance + 1.0;
    m.limitSquared = limit * limit;
    return m;
}

bool mayReach(const MovingPiece& m, const PlacedPiece& p)
{
    const double dx = p.x - m.pose.x;
    const double dy = p.y - m.pose.y;
    return dx * dx + dy * dy <= m.limitSquared;
}

// Calls visit(placed piece, its catalog piece, open target connector A, moving connector B, distance)
// for every near pair that faces suitably, in the order the searches define; visit returns true to stop.
template <typename List, typename Visit>
void forEachNearPair(const CatalogPiece& moving, const Pose& pose, const List& placed, Visit visit)
{
    const MovingPiece m = prepareMoving(moving, pose);
    const TrackCatalog& catalog = TrackCatalog::instance();
    std::vector<Connector> targets;
    for (const auto& entry : placed) {
        const PlacedPiece& p = deref(entry);
        if (!mayReach(m, p))
            continue;
        const CatalogPiece* cat = catalog.find(p.article);
        if (!cat)
            continue;
        targets = worldConnectors(p, *cat);
        for (const Connector& a : targets) {
            if (!a.open)
                continue;
            for (const Connector& b : m.connectors) {
                const double d = std::hypot(a.x - b.x, a.y - b.y);
                if (d > kSnapDistance || !facesSuitably(a.heading, b.heading))
                    continue;
                if (visit(p, *cat, a, b, d))
                    return;
            }
        }
    }
}

template <typename List>
SnapResult findSnapIn(const CatalogPiece& moving, const Pose& pose, const List& placed,
                      const std::vector<bool>* usable = nullptr)
{
    SnapResult result;
    double best = DBL_MAX;
    forEachNearPair(moving, pose, placed,
                    [&](const PlacedPiece& p, const CatalogPiece& cat, const Connector& a, const Connector& b,
                        double d) {
                        if (usable != nullptr && static_cast<size_t>(b.index) < usable->size() &&
                            !(*usable)[static_cast<size_t>(b.index)])
                            return false;
                        // Ties keep the earlier pair.
                        if (cat.connectorSystem(a.index) != moving.connectorSystem(b.index) || !(d < best))
                            return false;
                        best = d;
                        const Pose snapped = poseOnConnector(moving, b.index, a);
                        result = {true, p.id, a.index, b.index, snapped.x, snapped.y, snapped.heading, d};
                        return false;
                    });
    return result;
}

template <typename List>
CompatibilityResult checkCompatibilityIn(const CatalogPiece& moving, const Pose& pose, const List& placed)
{
    CompatibilityResult result;
    forEachNearPair(moving, pose, placed,
                    [&](const PlacedPiece&, const CatalogPiece& cat, const Connector& a, const Connector& b, double) {
                        const TrackSystem movingSystem = moving.connectorSystem(b.index);
                        const TrackSystem otherSystem = cat.connectorSystem(a.index);
                        if (movingSystem == otherSystem)
                            return false;
                        result = {true, movingSystem, otherSystem};
                        return true;
                    });
    return result;
}

} // namespace

Pose poseOnConnector(const CatalogPiece& piece, int k, const Connector& world)
{
    if (k < 0 || k >= static_cast<int>(piece.connectors.size()))
        return {};
    const Connector& local = piece.connectors[static_cast<size_t>(k)];
    const double heading = normalizeHeading(normalizeHeading(world.heading + 180.0) - local.heading);
    const double h = degToRad(heading);
    const double c = std::cos(h);
    const double s = std::sin(h);
    return {world.x - (local.x * c - local.y * s), world.y - (local.x * s + local.y * c), heading};
}

SnapResult findSnap(const CatalogPiece& moving, const Pose& pose, const std::vector<const PlacedPiece*>& placed)
{
    return findSnapIn(moving, pose, placed);
}

SnapResult findSnap(const CatalogPiece& moving, const Pose& pose, const std::vector<PlacedPiece>& placed)
{
    return findSnapIn(moving, pose, placed);
}

SnapResult findSnap(const CatalogPiece& moving, const Pose& pose, const std::vector<const PlacedPiece*>& placed,
                    const std::vector<bool>& usable)
{
    return findSnapIn(moving, pose, placed, &usable);
}

CompatibilityResult checkCompatibility(const CatalogPiece& moving, const Pose& pose,
                                       const std::vector<const PlacedPiece*>& placed)
{
    return checkCompatibilityIn(moving, pose, placed);
}

CompatibilityResult checkCompatibility(const CatalogPiece& moving, const Pose& pose,
                                       const std::vector<PlacedPiece>& placed)
{
    return checkCompatibilityIn(moving, pose, placed);
}

} // namespace layrail
