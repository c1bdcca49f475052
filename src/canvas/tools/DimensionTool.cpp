#include "canvas/tools/DimensionTool.h"
#include "document/SelectionFlags.h"

#include <algorithm>
#include <cmath>

namespace layrail {

namespace {

constexpr double kLabelHalfWidthPixels = 32.0;
constexpr double kLabelHalfHeightPixels = 9.0;
constexpr double kLineReachPixels = 8.0;

DimensionLine* findLine(Layout& layout, int id)
{
    for (DimensionLine& d : layout.dimensionLines)
        if (d.id == id)
            return &d;
    return nullptr;
}

} // namespace

double distanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

int hitDimensionLine(const Layout& layout, const CanvasView& view, Point world)
{
    const double zoom = view.zoom;
    for (auto it = layout.dimensionLines.rbegin(); it != layout.dimensionLines.rend(); ++it) {
        const DimensionLine& d = *it;
        const double labelX = (d.x1 + d.x2) / 2.0 + d.labelX;
        const double labelY = (d.y1 + d.y2) / 2.0 + d.labelY;
        if (std::fabs(world.x - labelX) <= kLabelHalfWidthPixels / zoom &&
            std::fabs(world.y - labelY) <= kLabelHalfHeightPixels / zoom)
            return d.id;
        if (distanceToSegment(world, Point{d.x1, d.y1}, Point{d.x2, d.y2}) <= kLineReachPixels / zoom)
            return d.id;
    }
    return -1;
}

EditResult DimensionDragTool::press(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    EditResult result;
    if (pointer.anyModifier())
        return result;
    DimensionLine* line = findLine(layout, hitDimensionLine(layout, view, pointer.world));
    if (line == nullptr)
        return result;
    deselectAll(layout);
    line->selected = true;
    lineId_ = line->id;
    start_ = *line;
    drag_.start(layout, pointer.world);
    result.changes.selection = true;
    return result;
}

EditResult DimensionDragTool::motion(Layout& layout, const CanvasView&, const ToolPointer& pointer)
{
    DimensionLine* line = findLine(layout, lineId_);
    if (line == nullptr)
        return {};
    if (const std::optional<Point> offset = drag_.travel(pointer.world)) {
        line->x1 = start_.x1 + offset->x;
        line->y1 = start_.y1 + offset->y;
        line->x2 = start_.x2 + offset->x;
        line->y2 = start_.y2 + offset->y;
    }
    return {};
}

EditResult DimensionDragTool::release(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    EditResult result;
    if (lineId_ == -1)
        return result;
    motion(layout, view, pointer);
    result.changes.content = drag_.end();
    lineId_ = -1;
    return result;
}

} // namespace layrail
