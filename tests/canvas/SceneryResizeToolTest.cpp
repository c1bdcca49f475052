#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "render/RecordingTarget.h"
#include "ToolTestSupport.h"
#include "render/RenderColours.h"
#include "canvas/tools/SceneryResizeTool.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::tooltest;
using layrail::testing::RecordingTarget;

namespace {

// A selected platform (230 by 60 mm) at (1000, 500), turned by the heading.
Layout platformLayout(double heading = 0.0)
{
    Layout layout = edittest::withLevel();
    edittest::addScenery(layout, "platform", 1000, 500, true);
    layout.scenery[0].heading = heading;
    return layout;
}

const SceneryDef& platformDef() { return *SceneryCatalog::instance().find("platform"); }

PixelPoint pixelOf(const CanvasView& view, Point p)
{
    return {view.zoom * p.x + view.panX, view.zoom * p.y + view.panY};
}

} // namespace

TEST(ResizeHandles, OnlyASinglePlatformWithNothingElseSelectedHasThem)
{
    Layout layout = platformLayout();
    const int id = layout.scenery[0].id;
    EXPECT_EQ(resizableSceneryItem(layout), id);

    edittest::addScenery(layout, "platform", 0, 0, true);
    EXPECT_EQ(resizableSceneryItem(layout), -1); // two items
    layout.scenery[1].selected = false;
    EXPECT_EQ(resizableSceneryItem(layout), id);

    const int piece = edittest::lay(layout, "24188", 0, 0, 0);
    edittest::piece(layout, piece).selected = true;
    EXPECT_EQ(resizableSceneryItem(layout), -1);
    edittest::piece(layout, piece).selected = false;

    LayoutShape shape;
    shape.id = layout.takeId();
    shape.selected = true;
    layout.shapes.push_back(shape);
    EXPECT_EQ(resizableSceneryItem(layout), -1);
    layout.shapes[0].selected = false;

    layout.scenery[0].item = "signal_box"; // a building
    EXPECT_EQ(resizableSceneryItem(layout), -1);
    layout.scenery[0].item = "no_such_item";
    EXPECT_EQ(resizableSceneryItem(layout), -1);
}

TEST(ResizeHandles, PositionsFollowScaleAndHeadingAndAreHitWithinSixPixels)
{
    Layout layout = platformLayout(90.0);
    layout.scenery[0].scaleX = 2.0; // 460 by 60
    const auto handles = handlePositions(layout.scenery[0], platformDef());
    // Turned by 90 degrees the item's x axis points down the screen.
    EXPECT_NEAR(handles[3].x, 1000, 1e-9);
    EXPECT_NEAR(handles[3].y, 730, 1e-9);
    EXPECT_NEAR(handles[0].x, 1030, 1e-9);
    EXPECT_NEAR(handles[0].y, 270, 1e-9);
    for (int i = 0; i < kHandleCount; ++i) {
        const Point a = handleOffset(i);
        const Point b = handleOffset(oppositeHandle(i));
        EXPECT_EQ(a.x, -b.x);
        EXPECT_EQ(a.y, -b.y);
    }

    const CanvasView view = edittest::unitView();
    PixelPoint p = pixelOf(view, handles[5]);
    EXPECT_EQ(handleAt(layout, view, {p.x + 6, p.y}), 5); // 36 < 37
    EXPECT_EQ(handleAt(layout, view, {p.x + 6, p.y + 1}), -1);
    EXPECT_EQ(handleAt(layout, view, {1000, 500}), -1);
}

TEST(ResizeHandles, SizingCursorsFollowTheHandleOnScreen)
{
    EXPECT_EQ(handleCursor(3, 0), ToolCursor::SizeWE);
    EXPECT_EQ(handleCursor(7, 0), ToolCursor::SizeWE);
    EXPECT_EQ(handleCursor(1, 0), ToolCursor::SizeNS);
    EXPECT_EQ(handleCursor(0, 0), ToolCursor::SizeNWSE);
    EXPECT_EQ(handleCursor(4, 0), ToolCursor::SizeNWSE);
    EXPECT_EQ(handleCursor(2, 0), ToolCursor::SizeNESW);
    EXPECT_EQ(handleCursor(3, 90), ToolCursor::SizeNS);
    EXPECT_EQ(handleCursor(0, 90), ToolCursor::SizeNESW);
    EXPECT_EQ(handleCursor(3, 45), ToolCursor::SizeNWSE);
    EXPECT_EQ(handleCursor(3, -170), ToolCursor::SizeWE);

    Layout layout = platformLayout();
    const CanvasView view = edittest::unitView();
    const auto handles = handlePositions(layout.scenery[0], platformDef());
    EXPECT_EQ(hoverCursor(layout, view, pixelOf(view, handles[1])), ToolCursor::SizeNS);
    EXPECT_EQ(hoverCursor(layout, view, {0, 0}), ToolCursor::Normal);
}

TEST(SceneryResize, CornerDragScalesBothAxesAgainstTheFixedAnchor)
{
    Layout layout = platformLayout();
    const CanvasView view = edittest::unitView();
    const auto handles = handlePositions(layout.scenery[0], platformDef());
    const Point anchor = handles[0]; // opposite of handle 4
    SceneryResizeTool tool;
    tool.press(layout, view, atPixel(view, pixelOf(view, handles[4]).x, pixelOf(view, handles[4]).y));
    ASSERT_TRUE(tool.busy());
    EXPECT_EQ(tool.handle(), 4);
    EXPECT_EQ(tool.cursor(), ToolCursor::SizeNWSE);

    tool.motion(layout, view, at(view, anchor.x + 460, anchor.y + 120));
    const SceneryItem& item = layout.scenery[0];
    EXPECT_DOUBLE_EQ(item.scaleX, 2.0);
    EXPECT_DOUBLE_EQ(item.scaleY, 2.0);
    EXPECT_DOUBLE_EQ(item.x, anchor.x + 230);
    EXPECT_DOUBLE_EQ(item.y, anchor.y + 60);
    const auto after = handlePositions(item, platformDef());
    EXPECT_NEAR(after[0].x, anchor.x, 1e-9);
    EXPECT_NEAR(after[0].y, anchor.y, 1e-9);

    EXPECT_TRUE(tool.release(layout, view, at(view, anchor.x + 460, anchor.y + 120)).changed());
    EXPECT_EQ(tool.cursor(), ToolCursor::Normal);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ASSERT_TRUE(undo(layout));
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 1.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].x, 1000);
}

