#include <gtest/gtest.h>

#include "document/History.h"

using namespace layrail;

namespace {

void addPiece(Layout& layout)
{
    PlacedPiece p;
    p.id = layout.takeId();
    p.article = "24188";
    layout.pieces.push_back(p);
}

} // namespace

TEST(History, KeepsFiftySnapshotsAndDropsTheOldest)
{
    Layout layout;
    for (int i = 0; i < 51; ++i) {
        pushHistory(layout);
        addPiece(layout);
    }
    EXPECT_EQ(layout.undoStack.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(undo(layout));
    EXPECT_EQ(layout.pieces.size(), 1u); // the empty state was the 51st and is gone
    EXPECT_FALSE(undo(layout));
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_FALSE(canUndo(layout));
    EXPECT_TRUE(canRedo(layout));
}

TEST(History, AnyChangeAfterUndoClearsRedo)
{
    Layout layout;
    pushHistory(layout);
    addPiece(layout);
    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(canRedo(layout));
    pushHistory(layout);
    EXPECT_FALSE(canRedo(layout));
    EXPECT_FALSE(redo(layout));
}

TEST(History, UndoRedoRestoresEveryContentList)
{
    Layout layout;
    addPiece(layout);
    pushHistory(layout);
    const HistorySnapshot before = takeSnapshot(layout);

    layout.pieces[0].x = 99;
    layout.pieces[0].selected = true;
    layout.labels.push_back({layout.takeId(), "Yard", 1, 2, false});
    layout.shapes.push_back({});
    layout.tunnels.push_back({});
    layout.helices.push_back({});
    layout.dimensionLines.push_back({});
    layout.scenery.push_back({});
    layout.gradeRuns.push_back({2.5, 1, 0});
    layout.updateCurrentGradeRun();
    layout.levels.push_back({});
    const int nextId = layout.nextId;

    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].x, 0.0);
    EXPECT_FALSE(layout.pieces[0].selected);
    EXPECT_TRUE(layout.labels.empty() && layout.shapes.empty() && layout.tunnels.empty());
    EXPECT_TRUE(layout.helices.empty() && layout.dimensionLines.empty() && layout.scenery.empty());
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.currentGradeRun.active);
    // Levels and the id counter are outside the history.
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.nextId, nextId);

    ASSERT_TRUE(redo(layout));
    EXPECT_EQ(layout.pieces[0].x, 99.0);
    EXPECT_TRUE(layout.pieces[0].selected);
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].text, "Yard");
    EXPECT_EQ(layout.shapes.size(), 1u);
    EXPECT_EQ(layout.tunnels.size(), 1u);
    EXPECT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.dimensionLines.size(), 1u);
    EXPECT_TRUE(layout.currentGradeRun.active);
    EXPECT_EQ(layout.currentGradeRun.angle, 2.5);
    EXPECT_EQ(before.pieces.size(), 1u);
}

TEST(History, SnapshotsHoldLevelsAndTheBaseboardOnlyWhenAsked)
{
    Layout layout;
    layout.ensureDefaultLevel();
    layout.baseboard.vertices = {{0, 0}, {1, 0}, {1, 1}};

    // A plain snapshot leaves levels and baseboard alone, as after adding a level.
    pushHistory(layout);
    addPiece(layout);
    layout.levels.push_back(Level{});
    layout.levels.back().id = 2;
    layout.baseboard.vertices.clear();
    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.levels.size(), 2u);
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    ASSERT_TRUE(redo(layout));

    // With the extras, undo puts them back and redo takes them away again.
    pushHistory(layout, SnapshotExtras{true, true});
    layout.levels.pop_back();
    layout.activeLevel = 2;
    layout.baseboard.vertices = {{5, 5}, {6, 5}, {6, 6}, {5, 6}};
    layout.baseboard.lastShape.id = 5;
    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.levels.size(), 2u);
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    EXPECT_EQ(layout.baseboard.lastShape.id, 0);
    EXPECT_EQ(layout.activeLevel, 1);
    ASSERT_TRUE(redo(layout));
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.baseboard.vertices.size(), 4u);
    EXPECT_EQ(layout.baseboard.lastShape.id, 5);
    EXPECT_EQ(layout.activeLevel, 2);

    const HistorySnapshot plain = takeSnapshot(layout);
    EXPECT_FALSE(plain.levels.has_value());
    EXPECT_FALSE(plain.baseboard.has_value());
    Layout other;
    restoreSnapshot(other, takeSnapshot(layout, SnapshotExtras{true, false}));
    EXPECT_EQ(other.levels.size(), 1u);
    EXPECT_TRUE(other.baseboard.vertices.empty());
}
