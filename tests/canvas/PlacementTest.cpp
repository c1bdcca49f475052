#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "canvas/Placement.h"
#include "canvas/PlacementDrag.h"
#include "catalog/SceneryCatalog.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

// A palette drag of the article whose ghost was moved to a world point.
PlacementState dragTo(const Layout& layout, const std::string& article, Point at)
{
    PlacementState state;
    EXPECT_TRUE(beginPaletteDrag(state, article, CanvasView{}));
    updateSnap(state, layout, at);
    return state;
}

} // namespace

TEST(PaletteDrag, StartsUnderWindowPointAndIgnoresUnknownArticles)
{
    PlacementState state;
    EXPECT_FALSE(beginPaletteDrag(state, "", CanvasView{}));
    EXPECT_FALSE(beginPaletteDrag(state, "99999", CanvasView{}));
    EXPECT_FALSE(state.active());

    ASSERT_TRUE(beginSceneryDrag(state, "platform", CanvasView{}));
    ASSERT_TRUE(beginPaletteDrag(state, "24188", CanvasView{}));
    EXPECT_FALSE(state.scenery.active); // one drag at a time
    EXPECT_NEAR(state.palette.ghost.x, (300 - 60) / 0.4, 1e-9);
    EXPECT_NEAR(state.palette.ghost.y, (200 - 60) / 0.4, 1e-9);
    EXPECT_EQ(state.palette.ghost.heading, 0.0);

    cancelDrag(state);
    EXPECT_FALSE(state.active());
    EXPECT_FALSE(beginSceneryDrag(state, "no_such_item", CanvasView{}));
    EXPECT_FALSE(beginHelixPlacement(state, "", CanvasView{}));
}

TEST(PaletteDrag, GhostTurnsByWheelKeyAndStepSizes)
{
    Layout layout = withLevel();
    PlacementState state;
    beginPaletteDrag(state, "24188", CanvasView{});
    turnGhostByWheel(state, layout, 120, false);
    EXPECT_DOUBLE_EQ(state.palette.ghost.heading, 30.0);
    turnGhostByWheel(state, layout, -120, true);
    EXPECT_DOUBLE_EQ(state.palette.ghost.heading, 15.0);
    turnGhostByWheel(state, layout, -120, false);
    EXPECT_DOUBLE_EQ(state.palette.ghost.heading, 345.0);
    turnGhostByStep(state, layout);
    EXPECT_DOUBLE_EQ(state.palette.ghost.heading, 15.0);

    beginSceneryDrag(state, "platform", CanvasView{});
    turnGhostByStep(state, layout);
    EXPECT_DOUBLE_EQ(state.scenery.ghost.heading, 15.0);
    turnGhostByWheel(state, layout, 120, false);
    EXPECT_DOUBLE_EQ(state.scenery.ghost.heading, 45.0);
}

TEST(PaletteDrag, SnapFollowsTheSwitchAndVisibleLevels)
{
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    PlacementState state = dragTo(layout, "24188", {198.3, 5});
    ASSERT_TRUE(state.palette.snap.found);
    const Pose pose = paletteGhostPose(state.palette);
    EXPECT_NEAR(pose.x, 188.3, 1e-9);
    EXPECT_NEAR(pose.y, 0.0, 1e-9);
    EXPECT_NEAR(pose.heading, 0.0, 1e-9);

    layout.snapOn = false;
    updateSnap(state, layout, {198.3, 5});
    EXPECT_FALSE(state.palette.snap.found);
    EXPECT_NEAR(paletteGhostPose(state.palette).y, 5.0, 1e-9);

    layout.snapOn = true;
    layout.levels[0].visible = false;
    state = dragTo(layout, "24188", {198.3, 5});
    EXPECT_FALSE(state.palette.snap.found);
}

TEST(DropPiece, SnappedDropJoinsBothPiecesWithOneSnapshot)
{
    Layout layout = withLevel();
    const int first = lay(layout, "24188", 0, 0, 0);
    piece(layout, first).selected = true;
    PlacementState state = dragTo(layout, "24188", {198.3, 5});

    const EditResult r = dropPiece(layout, state);
    ASSERT_EQ(layout.pieces.size(), 2u);
    const int second = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, first, 1, second, 0));
    EXPECT_NEAR(piece(layout, second).x, 188.3, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(r.changed());
    EXPECT_EQ(r.status, "Pieces: 2");
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(selectedIds(layout), std::vector<int>{second});
    EXPECT_FALSE(state.active());
    EXPECT_TRUE(consistent(layout));
}

