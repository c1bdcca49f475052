#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/History.h"
#include "document/LayoutCheck.h"
#include "document/LibraryBlock.h"
#include "panels/BlockPlacement.h"

namespace layrail {
namespace {

PlacedPiece piece(int id, const char* article, double x, double y)
{
    PlacedPiece p;
    p.id = id;
    p.article = article;
    p.x = x;
    p.y = y;
    return p;
}

SceneryItem scenery(int id, double x, double y)
{
    SceneryItem item;
    item.id = id;
    item.item = "platform";
    item.x = x;
    item.y = y;
    item.selected = true;
    return item;
}

// Pieces 1 and 2 joined both ways where they meet, piece 2 also joined to piece 99 outside the block.
LibraryBlock joinedBlock()
{
    LibraryBlock block;
    block.pieces.push_back(piece(1, "24188", 100.0, 200.0));
    block.pieces.push_back(piece(2, "24611", 288.3, 200.0));
    block.pieces.push_back(piece(3, "24172", -50.0, 400.0));
    block.pieces[0].setJoint(1, 2, 0);
    block.pieces[1].setJoint(0, 1, 1);
    block.pieces[1].setJoint(2, 99, 0);
    block.scenery.push_back(scenery(7, 500.0, 120.0));
    return block;
}

Layout layoutWithOnePiece()
{
    Layout layout;
    layout.pieces.push_back(piece(1, "24188", 0.0, 0.0));
    layout.nextId = 10;
    return layout;
}

TEST(BlockPlacement, RenumbersFromTheLayoutCounter)
{
    Layout layout = layoutWithOnePiece();
    const PlacedBlock placed = placeBlock(layout, joinedBlock());

    EXPECT_EQ(placed.pieceIds, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(placed.sceneryIds, (std::vector<int>{13}));
    EXPECT_EQ(layout.nextId, 14);
    ASSERT_EQ(layout.pieces.size(), 4u);
    EXPECT_EQ(layout.pieces[0].id, 1);
    EXPECT_EQ(layout.pieces[1].id, 10);
    EXPECT_EQ(layout.pieces[2].id, 11);
    EXPECT_EQ(layout.pieces[3].id, 12);
    EXPECT_EQ(layout.pieces[2].article, "24611");
    ASSERT_EQ(layout.scenery.size(), 1u);
    EXPECT_EQ(layout.scenery[0].id, 13);
}

TEST(BlockPlacement, JointsInsideAreRemappedBothWaysAndOutsideOnesOpened)
{
    Layout layout = layoutWithOnePiece();
    placeBlock(layout, joinedBlock());

    const PlacedPiece& first = *layout.findPiece(10);
    const PlacedPiece& second = *layout.findPiece(11);
    ASSERT_EQ(first.joints.size(), 2u);
    EXPECT_EQ(first.joints[0].target, -1);
    EXPECT_EQ(first.joints[1].target, 11);
    EXPECT_EQ(first.joints[1].targetConnector, 0);
    ASSERT_EQ(second.joints.size(), 3u);
    EXPECT_EQ(second.joints[0].target, 10);
    EXPECT_EQ(second.joints[0].targetConnector, 1);
    // Piece 99 is not in the block; the layout's own piece 1 must not be joined by accident.
    EXPECT_TRUE(second.isOpen(2));
    EXPECT_EQ(second.joints[2].targetConnector, -1);
    EXPECT_TRUE(layout.pieces[0].joints.empty());
    EXPECT_TRUE(findLayoutProblems(layout).empty());
}

TEST(BlockPlacement, JointsThatNeverHeldAreOpened)
{
    // A block file may join ends that lie apart, or record a joint on one side only.
    LibraryBlock block = joinedBlock();
    block.pieces[1].x += 30.0;
    block.pieces[2].setJoint(0, 1, 0);
    Layout layout = layoutWithOnePiece();
    placeBlock(layout, block);
    for (int id : {10, 11, 12})
        for (const Joint& j : layout.findPiece(id)->joints)
            EXPECT_EQ(j.target, -1) << "piece " << id;
    EXPECT_TRUE(findLayoutProblems(layout).empty());
}

TEST(BlockPlacement, SmallestCoordinatesLandOnTheOrigin)
{
    Layout layout = layoutWithOnePiece();
    placeBlock(layout, joinedBlock());

    // Smallest x comes from piece 3 (-50), smallest y from the scenery item (120).
    EXPECT_DOUBLE_EQ(layout.findPiece(10)->x, 150.0);
    EXPECT_DOUBLE_EQ(layout.findPiece(10)->y, 80.0);
    EXPECT_DOUBLE_EQ(layout.findPiece(11)->x, 338.3);
    EXPECT_DOUBLE_EQ(layout.findPiece(12)->x, 0.0);
    EXPECT_DOUBLE_EQ(layout.findPiece(12)->y, 280.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].x, 550.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].y, 0.0);
    EXPECT_FALSE(layout.scenery[0].selected);
    EXPECT_DOUBLE_EQ(layout.pieces[0].x, 0.0);
}

TEST(BlockPlacement, BlockFarAwayIsNotMoved)
{
    LibraryBlock block;
    block.pieces.push_back(piece(1, "24188", 2e8, 5.0));
    block.scenery.push_back(scenery(2, 3e8, -7.0));
    Layout layout;
    placeBlock(layout, block);
    EXPECT_DOUBLE_EQ(layout.pieces[0].x, 2e8);
    EXPECT_DOUBLE_EQ(layout.pieces[0].y, 5.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].y, -7.0);
}

