#pragma once

#include <functional>

#include <wx/frame.h>

#include "document/Layout.h"
#include "view3d/ui/TrackGLCanvas.h"

namespace layrail {

// The 3D view's own top-level window: one OpenGL canvas showing the layout, floating on its parent.
// The owner keeps the layout alive while the window is open, calls `markStale` after every change of the
// layout's content or levels, and `rebuildAndRaise` when the user asks for the 3D view again.
class View3DFrame : public wxFrame {
public:
    // The layout is read again at every rebuild; the reference or the function must stay valid while
    // the window exists. The window maximises and shows itself.
    View3DFrame(wxWindow* parent, const layrail::Layout& layout);
    View3DFrame(wxWindow* parent, TrackGLCanvas::LayoutSource layout);

    // Rebuild the scene at the next paint; nothing is rebuilt while the window is hidden or minimised.
    void markStale();
    // Shows the window (restoring it when minimised), brings it to the front and rebuilds the scene at the
    // paint that follows.
    void rebuildAndRaise();

    // Called once when the user closes the window, before it is destroyed.
    void setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

    // The canvas, or null when OpenGL is not available and the window shows a message instead.
    TrackGLCanvas* canvas() const { return canvas_; }

private:
    void showUnavailable();

    TrackGLCanvas* canvas_ = nullptr;
    std::function<void()> closed_;
};

} // namespace layrail
