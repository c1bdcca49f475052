#pragma once

#include <vector>

#include "canvas/tools/CanvasTool.h"

namespace layrail {

// A press this close to the first vertex, in pixels, closes the outline.
constexpr double kCloseDistancePixels = 10.0;

// What the baseboard drawing shows in status field 0 while it runs.
constexpr const char* kBaseboardDrawingPrompt =
    "Click vertices to outline the baseboard. Click first vertex (or press Enter) to close. Backspace "
    "removes last vertex; Escape cancels.";

// Drawing an outline vertex by vertex: a free-form polygon (toolbar "Polygon") that becomes a new
// shape, or the baseboard outline (the baseboard dialog's free-form choice). A press near the first
// vertex or Enter closes it once three vertices exist; Backspace takes the last vertex back; Escape
// cancels.
class OutlineDrawingTool : public CanvasTool {
public:
    enum class Target { Shape, Baseboard };

    explicit OutlineDrawingTool(Target target) : target_(target) {}

    EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    bool wantsKey(ToolKey key) const override;
    EditResult key(Layout& layout, ToolKey key) override;
    void paintOverlay(DrawTarget& target, const CanvasView& view, const Layout& layout) const override;
    ToolCursor cursor() const override;
    bool busy() const override { return drawing_; }
    ToolMode mode() const override;

    bool drawing() const { return drawing_; }
    const std::vector<Point>& vertices() const { return vertices_; }
    bool closeSnap() const { return closeSnap_; }

private:
    bool nearFirstVertex(const CanvasView& view, Point world) const;
    EditResult close(Layout& layout);

    Target target_;
    bool drawing_ = false;
    bool pointerSeen_ = false;
    std::vector<Point> vertices_;
    Point cursor_;
    bool closeSnap_ = false;
};

} // namespace layrail
