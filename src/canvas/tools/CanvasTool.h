#pragma once

#include "render/CanvasView.h"
#include "render/DrawTarget.h"
#include "document/EditResult.h"
#include "canvas/ToolMode.h"
#include "catalog/Geometry.h"
#include "document/Layout.h"

namespace layrail {

// A mouse event as the canvas hands it to a tool: the pointer in layout millimetres and in window
// pixels, and the modifier keys held.
struct ToolPointer {
    Point world;
    PixelPoint pixel;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool anyModifier() const { return shift || ctrl || alt; }
};

// The keys tools react to; Enter stands for the main and the keypad key.
enum class ToolKey { Enter, Backspace, Escape, Other };

// The cursor a tool wants; the sizing cursors name the axis on screen (y grows downwards, so
// NWSE runs from the top-left to the bottom-right corner).
enum class ToolCursor { Normal, Cross, Pencil, SizeWE, SizeNS, SizeNWSE, SizeNESW };

// One interactive way of editing the plan with the mouse. The canvas holds the active tool and
// hands it the left button, the motion and the keys; every change of the layout comes back as an
// EditResult, and each edit records exactly one undo snapshot.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;

    // Left button down. A tool that does not want the press stays idle (busy() false) and the
    // canvas tries its next rule.
    virtual EditResult press(Layout& layout, const CanvasView& view, const ToolPointer& pointer) = 0;
    virtual EditResult motion(Layout& layout, const CanvasView& view, const ToolPointer& pointer);
    virtual EditResult release(Layout& layout, const CanvasView& view, const ToolPointer& pointer);

    // Whether the key belongs to the tool now (Backspace, for example, only while vertices exist).
    virtual bool wantsKey(ToolKey key) const;
    virtual EditResult key(Layout& layout, ToolKey key);

    // Feedback drawn over the plan, in window pixels.
    virtual void paintOverlay(DrawTarget& target, const CanvasView& view, const Layout& layout) const;
    virtual ToolCursor cursor() const { return ToolCursor::Normal; }

    // A press, a drag or a drawing is under way: motion and release belong to the tool, and the
    // canvas repaints after each of them.
    virtual bool busy() const = 0;

    // The toolbar mode the tool stands for; None for the drags of plain editing.
    virtual ToolMode mode() const { return ToolMode::None; }
    // A mode tool finished or was cancelled: the canvas goes back to plain editing, releases the
    // toolbar button and restores the cursor.
    bool ended() const { return ended_; }

protected:
    void finish() { ended_ = true; }

private:
    bool ended_ = false;
};

} // namespace layrail
