#pragma once

#include <wx/panel.h>

#include "canvas/CanvasView.h"
#include "canvas/ToolMode.h"
#include "document/Layout.h"

class wxGCDC;

namespace layrail {

class MainFrame;

// The plan view of the layout: paints it through the renderer, zooms with the wheel, pans with
// the middle button and reports the pointer position in the status bar.
class CanvasPanel : public wxPanel {
public:
    CanvasPanel(wxWindow* parent, MainFrame& frame);

    CanvasView& view() { return view_; }
    const CanvasView& view() const { return view_; }

    void zoomCentre(double factor);
    void zoomToFit(bool ignoreOutlines);
    void resetView();
    void zoomActual();

    ToolMode toolMode() const { return toolMode_; }
    // Also sets the cursor the mode works with.
    void setToolMode(ToolMode mode);

    bool isPanning() const { return panning_; }

    // Everything the canvas shows, in paint order, onto an anti-aliasing context of the client size.
    void paintCanvas(wxGCDC& dc);

private:
    layrail::Layout& layout();

    void onPaint(wxPaintEvent& event);
    void onMouseWheel(wxMouseEvent& event);
    void onMiddleDown(wxMouseEvent& event);
    void onMiddleUp(wxMouseEvent& event);
    void onMotion(wxMouseEvent& event);
    void onCaptureLost(wxMouseCaptureLostEvent& event);

    void showPointerPosition(wxPoint pixel);
    void updateElevationStatus();
    void panTo(wxPoint pixel);
    void endPan();
    void restoreCursor();

    MainFrame& frame_;
    CanvasView view_;
    ToolMode toolMode_ = ToolMode::None;

    bool panning_ = false;
    wxPoint panPress_;
    double panXAtPress_ = 0.0;
    double panYAtPress_ = 0.0;
};

} // namespace layrail
