#include "canvas/tools/CanvasTool.h"

namespace layrail {

EditResult CanvasTool::motion(Layout&, const CanvasView&, const ToolPointer&) { return {}; }

EditResult CanvasTool::release(Layout&, const CanvasView&, const ToolPointer&) { return {}; }

bool CanvasTool::wantsKey(ToolKey) const { return false; }

EditResult CanvasTool::key(Layout&, ToolKey) { return {}; }

void CanvasTool::paintOverlay(DrawTarget&, const CanvasView&, const Layout&) const {}

void selectNothing(Layout& layout)
{
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    for (SceneryItem& s : layout.scenery)
        s.selected = false;
    for (LayoutLabel& l : layout.labels)
        l.selected = false;
    for (DimensionLine& d : layout.dimensionLines)
        d.selected = false;
    for (LayoutShape& s : layout.shapes)
        s.selected = false;
}

} // namespace layrail
