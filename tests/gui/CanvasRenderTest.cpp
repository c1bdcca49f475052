#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"

namespace layrail {
namespace {

using gui::colourNear;
using gui::pixelText;

// One 188.3 mm straight at (100, 100) mm, heading 0, seen at zoom 1 with the origin at (60, 60):
// it covers x 160..348 and y 141..179 on screen, its connectors at (160, 160) and (348, 160).
class CanvasRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = gui::createMainFrame();
        piece = gui::placePiece(frame->layout(), "24188", 100.0, 100.0, 0.0);
        frame->canvas()->zoomActual();
    }
    void TearDown() override { gui::destroyMainFrame(frame); }

    wxImage capture() { return gui::captureCanvas(*frame->canvas()); }

    MainFrame* frame = nullptr;
    int piece = -1;
};

TEST_F(CanvasRenderTest, StraightIsFilledAndOutlinedWhereItLies)
{
    const wxImage image = capture();
    EXPECT_TRUE(colourNear(image, 200, 150, 210, 210, 205, 0, 4)) << pixelText(image, 200, 150);
    EXPECT_TRUE(colourNear(image, 320, 172, 210, 210, 205, 0, 4)) << pixelText(image, 320, 172);
    EXPECT_TRUE(colourNear(image, 200, 141, 120, 120, 115, 1, 30)) << pixelText(image, 200, 141);
    EXPECT_TRUE(colourNear(image, 205, 200, 255, 255, 255, 0, 2)) << pixelText(image, 205, 200);
    EXPECT_TRUE(colourNear(image, 400, 150, 255, 255, 255, 0, 2)) << pixelText(image, 400, 150);
}

TEST_F(CanvasRenderTest, OpenConnectorsCarryOrangeDotsUnlessLabelsAreHidden)
{
    wxImage image = capture();
    EXPECT_TRUE(colourNear(image, 160, 160, 255, 140, 0, 1, 20)) << pixelText(image, 160, 160);
    EXPECT_TRUE(colourNear(image, 348, 160, 255, 140, 0, 1, 20)) << pixelText(image, 348, 160);

    gui::clickTool(*frame, kCmdHideLabels);
    image = capture();
    EXPECT_FALSE(colourNear(image, 160, 160, 255, 140, 0, 2, 40)) << pixelText(image, 160, 160);
    EXPECT_FALSE(colourNear(image, 348, 160, 255, 140, 0, 2, 40)) << pixelText(image, 348, 160);
}

TEST_F(CanvasRenderTest, SelectedPieceTakesTheSelectionColours)
{
    frame->layout().findPiece(piece)->selected = true;
    const wxImage image = capture();
    EXPECT_TRUE(colourNear(image, 200, 150, 180, 200, 230, 0, 4)) << pixelText(image, 200, 150);
}

TEST_F(CanvasRenderTest, GridFollowsTheShowGridItem)
{
    // Grid lines every 32 px from the origin at 60: y = 220 is one, y = 236 lies between two.
    wxImage image = capture();
    EXPECT_TRUE(colourNear(image, 420, 220, 220, 220, 215, 1, 12)) << pixelText(image, 420, 220);
    EXPECT_TRUE(colourNear(image, 420, 236, 255, 255, 255, 0, 2)) << pixelText(image, 420, 236);

    gui::sendCommand(*frame, kCmdShowGrid, false);
    image = capture();
    EXPECT_FALSE(colourNear(image, 420, 220, 220, 220, 215, 1, 12)) << pixelText(image, 420, 220);
}

TEST_F(CanvasRenderTest, RulersShowTicksEveryHundredMillimetresAtZoomOne)
{
    const wxImage image = capture();
    // Ticks sit at the inner edge of the 20 px strips.
    EXPECT_TRUE(colourNear(image, 260, 17, 140, 140, 140, 1, 30)) << pixelText(image, 260, 17);
    EXPECT_TRUE(colourNear(image, 17, 260, 140, 140, 140, 1, 30)) << pixelText(image, 17, 260);
    EXPECT_TRUE(colourNear(image, 210, 17, 240, 240, 240, 0, 3)) << pixelText(image, 210, 17);
    EXPECT_TRUE(colourNear(image, 17, 210, 240, 240, 240, 0, 3)) << pixelText(image, 17, 210);
    // The world origin is marked across both strips.
    EXPECT_TRUE(colourNear(image, 60, 8, 200, 80, 80, 1, 40)) << pixelText(image, 60, 8);
    EXPECT_TRUE(colourNear(image, 8, 60, 200, 80, 80, 1, 40)) << pixelText(image, 8, 60);
}

TEST_F(CanvasRenderTest, FittedOvalShowsJoinedDotsAndTheOpenBranch)
{
    Layout& layout = frame->layout();
    layout.pieces.clear();
    const int turnout = gui::buildOvalWithTurnout(layout);
    EXPECT_LAYOUT_CONSISTENT(layout);
    gui::sendCommand(*frame, kCmdZoomFit);
    const wxImage image = capture();
    const CanvasView& view = frame->canvas()->view();
    const TrackCatalog& catalog = TrackCatalog::instance();

    int joined = 0;
    for (const PlacedPiece& placed : layout.pieces) {
        const auto connectors = worldConnectors(placed, *catalog.find(placed.article));
        for (size_t k = 0; k < connectors.size(); ++k) {
            const int sx = view.toScreenX(connectors[k].x), sy = view.toScreenY(connectors[k].y);
            if (placed.isOpen(static_cast<int>(k))) {
                EXPECT_EQ(placed.id, turnout);
                EXPECT_TRUE(colourNear(image, sx, sy, 255, 140, 0, 1, 30)) << pixelText(image, sx, sy);
            } else {
                ++joined;
                EXPECT_TRUE(colourNear(image, sx, sy, 60, 180, 60, 1, 30)) << pixelText(image, sx, sy);
            }
        }
    }
    EXPECT_EQ(joined, 28);
}

} // namespace
} // namespace layrail
