#include <gtest/gtest.h>

#include "document/History.h"
#include "document/NewLayout.h"

namespace layrail {
namespace {

Layout filledLayout()
{
    Layout layout;
    for (int i = 0; i < 3; ++i) {
        PlacedPiece piece;
        piece.id = layout.takeId();
        piece.article = "24188";
        layout.pieces.push_back(piece);
    }
    layout.scenery.push_back(SceneryItem{});
    layout.labels.push_back(LayoutLabel{});
    layout.dimensionLines.push_back(DimensionLine{});
    layout.shapes.push_back(LayoutShape{});
    layout.tunnels.push_back(Tunnel{});
    layout.helices.push_back(Helix{});
    layout.gradeRuns.push_back(GradeRun{2.0, 1, 1});
    layout.updateCurrentGradeRun();
    Level upper;
    upper.id = 2;
    upper.name = "Upper";
    layout.levels = {Level{}, upper};
    layout.activeLevel = 2;
    layout.baseboard.vertices = {{0, 0}, {1000, 0}, {1000, 500}};
    layout.baseboard.lastShape.id = 3;
    layout.units = LengthUnit::Inches;
    layout.gridOn = false;
    return layout;
}

TEST(NewLayout, EmptiesTheContentAndLeavesOnlyTheDefaultLevel)
{
    Layout layout = filledLayout();
    startNewLayout(layout);

    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_TRUE(layout.scenery.empty());
    EXPECT_TRUE(layout.labels.empty());
    EXPECT_TRUE(layout.dimensionLines.empty());
    EXPECT_TRUE(layout.shapes.empty());
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.helices.empty());
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.currentGradeRun.active);
    EXPECT_EQ(layout.currentGradeRun.anchor, -1);
    EXPECT_EQ(layout.nextId, 1);
    EXPECT_TRUE(layout.baseboard.vertices.empty());

    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].id, 1);
    EXPECT_EQ(layout.levels[0].name, "Level 1");
    EXPECT_EQ(layout.levels[0].blue, 220);
    EXPECT_EQ(layout.activeLevel, 1);
}

TEST(NewLayout, KeepsTheUnitAndTheViewSwitches)
{
    Layout layout = filledLayout();
    startNewLayout(layout);
    EXPECT_EQ(layout.units, LengthUnit::Inches);
    EXPECT_FALSE(layout.gridOn);
    EXPECT_EQ(layout.baseboard.lastShape.id, 3);
}

TEST(NewLayout, UndoBringsTheContentBackButNotLevelsOrBaseboard)
{
    Layout layout = filledLayout();
    startNewLayout(layout);
    ASSERT_TRUE(canUndo(layout));
    ASSERT_TRUE(undo(layout));

    EXPECT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_TRUE(layout.currentGradeRun.active);
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    // The restored pieces hold ids 1 to 3: the counter moves above them, so no id repeats.
    EXPECT_EQ(layout.nextId, 4);
}

TEST(NewLayout, IdsStayUniqueThroughUndoAndRedoAcrossNew)
{
    Layout layout = filledLayout();
    layout.scenery.clear();
    layout.labels.clear();
    layout.dimensionLines.clear();
    layout.shapes.clear();
    layout.tunnels.clear();
    layout.helices.clear();
    const auto addStraight = [](Layout& l) {
        pushHistory(l);
        PlacedPiece piece;
        piece.id = l.takeId();
        piece.article = "24188";
        l.pieces.push_back(piece);
    };
    const auto idsUnique = [](const Layout& l) {
        for (size_t i = 0; i < l.pieces.size(); ++i)
            for (size_t k = i + 1; k < l.pieces.size(); ++k)
                if (l.pieces[i].id == l.pieces[k].id)
                    return false;
        for (const PlacedPiece& p : l.pieces)
            if (p.id >= l.nextId)
                return false;
        return true;
    };

    startNewLayout(layout);
    addStraight(layout); // takes id 1 again, in a new layout
    ASSERT_TRUE(undo(layout));
    ASSERT_TRUE(undo(layout)); // the pieces from before New, ids 1 to 3
    addStraight(layout);
    EXPECT_TRUE(idsUnique(layout));
    EXPECT_EQ(layout.pieces.back().id, 4);

    startNewLayout(layout);
    addStraight(layout);
    ASSERT_TRUE(undo(layout));
    ASSERT_TRUE(undo(layout));
    ASSERT_TRUE(redo(layout));
    ASSERT_TRUE(redo(layout));
    EXPECT_TRUE(idsUnique(layout));
    addStraight(layout);
    EXPECT_TRUE(idsUnique(layout));
}

} // namespace
} // namespace layrail
