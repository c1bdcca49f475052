#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/EditTestSupport.h"
#include "render/RecordingTarget.h"
#include "document/DeleteSelection.h"
#include "canvas/Helices.h"
#include "canvas/Locks.h"
#include "canvas/Move.h"
#include "canvas/Placement.h"
#include "canvas/Rotate.h"
#include "canvas/Tunnels.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

const Helix& onlyHelix(const Layout& layout)
{
    EXPECT_EQ(layout.helices.size(), 1u);
    return layout.helices.front();
}

void selectOnly(Layout& layout, const std::vector<int>& ids)
{
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    selectPieces(layout, ids);
}

} // namespace

TEST(Helix, AddLaysFourStubsAtTheKitRadiiAndRise)
{
    Layout layout = withLevel();
    layout.activeLevel = 2;
    const EditResult result = layrail::addHelix(layout, 500, 500, 0, "proses_2_5_r1r2");
    EXPECT_TRUE(result.changed());
    EXPECT_EQ(result.status, "Pieces: 4");
    EXPECT_EQ(layout.undoStack.size(), 1u);

    const Helix& h = onlyHelix(layout);
    EXPECT_EQ(h.id, 1);
    EXPECT_EQ(h.variant, "proses_2_5_r1r2");
    EXPECT_DOUBLE_EQ(h.cx, 500.0);
    EXPECT_DOUBLE_EQ(h.cy, 500.0);
    const std::vector<int> stubs = helixStubs(h);
    EXPECT_EQ(stubs, (std::vector<int>{2, 3, 4, 5}));
    const double expectedY[4] = {140, 62.5, 860, 937.5};
    const double expectedZ[4] = {0, 0, 260, 260};
    for (size_t i = 0; i < 4; ++i) {
        const PlacedPiece& stub = piece(layout, stubs[i]);
        EXPECT_EQ(stub.article, "24188");
        EXPECT_NEAR(stub.x, 500.0, 1e-9) << i;
        EXPECT_NEAR(stub.y, expectedY[i], 1e-9) << i;
        EXPECT_DOUBLE_EQ(stub.z, expectedZ[i]) << i;
        EXPECT_EQ(stub.level, 1);
        EXPECT_EQ(stub.helix, h.id);
        EXPECT_FALSE(stub.selected);
        EXPECT_TRUE(stub.isOpen(0) && stub.isOpen(1));
    }
    EXPECT_EQ(layout.nextId, 6);
    EXPECT_TRUE(consistent(layout));

    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_TRUE(layout.helices.empty());
}

TEST(Helix, KitFallsBackToTheDefaultAndTurnsWithTheHeading)
{
    for (const char* kit : {"", "proses_4_5_r2r3", "PROSES_2_5_R1R2"}) {
        Layout layout = withLevel();
        layrail::addHelix(layout, 0, 0, 0, kit);
        EXPECT_EQ(onlyHelix(layout).variant, "proses_2_5_r1r2") << kit;
    }

    Layout layout = withLevel();
    layrail::addHelix(layout, 1000, 1000, 90, "proses_3_5_r4r5");
    const Helix& h = onlyHelix(layout);
    EXPECT_EQ(h.variant, "proses_3_5_r4r5");
    const PlacedPiece& innerBottom = piece(layout, h.bottomR1);
    EXPECT_NEAR(innerBottom.x, 1000 + 579.3, 1e-9);
    EXPECT_NEAR(innerBottom.y, 1000, 1e-9);
    EXPECT_DOUBLE_EQ(innerBottom.heading, 90.0);
    EXPECT_NEAR(piece(layout, h.topR2).x, 1000 - 643.6, 1e-9);
    EXPECT_DOUBLE_EQ(piece(layout, h.topR2).z, 340.0);

    // Level 1 gone: the stubs go on the first level there is.
    Layout noLevelOne;
    noLevelOne.levels = {level(3, 100)};
    layrail::addHelix(noLevelOne, 0, 0, 0, "");
    for (const PlacedPiece& p : noLevelOne.pieces)
        EXPECT_EQ(p.level, 3);
}

