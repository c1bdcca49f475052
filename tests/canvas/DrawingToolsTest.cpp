#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "render/RecordingTarget.h"
#include "ToolTestSupport.h"
#include "render/RenderColours.h"
#include "canvas/tools/MeasureTool.h"
#include "canvas/tools/OutlineDrawingTool.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::tooltest;
using layrail::testing::RecordingTarget;

namespace {

// Half a pixel per millimetre and the origin away from the corner, so pixels and mm differ.
CanvasView halfView()
{
    CanvasView v;
    v.zoom = 0.5;
    v.panX = 40.0;
    v.panY = 30.0;
    return v;
}

bool isEllipseOfRadius(const RecordingTarget::Call& c, double radius)
{
    return c.kind == RecordingTarget::Kind::Ellipse && c.radiusX == radius && c.radiusY == radius;
}

} // namespace

TEST(MeasureTool, TwoClicksLayOneDimensionLineAndEndTheTool)
{
    Layout layout = edittest::withLevel();
    layout.nextId = 7;
    const CanvasView view = halfView();
    MeasureTool tool;
    EXPECT_EQ(tool.mode(), ToolMode::Measure);

    EXPECT_FALSE(tool.press(layout, view, at(view, 100, 50)).changed());
    EXPECT_TRUE(tool.measuring());
    EXPECT_TRUE(tool.busy());
    tool.motion(layout, view, at(view, 300, 80));
    EXPECT_DOUBLE_EQ(tool.end().x, 300);
    EXPECT_TRUE(layout.undoStack.empty());

    const EditResult result = tool.press(layout, view, at(view, 400, 50));
    EXPECT_TRUE(result.changed());
    EXPECT_TRUE(tool.ended());
    EXPECT_FALSE(tool.busy());
    ASSERT_EQ(layout.dimensionLines.size(), 1u);
    const DimensionLine& d = layout.dimensionLines[0];
    EXPECT_EQ(d.id, 7);
    EXPECT_EQ(layout.nextId, 8);
    EXPECT_DOUBLE_EQ(d.x1, 100);
    EXPECT_DOUBLE_EQ(d.y1, 50);
    EXPECT_DOUBLE_EQ(d.x2, 400);
    EXPECT_DOUBLE_EQ(d.y2, 50);
    EXPECT_EQ(d.labelX, 0.0);
    EXPECT_EQ(d.labelY, 0.0);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.dimensionLines.empty());
    ASSERT_TRUE(redo(layout));
    EXPECT_EQ(layout.dimensionLines.size(), 1u);

    // An ended tool ignores further presses; the canvas replaces it.
    tool.press(layout, view, at(view, 0, 0));
    EXPECT_FALSE(tool.measuring());
}

TEST(MeasureTool, ShortMeasurementIsDiscardedButRecordsItsSnapshot)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    MeasureTool tool;
    tool.press(layout, view, at(view, 10, 10));
    tool.press(layout, view, at(view, 10.6, 10.6)); // 0.85 mm
    EXPECT_TRUE(layout.dimensionLines.empty());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(tool.ended());

    MeasureTool exact;
    exact.press(layout, view, at(view, 0, 0));
    exact.press(layout, view, at(view, 1, 0));
    EXPECT_EQ(layout.dimensionLines.size(), 1u);
}

TEST(MeasureTool, EscapeCancelsWithoutAnEdit)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    MeasureTool tool;
    EXPECT_TRUE(tool.wantsKey(ToolKey::Escape));
    EXPECT_FALSE(tool.wantsKey(ToolKey::Backspace));
    tool.press(layout, view, at(view, 10, 10));
    tool.key(layout, ToolKey::Escape);
    EXPECT_FALSE(tool.measuring());
    EXPECT_TRUE(tool.ended());
    EXPECT_TRUE(layout.dimensionLines.empty());
    EXPECT_TRUE(layout.undoStack.empty());

    // Escape before the first click ends the tool as well.
    MeasureTool idle;
    idle.key(layout, ToolKey::Escape);
    EXPECT_TRUE(idle.ended());
}

