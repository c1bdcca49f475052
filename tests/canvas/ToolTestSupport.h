#pragma once

#include "render/CanvasView.h"
#include "canvas/tools/CanvasTool.h"

namespace layrail::tooltest {

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// A pointer event at a world point, with the window pixel the view puts it at.
inline ToolPointer at(const CanvasView& view, double x, double y, Modifiers mods = {})
{
    ToolPointer p;
    p.world = Point{x, y};
    p.pixel = PixelPoint{view.zoom * x + view.panX, view.zoom * y + view.panY};
    p.shift = mods.shift;
    p.ctrl = mods.ctrl;
    p.alt = mods.alt;
    return p;
}

// A pointer event at a window pixel, with the world point under it.
inline ToolPointer atPixel(const CanvasView& view, double px, double py, Modifiers mods = {})
{
    ToolPointer p = at(view, view.toWorldX(px), view.toWorldY(py), mods);
    p.pixel = PixelPoint{px, py};
    return p;
}

// Press, motion to each point in turn, release at the last: a drag as the canvas delivers it.
inline EditResult drag(CanvasTool& tool, Layout& layout, const CanvasView& view, const ToolPointer& from,
                       const ToolPointer& to)
{
    tool.press(layout, view, from);
    tool.motion(layout, view, to);
    return tool.release(layout, view, to);
}

} // namespace layrail::tooltest
