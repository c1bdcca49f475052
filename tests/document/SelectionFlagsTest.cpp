#include <gtest/gtest.h>

#include "document/SelectionFlags.h"

namespace layrail {
namespace {

TEST(SelectionCommands, SelectAllTakesPiecesAndSceneryOnly)
{
    Layout layout;
    layout.pieces.resize(2);
    layout.scenery.resize(1);
    layout.labels.resize(1);
    layout.shapes.resize(1);
    selectAllPiecesAndScenery(layout);
    EXPECT_TRUE(layout.pieces[0].selected && layout.pieces[1].selected && layout.scenery[0].selected);
    EXPECT_FALSE(layout.labels[0].selected);
    EXPECT_FALSE(layout.shapes[0].selected);
}

TEST(SelectionCommands, DeleteIsEnabledByPiecesOrSceneryNotByOtherKinds)
{
    Layout layout;
    layout.pieces.resize(1);
    layout.scenery.resize(1);
    layout.labels.resize(1);
    layout.dimensionLines.resize(1);
    EXPECT_FALSE(anyPieceOrScenerySelected(layout));
    EXPECT_FALSE(anythingSelected(layout));

    layout.labels[0].selected = true;
    EXPECT_FALSE(anyPieceOrScenerySelected(layout));
    EXPECT_TRUE(anythingSelected(layout));

    layout.scenery[0].selected = true;
    EXPECT_TRUE(anyPieceOrScenerySelected(layout));

    deselectAll(layout);
    EXPECT_FALSE(anythingSelected(layout));
    layout.dimensionLines[0].selected = true;
    EXPECT_TRUE(anythingSelected(layout));
}

TEST(SelectionCommands, OnlySelectedPiecesAboveTheThresholdCountAsGraded)
{
    Layout layout;
    layout.pieces.resize(2);
    PlacedPiece& piece = layout.pieces[0];
    piece.selected = true;
    layout.pieces[1].grade = 4.0;

    piece.grade = 0.001;
    EXPECT_FALSE(selectionHasGrade(layout));
    piece.grade = -0.0011;
    EXPECT_TRUE(selectionHasGrade(layout));
    piece.grade = 2.0;
    EXPECT_TRUE(selectionHasGrade(layout));
}

} // namespace
} // namespace layrail