TEST(MeasureTool, CursorTurnsFromPencilToCrossAtTheFirstMotion)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    MeasureTool tool;
    EXPECT_EQ(tool.cursor(), ToolCursor::Pencil);
    tool.motion(layout, view, at(view, 5, 5));
    EXPECT_EQ(tool.cursor(), ToolCursor::Cross);
}

TEST(MeasureTool, FeedbackShowsTheTapeTheEndsAndTheLengthInTheUnit)
{
    Layout layout = edittest::withLevel();
    layout.units = LengthUnit::Inches;
    const CanvasView view = halfView();
    MeasureTool tool;
    RecordingTarget idle;
    tool.paintOverlay(idle, view, layout);
    EXPECT_TRUE(idle.calls.empty());

    tool.press(layout, view, at(view, 0, 0));
    tool.motion(layout, view, at(view, 254, 0));
    RecordingTarget target;
    tool.paintOverlay(target, view, layout);

    const Colour blue = rgb(40, 80, 200);
    auto tape = target.where([&](const RecordingTarget::Call& c) {
        return c.kind == RecordingTarget::Kind::Line && c.pen.colour == blue && c.pen.width == 2 &&
               c.pen.style == PenStyle::LongDash;
    });
    ASSERT_EQ(tape.size(), 1u);
    EXPECT_DOUBLE_EQ(tape[0]->points[0].x, 40);
    EXPECT_DOUBLE_EQ(tape[0]->points[1].x, 40 + 127);
    auto dots = target.where([&](const RecordingTarget::Call& c) {
        return isEllipseOfRadius(c, 4.0) && c.brush.set && c.brush.colour == blue;
    });
    EXPECT_EQ(dots.size(), 2u);

    const RecordingTarget::Call* text = target.firstText("10.00\"");
    ASSERT_NE(text, nullptr);
    auto boxes = target.ofKind(RecordingTarget::Kind::RoundedRectangle);
    ASSERT_EQ(boxes.size(), 1u);
    const RecordingTarget::Call& box = *boxes[0];
    EXPECT_DOUBLE_EQ(box.points[0].x, 40 + 127 + 8);          // 8 px right of the end
    EXPECT_DOUBLE_EQ(box.points[0].y + box.height / 2.0, 30); // centred on it
    EXPECT_EQ(box.brush.colour, rgb(255, 248, 220, 235));
    EXPECT_EQ(box.pen.colour, blue);
    EXPECT_EQ(text->colour, rgb(20, 20, 20));
    EXPECT_EQ(text->font.size, 10);
}

TEST(OutlineDrawing, EnterClosesOnlyWithThreeVertices)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    OutlineDrawingTool tool(OutlineDrawingTool::Target::Shape);
    EXPECT_EQ(tool.mode(), ToolMode::Polygon);
    EXPECT_FALSE(tool.wantsKey(ToolKey::Enter));

    tool.press(layout, view, at(view, 0, 0));
    tool.press(layout, view, at(view, 100, 0));
    EXPECT_TRUE(tool.wantsKey(ToolKey::Enter));
    EXPECT_FALSE(tool.key(layout, ToolKey::Enter).changed());
    EXPECT_TRUE(tool.drawing());
    EXPECT_TRUE(layout.shapes.empty());
    EXPECT_FALSE(tool.ended());

    tool.press(layout, view, at(view, 100, 100));
    const EditResult closed = tool.key(layout, ToolKey::Enter);
    EXPECT_TRUE(closed.changed());
    EXPECT_TRUE(tool.ended());
    EXPECT_FALSE(tool.drawing());
    ASSERT_EQ(layout.shapes.size(), 1u);
    const LayoutShape& s = layout.shapes[0];
    EXPECT_EQ(s.points.size(), 3u);
    EXPECT_EQ(s.red, 120);
    EXPECT_EQ(s.green, 170);
    EXPECT_EQ(s.blue, 110);
    EXPECT_EQ(s.alpha, 140);
    EXPECT_TRUE(s.outline);
    EXPECT_EQ(s.height, 0.0);
    EXPECT_TRUE(s.label.empty());
    EXPECT_FALSE(s.selected);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.shapes.empty());
}

