#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

constexpr double kSnapDistance = 25.0;
constexpr double kMinFacingAngle = 20.0;

struct SnapResult {
    bool found = false;
    int targetId = -1;
    int targetConnector = -1;
    int newConnector = -1;
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
    double distance = 0.0;
};

struct CompatibilityResult {
    bool incompatible = false;
    TrackSystem movingSystem = TrackSystem::MarklinC;
    TrackSystem otherSystem = TrackSystem::MarklinC;
};

SnapResult findSnap(const CatalogPiece& moving, const Pose& pose, const std::vector<const PlacedPiece*>& placed);
SnapResult findSnap(const CatalogPiece& moving, const Pose& pose, const std::vector<PlacedPiece>& placed);
// Only the moving piece's connectors whose entry in `usable` is true take part (an index beyond
// the list takes part).
SnapResult findSnap(const CatalogPiece& moving, const Pose& pose, const std::vector<const PlacedPiece*>& placed,
                    const std::vector<bool>& usable);
CompatibilityResult checkCompatibility(const CatalogPiece& moving, const Pose& pose,
                                       const std::vector<const PlacedPiece*>& placed);
CompatibilityResult checkCompatibility(const CatalogPiece& moving, const Pose& pose,
                                       const std::vector<PlacedPiece>& placed);
// The pose that puts connector k of the piece on the world connector, facing it.
Pose poseOnConnector(const CatalogPiece& piece, int k, const Connector& world);

} // namespace layrail
