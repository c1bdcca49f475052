#pragma once

#include <functional>
#include <memory>

#include <wx/glcanvas.h>
#include <wx/image.h>

#include "document/Layout.h"
#include "view3d/Camera.h"
#include "view3d/Scene.h"
#include "view3d/ui/GLMeshBuffers.h"

namespace layrail {

// What one frame drew, for measuring.
struct FrameStats {
    std::size_t trackDraws = 0;
    std::size_t triangles = 0;
};

// The OpenGL canvas of the 3D view: draws the scene built from the layout with the fixed-function
// pipeline, and turns, pans and zooms the camera with the mouse, the wheel and "R". It only reads the
// layout; after a change it is marked stale and rebuilds at its next paint.
class TrackGLCanvas : public wxGLCanvas {
public:
    using LayoutSource = std::function<const layrail::Layout&()>;

    // The pixel format the canvas asks for, or false when the display offers none that will do.
    static bool chooseAttributes(wxGLAttributes& attributes);

    TrackGLCanvas(wxWindow* parent, const wxGLAttributes& attributes, LayoutSource layout);
    ~TrackGLCanvas() override;

    // False when no OpenGL context could be created; such a canvas draws nothing.
    bool hasContext() const { return context_ != nullptr; }

    // Rebuild the scene at the next paint; repaints now when the canvas is on screen.
    void markStale();
    bool isStale() const { return stale_; }
    // Builds the scene from the layout and frames the camera on it.
    void rebuildScene();
    int rebuildCount() const { return rebuilds_; }

    const Scene& scene() const { return scene_; }
    Camera& camera() { return camera_; }
    const Camera& camera() const { return camera_; }

    // Draws one frame and reads it back from the back buffer; an empty image without a context.
    wxImage renderToImage();
    // Draws one frame and waits until the driver has finished it.
    FrameStats renderFrame();
    // True when the driver keeps the meshes in buffer objects.
    bool usesBufferObjects() const { return buffers_.usesBufferObjects(); }

private:
    void onPaint(wxPaintEvent& event);
    void onSize(wxSizeEvent& event);
    void onButtonDown(wxMouseEvent& event);
    void onButtonUp(wxMouseEvent& event);
    void onMotion(wxMouseEvent& event);
    void onWheel(wxMouseEvent& event);
    void onKey(wxKeyEvent& event);
    void onCaptureLost(wxMouseCaptureLostEvent& event);

    // Makes the context current and runs the one-time set-up; false when there is nothing to draw with.
    bool prepareContext();
    void setUpGL();
    wxSize pixelSize() const;
    FrameStats drawFrame(int width, int height);
    void drawGrid() const;
    void drawOutlines() const;

    LayoutSource layout_;
    std::unique_ptr<wxGLContext> context_;
    bool initialised_ = false;
    bool stale_ = false;
    // The buffers hold the meshes of a scene that has since been replaced.
    bool buffersStale_ = false;
    int rebuilds_ = 0;
    Camera camera_;
    Scene scene_;
    GLMeshBuffers buffers_;
    wxPoint lastMouse_{0, 0};
    bool rotating_ = false;
    bool panning_ = false;
};

} // namespace layrail