TEST(DropPiece, SnapOffNeverJoinsNorAsksAboutSystems)
{
    Layout layout = withLevel();
    lay(layout, "2200", 0, 0, 0); // K-Track
    lay(layout, "24188", 1000, 0, 0);
    layout.snapOn = false;
    PlacementState state = dragTo(layout, "24188", {185, 3});
    EXPECT_TRUE(dropPiece(layout, state).message.empty());
    state = dragTo(layout, "24188", {1198.3, 2});
    dropPiece(layout, state);
    ASSERT_EQ(layout.pieces.size(), 4u);
    for (const PlacedPiece& p : layout.pieces)
        for (const Joint& j : p.joints)
            EXPECT_EQ(j.target, -1);
}

TEST(DropPiece, IncompatibleSystemsAreRefusedWithTheMessage)
{
    Layout layout = withLevel();
    lay(layout, "2200", 0, 0, 0);
    PlacementState state = dragTo(layout, "24188", {185, 3});
    EXPECT_FALSE(state.palette.snap.found);

    const EditResult r = dropPiece(layout, state);
    EXPECT_EQ(r.message.title, "Incompatible Track Systems");
    EXPECT_EQ(r.message.text, "Marklin C-Track cannot connect to Marklin K-Track.\n\nThese track systems are not "
                              "compatible.\nUse adapter track 24922 to connect C-Track to K-Track.");
    EXPECT_EQ(r.message.icon, MessageIcon::Warning);
    EXPECT_FALSE(r.changed());
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_FALSE(state.active());
}

TEST(DropPiece, UnsnappedLevelIsTheHighestVisibleElseTheActive)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 100));
    layout.levels.push_back(level(3, 200, false));

    PlacementState state = dragTo(layout, "24188", {0, 0});
    dropPiece(layout, state);
    EXPECT_EQ(layout.pieces.back().level, 2);

    for (Level& l : layout.levels)
        l.visible = false;
    layout.activeLevel = 3;
    state = dragTo(layout, "24188", {500, 500});
    dropPiece(layout, state);
    EXPECT_EQ(layout.pieces.back().level, 3);
}

TEST(DropPiece, SnappedPieceTakesTheTargetLevel)
{
    Layout layout = withLevel();
    layout.levels.insert(layout.levels.begin(), level(2, 50));
    layout.levels.push_back(level(3, 300));
    lay(layout, "24188", 0, 0, 0, 2);
    PlacementState state = dragTo(layout, "24188", {198.3, 5});
    dropPiece(layout, state);
    EXPECT_EQ(layout.pieces.back().level, 2);
}

TEST(DropPiece, TurntableGetsSixJoinedSpokeExtensions)
{
    Layout layout = withLevel();
    PlacementState state = dragTo(layout, "74861", {1000, 1000});
    const EditResult r = dropPiece(layout, state);
    ASSERT_EQ(layout.pieces.size(), 7u);
    EXPECT_EQ(r.status, "Pieces: 7");
    EXPECT_EQ(layout.undoStack.size(), 1u);
    const int turntable = layout.pieces[0].id;
    const int connectors[] = {29, 0, 1, 14, 15, 16};
    for (size_t i = 0; i < 6; ++i) {
        const PlacedPiece& ext = layout.pieces[i + 1];
        EXPECT_EQ(ext.article, "74871");
        EXPECT_TRUE(joined(layout, ext.id, 0, turntable, connectors[i])) << connectors[i];
        const Connector c = worldConnector(layout, turntable, connectors[i]);
        EXPECT_NEAR(ext.x, c.x, 1e-9);
        EXPECT_NEAR(ext.y, c.y, 1e-9);
        EXPECT_NEAR(ext.heading, c.heading, 1e-9); // facing outward
    }
    EXPECT_EQ(selectedIds(layout), std::vector<int>{turntable});
    EXPECT_TRUE(consistent(layout));

    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.pieces.empty());
}