TEST(BlockPlacement, OneUndoSnapshotRestoresTheLayout)
{
    Layout layout = layoutWithOnePiece();
    placeBlock(layout, joinedBlock());
    ASSERT_EQ(layout.undoStack.size(), 1u);
    ASSERT_TRUE(undo(layout));
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].id, 1);
    EXPECT_TRUE(layout.scenery.empty());
}

TEST(BlockPlacement, EmptyBlockChangesNothing)
{
    Layout layout = layoutWithOnePiece();
    const PlacedBlock placed = placeBlock(layout, LibraryBlock{});
    EXPECT_FALSE(placed.changed());
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_EQ(layout.nextId, 10);
    EXPECT_EQ(layout.pieces.size(), 1u);
}

TEST(BlockPlacement, SceneryOnlyBlock)
{
    LibraryBlock block;
    block.scenery.push_back(scenery(4, 40.0, 60.0));
    block.scenery.push_back(scenery(5, 10.0, 90.0));
    Layout layout = layoutWithOnePiece();
    const PlacedBlock placed = placeBlock(layout, block);
    EXPECT_TRUE(placed.changed());
    EXPECT_TRUE(placed.pieceIds.empty());
    EXPECT_EQ(placed.sceneryIds, (std::vector<int>{10, 11}));
    EXPECT_DOUBLE_EQ(layout.scenery[0].x, 30.0);
    EXPECT_DOUBLE_EQ(layout.scenery[1].y, 30.0);
}

TEST(BlockPlacement, SavedSelectionComesBackWithItsOutsideJointOpen)
{
    Layout source;
    source.pieces.push_back(piece(1, "24188", 500.0, 500.0));
    source.pieces.push_back(piece(2, "24188", 688.3, 500.0));
    source.pieces.push_back(piece(3, "24188", 876.6, 500.0));
    source.pieces[0].setJoint(1, 2, 0);
    source.pieces[1].setJoint(0, 1, 1);
    source.pieces[1].setJoint(1, 3, 0);
    source.pieces[2].setJoint(0, 2, 1);
    source.pieces[1].selected = true;
    source.pieces[2].selected = true;
    source.nextId = 4;

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "layrail_block_placement_roundtrip.xml";
    ASSERT_EQ(writeBlock(source, path.string(), "Pair"), "");
    LibraryBlock block;
    ASSERT_EQ(readBlock(path.string(), block), "");
    std::filesystem::remove(path);

    Layout target = source;
    const PlacedBlock placed = placeBlock(target, block);
    ASSERT_EQ(placed.pieceIds.size(), 2u);
    const PlacedPiece& a = *target.findPiece(placed.pieceIds[0]);
    const PlacedPiece& b = *target.findPiece(placed.pieceIds[1]);
    EXPECT_TRUE(a.isOpen(0));
    EXPECT_EQ(a.joints[1].target, b.id);
    EXPECT_EQ(b.joints[0].target, a.id);
    EXPECT_NEAR(a.x, 0.0, 1e-9);
    EXPECT_NEAR(b.x, 188.3, 1e-9);
    EXPECT_NEAR(a.y, 0.0, 1e-9);
    EXPECT_TRUE(findLayoutProblems(target).empty());
}

} // namespace
} // namespace layrail