TEST(OutlineDrawing, ClickNineAndElevenPixelsFromTheFirstVertex)
{
    const CanvasView view = halfView(); // 10 px = 20 mm
    for (const double pixels : {9.0, 11.0}) {
        Layout layout = edittest::withLevel();
        OutlineDrawingTool tool(OutlineDrawingTool::Target::Shape);
        tool.press(layout, view, at(view, 0, 0));
        tool.press(layout, view, at(view, 400, 0));
        tool.press(layout, view, at(view, 400, 400));
        const ToolPointer near = at(view, 0, pixels / view.zoom);
        tool.motion(layout, view, near);
        EXPECT_EQ(tool.closeSnap(), pixels < 10.0);
        tool.press(layout, view, near);
        if (pixels < 10.0) {
            EXPECT_TRUE(tool.ended());
            ASSERT_EQ(layout.shapes.size(), 1u);
            EXPECT_EQ(layout.shapes[0].points.size(), 3u);
        } else {
            EXPECT_FALSE(tool.ended());
            EXPECT_TRUE(layout.shapes.empty());
            EXPECT_EQ(tool.vertices().size(), 4u);
        }
    }
}

TEST(OutlineDrawing, TwoVerticesNeverCloseByClicking)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    OutlineDrawingTool tool(OutlineDrawingTool::Target::Shape);
    tool.press(layout, view, at(view, 0, 0));
    tool.press(layout, view, at(view, 100, 0));
    tool.press(layout, view, at(view, 1, 1));
    EXPECT_EQ(tool.vertices().size(), 3u);
    EXPECT_TRUE(layout.shapes.empty());
}

TEST(OutlineDrawing, BackspaceTakesVerticesBackAndEscapeCancels)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    OutlineDrawingTool tool(OutlineDrawingTool::Target::Shape);
    EXPECT_FALSE(tool.wantsKey(ToolKey::Backspace)); // Backspace deletes the selection then
    tool.press(layout, view, at(view, 0, 0));
    tool.press(layout, view, at(view, 50, 0));
    ASSERT_TRUE(tool.wantsKey(ToolKey::Backspace));
    tool.key(layout, ToolKey::Backspace);
    EXPECT_EQ(tool.vertices().size(), 1u);
    tool.key(layout, ToolKey::Backspace);
    EXPECT_FALSE(tool.drawing());
    EXPECT_FALSE(tool.ended());

    tool.press(layout, view, at(view, 0, 0));
    tool.press(layout, view, at(view, 50, 0));
    tool.press(layout, view, at(view, 50, 50));
    tool.key(layout, ToolKey::Escape);
    EXPECT_TRUE(tool.ended());
    EXPECT_TRUE(layout.shapes.empty());
    EXPECT_TRUE(layout.undoStack.empty());
}

TEST(OutlineDrawing, NewShapeGoesOnTheHighestVisibleLevel)
{
    Layout layout;
    layout.levels = {edittest::level(1, 0), edittest::level(2, 120), edittest::level(3, 300, false)};
    layout.activeLevel = 1;
    const CanvasView view = edittest::unitView();
    auto draw = [&] {
        OutlineDrawingTool tool(OutlineDrawingTool::Target::Shape);
        tool.press(layout, view, at(view, 0, 0));
        tool.press(layout, view, at(view, 50, 0));
        tool.press(layout, view, at(view, 50, 50));
        tool.key(layout, ToolKey::Enter);
        return layout.shapes.back().level;
    };
    EXPECT_EQ(draw(), 2);
    for (Level& l : layout.levels)
        l.visible = false;
    EXPECT_EQ(draw(), 1);
}

