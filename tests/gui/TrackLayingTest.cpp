#include <gtest/gtest.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {
namespace {

using gui::CanvasEditTest;
using gui::connectorPixel;
using gui::Held;
using gui::mouseAt;

using TrackLayingTest = CanvasEditTest;

TEST_F(TrackLayingTest, RealClickDropsTheDraggedPieceJoinedOnBothSides)
{
    // Two straights with exactly one 24188 missing between them.
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 376.6, 0.0, 0.0);
    canvas().Refresh();
    gui::pumpEvents();

    canvas().beginPaletteDrag("24188");
    ASSERT_TRUE(canvas().placement().palette.active);
    EXPECT_TRUE(canvas().HasCapture());

    gui::RealMouse mouse(canvas());
    mouse.glideTo(connectorPixel(canvas(), layout(), a, 1) + wxPoint(4, 6));
    ASSERT_TRUE(canvas().placement().palette.snap.found);
    EXPECT_EQ(canvas().placement().palette.snap.targetId, a);
    mouse.click();

    ASSERT_EQ(layout().pieces.size(), 3u);
    const PlacedPiece& added = layout().pieces.back();
    EXPECT_NEAR(added.x, 188.3, 1e-9);
    EXPECT_NEAR(added.y, 0.0, 1e-9);
    EXPECT_NEAR(added.heading, 0.0, 1e-9);
    ASSERT_EQ(added.joints.size(), 2u);
    EXPECT_EQ(added.joints[0].target, a);
    EXPECT_EQ(added.joints[0].targetConnector, 1);
    EXPECT_EQ(added.joints[1].target, b);
    EXPECT_EQ(added.joints[1].targetConnector, 0);
    EXPECT_EQ(layout().findPiece(a)->joints[1].target, added.id);
    EXPECT_EQ(layout().findPiece(b)->joints[0].target, added.id);

    EXPECT_TRUE(added.selected);
    EXPECT_FALSE(layout().findPiece(a)->selected);
    EXPECT_EQ(status(1), "Pieces: 3");
    EXPECT_EQ(title().substr(title().size() - 2), " *");
    EXPECT_EQ(layout().undoStack.size(), 1u);
    EXPECT_FALSE(canvas().placement().active());
    EXPECT_FALSE(canvas().HasCapture());
}

TEST_F(TrackLayingTest, GhostTurnsByWheelKeyAndRightClickAndEscapeCancels)
{
    canvas().beginPaletteDrag("24130");
    ASSERT_TRUE(canvas().placement().palette.active);
    // The ghost starts under window point (300, 200).
    EXPECT_NEAR(canvas().placement().palette.ghost.x, 200.0, 1e-9);
    EXPECT_NEAR(canvas().placement().palette.ghost.y, -100.0, 1e-9);
    auto heading = [&] { return canvas().placement().palette.ghost.heading; };

    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {300, 200}, {}, false, 120);
    EXPECT_DOUBLE_EQ(heading(), 30.0);
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {300, 200}, Held{false, true, false}, false, -120);
    EXPECT_DOUBLE_EQ(heading(), 15.0);
    gui::keyDown(canvas(), 'R');
    EXPECT_DOUBLE_EQ(heading(), 45.0);
    mouseAt(canvas(), wxEVT_RIGHT_DOWN, {300, 200});
    EXPECT_DOUBLE_EQ(heading(), 75.0);
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {300, 200}, {}, false, -120);
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {300, 200}, {}, false, -120);
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {300, 200}, {}, false, -120);
    EXPECT_DOUBLE_EQ(heading(), 345.0);
    // Turning the ghost never zooms.
    EXPECT_DOUBLE_EQ(canvas().view().zoom, 1.0);

    gui::keyDown(canvas(), WXK_ESCAPE);
    EXPECT_FALSE(canvas().placement().active());
    EXPECT_FALSE(canvas().HasCapture());
    mouseAt(canvas(), wxEVT_LEFT_DOWN, {300, 200});
    mouseAt(canvas(), wxEVT_LEFT_UP, {300, 200});
    EXPECT_TRUE(layout().pieces.empty());
}

