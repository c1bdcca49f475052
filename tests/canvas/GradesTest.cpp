#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "support/EditTestSupport.h"
#include "canvas/GradeContinuation.h"
#include "canvas/Grades.h"
#include "canvas/Locks.h"
#include "canvas/Move.h"
#include "canvas/Placement.h"
#include "canvas/PlacementDrag.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

const double kRise3 = 188.3 * std::sin(3.0 * M_PI / 180.0); // one 24188 on a 3 degree grade

// A chain of straights along the x axis, each joined by its connector 0 to the previous one's 1.
std::vector<int> layChain(Layout& layout, int count)
{
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back(lay(layout, "24188", 188.3 * i, 0, 0));
        if (i > 0)
            joinBoth(layout, ids[i - 1], 1, ids[i], 0);
    }
    return ids;
}

// The ways a piece comes to be joined at the open far end of the first piece; each returns the new
// (or moved) piece's id.
struct JoinPath {
    const char* name;
    std::function<int(Layout&, int first)> join;
};

std::vector<JoinPath> joinPaths()
{
    return {
        {"drop",
         [](Layout& layout, int) {
             PlacementState state;
             beginPaletteDrag(state, "24188", CanvasView{});
             updateSnap(state, layout, {195, 3});
             EXPECT_TRUE(state.palette.snap.found);
             dropPiece(layout, state);
             return layout.pieces.back().id;
         }},
        {"clone",
         [](Layout& layout, int first) {
             clonePiece(layout, first);
             return layout.pieces.back().id;
         }},
        {"autoConnect",
         [](Layout& layout, int first) {
             piece(layout, first).selected = true;
             autoConnect(layout, "24188");
             return layout.pieces.back().id;
         }},
        {"snapped move",
         [](Layout& layout, int) {
             const int moved = lay(layout, "24188", 300, 200, 0);
             for (PlacedPiece& p : layout.pieces)
                 p.selected = p.id == moved;
             MoveDrag drag;
             pressOnPiece(drag, unitView(), 0, 0);
             EXPECT_EQ(checkMoveStart(layout, false).gate, Gate::Allowed);
             beginMove(layout, drag);
             dragMove(layout, drag, {-108, -197});
             EXPECT_TRUE(drag.snap.found);
             endMove(layout, drag);
             return moved;
         }},
    };
}

} // namespace

TEST(Grades, StartGradeAnchorsARunAndIsOneUndoableChange)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const EditResult result = startGrade(layout, a, 3.0, true);

    EXPECT_TRUE(result.changed());
    EXPECT_EQ(result.mainStatus, "Elevation: UP 3.0 deg");
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_DOUBLE_EQ(piece(layout, a).grade, 3.0);
    ASSERT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_EQ(layout.gradeRuns[0].anchor, a);
    EXPECT_EQ(layout.gradeRuns[0].connector, 0);
    EXPECT_TRUE(layout.currentGradeRun.active);

    // Starting again on the same anchor turns the run instead of adding one.
    const EditResult down = startGrade(layout, a, 1.5, false);
    EXPECT_EQ(down.mainStatus, "Elevation: DOWN 1.5 deg");
    ASSERT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.gradeRuns[0].angle, -1.5);
    EXPECT_DOUBLE_EQ(layout.currentGradeRun.angle, -1.5);
    EXPECT_DOUBLE_EQ(piece(layout, a).grade, -1.5);

    ASSERT_TRUE(undo(layout));
    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.currentGradeRun.active);
    EXPECT_DOUBLE_EQ(piece(layout, a).grade, 0.0);

    EXPECT_FALSE(startGrade(layout, 999, 3.0, true).changed());
    EXPECT_FALSE(startGrade(layout, a, std::nan(""), true).changed());
    EXPECT_TRUE(layout.gradeRuns.empty());
}

TEST(Grades, EveryJoinContinuesAThreeDegreeClimb)
{
    for (const JoinPath& path : joinPaths()) {
        SCOPED_TRACE(path.name);
        Layout layout = withLevel();
        const int first = lay(layout, "24188", 0, 0, 0);
        startGrade(layout, first, 3.0, true);

        const int second = path.join(layout, first);
        ASSERT_NE(second, first);
        EXPECT_TRUE(joined(layout, first, 1, second, 0));
        EXPECT_NEAR(piece(layout, second).z, 9.855, 0.001);
        EXPECT_DOUBLE_EQ(piece(layout, second).grade, 3.0);
        ASSERT_EQ(layout.gradeRuns.size(), 1u);
        EXPECT_EQ(layout.gradeRuns[0].anchor, second);
        EXPECT_EQ(layout.gradeRuns[0].connector, 1);
        EXPECT_EQ(layout.currentGradeRun.anchor, second);
        EXPECT_TRUE(consistent(layout));
    }
}

