#include <gtest/gtest.h>

#include "support/EditTestSupport.h"
#include "ToolTestSupport.h"
#include "document/DeleteSelection.h"
#include "canvas/tools/DimensionTool.h"
#include "canvas/tools/LevelOutlineTool.h"
#include "canvas/tools/ShapeTool.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::tooltest;

namespace {

LayoutShape square(Layout& layout, double x, double y, double size, int level = 1)
{
    LayoutShape s;
    s.id = layout.takeId();
    s.points = {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}};
    s.level = level;
    layout.shapes.push_back(s);
    return s;
}

DimensionLine addLine(Layout& layout, double x1, double y1, double x2, double y2)
{
    DimensionLine d;
    d.id = layout.takeId();
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    layout.dimensionLines.push_back(d);
    return d;
}

} // namespace

TEST(ShapeHit, EvenOddRuleOnVisibleLevelsLastShapeFirst)
{
    Layout layout = edittest::withLevel();
    layout.levels.push_back(edittest::level(2, 100, false));
    const int lower = square(layout, 0, 0, 100).id;
    const int upper = square(layout, 50, 50, 100).id;
    const int hidden = square(layout, 500, 500, 100, 2).id;
    EXPECT_EQ(hitShape(layout, {75, 75}), upper);
    EXPECT_EQ(hitShape(layout, {25, 25}), lower);
    EXPECT_EQ(hitShape(layout, {200, 200}), -1);
    EXPECT_EQ(hitShape(layout, {550, 550}), -1);
    layout.findLevel(2)->visible = true;
    EXPECT_EQ(hitShape(layout, {550, 550}), hidden);

    // A pentagram crosses itself: the even-odd rule leaves its centre out.
    std::vector<Point> star;
    for (int i = 0; i < 5; ++i) {
        const double a = degToRad(-90.0 + i * 144.0);
        star.push_back({100 * std::cos(a), 100 * std::sin(a)});
    }
    EXPECT_FALSE(pointInPolygon(star, {0, 0}));
    EXPECT_TRUE(pointInPolygon(star, {0, -80}));

    // Fewer than three vertices never hit.
    LayoutShape line;
    line.id = layout.takeId();
    line.points = {{1000, 1000}, {1100, 1100}};
    layout.shapes.push_back(line);
    EXPECT_EQ(hitShape(layout, {1050, 1050}), -1);
}

TEST(ShapeDrag, PressSelectsAloneAndDragMovesEveryVertexWithOneSnapshot)
{
    Layout layout = edittest::withLevel();
    const int piece = edittest::lay(layout, "24188", 500, 500, 0);
    edittest::piece(layout, piece).selected = true;
    const int id = square(layout, 0, 0, 100).id;
    const CanvasView view = edittest::unitView();
    ShapeDragTool tool;

    const EditResult pressed = tool.press(layout, view, at(view, 50, 50));
    EXPECT_TRUE(pressed.changes.selection);
    EXPECT_TRUE(tool.busy());
    EXPECT_TRUE(layout.shapes[0].selected);
    EXPECT_FALSE(edittest::piece(layout, piece).selected);

    tool.motion(layout, view, at(view, 60, 55));
    tool.motion(layout, view, at(view, 80, 70));
    const EditResult released = tool.release(layout, view, at(view, 90, 75));
    EXPECT_TRUE(released.changed());
    EXPECT_FALSE(tool.busy());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.shapes[0].points[0].x, 40);
    EXPECT_DOUBLE_EQ(layout.shapes[0].points[2].y, 125);

    ASSERT_TRUE(undo(layout));
    EXPECT_DOUBLE_EQ(layout.shapes[0].points[0].x, 0);
    EXPECT_EQ(layout.shapes[0].id, id);
}

