#pragma once

#include <vector>

#include "document/Layout.h"

namespace layrail {

// Both joins take only ends that face each other (within half a degree), belong to one track
// system and lie on one level.

// After a move: every free connector of the moved pieces meets every free connector of another
// piece lying closer than 4 mm.
void autoJoin(Layout& layout, const std::vector<int>& pieceIds);

// After placing: a free connector of the new pieces that coincides with a free connector of a piece
// on a visible level (closer than 1 mm) is joined, so a piece that closes a loop is joined at both
// ends.
void joinCoincidentEnds(Layout& layout, const std::vector<int>& pieceIds);

} // namespace layrail
