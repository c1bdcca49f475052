#pragma once

#include "document/Layout.h"
#include "render/DrawTarget.h"

namespace layrail {

constexpr double kInitialZoom = 0.4;
constexpr double kInitialPan = 60.0;
constexpr double kMinWheelZoom = 0.3;
constexpr double kMaxZoom = 20.0;
constexpr double kMinFitZoom = 0.05;

// Pixels per millimetre and the screen position of the world origin.
struct CanvasView {
    double zoom = kInitialZoom;
    double panX = kInitialPan;
    double panY = kInitialPan;
    // The screen cuts projected points to whole pixels; paper and vector files keep them exact.
    bool wholePixels = true;

    int toScreenX(double x) const { return static_cast<int>(zoom * x + panX); }
    int toScreenY(double y) const { return static_cast<int>(zoom * y + panY); }
    // Where a point lands on the target, cut to whole pixels or not.
    double projectX(double x) const { return wholePixels ? toScreenX(x) : zoom * x + panX; }
    double projectY(double y) const { return wholePixels ? toScreenY(y) : zoom * y + panY; }
    double toWorldX(double sx) const { return (sx - panX) / zoom; }
    double toWorldY(double sy) const { return (sy - panY) / zoom; }

    void zoomAt(double factor, double mouseX, double mouseY);
    void zoomCentre(double factor, int clientWidth, int clientHeight);
    void reset();
    void zoomActual();
    void zoomToFit(const Layout& layout, bool ignoreOutlines, int clientWidth, int clientHeight);
};

} // namespace layrail