TEST(ShapeDrag, ModifiersOrEmptySpaceLeaveItIdleAndAClickRecordsNothing)
{
    Layout layout = edittest::withLevel();
    square(layout, 0, 0, 100);
    const CanvasView view = edittest::unitView();
    ShapeDragTool tool;
    for (Modifiers m : {Modifiers{true, false, false}, Modifiers{false, true, false}, Modifiers{false, false, true}}) {
        tool.press(layout, view, at(view, 50, 50, m));
        EXPECT_FALSE(tool.busy());
    }
    tool.press(layout, view, at(view, 300, 300));
    EXPECT_FALSE(tool.busy());

    tool.press(layout, view, at(view, 50, 50));
    const EditResult click = tool.release(layout, view, at(view, 50, 50));
    EXPECT_FALSE(click.changed());
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_TRUE(layout.shapes[0].selected);
}

TEST(ShapeProperties, OpacityHeightAndOutlineRoundTripThroughTheUnit)
{
    EXPECT_EQ(alphaFromPercent(50), 128); // round(127.5)
    EXPECT_EQ(alphaFromPercent(0), 0);
    EXPECT_EQ(alphaFromPercent(100), 255);
    EXPECT_EQ(alphaFromPercent(150), 255);
    EXPECT_EQ(opacityPercent(140), 55);
    for (int p = 0; p <= 100; ++p)
        EXPECT_EQ(opacityPercent(alphaFromPercent(p)), p);

    Layout layout = edittest::withLevel();
    const int id = square(layout, 0, 0, 100).id;
    layout.shapes[0].height = 254;
    const ShapeProperties shown = shapeProperties(layout.shapes[0], LengthUnit::Inches);
    EXPECT_DOUBLE_EQ(shown.height, 10.0);
    EXPECT_EQ(shown.opacityPercent, 55);

    ShapeProperties edited = shown;
    edited.name = "Mountain";
    edited.red = 10;
    edited.green = 20;
    edited.blue = 30;
    edited.opacityPercent = 50;
    edited.height = 2.5;
    edited.outline = false;
    EXPECT_TRUE(applyShapeProperties(layout, id, edited, LengthUnit::Inches).changed());
    const LayoutShape& s = layout.shapes[0];
    EXPECT_EQ(s.label, "Mountain");
    EXPECT_EQ(s.alpha, 128);
    EXPECT_EQ(s.red, 10);
    EXPECT_EQ(s.blue, 30);
    EXPECT_DOUBLE_EQ(s.height, 63.5);
    EXPECT_FALSE(s.outline);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.shapes[0].label.empty());
    EXPECT_DOUBLE_EQ(layout.shapes[0].height, 254);

    edited.height = 1e9;
    applyShapeProperties(layout, id, edited, LengthUnit::Centimetres);
    EXPECT_DOUBLE_EQ(layout.shapes[0].height, 50000); // 5000 cm at most
    EXPECT_FALSE(applyShapeProperties(layout, 999, edited, LengthUnit::Millimetres).changed());
}

TEST(DimensionHit, LabelBoxAndLineReachScaleWithTheZoom)
{
    Layout layout = edittest::withLevel();
    const DimensionLine d = addLine(layout, 0, 0, 400, 0);
    layout.dimensionLines[0].labelY = 100; // label centre at (200, 100)
    CanvasView view = edittest::unitView();
    EXPECT_EQ(hitDimensionLine(layout, view, {200 + 32, 100 + 9}), d.id);
    EXPECT_EQ(hitDimensionLine(layout, view, {200 + 33, 100}), -1);
    EXPECT_EQ(hitDimensionLine(layout, view, {200, 100 + 10}), -1);
    EXPECT_EQ(hitDimensionLine(layout, view, {10, 8}), d.id);
    EXPECT_EQ(hitDimensionLine(layout, view, {10, 8.5}), -1);
    EXPECT_EQ(hitDimensionLine(layout, view, {-8, 0}), d.id); // past the end, within reach of it
    view.zoom = 0.5;
    EXPECT_EQ(hitDimensionLine(layout, view, {10, 16}), d.id);
    EXPECT_EQ(hitDimensionLine(layout, view, {200 + 64, 100}), d.id);

    // The last line wins where two overlap.
    const DimensionLine later = addLine(layout, 0, 4, 400, 4);
    EXPECT_EQ(hitDimensionLine(layout, view, {100, 2}), later.id);
}

