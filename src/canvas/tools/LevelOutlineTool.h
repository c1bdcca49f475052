#pragma once

#include <vector>

#include "canvas/tools/CanvasTool.h"
#include "canvas/tools/GrabDrag.h"

namespace layrail {

// The visible level whose outline (at least three vertices) has an edge within 8 pixels of the
// world point, the nearest edge winning; -1 when none.
int hitLevelOutline(const Layout& layout, const CanvasView& view, Point world);

// Shift+left press (without Ctrl) near a level outline's edge, where no piece lies, drags the whole
// outline with the mouse. The canvas tries it only after its piece hit test found nothing.
class LevelOutlineDragTool : public CanvasTool {
public:
    EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult release(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    bool busy() const override { return levelId_ != -1; }

    int levelId() const { return levelId_; }

private:
    int levelId_ = -1;
    std::vector<Point> start_;
    GrabDrag drag_;
};

} // namespace layrail
