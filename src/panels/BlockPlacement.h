#pragma once

#include <vector>

#include "document/Layout.h"
#include "document/LibraryBlock.h"

namespace layrail {

// The records a placed block added, by their new ids in block order.
struct PlacedBlock {
    std::vector<int> pieceIds;
    std::vector<int> sceneryIds;
    bool changed() const { return !pieceIds.empty() || !sceneryIds.empty(); }
};

// Appends a block read from a file: one undo snapshot first, fresh ids from the layout's
// counter, joints between block pieces renumbered, joints to pieces outside the block opened,
// and the whole block moved so that its smallest x and y land on 0. An empty block changes
// nothing and records no snapshot.
PlacedBlock placeBlock(Layout& layout, const LibraryBlock& block);

} // namespace layrail