TEST(OutlineDrawing, BaseboardOutlineIsReplacedAndUndoable)
{
    Layout layout = edittest::withLevel();
    layout.baseboard.vertices = {{0, 0}, {10, 0}, {10, 10}};
    layout.baseboard.lastShape.id = 1;
    const CanvasView view = edittest::unitView();
    OutlineDrawingTool tool(OutlineDrawingTool::Target::Baseboard);
    EXPECT_EQ(tool.mode(), ToolMode::BaseboardOutline);
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {2000.0, 0.0}, {2000.0, 900.0}, {0.0, 900.0}})
        tool.press(layout, view, at(view, x, y));
    EXPECT_TRUE(tool.key(layout, ToolKey::Enter).changed());
    EXPECT_TRUE(layout.shapes.empty());
    ASSERT_EQ(layout.baseboard.vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(layout.baseboard.vertices[2].x, 2000);
    EXPECT_EQ(layout.baseboard.lastShape.id, 5);

    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.baseboard.vertices.size(), 3u);
    EXPECT_EQ(layout.baseboard.lastShape.id, 1);
    ASSERT_TRUE(redo(layout));
    EXPECT_EQ(layout.baseboard.vertices.size(), 4u);
    EXPECT_EQ(layout.baseboard.lastShape.id, 5);
}

TEST(OutlineDrawing, FeedbackFollowsTheCursorAndShowsTheCloseRing)
{
    Layout layout = edittest::withLevel();
    const CanvasView view = edittest::unitView();
    OutlineDrawingTool tool(OutlineDrawingTool::Target::Shape);
    tool.press(layout, view, at(view, 100, 100));
    tool.press(layout, view, at(view, 300, 100));
    tool.motion(layout, view, at(view, 300, 250));

    RecordingTarget open;
    tool.paintOverlay(open, view, layout);
    auto polyline = open.ofKind(RecordingTarget::Kind::Polyline);
    ASSERT_EQ(polyline.size(), 1u);
    EXPECT_EQ(polyline[0]->points.size(), 2u);
    EXPECT_EQ(polyline[0]->pen.width, 2);
    auto rubber = open.where([](const RecordingTarget::Call& c) {
        return c.kind == RecordingTarget::Kind::Line && c.pen.style == PenStyle::LongDash;
    });
    ASSERT_EQ(rubber.size(), 1u);
    EXPECT_EQ(rubber[0]->pen.colour, rgb(40, 80, 200));
    EXPECT_EQ(rubber[0]->pen.width, 1);
    EXPECT_DOUBLE_EQ(rubber[0]->points[1].y, 250);
    EXPECT_NE(open.firstText("150 mm"), nullptr);
    auto box = open.ofKind(RecordingTarget::Kind::RoundedRectangle);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_DOUBLE_EQ(box[0]->points[0].x, 310);                  // 10 px right of the cursor
    EXPECT_DOUBLE_EQ(box[0]->points[0].y + box[0]->height, 246); // its bottom 4 px above it
    EXPECT_EQ(open.where([](const RecordingTarget::Call& c) { return isEllipseOfRadius(c, 6.0); }).size(), 1u);
    EXPECT_EQ(open.where([](const RecordingTarget::Call& c) { return isEllipseOfRadius(c, 4.0); }).size(), 1u);
    EXPECT_EQ(open.firstText("Close"), nullptr);

    tool.press(layout, view, at(view, 300, 250));
    tool.motion(layout, view, at(view, 105, 104));
    ASSERT_TRUE(tool.closeSnap());
    RecordingTarget snapping;
    tool.paintOverlay(snapping, view, layout);
    const Colour green = rgb(40, 150, 60);
    auto toFirst = snapping.where([&](const RecordingTarget::Call& c) {
        return c.kind == RecordingTarget::Kind::Line && c.pen.colour == green && c.pen.width == 2;
    });
    ASSERT_EQ(toFirst.size(), 1u);
    EXPECT_DOUBLE_EQ(toFirst[0]->points[1].x, 100);
    auto ring = snapping.where([&](const RecordingTarget::Call& c) {
        return isEllipseOfRadius(c, 12.0) && c.pen.colour == green && c.pen.width == 3 && !c.brush.set;
    });
    EXPECT_EQ(ring.size(), 1u);
    const RecordingTarget::Call* close = snapping.firstText("Close");
    ASSERT_NE(close, nullptr);
    EXPECT_DOUBLE_EQ(close->points[0].x, 116);
    EXPECT_DOUBLE_EQ(close->points[0].y, 92);
}
