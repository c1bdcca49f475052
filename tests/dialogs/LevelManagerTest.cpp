#include <gtest/gtest.h>

#include "support/ReferenceCheck.h"
#include "dialogs/LevelManager.h"
#include "document/History.h"

using namespace layrail;

namespace {

Level makeLevel(int id, const std::string& name, double height = 0.0)
{
    Level l;
    l.id = id;
    l.name = name;
    l.height = height;
    return l;
}

int addPiece(Layout& layout, int level, double x = 0.0, int helix = -1)
{
    PlacedPiece p;
    p.id = layout.takeId();
    p.article = "24188";
    p.x = x;
    p.level = level;
    p.helix = helix;
    layout.pieces.push_back(p);
    return p.id;
}

void join(Layout& layout, int a, int ac, int b, int bc)
{
    layout.findPiece(a)->setJoint(ac, b, bc);
    layout.findPiece(b)->setJoint(bc, a, ac);
}

int addItem(Layout& layout, int level, const std::string& item = "platform")
{
    SceneryItem s;
    s.id = layout.takeId();
    s.item = item;
    s.level = level;
    layout.scenery.push_back(s);
    return s.id;
}

// Two levels: a joined chain crossing from level 1 to level 2, a tunnel over level 2 track with
// its portals on level 1, a helix whose stubs lie on level 2, a grade run anchored there, a shape
// and a scenery item on each level.
struct TwoDecks {
    Layout layout;
    int lowA = 0, lowB = 0, highA = 0, highB = 0;
    int tunnel = 0, portalA = 0, portalB = 0;
    int helix = 0;
    int lowItem = 0, highItem = 0;
    int lowShape = 0, highShape = 0;

    TwoDecks()
    {
        layout.levels = {makeLevel(1, "Ground"), makeLevel(2, "Upper", 120)};
        lowA = addPiece(layout, 1, 0);
        lowB = addPiece(layout, 1, 188.3);
        highA = addPiece(layout, 2, 376.6);
        highB = addPiece(layout, 2, 564.9);
        join(layout, lowA, 1, lowB, 0);
        join(layout, lowB, 1, highA, 0);
        join(layout, highA, 1, highB, 0);

        portalA = addItem(layout, 1, "tunnel_portal_single");
        portalB = addItem(layout, 1, "tunnel_portal_single");
        Tunnel t;
        t.id = tunnel = layout.takeId();
        t.portalA = portalA;
        t.portalB = portalB;
        t.anchorA = highA;
        t.anchorB = highB;
        t.coveredPieces = {highA, highB};
        layout.tunnels.push_back(t);

        Helix h;
        h.id = helix = layout.takeId();
        h.bottomR1 = addPiece(layout, 2, 2000, h.id);
        h.bottomR2 = addPiece(layout, 2, 2100, h.id);
        h.topR1 = addPiece(layout, 2, 2200, h.id);
        h.topR2 = addPiece(layout, 2, 2300, h.id);
        layout.helices.push_back(h);

        layout.gradeRuns.push_back(GradeRun{2.0, lowA, 1});
        layout.gradeRuns.push_back(GradeRun{3.0, highB, 1});
        layout.updateCurrentGradeRun();

        lowItem = addItem(layout, 1);
        highItem = addItem(layout, 2);
        for (int level : {1, 2}) {
            LayoutShape s;
            s.id = layout.takeId();
            s.level = level;
            s.points = {{0, 0}, {10, 0}, {10, 10}};
            layout.shapes.push_back(s);
            (level == 1 ? lowShape : highShape) = s.id;
        }
        layout.activeLevel = 2;
    }
};

} // namespace