TEST(Grades, FourPieceClimbRisesPieceByPiece)
{
    Layout layout = withLevel();
    const int first = lay(layout, "24188", 0, 0, 0);
    startGrade(layout, first, 3.0, true);
    for (int i = 0; i < 3; ++i) {
        for (PlacedPiece& p : layout.pieces)
            p.selected = p.id == layout.pieces.back().id;
        autoConnect(layout, "24188");
    }
    ASSERT_EQ(layout.pieces.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(layout.pieces[i].z, kRise3 * static_cast<double>(i), 1e-9) << i;
    EXPECT_EQ(layout.gradeRuns[0].anchor, layout.pieces.back().id);
}

TEST(Grades, JoiningByConnectorOneLaysThePieceAgainstTheClimb)
{
    Layout layout = withLevel();
    const int first = lay(layout, "24188", 0, 0, 0);
    startGrade(layout, first, 3.0, true);
    const int second = lay(layout, "24188", 376.6, 0, 180);
    joinBoth(layout, first, 1, second, 1);
    continueGrade(layout, second, first, 1, 1);

    const PlacedPiece& p = piece(layout, second);
    EXPECT_TRUE(p.rev);
    EXPECT_NEAR(p.z, 2 * kRise3, 1e-9); // the origin end is the high end
    EXPECT_NEAR(heightAtConnector(p, catalogPiece("24188"), 1), kRise3, 1e-9);
    EXPECT_EQ(layout.gradeRuns[0].anchor, second);
    EXPECT_EQ(layout.gradeRuns[0].connector, 0);
}

TEST(Grades, BridgeEndsTheRunAndARampDoesNot)
{
    for (const char* article : {"74620", "74618"}) {
        SCOPED_TRACE(article);
        Layout layout = withLevel();
        const int first = lay(layout, "24188", 0, 0, 0);
        startGrade(layout, first, 2.0, true);
        piece(layout, first).selected = true;
        autoConnect(layout, article);
        const PlacedPiece& bridge = layout.pieces[1];
        EXPECT_NEAR(bridge.z, 188.3 * std::sin(2.0 * M_PI / 180.0), 1e-9);
        if (std::string(article) == "74620") {
            EXPECT_DOUBLE_EQ(bridge.grade, 0.0);
            EXPECT_TRUE(layout.gradeRuns.empty());
            EXPECT_FALSE(layout.currentGradeRun.active);
            EXPECT_EQ(layout.currentGradeRun.anchor, -1);
        } else {
            EXPECT_DOUBLE_EQ(bridge.grade, 2.0);
            EXPECT_FALSE(layout.gradeRuns.empty());
        }
    }
}

TEST(Grades, EndGradeFlattensOnlyTheFlatPiecesUpToTheNextGrade)
{
    Layout layout = withLevel();
    const std::vector<int> ids = layChain(layout, 7);
    piece(layout, ids[0]).grade = 3.0;
    piece(layout, ids[1]).grade = 3.0;
    piece(layout, ids[1]).z = kRise3;
    for (int i : {2, 3, 4})
        piece(layout, ids[i]).z = 50.0;
    piece(layout, ids[5]).grade = 2.0;
    piece(layout, ids[5]).z = 77.0;
    piece(layout, ids[6]).z = 80.0;
    layout.gradeRuns = {{3.0, ids[5], 1}, {1.0, ids[6], 1}};
    layout.updateCurrentGradeRun();

    const EditResult result = endGrade(layout, ids[1]);
    EXPECT_TRUE(result.changed());
    EXPECT_EQ(result.mainStatus, "Grade ended - subsequent pieces will be flat");
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_DOUBLE_EQ(piece(layout, ids[1]).grade, 0.0);
    EXPECT_NEAR(piece(layout, ids[1]).z, kRise3, 1e-9);
    for (int i : {2, 3, 4})
        EXPECT_NEAR(piece(layout, ids[i]).z, kRise3, 1e-9) << i;
    EXPECT_DOUBLE_EQ(piece(layout, ids[5]).z, 77.0);
    EXPECT_DOUBLE_EQ(piece(layout, ids[6]).z, 80.0);
    // The run the chain reaches first goes; the later one stays and becomes the current run.
    ASSERT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_EQ(layout.gradeRuns[0].anchor, ids[6]);
    EXPECT_EQ(layout.currentGradeRun.anchor, ids[6]);

    ASSERT_TRUE(undo(layout));
    EXPECT_DOUBLE_EQ(piece(layout, ids[1]).grade, 3.0);
    EXPECT_EQ(layout.gradeRuns.size(), 2u);
}

TEST(Grades, ElevationWalkStopsAfterTwoHundredPieces)
{
    Layout layout = withLevel();
    const std::vector<int> ids = layChain(layout, 205);
    piece(layout, ids[0]).z = 40.0;
    for (size_t i = 1; i < ids.size(); ++i)
        piece(layout, ids[i]).z = 1.0;

    recalculate(layout, ids[0]);
    for (size_t i = 1; i <= 200; ++i)
        ASSERT_DOUBLE_EQ(piece(layout, ids[i]).z, 40.0) << i;
    for (size_t i = 201; i < ids.size(); ++i)
        EXPECT_DOUBLE_EQ(piece(layout, ids[i]).z, 1.0) << i;
}

TEST(Grades, RecalculateKeepsGradeAndRunsAndFollowsTheHeights)
{
    Layout layout = withLevel();
    const std::vector<int> ids = layChain(layout, 3);
    piece(layout, ids[0]).z = 10.0;
    piece(layout, ids[1]).grade = 3.0;
    layout.gradeRuns = {{3.0, ids[1], 1}};
    layout.updateCurrentGradeRun();

    const EditResult result = recalculate(layout, ids[1]);
    EXPECT_TRUE(result.changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_DOUBLE_EQ(piece(layout, ids[1]).z, 10.0);
    EXPECT_DOUBLE_EQ(piece(layout, ids[1]).grade, 3.0);
    EXPECT_NEAR(piece(layout, ids[2]).z, 10.0 + kRise3, 1e-9);
    EXPECT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_FALSE(recalculate(layout, 999).changed());
    EXPECT_FALSE(endGrade(layout, 999).changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST(Grades, ElevationWalkPassesPiecesLaidTheOtherWayRound)
{
    // a -> b (laid backwards: entered at its connector 1) -> c at b's connector 0.
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = lay(layout, "24188", 376.6, 0, 180);
    const int c = lay(layout, "24188", 376.6, 0, 0);
    joinBoth(layout, a, 1, b, 1);
    joinBoth(layout, b, 0, c, 0);
    piece(layout, a).z = 5.0;

    recalculate(layout, a);
    EXPECT_DOUBLE_EQ(piece(layout, b).z, 5.0);
    EXPECT_DOUBLE_EQ(piece(layout, c).z, 5.0);

    // A graded piece laid backwards is high at its origin: its connector 1 end hands on the low height.
    Layout climb = withLevel();
    const int low = lay(climb, "24188", 0, 0, 0);
    const int high = lay(climb, "24188", 376.6, 0, 180);
    const int next = lay(climb, "24188", 376.6, 0, 0);
    joinBoth(climb, low, 1, high, 1);
    joinBoth(climb, high, 0, next, 0);
    piece(climb, high).grade = 3.0;
    piece(climb, high).rev = true;
    piece(climb, next).z = 0.0;
    recalculate(climb, high); // its origin end takes the height of `next`, flat at 0
    EXPECT_DOUBLE_EQ(piece(climb, high).z, 0.0);
    EXPECT_NEAR(piece(climb, low).z, -kRise3, 1e-9);
}

TEST(Grades, SetHeightReadsTheLayoutUnit)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);

    EXPECT_TRUE(setHeight(layout, a, " 12.5 ").changed());
    EXPECT_DOUBLE_EQ(piece(layout, a).z, 12.5);
    layout.units = LengthUnit::Centimetres;
    setHeight(layout, a, "4.5");
    EXPECT_DOUBLE_EQ(piece(layout, a).z, 45.0);
    layout.units = LengthUnit::Inches;
    setHeight(layout, a, "-1");
    EXPECT_DOUBLE_EQ(piece(layout, a).z, -25.4);
    EXPECT_EQ(layout.undoStack.size(), 3u);

    for (const char* bad : {"", "  ", "abc", "12abc", "1,5", "nan", "inf", "1e999"}) {
        EXPECT_FALSE(setHeight(layout, a, bad).changed()) << bad;
        EXPECT_DOUBLE_EQ(piece(layout, a).z, -25.4) << bad;
    }
    EXPECT_EQ(layout.undoStack.size(), 3u);
    EXPECT_FALSE(setHeight(layout, 999, "3").changed());

    ASSERT_TRUE(undo(layout));
    EXPECT_DOUBLE_EQ(piece(layout, a).z, 45.0);
}

TEST(Grades, ParseLengthConvertsToMillimetres)
{
    EXPECT_DOUBLE_EQ(*parseLengthInUnit("+2", LengthUnit::Centimetres), 20.0);
    EXPECT_DOUBLE_EQ(*parseLengthInUnit("1e2", LengthUnit::Millimetres), 100.0);
    EXPECT_DOUBLE_EQ(*parseLengthInUnit("0.5", LengthUnit::Inches), 12.7);
    EXPECT_FALSE(parseLengthInUnit("1 2", LengthUnit::Millimetres));
    EXPECT_FALSE(parseLengthInUnit("+", LengthUnit::Millimetres));
}