TEST(DropPiece, PairPieceBringsItsPartnerJoinedAtTheFarEnd)
{
    Layout layout = withLevel();
    PlacementState state = dragTo(layout, "74618", {0, 0});
    const EditResult r = dropPiece(layout, state);
    ASSERT_EQ(layout.pieces.size(), 2u);
    const PlacedPiece& first = layout.pieces[0];
    const PlacedPiece& second = layout.pieces[1];
    EXPECT_EQ(second.article, "74618");
    EXPECT_NEAR(second.x, 180.0, 1e-9);
    EXPECT_NEAR(second.heading, 0.0, 1e-9);
    EXPECT_TRUE(joined(layout, first.id, 1, second.id, 0));
    EXPECT_EQ(selectedIds(layout), std::vector<int>{first.id});
    EXPECT_EQ(r.status, "Pieces: 2");
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST(DropPiece, ContinuesAGradeRunAndABridgeEndsIt)
{
    Layout layout = withLevel();
    const int first = lay(layout, "24188", 0, 0, 0);
    piece(layout, first).grade = 3.0;
    layout.gradeRuns.push_back({3.0, first, 1});
    layout.updateCurrentGradeRun();

    PlacementState state = dragTo(layout, "24188", {198.3, 5});
    dropPiece(layout, state);
    const PlacedPiece& second = layout.pieces.back();
    EXPECT_NEAR(second.z, 188.3 * std::sin(3.0 * kPi / 180.0), 1e-9);
    EXPECT_NEAR(second.z, 9.855, 1e-3);
    EXPECT_DOUBLE_EQ(second.grade, 3.0);
    ASSERT_EQ(layout.gradeRuns.size(), 1u);
    EXPECT_EQ(layout.gradeRuns[0].anchor, second.id);
    EXPECT_EQ(layout.gradeRuns[0].connector, 1);
    EXPECT_EQ(layout.currentGradeRun.anchor, second.id);

    const double farEnd = second.z + 188.3 * std::sin(3.0 * kPi / 180.0);
    state = dragTo(layout, "74620", {188.3 * 2 + 8, -4}); // a flat truss bridge
    dropPiece(layout, state);
    EXPECT_NEAR(layout.pieces.back().z, farEnd, 1e-9);
    EXPECT_EQ(layout.pieces.back().grade, 0.0);
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.currentGradeRun.active);
}

TEST(DropPiece, OnlyZTrackPieceAsksForActualZoom)
{
    Layout layout = withLevel();
    PlacementState state = dragTo(layout, "8500", {0, 0});
    EXPECT_TRUE(dropPiece(layout, state).zoomActual);
    state = dragTo(layout, "8500", {0, 500});
    EXPECT_FALSE(dropPiece(layout, state).zoomActual);
    Layout c = withLevel();
    state = dragTo(c, "24188", {0, 0});
    EXPECT_FALSE(dropPiece(c, state).zoomActual);
}

TEST(DropPiece, SnapsOntoAConnectorWhoseJointPointsNowhere)
{
    Layout layout = withLevel();
    const int first = lay(layout, "24188", 0, 0, 0);
    piece(layout, first).setJoint(1, 999, 0);
    PlacementState state = dragTo(layout, "24188", {198.3, 5});
    ASSERT_TRUE(state.palette.snap.found);
    dropPiece(layout, state);
    EXPECT_TRUE(joined(layout, first, 1, layout.pieces.back().id, 0));
    EXPECT_TRUE(consistent(layout));
}

TEST(DropScenery, RoundhouseLinesUpWithANearbyTurntable)
{
    Layout layout = withLevel();
    addScenery(layout, "74861", 1000, 1000);

    PlacementState state;
    ASSERT_TRUE(beginSceneryDrag(state, "72886", CanvasView{}));
    updateSnap(state, layout, {1100, 1000});
    state.scenery.ghost.heading = 20.0;
    const EditResult r = dropScenery(layout, state);
    ASSERT_EQ(layout.scenery.size(), 2u);
    const SceneryItem& house = layout.scenery.back();
    const double depth = SceneryCatalog::instance().find("72886")->depth;
    const double reach = depth / 2 + 349.6;
    EXPECT_DOUBLE_EQ(house.heading, 24.0);
    EXPECT_NEAR(house.x, 1000 - std::sin(24.0 * kPi / 180) * reach, 1e-9);
    EXPECT_NEAR(house.y, 1000 + std::cos(24.0 * kPi / 180) * reach, 1e-9);
    EXPECT_TRUE(house.selected);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(r.status, "Pieces: 0");
    EXPECT_FALSE(state.active());

    beginSceneryDrag(state, "72886", CanvasView{});
    updateSnap(state, layout, {1800, 1000});
    state.scenery.ghost.heading = 20.0;
    dropScenery(layout, state);
    EXPECT_DOUBLE_EQ(layout.scenery.back().x, 1800.0);
    EXPECT_DOUBLE_EQ(layout.scenery.back().heading, 20.0);
    EXPECT_FALSE(layout.scenery[1].selected);
}

TEST(ClonePiece, ExtendsTheFarEndThenTheOriginEndThenNothing)
{
    Layout layout = withLevel();
    const int source = lay(layout, "24188", 0, 0, 0);

    EditResult r = clonePiece(layout, source);
    EXPECT_TRUE(r.swallowNextPress);
    const int ahead = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, source, 1, ahead, 0));
    EXPECT_NEAR(piece(layout, ahead).x, 188.3, 1e-9);
    EXPECT_EQ(selectedIds(layout), std::vector<int>{ahead});

    clonePiece(layout, source);
    const int behind = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, source, 0, behind, 1)); // attached with its connector 1
    EXPECT_NEAR(piece(layout, behind).x, -188.3, 1e-9);
    EXPECT_NEAR(piece(layout, behind).heading, 0.0, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), 2u);

    r = clonePiece(layout, source);
    EXPECT_FALSE(r.changed());
    EXPECT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.undoStack.size(), 2u);
    EXPECT_TRUE(consistent(layout));
}

