#pragma once

#include "canvas/tools/CanvasTool.h"

namespace layrail {

// Points closer than this make no dimension line.
constexpr double kShortestMeasurement = 1.0;

// The measuring tape (toolbar "Measure"): the first click starts a measurement, the second lays a
// dimension line between the two points and ends the tool; Escape cancels.
class MeasureTool : public CanvasTool {
public:
    EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    bool wantsKey(ToolKey key) const override;
    EditResult key(Layout& layout, ToolKey key) override;
    void paintOverlay(DrawTarget& target, const CanvasView& view, const Layout& layout) const override;
    ToolCursor cursor() const override;
    bool busy() const override { return measuring_; }
    ToolMode mode() const override { return ToolMode::Measure; }

    bool measuring() const { return measuring_; }
    Point start() const { return start_; }
    Point end() const { return end_; }

private:
    bool measuring_ = false;
    bool pointerSeen_ = false; // the pencil of the toolbar gives way to the cross at the first motion
    Point start_;
    Point end_;
};

} // namespace layrail
