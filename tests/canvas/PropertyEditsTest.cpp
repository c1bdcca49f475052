#include <gtest/gtest.h>

#include "support/EditTestSupport.h"
#include "canvas/Helices.h"
#include "canvas/Placement.h"
#include "canvas/PropertyEdits.h"
#include "document/History.h"
#include "document/TrackColours.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

void selectOnly(Layout& layout, const std::vector<int>& ids)
{
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    selectPieces(layout, ids);
}

// Level 1 at the ground and level 2 at 300 mm.
Layout twoLevels()
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 300));
    return layout;
}

} // namespace

TEST(ApplyColour, ColoursTheSelectedPiecesAndClearsTheSelection)
{
    Layout layout = withLevel();
    const auto [a, b, c] = layJoinedStraights(layout);
    selectPieces(layout, {a, b});
    layout.labels.push_back({layout.takeId(), "x", 0, 0, true});
    addScenery(layout, "platform", 0, 0, true);

    const EditResult result = applyColour(layout, 5);
    EXPECT_TRUE(result.changed());
    EXPECT_TRUE(result.changes.selection);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    for (int id : {a, b}) {
        const PlacedPiece& p = piece(layout, id);
        EXPECT_TRUE(p.hasColour);
        EXPECT_EQ(p.red, 60);
        EXPECT_EQ(p.green, 100);
        EXPECT_EQ(p.blue, 200);
    }
    EXPECT_FALSE(piece(layout, c).hasColour);
    EXPECT_TRUE(selectedIds(layout).empty());
    EXPECT_FALSE(layout.labels[0].selected);
    EXPECT_FALSE(layout.scenery[0].selected);

    // Nothing selected now: Apply does nothing.
    EXPECT_FALSE(applyColour(layout, 0).changed());
    selectPieces(layout, {a});
    EXPECT_FALSE(applyColour(layout, -1).changed());
    EXPECT_FALSE(applyColour(layout, static_cast<int>(namedTrackColours().size())).changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);

    EXPECT_TRUE(applyColour(layout, 0).changed());
    EXPECT_FALSE(piece(layout, a).hasColour);
    EXPECT_EQ(piece(layout, a).red, 0);
    EXPECT_EQ(piece(layout, a).blue, 0);
    EXPECT_TRUE(piece(layout, b).hasColour);
}

TEST(AddLabel, UsesThePendingPositionOnceAndTrimsTheText)
{
    Layout layout = withLevel();
    PendingLabel pending;
    EXPECT_FALSE(addLabel(layout, pending, " \t ").changed());
    EXPECT_TRUE(layout.undoStack.empty());

    EXPECT_TRUE(addLabel(layout, pending, "Station  ").changed());
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].text, "Station");
    EXPECT_EQ(layout.labels[0].id, 1);
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 0.0);
    EXPECT_DOUBLE_EQ(layout.labels[0].y, 0.0);

    pending = {true, {120, 80}};
    addLabel(layout, pending, "  Yard");
    EXPECT_FALSE(pending.set);
    EXPECT_EQ(layout.labels[1].text, "  Yard");
    EXPECT_DOUBLE_EQ(layout.labels[1].x, 120.0);
    EXPECT_DOUBLE_EQ(layout.labels[1].y, 80.0);
    addLabel(layout, pending, "Shed");
    EXPECT_DOUBLE_EQ(layout.labels[2].x, 0.0);
    EXPECT_EQ(layout.undoStack.size(), 3u);
    EXPECT_TRUE(consistent(layout));
}