TEST_F(TrackLayingTest, UnknownArticlesStartNoDrag)
{
    canvas().beginPaletteDrag("");
    canvas().beginPaletteDrag("99999");
    canvas().beginSceneryDrag("no such item");
    EXPECT_FALSE(canvas().placement().active());
    EXPECT_FALSE(canvas().HasCapture());
}

TEST_F(TrackLayingTest, GhostAndSnapRingArePaintedWhileDragging)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    canvas().beginPaletteDrag("24188");
    // Far from any track the ghost stands where the pointer is.
    mouseAt(canvas(), wxEVT_MOTION, {300, 500});
    wxImage image = gui::captureCanvas(canvas());
    EXPECT_TRUE(gui::colourNear(image, 300 + 94, 500, 200, 225, 200, 2, 6)) << gui::pixelText(image, 394, 500);

    const wxPoint end = connectorPixel(canvas(), layout(), a, 1);
    mouseAt(canvas(), wxEVT_MOTION, end + wxPoint(3, 12));
    ASSERT_TRUE(canvas().placement().palette.snap.found);
    image = gui::captureCanvas(canvas());
    // The yellow ring around the target connector, 8 px out, above the track bed.
    EXPECT_TRUE(gui::colourNear(image, end.x, end.y - 8, 255, 220, 0, 1, 40)) << gui::pixelText(image, end.x, end.y - 8);
    // The ghost lies snapped, on the far side of the connector.
    EXPECT_TRUE(gui::colourNear(image, end.x + 94, end.y, 200, 225, 200, 2, 6)) << gui::pixelText(image, end.x + 94, end.y);
    canvas().cancelDrag();
}

TEST_F(TrackLayingTest, WithSnapOffTheDropNeitherJoinsNorWarns)
{
    const int k = gui::placePiece(layout(), "2200", 0.0, 0.0, 0.0);
    gui::sendCommand(*frame, kCmdSnap, false);
    ASSERT_FALSE(layout().snapOn);
    gui::DialogAnswerer answers;
    canvas().beginPaletteDrag("24188");
    mouseAt(canvas(), wxEVT_MOTION, connectorPixel(canvas(), layout(), k, 1) + wxPoint(2, 2));
    EXPECT_FALSE(canvas().placement().palette.snap.found);
    mouseAt(canvas(), wxEVT_LEFT_DOWN, connectorPixel(canvas(), layout(), k, 1) + wxPoint(2, 2));
    EXPECT_TRUE(answers.asked().empty());
    ASSERT_EQ(layout().pieces.size(), 2u);
    EXPECT_TRUE(layout().pieces.back().isOpen(0));
    EXPECT_TRUE(layout().findPiece(k)->isOpen(1));
}

TEST_F(TrackLayingTest, CTrackBesideAnOpenKTrackEndIsRefused)
{
    const int k = gui::placePiece(layout(), "2200", 0.0, 0.0, 0.0);
    gui::DialogAnswerer answers({wxID_OK});
    canvas().beginPaletteDrag("24188");
    mouseAt(canvas(), wxEVT_MOTION, connectorPixel(canvas(), layout(), k, 1) + wxPoint(5, 5));
    EXPECT_FALSE(canvas().placement().palette.snap.found);
    mouseAt(canvas(), wxEVT_LEFT_DOWN, connectorPixel(canvas(), layout(), k, 1) + wxPoint(5, 5));

    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].title, "Incompatible Track Systems");
    EXPECT_EQ(answers.asked()[0].message,
              "Marklin C-Track cannot connect to Marklin K-Track.\n\nThese track systems are not compatible.\n"
              "Use adapter track 24922 to connect C-Track to K-Track.");
    EXPECT_EQ(layout().pieces.size(), 1u);
    EXPECT_FALSE(canvas().placement().active());
    EXPECT_TRUE(layout().undoStack.empty());
}

