#pragma once

#include <vector>

#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

// Joined connectors meet: they lie closer than the reach of the join that closes ends after a
// move (track joiners have some play, so ends a few millimetres apart are joined), and they point
// at each other to within half a degree.
constexpr double kJointReach = 4.0;
constexpr double kJointFacingTolerance = 0.5;

// Degrees by which two connector headings miss pointing straight at each other, in [0, 180].
double facingError(double headingA, double headingB);

bool connectorsMeet(const Connector& a, const Connector& b);

// Connector k of a placed piece in layout coordinates; k must be a catalog connector index.
Connector worldConnectorAt(const PlacedPiece& placed, const CatalogPiece& piece, int k);

// A joint holds when the other piece is in the list (the first of its id), records it back, and,
// when both articles are known, joins connectors both pieces have, of one track system, that
// meet. Frees every entry of the pieces that does not hold, so pieces taken from a clipboard or a
// block file join the layout without a false joint.
void freeJointsThatDoNotHold(std::vector<PlacedPiece>& pieces);

} // namespace layrail