TEST(SceneryResize, EdgeHandlesChangeOneAxisAndExtentsNeverFlipBelowFiveMillimetres)
{
    Layout layout = platformLayout(90.0);
    const CanvasView view = edittest::unitView();
    const auto handles = handlePositions(layout.scenery[0], platformDef());
    const Point anchor = handles[7];
    SceneryResizeTool tool;
    const PixelPoint grab = pixelOf(view, handles[3]);
    tool.press(layout, view, atPixel(view, grab.x, grab.y));
    ASSERT_EQ(tool.handle(), 3);
    // Along the item's axis (down the screen) by 115 mm and sideways by 40 mm: only the width changes.
    tool.motion(layout, view, at(view, anchor.x + 40, anchor.y + 115));
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 0.5);
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleY, 1.0);
    EXPECT_NEAR(layout.scenery[0].y, anchor.y + 57.5, 1e-9);
    EXPECT_NEAR(layout.scenery[0].x, anchor.x, 1e-9);

    // Dragged across the anchor: the extent is the distance, floored at 5 mm; the item stays on
    // the handle's side of the anchor.
    tool.motion(layout, view, at(view, anchor.x, anchor.y - 2));
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 5.0 / 230.0);
    EXPECT_NEAR(layout.scenery[0].y, anchor.y + 2.5, 1e-9);
    tool.motion(layout, view, at(view, anchor.x, anchor.y - 100));
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 100.0 / 230.0);
    EXPECT_NEAR(layout.scenery[0].y, anchor.y + 50, 1e-9);
    tool.release(layout, view, at(view, anchor.x, anchor.y - 100));
    EXPECT_EQ(layout.undoStack.size(), 1u);
}

TEST(SceneryResize, AltPressesAndClicksWithoutTravelDoNothing)
{
    Layout layout = platformLayout();
    const CanvasView view = edittest::unitView();
    const PixelPoint p = pixelOf(view, handlePositions(layout.scenery[0], platformDef())[2]);
    SceneryResizeTool tool;
    tool.press(layout, view, atPixel(view, p.x, p.y, Modifiers{false, false, true}));
    EXPECT_FALSE(tool.busy());
    tool.press(layout, view, atPixel(view, p.x, p.y));
    ASSERT_TRUE(tool.busy());
    EXPECT_FALSE(tool.release(layout, view, atPixel(view, p.x, p.y)).changed());
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 1.0);
}

TEST(ResizeHandles, PaintedAsCornerSquaresAndEdgeCircles)
{
    Layout layout = platformLayout();
    const CanvasView view = edittest::unitView();
    RecordingTarget target;
    drawResizeHandles(target, view, layout);
    auto squares = target.ofKind(RecordingTarget::Kind::Polygon);
    auto circles = target.ofKind(RecordingTarget::Kind::Ellipse);
    ASSERT_EQ(squares.size(), 4u);
    ASSERT_EQ(circles.size(), 4u);
    // A path 8 pixels across on whole pixels: with its 1-pixel pen the square covers 9 pixels.
    EXPECT_DOUBLE_EQ(squares[0]->points[1].x - squares[0]->points[0].x, 8.0);
    EXPECT_DOUBLE_EQ(squares[0]->points[0].x, std::floor(squares[0]->points[0].x));
    EXPECT_EQ(circles[0]->radiusX, 3.0);
    EXPECT_EQ(squares[0]->pen.colour, rgb(40, 90, 200));
    EXPECT_EQ(squares[0]->brush.colour, rgb(255, 255, 255));

    layout.scenery[0].selected = false;
    RecordingTarget none;
    drawResizeHandles(none, view, layout);
    EXPECT_TRUE(none.calls.empty());
}

TEST(ResizeScenery, DialogRulesResetApplyAndLockTheRatio)
{
    Layout layout = platformLayout();
    const int id = layout.scenery[0].id;
    layout.scenery[0].scaleX = 1.5;
    EXPECT_EQ(scenerySizeText(layout.scenery[0], platformDef()), "Catalog size: 230 x 60 mm    Current: 345 x 60 mm");
    EXPECT_DOUBLE_EQ(lockedDepthScale(3.0, 1.5, 1.0), 2.0);
    EXPECT_DOUBLE_EQ(lockedDepthScale(0.1, 2.0, 1.0), 0.1); // kept within the field's range

    EXPECT_TRUE(applySceneryScale(layout, id, 0.01, 3.0).changed());
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 0.1);
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleY, 3.0);
    EXPECT_TRUE(resetSceneryScale(layout, id).changed());
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleX, 1.0);
    EXPECT_DOUBLE_EQ(layout.scenery[0].scaleY, 1.0);
    EXPECT_EQ(layout.undoStack.size(), 2u);

    layout.scenery[0].item = "no_such_item";
    EXPECT_FALSE(applySceneryScale(layout, id, 2.0, 2.0).changed());
    EXPECT_EQ(layout.undoStack.size(), 2u);
}
