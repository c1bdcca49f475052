#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "canvas/Rotate.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

double rad(double deg) { return deg * kPi / 180.0; }

// A helix whose four stubs are selected.
Helix addSelectedHelix(Layout& layout)
{
    const Helix h = addHelix(layout);
    selectPieces(layout, helixStubs(h));
    return h;
}

} // namespace

TEST(WheelRotation, CentreIsTheMiddleOfPiecesAndSceneryFootprints)
{
    Layout layout = withLevel();
    const int p = lay(layout, "24188", 0, 0, 0);
    piece(layout, p).selected = true;
    Point c = wheelRotationCentre(layout);
    EXPECT_NEAR(c.x, 94.15, 1e-9);
    EXPECT_NEAR(c.y, 0.0, 1e-9);

    addScenery(layout, "platform", 500, 100, true); // 230 x 60
    c = wheelRotationCentre(layout);
    EXPECT_NEAR(c.x, 307.5, 1e-9);
    EXPECT_NEAR(c.y, 65.0, 1e-9);
}

TEST(WheelRotation, CurveAddsTheMiddleOfItsArc)
{
    Layout layout = withLevel();
    // Heading 345 lays the 30 degree curve's chord along the x axis.
    const int p = lay(layout, "24130", 0, 0, 345);
    piece(layout, p).selected = true;
    const Point c = wheelRotationCentre(layout);
    const double sagitta = 360 * (1 - std::cos(rad(15)));
    EXPECT_NEAR(c.x, 360 * std::sin(rad(15)), 1e-6); // half the chord
    // The arc bulges away from the curve's centre (+y), so the box reaches up to -sagitta.
    EXPECT_NEAR(c.y, -sagitta / 2, 1e-6);
}

TEST(WheelRotation, TurnsAboutTheCentreByNotchSteps)
{
    Layout layout = withLevel();
    const int p = lay(layout, "24188", 0, 0, 0);
    piece(layout, p).selected = true;
    const EditResult r = rotateSelectionByWheel(layout, 120, false);
    EXPECT_TRUE(r.changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_DOUBLE_EQ(piece(layout, p).heading, 15.0);
    EXPECT_NEAR(piece(layout, p).x, 94.15 - 94.15 * std::cos(rad(15)), 1e-9);
    EXPECT_NEAR(piece(layout, p).y, -94.15 * std::sin(rad(15)), 1e-9);

    rotateSelectionByWheel(layout, -120, true);
    EXPECT_NEAR(piece(layout, p).heading, 10.0, 1e-9);
    rotateSelectionByWheel(layout, -120, false);
    EXPECT_NEAR(piece(layout, p).heading, 355.0, 1e-9);

    piece(layout, p).selected = false;
    EXPECT_FALSE(rotateSelectionByWheel(layout, 120, false).changed());
}

TEST(StepRotation, LocksRefuseHelixTrackMixedWithOtherTrack)
{
    Layout layout = withLevel();
    addSelectedHelix(layout);
    const int p = lay(layout, "24188", 0, 0, 0);
    piece(layout, p).selected = true;
    const EditResult r = rotateSelectionStep(layout);
    EXPECT_FALSE(r.changed());
    EXPECT_EQ(r.message.title, "Helix track is locked");
    EXPECT_EQ(r.message.text,
              "Selection includes track that is part of a helix. Helix track cannot be rotated individually.");
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_DOUBLE_EQ(piece(layout, p).heading, 0.0);
}

TEST(StepRotation, WholeHelixTurnsAboutItsCentre)
{
    Layout layout = withLevel();
    const Helix h = addSelectedHelix(layout);
    const EditResult r = rotateSelectionStep(layout);
    EXPECT_TRUE(r.changed());
    EXPECT_DOUBLE_EQ(layout.helices[0].heading, 30.0);
    EXPECT_DOUBLE_EQ(layout.helices[0].cx, 500.0);
    const PlacedPiece& stub = piece(layout, h.bottomR1); // was 360 mm above the centre
    EXPECT_NEAR(stub.x, 500 + 360 * std::sin(rad(30)), 1e-9);
    EXPECT_NEAR(stub.y, 500 - 360 * std::cos(rad(30)), 1e-9);
    EXPECT_DOUBLE_EQ(stub.heading, 30.0);
}

TEST(StepRotation, FirstPiecePivotsAndSceneryTurnsByItsKind)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 100, 100, 340);
    const int b = lay(layout, "24188", 200, 100, 0);
    selectPieces(layout, {a, b});
    addScenery(layout, "platform", 100, 200, true);
    addScenery(layout, "bush", 100, 200, true);
    rotateSelectionStep(layout);
    EXPECT_DOUBLE_EQ(piece(layout, a).x, 100.0);
    EXPECT_NEAR(piece(layout, a).heading, 10.0, 1e-9);
    EXPECT_NEAR(piece(layout, b).x, 100 + 100 * std::cos(rad(30)), 1e-9);
    EXPECT_NEAR(piece(layout, b).y, 100 + 100 * std::sin(rad(30)), 1e-9);
    EXPECT_DOUBLE_EQ(layout.scenery[0].heading, 30.0);
    EXPECT_DOUBLE_EQ(layout.scenery[1].heading, 15.0);
    EXPECT_NEAR(layout.scenery[1].x, 100 - 100 * std::sin(rad(15)), 1e-9);
}

