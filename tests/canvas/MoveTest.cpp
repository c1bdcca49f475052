#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "canvas/Locks.h"
#include "canvas/Move.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

// Presses at a window point, starts the move and drags the selection by (dx, dy) mm.
void dragBy(Layout& layout, MoveDrag& drag, double dx, double dy)
{
    pressOnPiece(drag, unitView(), 0, 0);
    ASSERT_EQ(checkMoveStart(layout, false).gate, Gate::Allowed);
    beginMove(layout, drag);
    dragMove(layout, drag, {dx, dy});
}

} // namespace

TEST(MoveStart, FivePixelsStartAMoveAndAJiggleDoesNot)
{
    MoveDrag drag;
    pressOnPiece(drag, unitView(), 100, 100);
    EXPECT_TRUE(drag.pending);
    EXPECT_FALSE(moveThresholdPassed(drag, 104, 100));
    EXPECT_FALSE(moveThresholdPassed(drag, 103, 103));
    EXPECT_TRUE(moveThresholdPassed(drag, 103, 104));
    EXPECT_TRUE(moveThresholdPassed(drag, 95, 100));
}

TEST(MoveStart, HelixTunnelAndGradeChecksInOrder)
{
    Layout layout = withLevel();
    const Helix h = addHelix(layout);
    selectPieces(layout, {h.bottomR1, h.bottomR2, h.topR1});
    GateCheck check = checkMoveStart(layout, false);
    EXPECT_EQ(check.gate, Gate::Refused);
    EXPECT_EQ(check.message.title, "Helix partially selected");
    EXPECT_EQ(check.message.text, "Selection contains part of a helix. Either select the whole helix (click any of "
                                  "its stubs) or exclude it from the selection before moving.");
    piece(layout, h.topR2).selected = true;
    EXPECT_EQ(checkMoveStart(layout, false).gate, Gate::Allowed);

    const int covered = lay(layout, "24188", 0, 0, 0);
    Tunnel t;
    t.id = layout.takeId();
    t.coveredPieces = {covered};
    t.portalA = addScenery(layout, "tunnel_portal_single").id;
    layout.tunnels.push_back(t);
    piece(layout, covered).selected = true;
    check = checkMoveStart(layout, false);
    EXPECT_EQ(check.message.title, "Tunnel is locked");
    EXPECT_EQ(check.message.text, "Selection includes tunnel track or portals. Remove the tunnel first, then move.");
    piece(layout, covered).selected = false;
    layout.scenery[0].selected = true;
    EXPECT_EQ(checkMoveStart(layout, false).gate, Gate::Refused);
    layout.scenery[0].selected = false;

    piece(layout, h.topR2).grade = -2.0;
    check = checkMoveStart(layout, false);
    EXPECT_EQ(check.gate, Gate::Ask);
    EXPECT_EQ(check.message.title, "Move");
    EXPECT_EQ(check.message.text,
              "Selection includes graded pieces. Moving will break joints and leave the chain's elevation "
              "inconsistent.\n\nMove anyway? (This warning will not appear again this session.)");
    EXPECT_EQ(checkMoveStart(layout, true).gate, Gate::Allowed);
}

TEST(Move, BeginClearsCrossJointsTakesTurntableSpokesAndRecordsOnce)
{
    Layout layout = withLevel();
    const auto [a, b, c] = layJoinedStraights(layout);
    const int tt = lay(layout, "74861", 2000, 0, 0);
    const int spoke = lay(layout, "74871", 2139, 0, 0);
    joinBoth(layout, tt, 0, spoke, 0);
    selectPieces(layout, {a, b, tt});

    MoveDrag drag;
    dragBy(layout, drag, 0, 300);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(joined(layout, a, 1, b, 0));
    EXPECT_TRUE(piece(layout, b).isOpen(1));
    EXPECT_TRUE(piece(layout, c).isOpen(0));
    EXPECT_TRUE(piece(layout, spoke).selected);
    EXPECT_TRUE(joined(layout, tt, 0, spoke, 0));
    EXPECT_DOUBLE_EQ(piece(layout, spoke).y, 300.0);
    EXPECT_DOUBLE_EQ(piece(layout, c).y, 0.0);

    const EditResult r = endMove(layout, drag);
    EXPECT_TRUE(r.changed());
    EXPECT_FALSE(drag.moving);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(consistent(layout));
}

TEST(Move, SnapCarriesTheSelectionOntoTheTargetAndJoinsIt)
{
    Layout layout = withLevel();
    const int fixed = lay(layout, "24188", 0, 0, 0);
    const int m = lay(layout, "24188", 500, 300, 10);
    const int m2 = lay(layout, "24188", 0, 0, 0);
    const Connector end = worldConnector(layout, m, 1);
    piece(layout, m2).x = end.x;
    piece(layout, m2).y = end.y;
    piece(layout, m2).heading = 10;
    joinBoth(layout, m, 1, m2, 0);
    selectPieces(layout, {m, m2});

    MoveDrag drag;
    dragBy(layout, drag, 188.3 + 6 - 500, 4 - 300);
    ASSERT_TRUE(drag.snap.found);
    EXPECT_EQ(drag.snapPiece, m);
    EXPECT_EQ(drag.snap.targetId, fixed);

    endMove(layout, drag);
    EXPECT_NEAR(piece(layout, m).x, 188.3, 1e-9);
    EXPECT_NEAR(piece(layout, m).y, 0.0, 1e-9);
    EXPECT_NEAR(piece(layout, m).heading, 0.0, 1e-9);
    EXPECT_NEAR(piece(layout, m2).x, 376.6, 1e-9);
    EXPECT_NEAR(piece(layout, m2).y, 0.0, 1e-9);
    EXPECT_NEAR(piece(layout, m2).heading, 0.0, 1e-9);
    EXPECT_TRUE(joined(layout, fixed, 1, m, 0));
    EXPECT_TRUE(joined(layout, m, 1, m2, 0));
    EXPECT_TRUE(consistent(layout));
}

