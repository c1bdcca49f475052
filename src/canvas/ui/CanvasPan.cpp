// Panning with the middle button, Ctrl+left on empty canvas or Space+left, and the pointer
// position in the status bar.

#include <cstdlib>

#include "canvas/CanvasStatus.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {

namespace {

// A press that moves no further than this in both directions does not pan yet.
constexpr int kPanDeadZone = 3;

} // namespace

void CanvasPanel::onMiddleDown(wxMouseEvent& event) { beginPan(event.GetPosition(), PanButton::Middle); }

void CanvasPanel::onMiddleUp(wxMouseEvent&)
{
    if (panning_ == PanButton::Middle)
        endPan();
}

void CanvasPanel::beginPan(wxPoint pixel, PanButton button)
{
    panning_ = button;
    labelClick_ = false;
    panPress_ = pixel;
    panXAtPress_ = view_.panX;
    panYAtPress_ = view_.panY;
    SetCursor(wxCursor(wxCURSOR_HAND));
    capture();
}

void CanvasPanel::endPan()
{
    panning_ = PanButton::None;
    restoreCursor();
    release();
}

void CanvasPanel::panTo(wxPoint pixel)
{
    const int dx = pixel.x - panPress_.x;
    const int dy = pixel.y - panPress_.y;
    if (std::abs(dx) <= kPanDeadZone && std::abs(dy) <= kPanDeadZone)
        return;
    view_.panX = panXAtPress_ + dx;
    view_.panY = panYAtPress_ + dy;
    Refresh();
}

void CanvasPanel::showPointerPosition(wxPoint pixel)
{
    const std::string text = pointerStatusText(view_.toWorldX(pixel.x), view_.toWorldY(pixel.y), layout().units);
    host_.setStatusText(StatusField::Pointer, text);
}

} // namespace layrail
