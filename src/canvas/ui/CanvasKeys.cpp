// Keys on the canvas: R turns the ghost, Escape cancels or deselects, Delete and Backspace delete.
// A drawing tool takes Enter, Backspace and Escape first.

#include "document/DeleteSelection.h"
#include "canvas/Locks.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/SelectionFlags.h"

namespace layrail {

void CanvasPanel::onKeyDown(wxKeyEvent& event)
{
    bool handled = true;
    guarded([&] {
        if (toolKey(event.GetKeyCode()))
            return;
        switch (event.GetKeyCode()) {
        case 'R':
        case 'r':
            if (placement_.active()) {
                turnGhostByStep(placement_, layout());
                Refresh();
            }
            break;
        case WXK_ESCAPE:
            if (placement_.active()) {
                cancelDrag();
            } else {
                deselectAll(layout());
                selectionChanged();
            }
            break;
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
        case WXK_BACK:
            deleteSelection();
            break;
        default:
            handled = false;
            break;
        }
    });
    if (!handled)
        event.Skip();
}

void CanvasPanel::deleteSelection()
{
    finishDrags();
    guarded([&] {
        if (!anythingSelected(layout()))
            return;
        const GateCheck gate = checkDelete(layout());
        if (gate.gate == Gate::Refused) {
            showMessage(gate.message);
            return;
        }
        if (gate.gate == Gate::Ask && !askYesNo(gate.message))
            return;
        applyResult(layrail::deleteSelection(layout()));
    });
}

} // namespace layrail
