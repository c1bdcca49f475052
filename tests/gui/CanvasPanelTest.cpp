#include <gtest/gtest.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {
namespace {

class CanvasPanelTest : public ::testing::Test {
protected:
    void SetUp() override { frame = gui::createMainFrame(); }
    void TearDown() override
    {
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        gui::destroyMainFrame(frame);
    }

    CanvasPanel& canvas() { return *frame->canvas(); }
    CanvasView& view() { return canvas().view(); }
    std::string status(int field) const { return frame->GetStatusBar()->GetStatusText(field).utf8_string(); }

    MainFrame* frame = nullptr;
};

TEST_F(CanvasPanelTest, WheelZoomsAboutThePointer)
{
    const double worldX = view().toWorldX(300), worldY = view().toWorldY(200);
    gui::sendMouse(canvas(), wxEVT_MOUSEWHEEL, 300, 200, 120);
    EXPECT_NEAR(view().zoom, 0.4 * 1.15, 1e-12);
    EXPECT_NEAR(view().toWorldX(300), worldX, 1e-9);
    EXPECT_NEAR(view().toWorldY(200), worldY, 1e-9);

    gui::sendMouse(canvas(), wxEVT_MOUSEWHEEL, 300, 200, -120);
    EXPECT_NEAR(view().zoom, 0.4, 1e-12);
    EXPECT_NEAR(view().toWorldX(300), worldX, 1e-9);

    for (int i = 0; i < 10; ++i)
        gui::sendMouse(canvas(), wxEVT_MOUSEWHEEL, 10, 10, -120);
    EXPECT_DOUBLE_EQ(view().zoom, 0.3);
}

TEST_F(CanvasPanelTest, MiddleDragPansAfterTheDeadZone)
{
    gui::sendMouse(canvas(), wxEVT_MIDDLE_DOWN, 200, 200);
    EXPECT_TRUE(canvas().isPanning());
    EXPECT_TRUE(canvas().HasCapture());
    EXPECT_TRUE(canvas().GetCursor().IsOk());

    gui::sendMouse(canvas(), wxEVT_MOTION, 203, 197);
    EXPECT_DOUBLE_EQ(view().panX, 60.0);
    EXPECT_DOUBLE_EQ(view().panY, 60.0);

    gui::sendMouse(canvas(), wxEVT_MOTION, 250, 230);
    EXPECT_DOUBLE_EQ(view().panX, 110.0);
    EXPECT_DOUBLE_EQ(view().panY, 90.0);
    // Back inside the dead zone the pan stays where the drag left it.
    gui::sendMouse(canvas(), wxEVT_MOTION, 201, 201);
    EXPECT_DOUBLE_EQ(view().panX, 110.0);

    gui::sendMouse(canvas(), wxEVT_MIDDLE_UP, 201, 201);
    EXPECT_FALSE(canvas().isPanning());
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_FALSE(canvas().GetCursor().IsOk());
}

TEST_F(CanvasPanelTest, RealMiddleDragThroughTheWindowSystemPans)
{
    gui::pumpEvents();
    const wxPoint origin = canvas().GetScreenPosition();
    wxUIActionSimulator sim;
    ASSERT_TRUE(sim.MouseMove(origin + wxPoint(300, 300)));
    gui::pumpEvents();
    ASSERT_TRUE(sim.MouseDown(wxMOUSE_BTN_MIDDLE));
    gui::pumpEvents();
    for (int step = 1; step <= 4; ++step) {
        sim.MouseMove(origin + wxPoint(300 + 20 * step, 300 + 10 * step));
        gui::pumpEvents();
    }
    sim.MouseUp(wxMOUSE_BTN_MIDDLE);
    gui::pumpEvents();

    EXPECT_DOUBLE_EQ(view().panX, 140.0);
    EXPECT_DOUBLE_EQ(view().panY, 100.0);
    EXPECT_FALSE(canvas().isPanning());
    EXPECT_FALSE(canvas().HasCapture());
}

TEST_F(CanvasPanelTest, PointerPositionIsShownInTheLayoutUnit)
{
    view().zoom = 2.0;
    gui::sendMouse(canvas(), wxEVT_MOTION, 260, 160);
    EXPECT_EQ(status(2), "100 mm,  50 mm");
    gui::sendCommand(*frame, kCmdUnitsCentimetres, true);
    gui::sendMouse(canvas(), wxEVT_MOTION, 262, 160);
    EXPECT_EQ(status(2), "10.1 cm,  5.0 cm");
    gui::sendCommand(*frame, kCmdUnitsInches, true);
    gui::sendMouse(canvas(), wxEVT_MOTION, 314, 160);
    EXPECT_EQ(status(2), "5.00 in,  1.97 in");
}

TEST_F(CanvasPanelTest, PaintingTurnsAStaleElevationPromptBackToReady)
{
    frame->SetStatusText(wxString::FromUTF8("\xE2\x96\xB2 Elevation: UP 2.0 deg"), 0);
    gui::captureCanvas(canvas());
    EXPECT_EQ(status(0), "Ready");

    frame->layout().pieces.push_back(PlacedPiece{});
    frame->layout().pieces.back().id = frame->layout().takeId();
    frame->layout().pieces.back().article = "24188";
    frame->layout().gradeRuns.push_back(GradeRun{3.0, frame->layout().pieces.back().id, 1});
    frame->layout().updateCurrentGradeRun();
    gui::captureCanvas(canvas());
    EXPECT_EQ(status(0), "[ELEV] 3.0 deg  (right-click piece to stop)");
}

} // namespace
} // namespace layrail
