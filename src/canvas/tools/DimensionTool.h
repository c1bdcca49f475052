#pragma once

#include "canvas/tools/CanvasTool.h"
#include "canvas/tools/GrabDrag.h"

namespace layrail {

// The dimension line under a world point, the last line first: on its label within 32 by 9 pixels
// of the label's centre (the midpoint plus the label offset), or within 8 pixels of the line.
// Returns the id, or -1.
int hitDimensionLine(const Layout& layout, const CanvasView& view, Point world);

// A left press without modifiers on a dimension line or its label selects the line alone and drags
// it: both end points follow the mouse, the label offset stays.
class DimensionDragTool : public CanvasTool {
public:
    EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult release(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    bool busy() const override { return lineId_ != -1; }

    int lineId() const { return lineId_; }

private:
    int lineId_ = -1;
    DimensionLine start_;
    GrabDrag drag_;
};

// Distance from a point to a segment.
double distanceToSegment(Point p, Point a, Point b);

} // namespace layrail
