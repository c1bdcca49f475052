// The wheel (zoom, turning the ghost, Ctrl+wheel rotation) and the Alt-drag rotation read-out.

#include <algorithm>

#include "canvas/ui/CanvasPanel.h"

namespace layrail {

namespace {

constexpr double kWheelZoomFactor = 1.15;
constexpr int kFlashMilliseconds = 400;

} // namespace

bool CanvasPanel::anythingToRotate()
{
    const layrail::Layout& l = layout();
    return std::any_of(l.pieces.begin(), l.pieces.end(), [](const PlacedPiece& p) { return p.selected; }) ||
           std::any_of(l.scenery.begin(), l.scenery.end(), [](const SceneryItem& s) { return s.selected; });
}

void CanvasPanel::onMouseWheel(wxMouseEvent& event)
{
    guarded([&] {
        if (placement_.palette.active || placement_.scenery.active) {
            turnGhostByWheel(placement_, layout(), event.GetWheelRotation(), event.ShiftDown());
            Refresh();
        } else if (event.ControlDown() && anythingToRotate()) {
            // Pieces being dragged keep their heading: a turn now would record a second snapshot and
            // be undone by the drag's own start poses.
            if (!selectionDragActive())
                applyResult(rotateSelectionByWheel(layout(), event.GetWheelRotation(), event.ShiftDown()));
        } else {
            const double factor = event.GetWheelRotation() >= 1 ? kWheelZoomFactor : 1.0 / kWheelZoomFactor;
            view_.zoomAt(factor, event.GetX(), event.GetY());
            Refresh();
        }
    });
}

void CanvasPanel::rotateMotion(wxPoint pixel)
{
    const RotateStep step = updateRotateDrag(layout(), rotate_, view_, pixel.x, pixel.y);
    if (step.startFlashTimer)
        flashTimer_.StartOnce(kFlashMilliseconds);
    if (step.stopFlashTimer)
        flashTimer_.Stop();
    Refresh();
}

} // namespace layrail
