// Left button and motion on the canvas: dropping what the palette carries, selecting, dragging
// the selection, labels, the rubber band and the Ctrl or Space pan. The tools' own rules (drawing,
// shapes, dimension lines, level outlines, resize handles) are in CanvasTools.cpp.

#include <wx/utils.h>

#include "canvas/Helices.h"
#include "canvas/HitTest.h"
#include "canvas/Locks.h"
#include "canvas/Placement.h"
#include "canvas/Selection.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {

int CanvasPanel::pieceUnder(wxPoint pixel)
{
    const int piece = hitPiece(layout(), view_, pixel.x, pixel.y);
    if (piece != -1)
        return piece;
    const int helix = hitHelix(layout(), view_, pixel.x, pixel.y);
    return helix == -1 ? -1 : helixStandIn(layout(), helix);
}

void CanvasPanel::onLeftDown(wxMouseEvent& event)
{
    guarded([&] {
        SetFocus();
        if (pressOnTool(event))
            return;
        const wxPoint pixel = event.GetPosition();
        if (event.AltDown() && anythingToRotate()) {
            applyResult(beginRotateDrag(layout(), rotate_, view_, pixel.x, pixel.y));
            if (rotate_.active)
                capture();
            return;
        }
        if (swallowNextPress_) {
            swallowNextPress_ = false;
            if (wxGetUTCTimeMillis() <= swallowUntil_)
                return;
        }
        if (pressDropsCarriedItem())
            return;
        if (wxGetKeyState(WXK_SPACE)) {
            beginPan(pixel, PanButton::Left);
            return;
        }
        if (pressOnLabel(pixel) || pressOnPieceAt(event) || pressOnLevelOutline(event) || pressOnSceneryAt(event))
            return;
        pressOnEmptyCanvas(event);
    });
}

bool CanvasPanel::pressDropsCarriedItem()
{
    if (placement_.palette.active) {
        release();
        applyResult(dropPiece(layout(), placement_));
        return true;
    }
    if (placement_.scenery.active) {
        release();
        applyResult(dropScenery(layout(), placement_));
        return true;
    }
    if (placement_.helix.active) {
        release();
        applyResult(dropHelix(layout(), placement_));
        return true;
    }
    return false;
}

bool CanvasPanel::pressOnLabel(wxPoint pixel)
{
    const int id = hitLabel(layout(), view_, pixel.x, pixel.y);
    if (id == -1)
        return false;
    beginLabelDrag(layout(), labelDrag_, id, toWorld(pixel));
    capture();
    selectionChanged();
    return true;
}

bool CanvasPanel::pressOnPieceAt(const wxMouseEvent& event)
{
    const int piece = pieceUnder(event.GetPosition());
    if (piece == -1)
        return false;
    if (selectOnPiecePress(layout(), piece, event.ControlDown(), event.ShiftDown()))
        session_.commit(Changes::ofSelection());
    pressOnPiece(move_, view_, event.GetX(), event.GetY());
    capture();
    Refresh();
    return true;
}

bool CanvasPanel::pressOnSceneryAt(const wxMouseEvent& event)
{
    const int item = hitScenery(layout(), view_, event.GetX(), event.GetY());
    if (item == -1)
        return false;
    selectOnSceneryPress(layout(), item, event.ShiftDown());
    beginSceneryMove(layout(), move_, view_, event.GetX(), event.GetY());
    capture();
    selectionChanged();
    return true;
}

void CanvasPanel::pressOnEmptyCanvas(const wxMouseEvent& event)
{
    clearSelectionAndClipboard(layout(), clipboard_);
    session_.commit(Changes::ofSelection());
    if (event.ControlDown()) {
        hasLabelDropPoint_ = true;
        labelDropPoint_ = toWorld(event.GetPosition());
        beginPan(event.GetPosition(), PanButton::Left);
        labelClick_ = true;
    } else {
        rubberBand_ = true;
        bandStart_ = bandEnd_ = event.GetPosition();
        capture();
    }
    Refresh();
}

