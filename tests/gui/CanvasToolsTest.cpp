// The canvas's tools through the window: the toolbar's measuring tape and polygon, free-form
// baseboard drawing from the baseboard dialog, and the presses and double-clicks of shapes,
// dimension lines, level outlines and resize handles.

#include <stdexcept>

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/spinctrl.h>
#include <wx/toolbar.h>

#include "CanvasInput.h"
#include "ControlDriving.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/tools/OutlineDrawingTool.h"
#include "canvas/ui/CanvasPanel.h"
#include "canvas/ui/ResizeSceneryDialog.h"
#include "canvas/ui/ShapePropertiesDialog.h"
#include "dialogs/ui/LayoutShapeDialog.h"

namespace layrail {
namespace {

using gui::DialogScript;
using gui::Held;
using gui::mouseAt;

constexpr Held kShift{false, true, false};

class CanvasToolsTest : public gui::CanvasEditTest {
protected:
    wxPoint at(double x, double y) { return gui::pixelOf(canvas(), Point{x, y}); }
    void click(double x, double y, Held held = {})
    {
        mouseAt(canvas(), wxEVT_MOTION, at(x, y), held);
        mouseAt(canvas(), wxEVT_LEFT_DOWN, at(x, y), held);
        mouseAt(canvas(), wxEVT_LEFT_UP, at(x, y), held);
    }
    void doubleClick(double x, double y)
    {
        click(x, y);
        mouseAt(canvas(), wxEVT_LEFT_DOWN, at(x, y));
        mouseAt(canvas(), wxEVT_LEFT_DCLICK, at(x, y));
        mouseAt(canvas(), wxEVT_LEFT_UP, at(x, y));
    }
    bool toolChecked(int id) { return frame->GetToolBar()->GetToolState(id); }
    int addShape(std::vector<Point> points)
    {
        LayoutShape shape;
        shape.id = layout().takeId();
        shape.points = std::move(points);
        layout().shapes.push_back(shape);
        return shape.id;
    }
    LayoutShape& shape(int id)
    {
        for (LayoutShape& s : layout().shapes)
            if (s.id == id)
                return s;
        throw std::runtime_error("no shape");
    }
};

TEST_F(CanvasToolsTest, MeasureLaysADimensionLineAndReleasesTheTool)
{
    gui::clickTool(*frame, kCmdMeasure);
    ASSERT_EQ(canvas().toolMode(), ToolMode::Measure);
    EXPECT_TRUE(canvas().GetCursor().IsOk()); // the pencil, until the pointer moves

    click(0, 0);
    mouseAt(canvas(), wxEVT_MOTION, at(300, 0));
    // While measuring, the tape runs to the pointer with a dot at its end.
    const wxImage shown = gui::captureCanvas(canvas());
    EXPECT_TRUE(gui::colourNear(shown, at(300, 0).x, at(300, 0).y, 40, 80, 200, 2, 20));
    EXPECT_TRUE(layout().dimensionLines.empty());

    click(300, 0);
    ASSERT_EQ(layout().dimensionLines.size(), 1u);
    const DimensionLine& line = layout().dimensionLines[0];
    EXPECT_NEAR(line.x1, 0.0, 0.5);
    EXPECT_NEAR(line.x2, 300.0, 0.5);
    EXPECT_EQ(line.labelX, 0.0);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);
    EXPECT_FALSE(toolChecked(kCmdMeasure));
    EXPECT_FALSE(canvas().GetCursor().IsOk());
    EXPECT_TRUE(frame->session().modified());

    // A tape shorter than a millimetre is dropped; Escape ends the tool without a line.
    gui::clickTool(*frame, kCmdMeasure);
    click(10, 10);
    click(10, 10);
    EXPECT_EQ(layout().dimensionLines.size(), 1u);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);
    gui::clickTool(*frame, kCmdMeasure);
    click(10, 10);
    gui::keyDown(canvas(), WXK_ESCAPE);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);
    EXPECT_FALSE(toolChecked(kCmdMeasure));
    EXPECT_EQ(layout().dimensionLines.size(), 1u);
}

