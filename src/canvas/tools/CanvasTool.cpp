#include "canvas/tools/CanvasTool.h"

namespace layrail {

EditResult CanvasTool::motion(Layout&, const CanvasView&, const ToolPointer&) { return {}; }

EditResult CanvasTool::release(Layout&, const CanvasView&, const ToolPointer&) { return {}; }

bool CanvasTool::wantsKey(ToolKey) const { return false; }

EditResult CanvasTool::key(Layout&, ToolKey) { return {}; }

void CanvasTool::paintOverlay(DrawTarget&, const CanvasView&, const Layout&) const {}

} // namespace layrail