TEST(SetLevel, SelectedFlatPiecesTakeTheDeckHeight)
{
    Layout layout = twoLevels();
    const auto [a, b, c] = layJoinedStraights(layout);
    layrail::addHelix(layout, 2000, 2000, 0, "");
    const Helix h = layout.helices[0];
    piece(layout, b).grade = 2.0;
    piece(layout, b).z = 7.0;
    selectOnly(layout, {a, b, h.topR1});

    const EditResult result = setLevel(layout, {}, 2);
    EXPECT_TRUE(result.changed());
    EXPECT_EQ(layout.undoStack.size(), 2u);
    EXPECT_EQ(layout.activeLevel, 2);
    EXPECT_EQ(piece(layout, a).level, 2);
    EXPECT_DOUBLE_EQ(piece(layout, a).z, 300.0);
    EXPECT_EQ(piece(layout, b).level, 2);
    EXPECT_DOUBLE_EQ(piece(layout, b).z, 7.0);
    EXPECT_EQ(piece(layout, c).level, 1);
    EXPECT_EQ(piece(layout, h.topR1).level, 1);
    EXPECT_DOUBLE_EQ(piece(layout, h.topR1).z, 260.0);

    // Again to the same level, "(mixed)", or a level the layout lacks: nothing happens.
    EXPECT_FALSE(setLevel(layout, {}, 2).changed());
    EXPECT_FALSE(setLevel(layout, {}, -1).changed());
    EXPECT_FALSE(setLevel(layout, {}, 9).changed());
    EXPECT_EQ(layout.undoStack.size(), 2u);
}

TEST(SetLevel, SceneryAndShapesMoveAlone)
{
    Layout layout = twoLevels();
    const int a = lay(layout, "24188", 0, 0, 0);
    piece(layout, a).selected = true;
    const int item = addScenery(layout, "platform").id;
    LayoutShape shape;
    shape.id = layout.takeId();
    layout.shapes.push_back(shape);

    ShownRecord shown;
    shown.scenery = item;
    EXPECT_TRUE(setLevel(layout, shown, 2).changed());
    EXPECT_EQ(layout.findScenery(item)->level, 2);
    EXPECT_EQ(piece(layout, a).level, 1);

    shown = {};
    shown.shape = shape.id;
    EXPECT_TRUE(setLevel(layout, shown, 2).changed());
    EXPECT_EQ(layout.shapes[0].level, 2);
    EXPECT_EQ(piece(layout, a).level, 1);
    EXPECT_EQ(layout.undoStack.size(), 2u);
}

TEST(SetLevel, HelixTakesTheTrackAboveItAlong)
{
    Layout layout = twoLevels();
    layrail::addHelix(layout, 500, 500, 0, "");
    const Helix h = layout.helices[0];
    // Two flat pieces and a graded one leave the top; one piece leaves the bottom.
    selectOnly(layout, {h.topR1});
    autoConnect(layout, "24188");
    const int above1 = layout.pieces.back().id;
    autoConnect(layout, "24188");
    const int above2 = layout.pieces.back().id;
    autoConnect(layout, "24188");
    const int graded = layout.pieces.back().id;
    piece(layout, graded).grade = 1.0;
    piece(layout, graded).z = 280.0;
    selectOnly(layout, {h.bottomR2});
    autoConnect(layout, "24188");
    const int below = layout.pieces.back().id;
    ASSERT_DOUBLE_EQ(piece(layout, above2).z, 260.0);
    const size_t undoBefore = layout.undoStack.size();

    ShownRecord shown;
    shown.helix = h.id;
    EXPECT_TRUE(setLevel(layout, shown, 2).changed());
    EXPECT_EQ(layout.undoStack.size(), undoBefore + 1);
    for (int id : {h.bottomR1, h.bottomR2}) {
        EXPECT_EQ(piece(layout, id).level, 2);
        EXPECT_DOUBLE_EQ(piece(layout, id).z, 300.0);
    }
    for (int id : {h.topR1, h.topR2, above1, above2}) {
        EXPECT_EQ(piece(layout, id).level, 2);
        EXPECT_DOUBLE_EQ(piece(layout, id).z, 560.0);
    }
    EXPECT_EQ(piece(layout, graded).level, 2);
    EXPECT_DOUBLE_EQ(piece(layout, graded).z, 280.0);
    EXPECT_EQ(piece(layout, below).level, 1);
    EXPECT_DOUBLE_EQ(piece(layout, below).z, 0.0);
    EXPECT_EQ(layout.activeLevel, 2);
    EXPECT_TRUE(consistent(layout));

    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(piece(layout, above1).level, 1);
    EXPECT_DOUBLE_EQ(piece(layout, h.topR2).z, 260.0);
}