TEST_F(CanvasToolsTest, PolygonClosesWithEnterFromThreeVerticesAndNearTheFirstOne)
{
    gui::clickTool(*frame, kCmdPolygon);
    click(0, 0);
    click(200, 0);
    gui::keyDown(canvas(), WXK_RETURN); // two vertices: nothing
    EXPECT_TRUE(canvas().activeTool()->busy());
    EXPECT_TRUE(layout().shapes.empty());
    click(200, 150);
    click(11, 0); // 11 px from the first vertex: a fourth vertex
    EXPECT_TRUE(layout().shapes.empty());
    gui::keyDown(canvas(), WXK_BACK); // takes the fourth back, deletes nothing
    mouseAt(canvas(), wxEVT_MOTION, at(9, 0));
    const wxImage shown = gui::captureCanvas(canvas());
    EXPECT_TRUE(gui::colourNear(shown, at(0, 0).x + 12, at(0, 0).y, 40, 150, 60, 2, 20)); // the close ring
    click(9, 0); // 9 px away: closes
    ASSERT_EQ(layout().shapes.size(), 1u);
    const LayoutShape& drawn = layout().shapes[0];
    EXPECT_EQ(drawn.points.size(), 3u);
    EXPECT_EQ(drawn.alpha, 140);
    EXPECT_EQ(drawn.green, 170);
    EXPECT_EQ(drawn.level, 1);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);
    EXPECT_FALSE(toolChecked(kCmdPolygon));

    gui::clickTool(*frame, kCmdPolygon);
    click(300, 0);
    click(400, 0);
    click(400, 100);
    gui::keyDown(canvas(), WXK_NUMPAD_ENTER);
    EXPECT_EQ(layout().shapes.size(), 2u);
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_EQ(layout().shapes.size(), 1u);
}

TEST_F(CanvasToolsTest, ShapesAreSelectedDraggedAndEditedUnlessTrackLiesOverThem)
{
    const int id = addShape({{0, -100}, {300, -100}, {300, 100}, {0, 100}});
    const int piece = gui::placePiece(layout(), "24188", 200, 0, 0);
    const size_t snapshots = layout().undoStack.size();
    gui::leftDrag(canvas(), at(50, -50), at(100, -30));
    EXPECT_TRUE(shape(id).selected);
    EXPECT_NEAR(shape(id).points[0].x, 50.0, 0.6);
    EXPECT_NEAR(shape(id).points[0].y, -80.0, 0.6);
    EXPECT_EQ(layout().undoStack.size(), snapshots + 1);

    // The straight lies over the shape: a press on it takes the straight.
    click(300, 0);
    EXPECT_TRUE(layout().findPiece(piece)->selected);
    EXPECT_FALSE(shape(id).selected);

    {
        DialogScript script({DialogScript::with<ShapePropertiesDialog>([](ShapePropertiesDialog& dialog) {
            gui::setSpin(*gui::named<wxSpinCtrl>(dialog, "opacity"), 50);
            return static_cast<int>(wxID_OK);
        })});
        doubleClick(100, 0);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Shape Properties");
    }
    EXPECT_EQ(shape(id).alpha, 128);
    EXPECT_FALSE(canvas().HasCapture());
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_EQ(shape(id).alpha, 140);
}

TEST_F(CanvasToolsTest, ACarriedPieceIsDroppedOnAShape)
{
    const int id = addShape({{0, -100}, {300, -100}, {300, 100}, {0, 100}});
    canvas().beginPaletteDrag("24188");
    mouseAt(canvas(), wxEVT_MOTION, at(100, 0));
    mouseAt(canvas(), wxEVT_LEFT_DOWN, at(100, 0));
    mouseAt(canvas(), wxEVT_LEFT_UP, at(100, 0));
    EXPECT_EQ(layout().pieces.size(), 1u);
    EXPECT_FALSE(shape(id).selected);
    EXPECT_NEAR(shape(id).points[0].x, 0.0, 1e-9);

    // While the polygon tool is on, a carried piece still follows the pointer and drops where it is.
    gui::clickTool(*frame, kCmdPolygon);
    canvas().beginPaletteDrag("24188");
    mouseAt(canvas(), wxEVT_MOTION, at(100, 150));
    mouseAt(canvas(), wxEVT_LEFT_DOWN, at(100, 150));
    mouseAt(canvas(), wxEVT_LEFT_UP, at(100, 150));
    ASSERT_EQ(layout().pieces.size(), 2u);
    EXPECT_NEAR(layout().pieces[1].y, 150.0, 0.6);
    EXPECT_EQ(canvas().toolMode(), ToolMode::Polygon);
    EXPECT_FALSE(canvas().activeTool()->busy());
}

TEST_F(CanvasToolsTest, DimensionLinesAreHitOnLineAndLabelDraggedAndDeleted)
{
    gui::placePiece(layout(), "24188", 0, 100, 0);
    DimensionLine tape;
    tape.id = layout().takeId();
    tape.x2 = 400;
    tape.labelY = -40;
    layout().dimensionLines.push_back(tape);
    layout().pieces[0].selected = true;

    // On the label (the midpoint plus its offset), 30 px to the side.
    gui::leftDrag(canvas(), at(230, -40), at(230, -10));
    const DimensionLine& line = layout().dimensionLines[0];
    EXPECT_TRUE(line.selected);
    EXPECT_FALSE(layout().pieces[0].selected);
    EXPECT_NEAR(line.y1, 30.0, 0.6);
    EXPECT_NEAR(line.y2, 30.0, 0.6);
    EXPECT_EQ(line.labelY, -40.0);

    // On the line, 7 px off it; 10 px off it is empty canvas.
    click(380, 37 + 10);
    EXPECT_FALSE(layout().dimensionLines[0].selected);
    gui::leftDrag(canvas(), at(380, 37), at(380, 57));
    EXPECT_NEAR(layout().dimensionLines[0].y1, 50.0, 0.6);
    gui::keyDown(canvas(), WXK_DELETE);
    EXPECT_TRUE(layout().dimensionLines.empty());
    EXPECT_EQ(layout().pieces.size(), 1u);
}