TEST_F(TrackLayingTest, SceneryDropsWhereTheGhostStands)
{
    canvas().beginSceneryDrag("72886");
    ASSERT_TRUE(canvas().placement().scenery.active);
    gui::keyDown(canvas(), 'r');
    EXPECT_DOUBLE_EQ(canvas().placement().scenery.ghost.heading, 15.0);
    mouseAt(canvas(), wxEVT_MOTION, {400, 400});
    mouseAt(canvas(), wxEVT_LEFT_DOWN, {400, 400});
    ASSERT_EQ(layout().scenery.size(), 1u);
    EXPECT_NEAR(layout().scenery[0].x, 300.0, 1e-9);
    EXPECT_NEAR(layout().scenery[0].y, 100.0, 1e-9);
    EXPECT_DOUBLE_EQ(layout().scenery[0].heading, 15.0);
    EXPECT_TRUE(layout().scenery[0].selected);
    EXPECT_EQ(status(1), "Pieces: 0");
    EXPECT_FALSE(canvas().placement().active());
}

TEST_F(TrackLayingTest, PaletteDoubleClickAttachesToTheNewestSelectedPiece)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    mouseAt(canvas(), wxEVT_LEFT_DOWN, gui::pixelOf(canvas(), {90.0, 0.0}));
    mouseAt(canvas(), wxEVT_LEFT_UP, gui::pixelOf(canvas(), {90.0, 0.0}));
    ASSERT_TRUE(layout().findPiece(a)->selected);

    canvas().autoConnectArticle("24130");
    ASSERT_EQ(layout().pieces.size(), 2u);
    const PlacedPiece& curve = layout().pieces.back();
    EXPECT_EQ(curve.joints[0].target, a);
    EXPECT_EQ(layout().findPiece(a)->joints[1].target, curve.id);
    EXPECT_TRUE(curve.selected);
    EXPECT_FALSE(layout().findPiece(a)->selected);
    EXPECT_EQ(status(1), "Pieces: 2");
}

TEST_F(TrackLayingTest, DoubleClickClonesAtTheFreeEndAndSwallowsTheSecondPress)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const wxPoint onA = gui::pixelOf(canvas(), {90.0, 0.0});
    mouseAt(canvas(), wxEVT_LEFT_DOWN, onA);
    mouseAt(canvas(), wxEVT_LEFT_UP, onA);
    mouseAt(canvas(), wxEVT_LEFT_DCLICK, onA);
    ASSERT_EQ(layout().pieces.size(), 2u);
    const int clone = layout().pieces.back().id;
    EXPECT_NEAR(layout().pieces.back().x, 188.3, 1e-9);
    EXPECT_EQ(layout().findPiece(a)->joints[1].target, clone);
    EXPECT_TRUE(layout().findPiece(clone)->selected);

    // The press that belongs to the double-click would otherwise select the original again.
    mouseAt(canvas(), wxEVT_LEFT_DOWN, onA);
    mouseAt(canvas(), wxEVT_LEFT_UP, onA);
    EXPECT_TRUE(layout().findPiece(clone)->selected);
    EXPECT_FALSE(layout().findPiece(a)->selected);
    // A later press is an ordinary one.
    mouseAt(canvas(), wxEVT_LEFT_DOWN, onA);
    mouseAt(canvas(), wxEVT_LEFT_UP, onA);
    EXPECT_TRUE(layout().findPiece(a)->selected);

    // Both ends of the original are joined now, or held: a clone of the clone goes on its far end.
    mouseAt(canvas(), wxEVT_LEFT_DCLICK, onA);
    EXPECT_EQ(layout().pieces.size(), 3u);
    EXPECT_EQ(layout().pieces.back().joints[1].target, a);
}

} // namespace
} // namespace layrail
