// The right button: turning the ghost, Alt+right rotation, the piece menu (Autofill Gap, Copy)
// and the Paste menu on empty canvas.

#include <wx/menu.h>

#include "canvas/Autofill.h"
#include "canvas/Rotate.h"
#include "canvas/Selection.h"
#include "canvas/ui/AutofillDialog.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {

namespace {

enum ContextMenuId : int {
    kMenuAutofill = wxID_HIGHEST + 1,
    kMenuCopy,
    kMenuPaste,
};

} // namespace

void CanvasPanel::onRightDown(wxMouseEvent& event)
{
    guarded([&] {
        if (toolMode() != ToolMode::None || leftDragActive())
            return;
        if (placement_.active()) {
            turnGhostByStep(placement_, layout());
            Refresh();
            return;
        }
        if (event.AltDown()) {
            if (anythingToRotate())
                applyResult(rotateSelectionStep(layout()));
            return;
        }
        const int piece = pieceUnder(event.GetPosition());
        if (piece != -1) {
            selectForContextMenu(layout(), piece);
            selectionChanged();
            showContextMenu(event.GetPosition());
        } else if (!clipboard_.empty()) {
            showPasteMenu(event.GetPosition());
        } else if (!event.ShiftDown()) {
            clearSelectionAndClipboard(layout(), clipboard_);
            selectionChanged();
        }
    });
}

void CanvasPanel::showContextMenu(wxPoint pixel)
{
    wxMenu menu;
    if (autofillAvailable(layout()))
        menu.Append(kMenuAutofill, "Autofill Gap...");
    menu.Append(kMenuCopy, "Copy");
    switch (GetPopupMenuSelectionFromUser(menu, pixel)) {
    case kMenuAutofill:
        autofillGap();
        break;
    case kMenuCopy:
        copySelection();
        break;
    default:
        break;
    }
}

void CanvasPanel::showPasteMenu(wxPoint pixel)
{
    wxMenu menu;
    menu.Append(kMenuPaste, "Paste");
    if (GetPopupMenuSelectionFromUser(menu, pixel) == kMenuPaste)
        pasteAt(pixel);
}

void CanvasPanel::copySelection()
{
    guarded([&] { layrail::copySelection(layout(), clipboard_); });
}

void CanvasPanel::pasteAt(wxPoint pixel)
{
    guarded([&] {
        if (!clipboard_.empty())
            applyResult(layrail::pasteAt(layout(), clipboard_, toWorld(pixel)));
    });
}

void CanvasPanel::autofillGap()
{
    guarded([&] {
        const AutofillPlan plan = planAutofill(layout());
        if (!plan.ran)
            return;
        if (!plan.message.empty()) {
            showMessage(plan.message);
            selectionChanged();
            return;
        }
        AutofillDialog dialog(wxGetTopLevelParent(this), plan.prompt, plan.lines);
        const int choice = dialog.choose();
        if (choice < 0 || choice >= static_cast<int>(plan.solutions.size()))
            return;
        applyResult(placeFill(layout(), plan.gap, plan.solutions[static_cast<size_t>(choice)]));
    });
}

} // namespace layrail