TEST_F(CanvasToolsTest, ShiftDragsALevelOutlineAndAPlainPressDoesNot)
{
    layout().levels[0].outline = {{0, -200}, {500, -200}, {500, 200}, {0, 200}};
    gui::leftDrag(canvas(), at(250, -200), at(250, -100));
    EXPECT_EQ(layout().levels[0].outline[0].y, -200.0);

    gui::leftDrag(canvas(), at(250, -196), at(300, -146), kShift);
    EXPECT_NEAR(layout().levels[0].outline[0].x, 50.0, 0.6);
    EXPECT_NEAR(layout().levels[0].outline[2].y, 250.0, 0.6);
    EXPECT_TRUE(frame->session().modified());
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_EQ(layout().levels[0].outline[0].x, 0.0);
}

TEST_F(CanvasToolsTest, ResizeHandlesShowSizingCursorsDragAndTheDialogResets)
{
    SceneryItem platform;
    platform.id = layout().takeId();
    platform.item = "platform"; // 230 by 60 mm
    platform.x = 200;
    platform.y = 0;
    platform.selected = true;
    layout().scenery.push_back(platform);
    canvas().Refresh();

    // The eight handles are painted: the top-left corner's square in the handle blue.
    const wxImage shown = gui::captureCanvas(canvas());
    EXPECT_TRUE(gui::colourNear(shown, at(85, -30).x - 4, at(85, -30).y - 4, 40, 90, 200, 0, 30));

    mouseAt(canvas(), wxEVT_MOTION, at(315, 0)); // handle 3, the right edge
    EXPECT_TRUE(canvas().GetCursor().IsOk());
    mouseAt(canvas(), wxEVT_MOTION, at(250, 100));
    EXPECT_FALSE(canvas().GetCursor().IsOk());

    gui::leftDrag(canvas(), at(315, 0), at(430, 40));
    const SceneryItem& item = layout().scenery[0];
    EXPECT_NEAR(item.scaleX, 345.0 / 230.0, 0.01); // from the left edge at x 85 to 430
    EXPECT_DOUBLE_EQ(item.scaleY, 1.0);
    EXPECT_NEAR(item.x, (85.0 + 430.0) / 2.0, 0.6);
    EXPECT_NEAR(item.y, 0.0, 1e-9);
    EXPECT_TRUE(item.selected);

    {
        DialogScript script({DialogScript::answer(ResizeSceneryDialog::kResetId)});
        doubleClick(item.x, 0);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Resize Scenery");
    }
    EXPECT_DOUBLE_EQ(layout().scenery[0].scaleX, 1.0);
    EXPECT_FALSE(canvas().HasCapture());
}

TEST_F(CanvasToolsTest, FreeFormBaseboardIsDrawnOnTheCanvas)
{
    {
        DialogScript script({DialogScript::playing<LayoutShapeDialog>([](LayoutShapeDialog& dialog) {
            gui::choose(*gui::named<wxChoice>(dialog, "shape"), 5);
            gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
        })});
        gui::sendCommand(*frame, kCmdLayoutShape);
        EXPECT_TRUE(script.allPlayed());
    }
    ASSERT_EQ(canvas().toolMode(), ToolMode::BaseboardOutline);
    EXPECT_EQ(status(0), kBaseboardDrawingPrompt);
    EXPECT_EQ(layout().baseboard.lastShape.id, 5);
    EXPECT_TRUE(layout().baseboard.vertices.empty());

    click(0, -200);
    click(600, -200);
    click(600, 200);
    click(0, 200);
    click(2, -198);
    ASSERT_EQ(layout().baseboard.vertices.size(), 4u);
    EXPECT_NEAR(layout().baseboard.vertices[2].x, 600.0, 0.6);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);
    EXPECT_EQ(status(0), "");
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_TRUE(layout().baseboard.vertices.empty());

    // Escape leaves the drawing and its prompt.
    canvas().setToolMode(ToolMode::BaseboardOutline);
    frame->setStatusText(StatusField::Prompt, kBaseboardDrawingPrompt);
    click(0, 0);
    gui::keyDown(canvas(), WXK_ESCAPE);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);
    EXPECT_EQ(status(0), "");
}

} // namespace
} // namespace layrail
