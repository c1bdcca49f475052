#include "panels/BlockPlacement.h"

#include <algorithm>
#include <unordered_map>

#include "document/EditSnapshot.h"
#include "document/History.h"
#include "document/JointGeometry.h"

namespace layrail {

namespace {

struct Corner {
    double x = 0.0;
    double y = 0.0;
};

// The smallest coordinates over the block; a block lying entirely beyond 1e8 mm stays put.
Corner blockCorner(const LibraryBlock& block)
{
    Corner corner{1e9, 1e9};
    for (const PlacedPiece& piece : block.pieces) {
        corner.x = std::min(corner.x, piece.x);
        corner.y = std::min(corner.y, piece.y);
    }
    for (const SceneryItem& item : block.scenery) {
        corner.x = std::min(corner.x, item.x);
        corner.y = std::min(corner.y, item.y);
    }
    if (corner.x > 1e8)
        return {};
    return corner;
}

} // namespace

PlacedBlock placeBlock(Layout& layout, const LibraryBlock& block)
{
    PlacedBlock placed;
    if (block.pieces.empty() && block.scenery.empty())
        return placed;

    const Corner corner = blockCorner(block);
    EditSnapshot(layout).record();

    std::vector<PlacedPiece> pieces = block.pieces;
    std::unordered_map<int, int> newIds;
    for (PlacedPiece& piece : pieces) {
        const int id = layout.takeId();
        newIds[piece.id] = id;
        piece.id = id;
        piece.x -= corner.x;
        piece.y -= corner.y;
    }
    for (PlacedPiece& piece : pieces) {
        for (Joint& joint : piece.joints) {
            if (joint.target == -1)
                continue;
            const auto found = newIds.find(joint.target);
            if (found != newIds.end())
                joint.target = found->second;
            else
                joint = Joint{};
        }
    }
    // A block file may hold joints that were never true: one-sided, or between ends apart.
    freeJointsThatDoNotHold(pieces);
    for (PlacedPiece& piece : pieces) {
        placed.pieceIds.push_back(piece.id);
        layout.pieces.push_back(std::move(piece));
    }

    for (SceneryItem item : block.scenery) {
        item.id = layout.takeId();
        item.x -= corner.x;
        item.y -= corner.y;
        item.selected = false;
        placed.sceneryIds.push_back(item.id);
        layout.scenery.push_back(std::move(item));
    }
    return placed;
}

} // namespace layrail
