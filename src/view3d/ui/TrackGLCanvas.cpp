#include "view3d/ui/TrackGLCanvas.h"

#include <GL/gl.h>

#include <exception>
#include <vector>

#include <wx/dcclient.h>
#include <wx/log.h>

#include "view3d/ui/GLAvailability.h"

namespace layrail {

bool TrackGLCanvas::chooseAttributes(wxGLAttributes& attributes)
{
    if (!displayOffersOpenGL())
        return false;
    // A deep depth buffer first: the view spans from 1 mm to 60 m.
    for (int depth : {24, 16}) {
        wxGLAttributes candidate;
        candidate.PlatformDefaults().RGBA().DoubleBuffer().Depth(depth).EndList();
        if (wxGLCanvas::IsDisplaySupported(candidate)) {
            attributes = candidate;
            return true;
        }
    }
    return false;
}

TrackGLCanvas::TrackGLCanvas(wxWindow* parent, const wxGLAttributes& attributes, LayoutSource layout)
    : wxGLCanvas(parent, attributes, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE, "GLCanvas"),
      layout_(std::move(layout))
{
    // The drawing needs the fixed-function pipeline: a compatibility context, else whatever the
    // platform gives by default.
    wxGLContextAttrs compatible;
    compatible.PlatformDefaults().CompatibilityProfile().OGLVersion(2, 1).EndList();
    context_ = std::make_unique<wxGLContext>(this, nullptr, &compatible);
    if (!context_->IsOK())
        context_ = std::make_unique<wxGLContext>(this);
    if (!context_->IsOK())
        context_.reset();

    Bind(wxEVT_PAINT, &TrackGLCanvas::onPaint, this);
    Bind(wxEVT_SIZE, &TrackGLCanvas::onSize, this);
    Bind(wxEVT_LEFT_DOWN, &TrackGLCanvas::onButtonDown, this);
    Bind(wxEVT_RIGHT_DOWN, &TrackGLCanvas::onButtonDown, this);
    Bind(wxEVT_LEFT_UP, &TrackGLCanvas::onButtonUp, this);
    Bind(wxEVT_RIGHT_UP, &TrackGLCanvas::onButtonUp, this);
    Bind(wxEVT_MOTION, &TrackGLCanvas::onMotion, this);
    Bind(wxEVT_MOUSEWHEEL, &TrackGLCanvas::onWheel, this);
    Bind(wxEVT_KEY_DOWN, &TrackGLCanvas::onKey, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &TrackGLCanvas::onCaptureLost, this);

    rebuildScene();
}

TrackGLCanvas::~TrackGLCanvas()
{
    if (context_ && initialised_ && SetCurrent(*context_))
        buffers_.release();
}

void TrackGLCanvas::markStale()
{
    stale_ = true;
    if (IsShownOnScreen())
        Refresh(false);
}

void TrackGLCanvas::rebuildScene()
{
    scene_ = buildScene(layout_());
    camera_.frame(scene_.bounds);
    stale_ = false;
    buffersStale_ = true;
    ++rebuilds_;
}

bool TrackGLCanvas::prepareContext()
{
    if (!context_ || !IsShownOnScreen() || !SetCurrent(*context_))
        return false;
    if (!initialised_) {
        setUpGL();
        buffers_.initialise();
        initialised_ = true;
    }
    if (stale_) {
        // A failed rebuild keeps the scene that is already on show.
        try {
            rebuildScene();
        } catch (const std::exception& e) {
            stale_ = false;
            wxLogDebug("3D scene rebuild failed: %s", e.what());
        }
    }
    if (buffersStale_) {
        buffers_.release();
        buffersStale_ = false;
    }
    return true;
}

wxSize TrackGLCanvas::pixelSize() const
{
    const wxSize client = GetClientSize();
    const double scale = GetContentScaleFactor();
    return {static_cast<int>(client.x * scale), static_cast<int>(client.y * scale)};
}

void TrackGLCanvas::onPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (!prepareContext())
        return;
    const wxSize size = pixelSize();
    drawFrame(size.x, size.y);
    SwapBuffers();
}

void TrackGLCanvas::onSize(wxSizeEvent& event)
{
    Refresh(false);
    event.Skip();
}

wxImage TrackGLCanvas::renderToImage()
{
    if (!prepareContext())
        return wxImage();
    const wxSize size = pixelSize();
    if (size.x < 1 || size.y < 1)
        return wxImage();
    drawFrame(size.x, size.y);
    glFinish();
    std::vector<unsigned char> pixels(static_cast<std::size_t>(size.x) * static_cast<std::size_t>(size.y) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, size.x, size.y, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    SwapBuffers();
    // GL rows run from the bottom up.
    wxImage image(size.x, size.y, false);
    const std::size_t row = static_cast<std::size_t>(size.x) * 3;
    for (int y = 0; y < size.y; ++y)
        std::copy_n(pixels.data() + static_cast<std::size_t>(size.y - 1 - y) * row, row, image.GetData() + y * row);
    return image;
}

FrameStats TrackGLCanvas::renderFrame()
{
    if (!prepareContext())
        return {};
    const wxSize size = pixelSize();
    const FrameStats stats = drawFrame(size.x, size.y);
    glFinish();
    return stats;
}

void TrackGLCanvas::onButtonDown(wxMouseEvent& event)
{
    lastMouse_ = event.GetPosition();
    rotating_ = event.LeftIsDown();
    panning_ = event.RightIsDown();
    if (!HasCapture())
        CaptureMouse();
    SetFocus();
}

void TrackGLCanvas::onButtonUp(wxMouseEvent&)
{
    rotating_ = false;
    panning_ = false;
    if (HasCapture())
        ReleaseMouse();
}

void TrackGLCanvas::onMotion(wxMouseEvent& event)
{
    const wxPoint at = event.GetPosition();
    const wxPoint delta = at - lastMouse_;
    lastMouse_ = at;
    if (camera_.drag(delta.x, delta.y, rotating_, panning_))
        Refresh(false);
}

void TrackGLCanvas::onWheel(wxMouseEvent& event)
{
    camera_.zoom(event.GetWheelRotation());
    Refresh(false);
}

void TrackGLCanvas::onKey(wxKeyEvent& event)
{
    if (event.GetKeyCode() == 'R' || event.GetKeyCode() == 'r') {
        camera_.reset();
        Refresh(false);
        return;
    }
    event.Skip();
}

void TrackGLCanvas::onCaptureLost(wxMouseCaptureLostEvent&)
{
    rotating_ = false;
    panning_ = false;
}

} // namespace layrail
