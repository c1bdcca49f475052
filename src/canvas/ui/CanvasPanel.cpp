#include "canvas/ui/CanvasPanel.h"

#include <cstdlib>

#include <wx/dcbuffer.h>
#include <wx/dcgraph.h>

#include "app/ui/MainFrame.h"
#include "canvas/CanvasStatus.h"
#include "canvas/Renderer.h"
#include "canvas/ui/WxDrawTarget.h"

namespace layrail {

namespace {

constexpr double kWheelZoomFactor = 1.15;
// A middle press that moves no further than this in both directions does not pan yet.
constexpr int kPanDeadZone = 3;

} // namespace

CanvasPanel::CanvasPanel(wxWindow* parent, MainFrame& frame)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
              wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxNO_BORDER),
      frame_(frame)
{
    // Every pixel is painted by the renderer, on every paint and after every resize.
    SetBackgroundStyle(wxBG_STYLE_PAINT);

    Bind(wxEVT_PAINT, &CanvasPanel::onPaint, this);
    Bind(wxEVT_MOUSEWHEEL, &CanvasPanel::onMouseWheel, this);
    Bind(wxEVT_MIDDLE_DOWN, &CanvasPanel::onMiddleDown, this);
    Bind(wxEVT_MIDDLE_UP, &CanvasPanel::onMiddleUp, this);
    Bind(wxEVT_MOTION, &CanvasPanel::onMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CanvasPanel::onCaptureLost, this);
}

layrail::Layout& CanvasPanel::layout() { return frame_.layout(); }

void CanvasPanel::zoomCentre(double factor)
{
    const wxSize size = GetClientSize();
    view_.zoomCentre(factor, size.x, size.y);
    Refresh();
}

void CanvasPanel::zoomToFit(bool ignoreOutlines)
{
    const wxSize size = GetClientSize();
    view_.zoomToFit(layout(), ignoreOutlines, size.x, size.y);
    Refresh();
}

void CanvasPanel::resetView()
{
    view_.reset();
    Refresh();
}

void CanvasPanel::zoomActual()
{
    view_.zoomActual();
    Refresh();
}

void CanvasPanel::setToolMode(ToolMode mode)
{
    toolMode_ = mode;
    restoreCursor();
}

void CanvasPanel::restoreCursor()
{
    SetCursor(toolMode_ == ToolMode::None ? wxNullCursor : wxCursor(wxCURSOR_CROSS));
}

void CanvasPanel::paintCanvas(wxGCDC& dc)
{
    const wxSize size = GetClientSize();
    WxDrawTarget target(dc);
    renderLayout(layout(), target, view_, size.x, size.y);
    drawRulers(target, view_, layout().units, size.x, size.y);
    updateElevationStatus();
}

void CanvasPanel::updateElevationStatus()
{
    wxStatusBar* status = frame_.GetStatusBar();
    if (status == nullptr)
        return;
    const std::string current = status->GetStatusText(0).utf8_string();
    const std::string wanted = elevationStatusText(layout(), current);
    // Setting an unchanged text would repaint the status bar on every canvas paint.
    if (wanted != current)
        status->SetStatusText(wxString::FromUTF8(wanted), 0);
}

void CanvasPanel::onPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC buffered(this);
    wxGCDC dc(buffered);
    paintCanvas(dc);
}

void CanvasPanel::onMouseWheel(wxMouseEvent& event)
{
    const double factor = event.GetWheelRotation() >= 1 ? kWheelZoomFactor : 1.0 / kWheelZoomFactor;
    view_.zoomAt(factor, event.GetX(), event.GetY());
    Refresh();
}

void CanvasPanel::onMiddleDown(wxMouseEvent& event)
{
    panning_ = true;
    panPress_ = event.GetPosition();
    panXAtPress_ = view_.panX;
    panYAtPress_ = view_.panY;
    SetCursor(wxCursor(wxCURSOR_HAND));
    if (!HasCapture())
        CaptureMouse();
}

void CanvasPanel::onMiddleUp(wxMouseEvent&)
{
    if (panning_)
        endPan();
}

void CanvasPanel::onCaptureLost(wxMouseCaptureLostEvent&)
{
    panning_ = false;
    restoreCursor();
}

void CanvasPanel::endPan()
{
    panning_ = false;
    restoreCursor();
    if (HasCapture())
        ReleaseMouse();
}

void CanvasPanel::onMotion(wxMouseEvent& event)
{
    showPointerPosition(event.GetPosition());
    if (panning_)
        panTo(event.GetPosition());
    event.Skip();
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
    frame_.SetStatusText(wxString::FromUTF8(text), 2);
}

} // namespace layrail
