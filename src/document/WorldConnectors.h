#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

// A local point of a piece at a pose, in layout coordinates.
Point toWorld(const Pose& pose, double localX, double localY);

// The catalog connectors of a piece at a pose, all open.
std::vector<Connector> worldConnectors(const Pose& pose, const CatalogPiece& piece);
// The catalog connectors of a placed piece; open follows its joint table.
std::vector<Connector> worldConnectors(const PlacedPiece& placed, const CatalogPiece& piece);

} // namespace layrail