TEST(Helix, PlacementGhostShowsTheKitAndAClickLaysIt)
{
    Layout layout = withLevel();
    PlacementState state;
    ASSERT_TRUE(beginHelixPlacement(state, "proses_2_5_r2r3", CanvasView{}));
    updateSnap(state, layout, {700, 300});

    HelixGhost ghost;
    ASSERT_TRUE(helixGhost(state, ghost));
    EXPECT_DOUBLE_EQ(ghost.innerRadius, 437.5);
    EXPECT_DOUBLE_EQ(ghost.outerRadius, 515.0);

    CanvasView view;
    view.zoom = 0.5;
    view.panX = 10;
    view.panY = 20;
    layrail::testing::RecordingTarget target;
    drawHelixGhost(target, view, state);
    std::vector<double> radii;
    int lines = 0;
    for (const auto& call : target.calls) {
        EXPECT_EQ(call.pen.colour.r, 0);
        EXPECT_EQ(call.pen.colour.g, 150);
        EXPECT_EQ(call.pen.colour.b, 200);
        EXPECT_EQ(call.pen.width, 2);
        if (call.kind == layrail::testing::RecordingTarget::Kind::Ellipse) {
            EXPECT_EQ(call.pen.style, PenStyle::LongDash);
            EXPECT_FALSE(call.brush.set);
            EXPECT_DOUBLE_EQ(call.points[0].x, 360.0);
            EXPECT_DOUBLE_EQ(call.points[0].y, 170.0);
            radii.push_back(call.radiusX);
        } else if (call.kind == layrail::testing::RecordingTarget::Kind::Line) {
            const double length = std::hypot(call.points[1].x - call.points[0].x, call.points[1].y - call.points[0].y);
            EXPECT_DOUBLE_EQ(length, 16.0);
            ++lines;
        }
    }
    EXPECT_EQ(radii, (std::vector<double>{218.75, 257.5}));
    EXPECT_EQ(lines, 2);

    const EditResult result = dropHelix(layout, state);
    EXPECT_TRUE(result.changed());
    EXPECT_FALSE(state.active());
    const Helix& h = onlyHelix(layout);
    EXPECT_DOUBLE_EQ(h.cx, 700.0);
    EXPECT_DOUBLE_EQ(h.cy, 300.0);
    EXPECT_DOUBLE_EQ(h.heading, 0.0);
    EXPECT_EQ(h.variant, "proses_2_5_r2r3");

    layrail::testing::RecordingTarget idle;
    drawHelixGhost(idle, view, state);
    EXPECT_TRUE(idle.calls.empty());
    EXPECT_FALSE(dropHelix(layout, state).changed());
}

TEST(Helix, StubsAreLockedAgainstDeleteRotateAndPartialMoves)
{
    Layout layout = withLevel();
    layrail::addHelix(layout, 500, 500, 0, "");
    const Helix h = onlyHelix(layout);
    const auto [a, b, c] = layJoinedStraights(layout);
    layout.tunnels.push_back({layout.takeId(), -1, -1, a, c, {a, b, c}});

    selectOnly(layout, {h.topR1});
    const LockRefusal del = checkLocks(layout, "delete");
    EXPECT_TRUE(del.refused);
    EXPECT_EQ(del.title, "Helix track is locked");
    EXPECT_EQ(del.message,
              "Selection includes track that is part of a helix. Helix track cannot be deleted individually.");
    EXPECT_EQ(checkLocks(layout, "rotate").message,
              "Selection includes track that is part of a helix. Helix track cannot be rotated individually.");
    // One stub alone is not the helix: neither delete nor rotate may take it as one.
    EXPECT_FALSE(selectionIsOneHelix(layout));
    EXPECT_EQ(checkDelete(layout).gate, Gate::Refused);
    const EditResult rotate = rotateSelectionStep(layout);
    EXPECT_FALSE(rotate.changed());
    EXPECT_EQ(rotate.message.title, "Helix track is locked");
    EXPECT_DOUBLE_EQ(onlyHelix(layout).heading, 0.0);
    EXPECT_EQ(checkMoveStart(layout, false).message.title, "Helix partially selected");

    // The helix message wins over the tunnel one, whichever comes first in the layout.
    selectOnly(layout, {h.topR1, b});
    EXPECT_EQ(checkLocks(layout, "delete").title, "Helix track is locked");
    std::rotate(layout.pieces.begin(), layout.pieces.begin() + 4, layout.pieces.end());
    EXPECT_EQ(checkLocks(layout, "delete").title, "Helix track is locked");

    selectOnly(layout, helixStubs(h));
    EXPECT_TRUE(selectionIsOneHelix(layout));
    EXPECT_EQ(checkDelete(layout).gate, Gate::Allowed);
    EXPECT_EQ(checkMoveStart(layout, false).gate, Gate::Allowed);
}

