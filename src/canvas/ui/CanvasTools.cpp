// The canvas's active tool: the drawing tools of the toolbar and the baseboard dialog (measuring
// tape, polygon, baseboard outline), the drags of shapes, dimension lines, level outlines and resize
// handles, their cursors and feedback, and the dialogs a double-click opens on a shape or an item.

#include <wx/cursor.h>
#include <wx/utils.h>

#include "canvas/HitTest.h"
#include "canvas/tools/DimensionTool.h"
#include "canvas/tools/LevelOutlineTool.h"
#include "canvas/tools/MeasureTool.h"
#include "canvas/tools/OutlineDrawingTool.h"
#include "canvas/tools/SceneryResizeTool.h"
#include "canvas/tools/ShapeTool.h"
#include "canvas/ui/CanvasPanel.h"
#include "canvas/ui/ResizeSceneryDialog.h"
#include "canvas/ui/ShapePropertiesDialog.h"
#include "catalog/SceneryCatalog.h"

namespace layrail {

namespace {

std::unique_ptr<CanvasTool> makeDrawingTool(ToolMode mode)
{
    switch (mode) {
    case ToolMode::Measure:
        return std::make_unique<MeasureTool>();
    case ToolMode::Polygon:
        return std::make_unique<OutlineDrawingTool>(OutlineDrawingTool::Target::Shape);
    case ToolMode::BaseboardOutline:
        return std::make_unique<OutlineDrawingTool>(OutlineDrawingTool::Target::Baseboard);
    default:
        return nullptr;
    }
}

wxCursor wxCursorOf(ToolCursor cursor)
{
    switch (cursor) {
    case ToolCursor::Cross:
        return wxCursor(wxCURSOR_CROSS);
    case ToolCursor::Pencil:
        return wxCursor(wxCURSOR_PENCIL);
    case ToolCursor::SizeWE:
        return wxCursor(wxCURSOR_SIZEWE);
    case ToolCursor::SizeNS:
        return wxCursor(wxCURSOR_SIZENS);
    case ToolCursor::SizeNWSE:
        return wxCursor(wxCURSOR_SIZENWSE);
    case ToolCursor::SizeNESW:
        return wxCursor(wxCURSOR_SIZENESW);
    default:
        return wxNullCursor;
    }
}

ToolKey toolKeyOf(int keyCode)
{
    switch (keyCode) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return ToolKey::Enter;
    case WXK_BACK:
        return ToolKey::Backspace;
    case WXK_ESCAPE:
        return ToolKey::Escape;
    default:
        return ToolKey::Other;
    }
}

} // namespace

ToolMode CanvasPanel::toolMode() const { return tool_ ? tool_->mode() : ToolMode::None; }

bool CanvasPanel::drawingToolActive() const { return tool_ && tool_->mode() != ToolMode::None; }

bool CanvasPanel::toolDragActive() const { return tool_ && tool_->mode() == ToolMode::None; }

void CanvasPanel::setToolMode(ToolMode mode)
{
    dropTool();
    tool_ = makeDrawingTool(mode);
    restoreCursor();
    Refresh();
}

void CanvasPanel::endToolMode()
{
    dropTool();
    restoreCursor();
    host_.toolEnded();
    Refresh();
}

void CanvasPanel::dropTool()
{
    if (toolDragActive())
        release();
    // The baseboard prompt belongs to its drawing.
    if (toolMode() == ToolMode::BaseboardOutline)
        host_.setStatusText(StatusField::Prompt, "");
    tool_.reset();
}

void CanvasPanel::restoreCursor()
{
    cursorShown_ = tool_ ? tool_->cursor() : ToolCursor::Normal;
    SetCursor(wxCursorOf(cursorShown_));
}

void CanvasPanel::showCursor(ToolCursor cursor)
{
    if (cursor == cursorShown_)
        return;
    cursorShown_ = cursor;
    SetCursor(wxCursorOf(cursor));
}

void CanvasPanel::updateHoverCursor(wxPoint pixel)
{
    if (tool_ || panning_ != PanButton::None)
        return;
    showCursor(hoverCursor(layout(), view_, PixelPoint{double(pixel.x), double(pixel.y)}));
}

ToolPointer CanvasPanel::toolPointer(wxPoint pixel, bool shift, bool ctrl, bool alt) const
{
    ToolPointer pointer;
    pointer.pixel = PixelPoint{double(pixel.x), double(pixel.y)};
    pointer.world = toWorld(pixel);
    pointer.shift = shift;
    pointer.ctrl = ctrl;
    pointer.alt = alt;
    return pointer;
}

ToolPointer CanvasPanel::toolPointer(const wxMouseEvent& event) const
{
    return toolPointer(event.GetPosition(), event.ShiftDown(), event.ControlDown(), event.AltDown());
}

void CanvasPanel::applyToolResult(const EditResult& result)
{
    applyResult(result);
    if (tool_ && tool_->ended())
        endToolMode();
}

