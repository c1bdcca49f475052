#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"

namespace layrail {

// A line a train runs along over a piece, in the piece's local frame (x along the piece from its
// connector 0, y to its right on screen).
using Route = std::vector<Point>;

// The routes of a catalog piece, sampled finely enough for plan tests (a point every 7.5 degrees
// of a curve): a route from connector 0 to each other connector, a straight then an arc ending on
// the connector's heading; the two straight lines of a crossing or double slip; a bumper's stub.
// A turntable's bridge turns, so it has none. Built once per catalog piece.
const std::vector<Route>& pieceRoutes(const CatalogPiece& piece);

} // namespace layrail