TEST(Helix, MovesOnlyAsAWhole)
{
    Layout layout = withLevel();
    layrail::addHelix(layout, 500, 500, 0, "");
    const Helix h = onlyHelix(layout);
    selectOnly(layout, helixStubs(h));

    MoveDrag drag;
    pressOnPiece(drag, unitView(), 0, 0);
    ASSERT_EQ(checkMoveStart(layout, false).gate, Gate::Allowed);
    beginMove(layout, drag);
    dragMove(layout, drag, {100, -50});
    endMove(layout, drag);

    EXPECT_DOUBLE_EQ(onlyHelix(layout).cx, 600.0);
    EXPECT_DOUBLE_EQ(onlyHelix(layout).cy, 450.0);
    const std::array<Point, 4> at = helixStubPositions(600, 450, 0, *helixKitOrDefault(""));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(piece(layout, helixStubs(h)[i]).x, at[i].x, 1e-9);
        EXPECT_NEAR(piece(layout, helixStubs(h)[i]).y, at[i].y, 1e-9);
    }
}

TEST(Helix, RemovalTakesItsStubsAndEverythingThatPointedAtThem)
{
    Layout layout = withLevel();
    layrail::addHelix(layout, 500, 500, 0, "");
    const Helix h = onlyHelix(layout);
    // Track leaves the top stub; a tunnel covers that stub and the track; a run is anchored on a stub.
    selectOnly(layout, {h.topR1});
    autoConnect(layout, "24188");
    const int track = layout.pieces.back().id;
    ASSERT_TRUE(joined(layout, h.topR1, 1, track, 0));
    selectOnly(layout, {h.topR1, track});
    ASSERT_TRUE(toggleTunnel(layout).changed());
    layout.gradeRuns.push_back({2.0, h.bottomR2, 1});
    layout.updateCurrentGradeRun();
    const size_t undoBefore = layout.undoStack.size();
    ASSERT_TRUE(consistent(layout));

    const EditResult result = removeHelix(layout, h.id);
    EXPECT_TRUE(result.changed());
    EXPECT_EQ(result.status, "Pieces: 1");
    EXPECT_EQ(layout.undoStack.size(), undoBefore + 1);
    EXPECT_TRUE(layout.helices.empty());
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(piece(layout, track).isOpen(0));
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.scenery.empty());
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.currentGradeRun.active);
    EXPECT_TRUE(consistent(layout));
    EXPECT_FALSE(removeHelix(layout, h.id).changed());

    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.pieces.size(), 5u);
    EXPECT_EQ(layout.tunnels.size(), 1u);
    EXPECT_TRUE(consistent(layout));
}

TEST(Helix, DeletingAWholeHelixTakesATunnelOverItsStubs)
{
    Layout layout = withLevel();
    layrail::addHelix(layout, 500, 500, 0, "");
    const Helix h = onlyHelix(layout);
    selectOnly(layout, {h.bottomR1});
    autoConnect(layout, "24188");
    const int track = layout.pieces.back().id;
    selectOnly(layout, {h.bottomR1, track});
    ASSERT_TRUE(toggleTunnel(layout).changed());

    selectOnly(layout, helixStubs(h));
    ASSERT_EQ(checkDelete(layout).gate, Gate::Allowed);
    deleteSelection(layout);
    EXPECT_TRUE(layout.helices.empty());
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.scenery.empty());
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(consistent(layout));
}
