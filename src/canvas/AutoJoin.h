#pragma once

#include <vector>

#include "document/Layout.h"

namespace layrail {

// After a move: every free connector of the moved pieces meets every free connector of another
// piece lying closer than 4 mm.
void autoJoin(Layout& layout, const std::vector<int>& pieceIds);

// After placing: a free connector of the new pieces that coincides with a free connector of a piece
// on a visible level (closer than 1 mm, facing it, same track system) is joined, so a piece that
// closes a loop is joined at both ends.
void joinCoincidentEnds(Layout& layout, const std::vector<int>& pieceIds);

} // namespace layrail