TEST(ClonePiece, SkipsHelixStubsAndEndsHeldByOthers)
{
    Layout layout = withLevel();
    const int stub = lay(layout, "24188", 0, 0, 0);
    piece(layout, stub).helix = 50;
    EXPECT_FALSE(clonePiece(layout, stub).changed());

    const int source = lay(layout, "24188", 0, 500, 0);
    const int other = lay(layout, "24188", 188.3, 500, 0);
    piece(layout, other).setJoint(0, source, 1); // one-sided: the source's own entry is empty
    clonePiece(layout, source);
    EXPECT_TRUE(joined(layout, source, 0, layout.pieces.back().id, 1));
}

TEST(ClonePiece, AJointToAMissingPieceCountsAsFree)
{
    Layout layout = withLevel();
    const int source = lay(layout, "24188", 0, 0, 0);
    piece(layout, source).setJoint(1, 4242, 0);
    clonePiece(layout, source);
    EXPECT_TRUE(joined(layout, source, 1, layout.pieces.back().id, 0));
}

TEST(AutoConnect, AttachesToTheSelectedPieceWithTheLargestId)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = lay(layout, "24188", 0, 500, 0);
    selectPieces(layout, {b, a});

    EditResult r = autoConnect(layout, "24172");
    EXPECT_TRUE(r.changed());
    const int c = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, b, 1, c, 0));
    EXPECT_EQ(selectedIds(layout), std::vector<int>{c});
    EXPECT_EQ(r.status, "Pieces: 3");

    // c is now the anchor; its connector 1 is free.
    autoConnect(layout, "24188");
    const int d = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, c, 1, d, 0));

    // With connector 1 taken the first free of 0, 2, 3... is used; a piece met at its connector 0
    // attaches with its connector 1.
    for (PlacedPiece& p : layout.pieces)
        p.selected = p.id == b;
    autoConnect(layout, "24188");
    const int e = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, b, 0, e, 1));
    EXPECT_NEAR(piece(layout, e).x, -188.3, 1e-9);
    EXPECT_NEAR(piece(layout, e).y, 500.0, 1e-9);
    EXPECT_EQ(layout.undoStack.size(), 3u);
    EXPECT_TRUE(consistent(layout));

    for (PlacedPiece& p : layout.pieces)
        p.selected = p.id == b;
    EXPECT_FALSE(autoConnect(layout, "24188").changed()); // both ends joined
    EXPECT_FALSE(autoConnect(layout, "99999").changed());
}

TEST(AutoConnect, TurnoutUsesItsBranchWhenBothMainEndsAreJoined)
{
    Layout layout = withLevel();
    const int t = lay(layout, "24611", 0, 0, 0);
    const int l = lay(layout, "24188", -188.3, 0, 0);
    const int r = lay(layout, "24188", 188.3, 0, 0);
    joinBoth(layout, t, 0, l, 1);
    joinBoth(layout, t, 1, r, 0);
    piece(layout, t).selected = true;
    autoConnect(layout, "24188");
    EXPECT_TRUE(joined(layout, t, 2, layout.pieces.back().id, 0));
}

TEST(AutoConnect, PairPartnerBecomesTheOnlySelection)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    piece(layout, a).selected = true;
    autoConnect(layout, "74618");
    ASSERT_EQ(layout.pieces.size(), 3u);
    const int first = layout.pieces[1].id;
    const int second = layout.pieces[2].id;
    EXPECT_TRUE(joined(layout, a, 1, first, 0));
    EXPECT_TRUE(joined(layout, first, 1, second, 0));
    EXPECT_EQ(selectedIds(layout), std::vector<int>{second});
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST(DropPiece, ClosingALoopJoinsBothEnds)
{
    // Eleven R1 30 degree curves of a circle; the twelfth closes it.
    Layout layout = withLevel();
    int previous = lay(layout, "24130", 0, 0, 0);
    const int first = previous;
    for (int i = 1; i < 11; ++i) {
        const Connector end = worldConnector(layout, previous, 1);
        const int next = lay(layout, "24130", end.x, end.y, end.heading);
        joinBoth(layout, previous, 1, next, 0);
        previous = next;
    }
    const Connector end = worldConnector(layout, previous, 1);
    PlacementState state = dragTo(layout, "24130", {end.x + 3, end.y + 3});
    ASSERT_TRUE(state.palette.snap.found);
    dropPiece(layout, state);
    const int last = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, previous, 1, last, 0));
    EXPECT_TRUE(joined(layout, last, 1, first, 0));
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(consistent(layout));
}
