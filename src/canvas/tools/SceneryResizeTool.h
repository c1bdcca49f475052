#pragma once

#include <array>
#include <optional>
#include <string>

#include "canvas/tools/CanvasTool.h"
#include "catalog/SceneryCatalog.h"

namespace layrail {

// The handles of a resizable scenery item: 0 top-left corner, then clockwise (1 top edge, 2 corner,
// 3 right edge, ...), in the item's own frame; even indices are corners. The opposite of handle i
// is (i + 4) mod 8.
constexpr int kHandleCount = 8;
constexpr int oppositeHandle(int handle) { return (handle + 4) % kHandleCount; }
// The handle's offset pair: (x along the heading, y across) in halves of the scaled size.
Point handleOffset(int handle);

// The one item that shows handles: exactly one scenery item selected, of the platform category,
// with a catalog entry, and no piece or shape selected. -1 when there is none.
int resizableSceneryItem(const Layout& layout);

// The world positions of the item's eight handles.
std::array<Point, kHandleCount> handlePositions(const SceneryItem& item, const SceneryDef& def);

// The handle of the resizable item within 6 pixels of the window point, or -1.
int handleAt(const Layout& layout, const CanvasView& view, PixelPoint pixel);

// The sizing cursor of a handle: the axis on screen that the handle moves along, taking the item's
// heading into account.
ToolCursor handleCursor(int handle, double headingDegrees);

// With no button held: the sizing cursor over a handle, the normal cursor elsewhere.
ToolCursor hoverCursor(const Layout& layout, const CanvasView& view, PixelPoint pixel);

// The handles of the resizable item: corners as 9 px squares, edge midpoints as 3 px circles.
void drawResizeHandles(DrawTarget& target, const CanvasView& view, const Layout& layout);

// A left press (without Alt) on a handle of the resizable item resizes it against the opposite
// handle, which stays where it is. Extents never drop below 5 mm.
class SceneryResizeTool : public CanvasTool {
public:
    EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    EditResult release(Layout& layout, const CanvasView& view, const ToolPointer& pointer) override;
    ToolCursor cursor() const override { return cursor_; }
    bool busy() const override { return itemId_ != -1; }

    int itemId() const { return itemId_; }
    int handle() const { return handle_; }

private:
    int itemId_ = -1;
    int handle_ = -1;
    Point anchor_;
    SceneryItem start_;
    ToolCursor cursor_ = ToolCursor::Normal;
    std::optional<EditSnapshot> snapshot_;
};

// "Resize Scenery": the sizes line of the dialog,
// "Catalog size: %.0f x %.0f mm    Current: %.0f x %.0f mm".
std::string scenerySizeText(const SceneryItem& item, const SceneryDef& def);

// The smallest and largest scale the dialog accepts.
constexpr double kMinSceneryScale = 0.1;
constexpr double kMaxSceneryScale = 10.0;

// With the aspect ratio locked, the depth scale that keeps the ratio the two scales had at opening.
double lockedDepthScale(double widthScale, double openingWidthScale, double openingDepthScale);

// "OK": one undo snapshot, then both scales, each at least 0.1 (and at most 10).
EditResult applySceneryScale(Layout& layout, int itemId, double scaleX, double scaleY);
// "Reset to Default": one undo snapshot, then scale 1 by 1.
EditResult resetSceneryScale(Layout& layout, int itemId);

} // namespace layrail