TEST(LevelManager, AddProposesTheNextIdAndTakesItsColour)
{
    Layout layout;
    layout.levels = {makeLevel(1, "Level 1"), makeLevel(5, "Level 5")};
    EXPECT_EQ(proposedLevelName(layout), "Level 6");
    EXPECT_EQ(addLevel(layout, "   "), -1);
    EXPECT_EQ(addLevel(layout, ""), -1);
    EXPECT_EQ(layout.levels.size(), 2u);

    const int id = addLevel(layout, "Level 6");
    EXPECT_EQ(id, 6);
    const Level& added = layout.levels.back();
    EXPECT_EQ(added.name, "Level 6");
    EXPECT_EQ(added.red, 160); // colour index 5
    EXPECT_EQ(added.green, 220);
    EXPECT_EQ(added.blue, 220);
    EXPECT_TRUE(added.visible);
    EXPECT_FALSE(added.trackColour);
    EXPECT_EQ(added.height, 0.0);
    EXPECT_TRUE(added.outline.empty());
    EXPECT_EQ(layout.activeLevel, 6);
    EXPECT_TRUE(layout.undoStack.empty()); // adding a level is no undoable edit

    Layout empty;
    EXPECT_EQ(proposedLevelName(empty), "Level 1");
    EXPECT_EQ(addLevel(empty, "Deck \u00e9t\u00e9"), 1); // kept as UTF-8 bytes
    EXPECT_EQ(empty.levels[0].name, "Deck \xc3\xa9t\xc3\xa9");
    EXPECT_EQ(empty.levels[0].red, 180);
}

TEST(LevelManager, PropertiesMoveFlatTrackButNotGradedOrHelixPieces)
{
    TwoDecks decks;
    Layout& layout = decks.layout;
    layout.findPiece(decks.highB)->grade = 2.0;
    layout.findPiece(decks.highB)->z = 33.0;

    LevelProperties p = levelProperties(*layout.findLevel(2), LengthUnit::Inches);
    EXPECT_NEAR(p.height, 120 / 25.4, 1e-12);
    p.name = "  Attic  ";
    p.height = 10.0;
    p.trackColour = true;
    p.colour = LevelColour{1, 2, 3};
    EXPECT_TRUE(applyLevelProperties(layout, 2, p, LengthUnit::Inches));
    const Level& level = *layout.findLevel(2);
    EXPECT_EQ(level.name, "Attic");
    EXPECT_DOUBLE_EQ(level.height, 254.0);
    EXPECT_TRUE(level.trackColour);
    EXPECT_EQ(level.blue, 3);
    EXPECT_DOUBLE_EQ(layout.findPiece(decks.highA)->z, 254.0);
    EXPECT_DOUBLE_EQ(layout.findPiece(decks.highB)->z, 33.0);
    EXPECT_DOUBLE_EQ(layout.findPiece(layout.helices[0].bottomR1)->z, 0.0);
    EXPECT_DOUBLE_EQ(layout.findPiece(decks.lowA)->z, 0.0);

    p.name = " ";
    p.height = 5000; // beyond 400 in
    applyLevelProperties(layout, 2, p, LengthUnit::Inches);
    EXPECT_EQ(layout.findLevel(2)->name, "Attic");
    EXPECT_DOUBLE_EQ(layout.findLevel(2)->height, 400 * 25.4);
    EXPECT_FALSE(applyLevelProperties(layout, 42, p, LengthUnit::Inches));
}

TEST(LevelManager, RowsShowHeightsInTheUnit)
{
    Layout layout;
    layout.levels = {makeLevel(1, "Ground"), makeLevel(2, "Upper", 254)};
    layout.levels[1].trackColour = true;
    layout.levels[1].visible = false;
    layout.activeLevel = 2;
    layout.units = LengthUnit::Inches;
    const std::vector<LevelRow> rows = levelRows(layout);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].height, "10.00 in");
    EXPECT_EQ(rows[1].colour, "custom");
    EXPECT_EQ(rows[0].colour, "-");
    EXPECT_EQ(rows[1].idText, "2");
    EXPECT_FALSE(rows[1].visible);
    EXPECT_TRUE(rows[1].active);
    EXPECT_FALSE(rows[0].active);
    EXPECT_EQ(levelHeightText(254, LengthUnit::Centimetres), "25.4 cm");
    EXPECT_EQ(levelHeightText(254, LengthUnit::Millimetres), "254 mm");
    EXPECT_EQ(levelHeightField(LengthUnit::Inches).digits, 2);
    EXPECT_DOUBLE_EQ(levelHeightField(LengthUnit::Inches).step, 0.1);
    EXPECT_DOUBLE_EQ(levelHeightField(LengthUnit::Centimetres).max, 1000);
}

