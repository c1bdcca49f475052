#include "canvas/tools/ShapeTool.h"

#include <algorithm>
#include <cmath>

#include "canvas/LevelRules.h"
#include "document/LengthUnits.h"
#include "document/SelectionFlags.h"

namespace layrail {

namespace {

constexpr double kMaxShapeHeightInUnit = 5000.0;

LayoutShape* findShape(Layout& layout, int id)
{
    for (LayoutShape& s : layout.shapes)
        if (s.id == id)
            return &s;
    return nullptr;
}

} // namespace

bool pointInPolygon(const std::vector<Point>& polygon, Point p)
{
    bool inside = false;
    const size_t n = polygon.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

int hitShape(const Layout& layout, Point world)
{
    for (auto it = layout.shapes.rbegin(); it != layout.shapes.rend(); ++it) {
        if (it->points.size() >= 3 && levelVisible(layout, it->level) && pointInPolygon(it->points, world))
            return it->id;
    }
    return -1;
}

EditResult ShapeDragTool::press(Layout& layout, const CanvasView&, const ToolPointer& pointer)
{
    EditResult result;
    if (pointer.anyModifier())
        return result;
    const int id = hitShape(layout, pointer.world);
    LayoutShape* shape = findShape(layout, id);
    if (shape == nullptr)
        return result;
    deselectAll(layout);
    shape->selected = true;
    shapeId_ = id;
    start_ = shape->points;
    drag_.start(layout, pointer.world);
    result.changes.selection = true;
    return result;
}

EditResult ShapeDragTool::motion(Layout& layout, const CanvasView&, const ToolPointer& pointer)
{
    LayoutShape* shape = findShape(layout, shapeId_);
    if (shape == nullptr || shape->points.size() != start_.size())
        return {};
    if (const std::optional<Point> offset = drag_.travel(pointer.world))
        shape->points = shifted(start_, *offset);
    return {};
}

EditResult ShapeDragTool::release(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    EditResult result;
    if (shapeId_ == -1)
        return result;
    motion(layout, view, pointer);
    result.changes.content = drag_.end();
    shapeId_ = -1;
    start_.clear();
    return result;
}

int opacityPercent(std::uint8_t alpha) { return static_cast<int>(std::lround(alpha * 100.0 / 255.0)); }

std::uint8_t alphaFromPercent(int percent)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(percent, 0, 100) * 255.0 / 100.0));
}

ShapeProperties shapeProperties(const LayoutShape& shape, LengthUnit unit)
{
    ShapeProperties p;
    p.name = shape.label;
    p.red = shape.red;
    p.green = shape.green;
    p.blue = shape.blue;
    p.opacityPercent = opacityPercent(shape.alpha);
    p.height = toDisplayUnit(shape.height, unit);
    p.outline = shape.outline;
    return p;
}

EditResult applyShapeProperties(Layout& layout, int shapeId, const ShapeProperties& properties, LengthUnit unit)
{
    EditResult result;
    LayoutShape* shape = findShape(layout, shapeId);
    if (shape == nullptr)
        return result;
    EditSnapshot snapshot(layout);
    snapshot.record();
    shape->label = properties.name;
    shape->red = properties.red;
    shape->green = properties.green;
    shape->blue = properties.blue;
    shape->alpha = alphaFromPercent(properties.opacityPercent);
    const double height = std::isfinite(properties.height) ? properties.height : 0.0;
    shape->height = fromDisplayUnit(std::clamp(height, 0.0, kMaxShapeHeightInUnit), unit);
    shape->outline = properties.outline;
    result.changes.content = true;
    return result;
}

} // namespace layrail
