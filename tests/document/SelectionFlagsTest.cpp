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

} // namespace
} // namespace layrail