TEST(LevelManager, ConfirmationCountsAndUsesRealDashAndBullets)
{
    TwoDecks decks;
    const LevelContents c = levelContents(decks.layout, 2);
    EXPECT_EQ(c.pieces, 2);  // helix stubs are not counted as track
    EXPECT_EQ(c.scenery, 1); // the portals lie on level 1
    EXPECT_EQ(c.helices, 1);
    EXPECT_EQ(removeLevelTitle(), "Remove Level \xe2\x80\x94 Confirm Deletion");
    EXPECT_EQ(
        removeLevelQuestion("Upper", c),
        "Remove level \"Upper\"?\n\nThis will PERMANENTLY DELETE everything on this level:\n"
        "    \xe2\x80\xa2 2 track piece(s)\n    \xe2\x80\xa2 1 scenery item(s)\n    \xe2\x80\xa2 1 helix/helices\n"
        "\nThis cannot be undone from this dialog. Are you sure?");
}

TEST(LevelManager, RemovingALevelLeavesNothingDanglingAndUndoBringsItBack)
{
    TwoDecks decks;
    Layout& layout = decks.layout;
    ASSERT_TRUE(referenceProblems(layout).empty());
    const Layout before = layout;

    ASSERT_TRUE(removeLevel(layout, 2));
    EXPECT_TRUE(referenceProblems(layout).empty()) << referenceProblems(layout)[0];
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.activeLevel, 1);
    // The track on level 2 and the helix went; the joint into them is open on the surviving side.
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(layout.findPiece(decks.lowB)->isOpen(1));
    EXPECT_FALSE(layout.findPiece(decks.lowA)->isOpen(1));
    EXPECT_TRUE(layout.helices.empty());
    // The tunnel lost its track: it goes with its portals.
    EXPECT_TRUE(layout.tunnels.empty());
    ASSERT_EQ(layout.scenery.size(), 1u);
    EXPECT_EQ(layout.scenery[0].id, decks.lowItem);
    // The run anchored on removed track is dropped; the current run mirrors the one left.
    ASSERT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_EQ(layout.currentGradeRun.anchor, decks.lowA);
    EXPECT_DOUBLE_EQ(layout.currentGradeRun.angle, 2.0);
    // Shapes stay, on the first remaining level.
    ASSERT_EQ(layout.shapes.size(), 2u);
    EXPECT_EQ(layout.shapes[1].level, 1);

    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(referenceProblems(layout).empty());
    EXPECT_EQ(layout.levels.size(), 2u);
    EXPECT_EQ(layout.activeLevel, 2);
    EXPECT_EQ(layout.pieces.size(), before.pieces.size());
    EXPECT_EQ(layout.tunnels.size(), 1u);
    EXPECT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.shapes[1].level, 2);
    EXPECT_FALSE(layout.findPiece(decks.lowB)->isOpen(1));

    ASSERT_TRUE(redo(layout));
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(referenceProblems(layout).empty());
}

TEST(LevelManager, RemovingTheLowerDeckTakesTheTunnelWhosePortalsWent)
{
    TwoDecks decks;
    Layout& layout = decks.layout;
    layout.activeLevel = 1;
    ASSERT_TRUE(removeLevel(layout, 1));
    EXPECT_TRUE(referenceProblems(layout).empty()) << referenceProblems(layout)[0];
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_EQ(layout.activeLevel, 2);
    // The level 2 track stays, its joint to the removed level opened.
    EXPECT_TRUE(layout.findPiece(decks.highA)->isOpen(0));
    EXPECT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_EQ(layout.gradeRuns[0].anchor, decks.highB);
}

TEST(LevelManager, TheLastLevelStays)
{
    Layout layout;
    layout.ensureDefaultLevel();
    addPiece(layout, 1);
    EXPECT_FALSE(removeLevel(layout, 1));
    EXPECT_FALSE(removeLevel(layout, 7));
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.undoStack.empty());
}

TEST(LevelManager, VisibilityAndActiveLevel)
{
    Layout layout;
    layout.levels = {makeLevel(1, "A"), makeLevel(2, "B")};
    EXPECT_TRUE(setLevelVisible(layout, 2, false));
    EXPECT_FALSE(layout.findLevel(2)->visible);
    EXPECT_FALSE(setLevelVisible(layout, 2, false));
    EXPECT_FALSE(setLevelVisible(layout, 3, true));
    EXPECT_TRUE(setActiveLevel(layout, 2));
    EXPECT_EQ(layout.activeLevel, 2);
    EXPECT_FALSE(setActiveLevel(layout, 9));
    EXPECT_EQ(layout.activeLevel, 2);
}