TEST(DimensionDrag, MovesBothEndsKeepsTheLabelOffsetAndDeletes)
{
    Layout layout = edittest::withLevel();
    addLine(layout, 0, 0, 400, 0);
    layout.dimensionLines[0].labelX = 5;
    layout.dimensionLines[0].labelY = 30;
    const int shape = square(layout, 1000, 1000, 50).id;
    layout.shapes[0].selected = true;
    const CanvasView view = edittest::unitView();
    DimensionDragTool tool;

    tool.press(layout, view, at(view, 100, 3, Modifiers{true, false, false}));
    EXPECT_FALSE(tool.busy());
    const EditResult pressed = tool.press(layout, view, at(view, 100, 3));
    EXPECT_TRUE(pressed.changes.selection);
    ASSERT_TRUE(tool.busy());
    EXPECT_TRUE(layout.dimensionLines[0].selected);
    EXPECT_FALSE(layout.shapes[0].selected);
    tool.motion(layout, view, at(view, 120, 53));
    EXPECT_TRUE(tool.release(layout, view, at(view, 150, 53)).changed());
    const DimensionLine& d = layout.dimensionLines[0];
    EXPECT_DOUBLE_EQ(d.x1, 50);
    EXPECT_DOUBLE_EQ(d.y1, 50);
    EXPECT_DOUBLE_EQ(d.x2, 450);
    EXPECT_DOUBLE_EQ(d.labelX, 5);
    EXPECT_DOUBLE_EQ(d.labelY, 30);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    // Delete on the canvas removes the selected line and keeps the shape.
    EXPECT_TRUE(deleteSelection(layout).changed());
    EXPECT_TRUE(layout.dimensionLines.empty());
    ASSERT_EQ(layout.shapes.size(), 1u);
    EXPECT_EQ(layout.shapes[0].id, shape);
}

TEST(LevelOutlineDrag, ShiftPressNearAnEdgeMovesTheWholeOutlineUndoably)
{
    Layout layout = edittest::withLevel();
    layout.levels[0].outline = {{0, 0}, {1000, 0}, {1000, 500}, {0, 500}};
    Level hidden = edittest::level(2, 100, false);
    hidden.outline = {{0, 0}, {1000, 0}, {1000, 500}};
    layout.levels.push_back(hidden);
    CanvasView view = edittest::unitView();
    view.zoom = 2.0; // 8 px = 4 mm
    EXPECT_EQ(hitLevelOutline(layout, view, {500, 3.9}), 1);
    EXPECT_EQ(hitLevelOutline(layout, view, {500, 4.1}), -1);
    EXPECT_EQ(hitLevelOutline(layout, view, {500, 250}), -1);

    LevelOutlineDragTool tool;
    tool.press(layout, view, at(view, 500, 2));
    EXPECT_FALSE(tool.busy()); // Shift is required
    tool.press(layout, view, at(view, 500, 2, Modifiers{true, true, false}));
    EXPECT_FALSE(tool.busy()); // and Ctrl refuses
    tool.press(layout, view, at(view, 500, 2, Modifiers{true, false, false}));
    ASSERT_TRUE(tool.busy());
    EXPECT_EQ(tool.levelId(), 1);
    tool.motion(layout, view, at(view, 600, 52, Modifiers{true, false, false}));
    EXPECT_TRUE(tool.release(layout, view, at(view, 600, 52)).changed());
    EXPECT_DOUBLE_EQ(layout.levels[0].outline[2].x, 1100);
    EXPECT_DOUBLE_EQ(layout.levels[0].outline[2].y, 550);
    EXPECT_DOUBLE_EQ(layout.levels[1].outline[2].x, 1000);

    ASSERT_TRUE(undo(layout));
    EXPECT_DOUBLE_EQ(layout.levels[0].outline[2].x, 1000);
    ASSERT_TRUE(redo(layout));
    EXPECT_DOUBLE_EQ(layout.levels[0].outline[2].x, 1100);
}