TEST(DragRotation, SnapsWithinTwoDegreesOfRightAnglesAndFlashes)
{
    Layout layout = withLevel();
    const int p = lay(layout, "24188", 0, 0, 0);
    const int q = lay(layout, "24188", 100, 0, 0);
    selectPieces(layout, {p, q});
    const CanvasView view = unitView();
    RotateDrag drag;
    // The centre is the average position (50, 0); the press lies straight right of it.
    ASSERT_TRUE(beginRotateDrag(layout, drag, view, 150, 0).message.empty());
    EXPECT_TRUE(drag.active);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    auto at = [](double deg) { return Point{50 + 100 * std::cos(rad(deg)), 100 * std::sin(rad(deg))}; };

    Point m = at(88.5);
    RotateStep step = updateRotateDrag(layout, drag, view, m.x, m.y);
    EXPECT_TRUE(step.startFlashTimer);
    EXPECT_TRUE(drag.flash);
    EXPECT_DOUBLE_EQ(drag.displayedHeading, 90.0);
    EXPECT_NEAR(piece(layout, p).heading, 90.0, 1e-9);
    EXPECT_NEAR(piece(layout, p).x, 50.0, 1e-9);
    EXPECT_NEAR(piece(layout, p).y, -50.0, 1e-9);
    EXPECT_EQ(rotationReadout(drag), "90.0 deg");

    m = at(89.0);
    step = updateRotateDrag(layout, drag, view, m.x, m.y);
    EXPECT_FALSE(step.startFlashTimer); // still in the band: no new flash
    endRotateFlash(drag);
    EXPECT_FALSE(drag.flash);

    m = at(87.9);
    updateRotateDrag(layout, drag, view, m.x, m.y);
    EXPECT_FALSE(drag.snapped);
    EXPECT_NEAR(drag.displayedHeading, 87.9, 1e-9);
    EXPECT_NEAR(piece(layout, q).heading, 87.9, 1e-9);

    m = at(-179.0); // 181 degrees: delta folds to -179
    updateRotateDrag(layout, drag, view, m.x, m.y);
    EXPECT_DOUBLE_EQ(drag.displayedHeading, 180.0);
    m = at(-60.0);
    step = updateRotateDrag(layout, drag, view, m.x, m.y);
    EXPECT_TRUE(step.stopFlashTimer);
    EXPECT_NEAR(drag.displayedHeading, 300.0, 1e-9);
    endRotateDrag(drag);
    EXPECT_FALSE(drag.active);
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST(DragRotation, TunnelTrackIsRefusedAndAWholeHelixTurnsAboutItsCentre)
{
    Layout layout = withLevel();
    const int p = lay(layout, "24188", 0, 0, 0);
    piece(layout, p).selected = true;
    Tunnel t;
    t.id = layout.takeId();
    t.coveredPieces = {p};
    layout.tunnels.push_back(t);
    RotateDrag drag;
    EditResult r = beginRotateDrag(layout, drag, unitView(), 10, 10);
    EXPECT_EQ(r.message.title, "Tunnel is locked");
    EXPECT_EQ(r.message.text, "Selection includes tunnel track or portals. Remove the tunnel first, then rotate.");
    EXPECT_FALSE(drag.active);
    EXPECT_TRUE(layout.undoStack.empty());

    piece(layout, p).selected = false;
    const Helix h = addSelectedHelix(layout);
    r = beginRotateDrag(layout, drag, unitView(), 600, 500);
    ASSERT_TRUE(r.message.empty());
    EXPECT_EQ(drag.helixId, h.id);
    updateRotateDrag(layout, drag, unitView(), 500 + 100 * std::cos(rad(45)), 500 + 100 * std::sin(rad(45)));
    EXPECT_NEAR(layout.helices[0].heading, 45.0, 1e-9);
    EXPECT_NEAR(piece(layout, h.topR1).x, 500 - 360 * std::sin(rad(45)), 1e-9);
}
