#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/tools/CanvasTool.h"
#include "canvas/tools/GrabDrag.h"

namespace layrail {

// The shape drawn on top at a world point (even-odd rule, shapes with at least three vertices on
// visible levels, the last shape first), or -1.
int hitShape(const Layout& layout, Point world);

// Even-odd point-in-polygon.
bool pointInPolygon(const std::vector<Point>& polygon, Point p);

// A plain left press inside a shape selects it alone and drags it; every vertex follows the mouse.
class ShapeDragTool : public CanvasTool {
public:
    EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult release(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    bool busy() const override { return shapeId_ != -1; }

    int shapeId() const { return shapeId_; }

private:
    int shapeId_ = -1;
    std::vector<Point> start_;
    GrabDrag drag_;
};

// What "Shape Properties" edits, with the height in the display unit and the opacity in percent.
struct ShapeProperties {
    std::string name;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    int opacityPercent = 0;
    double height = 0.0;
    bool outline = true;
};

// round(alpha × 100 / 255) and back: 50 % stores alpha 128.
int opacityPercent(std::uint8_t alpha);
std::uint8_t alphaFromPercent(int percent);

// The dialog's fields for the shape, in the unit.
ShapeProperties shapeProperties(const LayoutShape& shape, LengthUnit unit);

// "OK" of "Shape Properties": one undo snapshot, then name, colour, opacity, height (converted back
// to mm) and outline. Opacity is kept within 0 to 100 and the height within 0 to 5000 of the unit.
EditResult applyShapeProperties(Layout& layout, int shapeId, const ShapeProperties& properties, LengthUnit unit);

} // namespace layrail
