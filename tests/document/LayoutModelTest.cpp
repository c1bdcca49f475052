#include <gtest/gtest.h>

#include "document/Layout.h"

namespace layrail {
namespace {

TEST(LayoutModel, NewLayoutHasTheDocumentedDefaults)
{
    Layout layout;
    EXPECT_TRUE(layout.levels.empty());
    EXPECT_EQ(layout.nextId, 1);
    EXPECT_EQ(layout.activeLevel, 1);
    EXPECT_EQ(layout.baseboard.lastShape.id, 0);
    EXPECT_DOUBLE_EQ(layout.baseboard.lastShape.width, 2400.0);
    EXPECT_DOUBLE_EQ(layout.baseboard.lastShape.height2, 1200.0);
    EXPECT_FALSE(layout.currentGradeRun.active);
    EXPECT_EQ(layout.currentGradeRun.anchor, -1);
    EXPECT_EQ(layout.currentGradeRun.connector, 1);
    EXPECT_DOUBLE_EQ(layout.gridSpacing, 32.0);
}

TEST(LayoutModel, DefaultLevelIsAddedOnceWithItsOwnColour)
{
    Layout layout;
    layout.ensureDefaultLevel();
    ASSERT_EQ(layout.levels.size(), 1u);
    const Level& level = layout.levels[0];
    EXPECT_EQ(level.id, 1);
    EXPECT_EQ(level.name, "Level 1");
    EXPECT_TRUE(level.visible);
    EXPECT_FALSE(level.trackColour);
    EXPECT_EQ(level.red, 180);
    EXPECT_EQ(level.green, 200);
    EXPECT_EQ(level.blue, 220);
    EXPECT_TRUE(level.outline.empty());

    layout.levels[0].name = "Ground";
    Level upper;
    upper.id = 2;
    layout.levels.push_back(upper);
    layout.ensureDefaultLevel();
    ASSERT_EQ(layout.levels.size(), 2u);
    EXPECT_EQ(layout.levels[0].name, "Ground");
}

TEST(LayoutModel, IdsAreTakenInOrder)
{
    Layout layout;
    const int a = layout.takeId();
    const int b = layout.takeId();
    const int c = layout.takeId();
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(layout.nextId, 4);
}

TEST(LayoutModel, JointTableGrowsWithOpenEntries)
{
    PlacedPiece turnout;
    turnout.setJoint(1, 7, 0);
    ASSERT_EQ(turnout.joints.size(), 2u);
    EXPECT_EQ(turnout.joints[0].target, -1);
    EXPECT_EQ(turnout.joints[0].targetConnector, -1);
    EXPECT_EQ(turnout.joints[1].target, 7);
    EXPECT_EQ(turnout.joints[1].targetConnector, 0);

    turnout.setJoint(0, 5, 1);
    // Two entries on a three-connector turnout: connector 2 stays open.
    EXPECT_FALSE(turnout.isOpen(0));
    EXPECT_FALSE(turnout.isOpen(1));
    EXPECT_TRUE(turnout.isOpen(2));

    turnout.setJoint(-1, 9, 9);
    EXPECT_EQ(turnout.joints.size(), 2u);
    EXPECT_TRUE(turnout.isOpen(-1));
}

TEST(LayoutModel, CurrentGradeRunMirrorsTheLastRun)
{
    Layout layout;
    layout.gradeRuns.push_back(GradeRun{2.0, 4, 0});
    layout.gradeRuns.push_back(GradeRun{-1.5, 9, 2});
    layout.updateCurrentGradeRun();
    EXPECT_TRUE(layout.currentGradeRun.active);
    EXPECT_DOUBLE_EQ(layout.currentGradeRun.angle, -1.5);
    EXPECT_EQ(layout.currentGradeRun.anchor, 9);
    EXPECT_EQ(layout.currentGradeRun.connector, 2);

    layout.gradeRuns.clear();
    layout.updateCurrentGradeRun();
    EXPECT_FALSE(layout.currentGradeRun.active);
    EXPECT_DOUBLE_EQ(layout.currentGradeRun.angle, 0.0);
    EXPECT_EQ(layout.currentGradeRun.anchor, -1);
    EXPECT_EQ(layout.currentGradeRun.connector, 1);
}

TEST(LayoutModel, LookupsFindByIdAndTreatMinusOneAsNothing)
{
    Layout layout;
    PlacedPiece p;
    p.id = 3;
    layout.pieces.push_back(p);
    PlacedPiece unnumbered;
    layout.pieces.push_back(unnumbered);
    SceneryItem s;
    s.id = 8;
    layout.scenery.push_back(s);
    layout.ensureDefaultLevel();

    ASSERT_NE(layout.findPiece(3), nullptr);
    EXPECT_EQ(layout.findPiece(3)->id, 3);
    EXPECT_EQ(layout.findPiece(4), nullptr);
    EXPECT_EQ(layout.findPiece(-1), nullptr);
    ASSERT_NE(layout.findScenery(8), nullptr);
    EXPECT_EQ(layout.findScenery(3), nullptr);
    const Layout& constant = layout;
    ASSERT_NE(constant.findLevel(1), nullptr);
    EXPECT_EQ(constant.findLevel(1)->name, "Level 1");
    EXPECT_EQ(constant.findLevel(2), nullptr);
    layout.findPiece(3)->x = 10.0;
    EXPECT_DOUBLE_EQ(layout.pieces[0].x, 10.0);
}

} // namespace
} // namespace layrail