void CanvasPanel::onLeftUp(wxMouseEvent& event)
{
    guarded([&] {
        // A Ctrl+press on empty canvas that was not dragged into a pan was a click for a label.
        const bool labelClick = labelClick_ && panning_ == PanButton::Left && view_.panX == panXAtPress_ &&
                                view_.panY == panYAtPress_;
        labelClick_ = false;
        finishLeftDrags(event.GetPosition());
        if (labelClick)
            host_.labelPointChosen();
    });
}

bool CanvasPanel::leftDragActive() const
{
    return panning_ == PanButton::Left || rotate_.active || move_.pending || move_.moving || labelDrag_.active() ||
           rubberBand_ || toolDragActive();
}

bool CanvasPanel::selectionDragActive() const
{
    return rotate_.active || move_.pending || move_.moving || labelDrag_.active();
}

void CanvasPanel::finishLeftDrags(wxPoint pixel)
{
    if (panning_ == PanButton::Left)
        endPan();
    if (toolDragActive())
        finishToolDrag(toolPointer(pixel));
    if (rotate_.active) {
        endRotateDrag(rotate_);
        flashTimer_.Stop();
        release();
        // The turn was committed when it began; the views see where it ended.
        session_.commit(Changes::ofEdit());
    }
    if (move_.pending || move_.moving) {
        release();
        applyResult(endMove(layout(), move_));
    }
    if (labelDrag_.active()) {
        release();
        applyResult(endLabelDrag(labelDrag_));
    }
    if (rubberBand_) {
        rubberBand_ = false;
        release();
        if (rubberBandSelect(layout(), clipboard_, view_, bandStart_.x, bandStart_.y, pixel.x, pixel.y))
            session_.commit(Changes::ofSelection());
        Refresh();
    }
}

void CanvasPanel::onLeftDoubleClick(wxMouseEvent& event)
{
    guarded([&] {
        if (toolMode() != ToolMode::None || event.AltDown() || placement_.active())
            return;
        const int piece = hitPiece(layout(), view_, event.GetX(), event.GetY());
        if (piece == -1) {
            doubleClickOnItem(event);
            return;
        }
        cancelMove(move_);
        release();
        applyResult(clonePiece(layout(), piece));
    });
}

void CanvasPanel::onMotion(wxMouseEvent& event)
{
    guarded([&] {
        showPointerPosition(event.GetPosition());
        // A release the canvas never saw (it went to a message box) ends the drag here.
        if (leftDragActive() && !event.LeftIsDown())
            finishLeftDrags(event.GetPosition());
        else if (panning_ == PanButton::Middle && !event.MiddleIsDown())
            endPan();
        else if (panning_ != PanButton::None)
            panTo(event.GetPosition());
        else
            dragMotion(event);
    });
    event.Skip();
}

void CanvasPanel::dragMotion(const wxMouseEvent& event)
{
    const wxPoint pixel = event.GetPosition();
    if (toolMotion(event))
        return;
    if (placement_.active()) {
        updateSnap(placement_, layout(), toWorld(pixel));
        Refresh();
    } else if (rotate_.active) {
        rotateMotion(pixel);
    } else if (move_.pending) {
        if (moveThresholdPassed(move_, pixel.x, pixel.y))
            startPendingMove(pixel);
    } else if (move_.moving) {
        dragMove(layout(), move_, toWorld(pixel));
        Refresh();
    } else if (labelDrag_.active()) {
        if (dragLabel(layout(), labelDrag_, toWorld(pixel)))
            Refresh();
    } else if (rubberBand_) {
        bandEnd_ = pixel;
        Refresh();
    } else {
        updateHoverCursor(pixel);
    }
}

void CanvasPanel::startPendingMove(wxPoint pixel)
{
    const GateCheck gate = checkMoveStart(layout(), gradedMoveConfirmed_);
    if (gate.gate == Gate::Refused) {
        cancelMove(move_);
        showMessage(gate.message);
        return;
    }
    if (gate.gate == Gate::Ask) {
        if (!askYesNo(gate.message)) {
            cancelMove(move_);
            return;
        }
        gradedMoveConfirmed_ = true;
        capture();
    }
    beginMove(layout(), move_);
    dragMove(layout(), move_, toWorld(pixel));
    Refresh();
}

} // namespace layrail