// The first rules of a left press. Whatever the palette carries is dropped before any of them; a
// drawing tool takes every other press. Then, in this order: a dimension line (drawn over
// everything) without modifiers, a resize handle of the one resizable item without Alt, and a shape
// without modifiers where nothing drawn over shapes (a label, a piece, a helix, an item) lies.
bool CanvasPanel::pressOnTool(const wxMouseEvent& event)
{
    if (placement_.active())
        return false;
    const ToolPointer pointer = toolPointer(event);
    lastToolPointer_ = pointer;
    if (drawingToolActive()) {
        applyToolResult(tool_->press(layout(), view_, pointer));
        showCursor(tool_ ? tool_->cursor() : ToolCursor::Normal);
        return true;
    }
    if (wxGetKeyState(WXK_SPACE))
        return false;
    if (!pointer.anyModifier() && startToolDrag(std::make_unique<DimensionDragTool>(), pointer))
        return true;
    if (!pointer.alt && startToolDrag(std::make_unique<SceneryResizeTool>(), pointer))
        return true;
    if (pointer.anyModifier())
        return false;
    const wxPoint pixel = event.GetPosition();
    if (hitLabel(layout(), view_, pixel.x, pixel.y) != -1 || pieceUnder(pixel) != -1 ||
        hitScenery(layout(), view_, pixel.x, pixel.y) != -1)
        return false;
    return startToolDrag(std::make_unique<ShapeDragTool>(), pointer);
}

// Shift (without Ctrl) near the edge of a level's outline, where no piece lies.
bool CanvasPanel::pressOnLevelOutline(const wxMouseEvent& event)
{
    if (!event.ShiftDown() || event.ControlDown())
        return false;
    return startToolDrag(std::make_unique<LevelOutlineDragTool>(), toolPointer(event));
}

bool CanvasPanel::startToolDrag(std::unique_ptr<CanvasTool> tool, const ToolPointer& pointer)
{
    const EditResult result = tool->press(layout(), view_, pointer);
    if (!tool->busy())
        return false;
    tool_ = std::move(tool);
    lastToolPointer_ = pointer;
    capture();
    showCursor(tool_->cursor());
    applyToolResult(result);
    return true;
}

bool CanvasPanel::toolMotion(const wxMouseEvent& event)
{
    // A ghost the palette hands over while a drawing tool is on follows the pointer until dropped.
    if (!tool_ || placement_.active())
        return false;
    const ToolPointer pointer = toolPointer(event);
    lastToolPointer_ = pointer;
    const bool wasBusy = tool_->busy();
    const EditResult result = tool_->motion(layout(), view_, pointer);
    if (result.changes.any() || !result.message.empty())
        applyToolResult(result);
    if (!tool_)
        return true;
    const ToolCursor before = cursorShown_;
    showCursor(tool_->cursor());
    if (wasBusy || tool_->busy() || cursorShown_ != before)
        Refresh();
    return true;
}

void CanvasPanel::finishToolDrag(const ToolPointer& pointer)
{
    if (!toolDragActive())
        return;
    std::unique_ptr<CanvasTool> tool = std::move(tool_);
    const EditResult result = tool->release(layout(), view_, pointer);
    release();
    restoreCursor();
    applyResult(result);
}

bool CanvasPanel::toolKey(int keyCode)
{
    if (!drawingToolActive() || placement_.active())
        return false;
    const ToolKey key = toolKeyOf(keyCode);
    if (!tool_->wantsKey(key))
        return false;
    applyToolResult(tool_->key(layout(), key));
    Refresh();
    return true;
}

void CanvasPanel::doubleClickOnItem(const wxMouseEvent& event)
{
    const wxPoint pixel = event.GetPosition();
    const int item = hitScenery(layout(), view_, pixel.x, pixel.y);
    const int shape = item == -1 ? hitShape(layout(), toWorld(pixel)) : -1;
    if (item == -1 && shape == -1)
        return;
    // The second press of the double-click began a drag; it ends before the dialog takes the mouse.
    finishLeftDrags(pixel);
    if (item != -1)
        editSceneryScale(item);
    else
        editShapeProperties(shape);
}

void CanvasPanel::editSceneryScale(int itemId)
{
    const SceneryItem* item = layout().findScenery(itemId);
    const SceneryDef* def = item == nullptr ? nullptr : SceneryCatalog::instance().find(item->item);
    if (def == nullptr)
        return;
    ResizeSceneryDialog dialog(wxGetTopLevelParent(this), *item, *def);
    switch (dialog.ShowModal()) {
    case wxID_OK:
        applyResult(applySceneryScale(layout(), itemId, dialog.scaleX(), dialog.scaleY()));
        break;
    case ResizeSceneryDialog::kResetId:
        applyResult(resetSceneryScale(layout(), itemId));
        break;
    default:
        break;
    }
}

void CanvasPanel::editShapeProperties(int shapeId)
{
    const LayoutShape* shape = nullptr;
    for (const LayoutShape& s : layout().shapes)
        if (s.id == shapeId)
            shape = &s;
    if (shape == nullptr)
        return;
    const LengthUnit unit = layout().units;
    ShapePropertiesDialog dialog(wxGetTopLevelParent(this), shapeProperties(*shape, unit), unit);
    if (dialog.ShowModal() == wxID_OK)
        applyResult(applyShapeProperties(layout(), shapeId, dialog.properties(), unit));
}

void CanvasPanel::paintToolOverlay(DrawTarget& target)
{
    if (tool_)
        tool_->paintOverlay(target, view_, layout());
}

void CanvasPanel::paintResizeHandles(DrawTarget& target)
{
    if (!drawingToolActive())
        drawResizeHandles(target, view_, layout());
}

} // namespace layrail