TEST(Move, SnapSwitchOffAndHiddenTargetsLeaveThePieceWhereDropped)
{
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    const int m = lay(layout, "24188", 500, 300, 0);
    piece(layout, m).selected = true;
    layout.snapOn = false;
    MoveDrag drag;
    dragBy(layout, drag, 188.3 + 6 - 500, 4 - 300);
    EXPECT_FALSE(drag.snap.found);
    endMove(layout, drag);
    EXPECT_NEAR(piece(layout, m).x, 194.3, 1e-9);
    EXPECT_TRUE(piece(layout, m).isOpen(0));
}

TEST(Move, AutoJoinTakesEndsCloserThanFourMillimetres)
{
    for (double offset : {3.0, 5.0}) {
        Layout layout = withLevel();
        const int fixed = lay(layout, "24188", 0, 0, 0);
        const int side = lay(layout, "24188", 376.6, offset, 0); // its connector 0 lies beside m's far end
        const int m = lay(layout, "24188", 500, 300, 0);
        piece(layout, m).selected = true;
        MoveDrag drag;
        dragBy(layout, drag, 188.3 + 0.5 - 500, -300);
        endMove(layout, drag);
        EXPECT_TRUE(joined(layout, fixed, 1, m, 0));
        EXPECT_EQ(joined(layout, m, 1, side, 0), offset < 4.0) << offset;
        EXPECT_TRUE(consistent(layout));
    }
}

TEST(Move, SnappedMoveContinuesTheGradeAndLiftsTheRestOfTheSelection)
{
    Layout layout = withLevel();
    const int fixed = lay(layout, "24188", 0, 0, 0);
    piece(layout, fixed).grade = 3.0;
    layout.gradeRuns.push_back({3.0, fixed, 1});
    const int m = lay(layout, "24188", 500, 300, 0);
    const int m2 = lay(layout, "24188", 688.3, 300, 0);
    joinBoth(layout, m, 1, m2, 0);
    selectPieces(layout, {m, m2});

    MoveDrag drag;
    dragBy(layout, drag, 188.3 + 3 - 500, -300);
    endMove(layout, drag);
    const double rise = 188.3 * std::sin(3.0 * kPi / 180.0);
    EXPECT_NEAR(piece(layout, m).z, rise, 1e-9);
    EXPECT_DOUBLE_EQ(piece(layout, m).grade, 3.0);
    EXPECT_NEAR(piece(layout, m2).z, rise, 1e-9);
    EXPECT_EQ(layout.gradeRuns[0].anchor, m);
}

TEST(Move, WholeHelixMovesWithItsRecord)
{
    Layout layout = withLevel();
    const Helix h = addHelix(layout);
    selectPieces(layout, helixStubs(h));
    MoveDrag drag;
    dragBy(layout, drag, 100, 50);
    EXPECT_DOUBLE_EQ(layout.helices[0].cx, 600.0);
    EXPECT_DOUBLE_EQ(layout.helices[0].cy, 550.0);
    EXPECT_DOUBLE_EQ(piece(layout, h.topR2).y, 987.5);
    endMove(layout, drag);
}

TEST(Move, SceneryPressMovesAtOnceAndRecordsOnlyOnMotion)
{
    Layout layout = withLevel();
    addScenery(layout, "bush", 10, 20, true);
    const int p = lay(layout, "24188", 0, 0, 0);
    piece(layout, p).selected = true;

    MoveDrag drag;
    beginSceneryMove(layout, drag, unitView(), 10, 20);
    EXPECT_TRUE(drag.moving);
    dragMove(layout, drag, {10, 20});
    EXPECT_FALSE(endMove(layout, drag).changed());
    EXPECT_TRUE(layout.undoStack.empty());

    beginSceneryMove(layout, drag, unitView(), 10, 20);
    dragMove(layout, drag, {40, 60});
    dragMove(layout, drag, {50, 60});
    EXPECT_TRUE(endMove(layout, drag).changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.scenery[0].x, 50.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].y, 60.0);
    EXPECT_DOUBLE_EQ(piece(layout, p).x, 0.0); // a scenery press moves scenery only
}

TEST(Move, JointsToMissingPiecesAreTreatedAsOpen)
{
    Layout layout = withLevel();
    const int fixed = lay(layout, "24188", 0, 0, 0);
    piece(layout, fixed).setJoint(1, 555, 1);
    const int m = lay(layout, "24188", 500, 300, 0);
    piece(layout, m).setJoint(0, 556, 0);
    piece(layout, m).selected = true;
    MoveDrag drag;
    dragBy(layout, drag, 188.3 + 2 - 500, -300);
    ASSERT_TRUE(drag.snap.found);
    endMove(layout, drag);
    EXPECT_TRUE(joined(layout, fixed, 1, m, 0));
    EXPECT_TRUE(consistent(layout));
}
