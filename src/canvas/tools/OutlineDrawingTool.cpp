#include "canvas/tools/OutlineDrawingTool.h"

#include <algorithm>
#include <cmath>

#include "render/LengthFormat.h"
#include "canvas/LevelRules.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"
#include "canvas/tools/ToolFeedback.h"

namespace layrail {

namespace {

constexpr int kFreeFormShape = 5;
constexpr size_t kVerticesToClose = 3;
constexpr double kSmallestZoom = 0.0001;

constexpr Colour kOutline = rgb(40, 80, 200);
constexpr Colour kClose = rgb(40, 150, 60);
constexpr Colour kVertexPen = rgb(20, 20, 20);
constexpr ReadoutStyle kReadout{rgb(20, 20, 20), rgb(255, 255, 255, 200), rgb(200, 200, 200)};
constexpr double kFirstVertexRadius = 6.0;
constexpr double kVertexRadius = 4.0;
constexpr double kCloseRingRadius = 12.0;

} // namespace

ToolMode OutlineDrawingTool::mode() const
{
    return target_ == Target::Shape ? ToolMode::Polygon : ToolMode::BaseboardOutline;
}

bool OutlineDrawingTool::nearFirstVertex(const CanvasView& view, Point world) const
{
    if (vertices_.size() < kVerticesToClose)
        return false;
    const double reach = kCloseDistancePixels / std::max(view.zoom, kSmallestZoom);
    return std::hypot(world.x - vertices_.front().x, world.y - vertices_.front().y) <= reach;
}

EditResult OutlineDrawingTool::press(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    if (ended())
        return {};
    if (drawing_ && nearFirstVertex(view, pointer.world))
        return close(layout);
    drawing_ = true;
    vertices_.push_back(pointer.world);
    cursor_ = pointer.world;
    closeSnap_ = nearFirstVertex(view, cursor_);
    return {};
}

EditResult OutlineDrawingTool::motion(Layout&, const CanvasView& view, const ToolPointer& pointer)
{
    pointerSeen_ = true;
    if (drawing_) {
        cursor_ = pointer.world;
        closeSnap_ = nearFirstVertex(view, cursor_);
    }
    return {};
}

bool OutlineDrawingTool::wantsKey(ToolKey key) const
{
    switch (key) {
    case ToolKey::Escape:
        return true;
    case ToolKey::Enter:
    case ToolKey::Backspace:
        return drawing_;
    default:
        return false;
    }
}

EditResult OutlineDrawingTool::key(Layout& layout, ToolKey key)
{
    switch (key) {
    case ToolKey::Enter:
        if (drawing_ && vertices_.size() >= kVerticesToClose)
            return close(layout);
        break;
    case ToolKey::Backspace:
        if (!vertices_.empty())
            vertices_.pop_back();
        if (vertices_.empty())
            drawing_ = false;
        closeSnap_ = false;
        break;
    case ToolKey::Escape:
        drawing_ = false;
        vertices_.clear();
        closeSnap_ = false;
        finish();
        break;
    default:
        break;
    }
    return {};
}

EditResult OutlineDrawingTool::close(Layout& layout)
{
    EditResult result;
    if (target_ == Target::Shape) {
        EditSnapshot snapshot(layout);
        snapshot.record();
        LayoutShape shape;
        shape.id = layout.takeId();
        shape.points = vertices_;
        shape.level = topVisibleLevel(layout);
        layout.shapes.push_back(shape);
    } else {
        EditSnapshot snapshot(layout, SnapshotExtras{false, true});
        snapshot.record();
        layout.baseboard.vertices = vertices_;
        layout.baseboard.lastShape.id = kFreeFormShape;
    }
    drawing_ = false;
    vertices_.clear();
    closeSnap_ = false;
    finish();
    result.changes.content = true;
    return result;
}

ToolCursor OutlineDrawingTool::cursor() const { return pointerSeen_ ? ToolCursor::Cross : ToolCursor::Pencil; }

void OutlineDrawingTool::paintOverlay(DrawTarget& target, const CanvasView& view, const Layout& layout) const
{
    if (!drawing_ || vertices_.empty())
        return;
    std::vector<PixelPoint> points;
    points.reserve(vertices_.size());
    for (const Point& v : vertices_)
        points.push_back(toScreen(view, v));

    target.setPen(kOutline, 2);
    target.polyline(points);

    const Point segmentEnd = closeSnap_ ? vertices_.front() : cursor_;
    const PixelPoint last = points.back();
    const PixelPoint cursor = toScreen(view, cursor_);
    if (closeSnap_)
        target.setPen(kClose, 2, PenStyle::LongDash);
    else
        target.setPen(kOutline, 1, PenStyle::LongDash);
    target.line(last, toScreen(view, segmentEnd));

    const Point& from = vertices_.back();
    const std::string text = formatLength(std::hypot(segmentEnd.x - from.x, segmentEnd.y - from.y), layout.units);
    const TextExtent box = readoutBoxSize(target, text);
    drawReadout(target, text, cursor.x + 10.0, cursor.y - 4.0 - box.height, kReadout);

    target.setPen(kVertexPen, 1);
    target.setBrush(kOutline);
    for (size_t i = 1; i < points.size(); ++i)
        drawDot(target, points[i], kVertexRadius);
    target.setBrush(kClose);
    drawDot(target, points.front(), kFirstVertexRadius);

    if (closeSnap_) {
        target.setPen(kClose, 3);
        target.setNoBrush();
        drawDot(target, points.front(), kCloseRingRadius);
        target.text("Close", points.front().x + 16.0, points.front().y - 8.0, FontSpec{10, false}, kClose);
    }
}

} // namespace layrail
