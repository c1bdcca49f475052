#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "catalog/Geometry.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"

namespace layrail {

inline PixelPoint toScreen(const CanvasView& view, double x, double y)
{
    return PixelPoint{view.projectX(x), view.projectY(y)};
}
inline PixelPoint toScreen(const CanvasView& view, const Point& p) { return toScreen(view, p.x, p.y); }

// A rotated and translated local frame: the pose of a piece or a scenery item.
struct Frame {
    double x = 0.0, y = 0.0, c = 1.0, s = 0.0;
    Frame() = default;
    Frame(double px, double py, double headingDeg)
        : x(px), y(py), c(std::cos(degToRad(headingDeg))), s(std::sin(degToRad(headingDeg)))
    {
    }
    Point at(double lx, double ly) const { return Point{x + lx * c - ly * s, y + lx * s + ly * c}; }
};

// The part of the world a target of the given size shows, widened by a margin in pixels.
struct WorldRect {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    bool overlaps(double x0, double y0, double x1, double y1) const
    {
        return x1 >= minX && x0 <= maxX && y1 >= minY && y0 <= maxY;
    }
    bool overlapsCircle(double cx, double cy, double r) const { return overlaps(cx - r, cy - r, cx + r, cy + r); }
};

inline WorldRect visibleWorld(const CanvasView& view, int width, int height, double marginPx)
{
    return WorldRect{view.toWorldX(-marginPx), view.toWorldY(-marginPx), view.toWorldX(width + marginPx),
                     view.toWorldY(height + marginPx)};
}

// Buffers reused from call to call so that drawing a piece allocates nothing once warmed up.
struct RenderScratch {
    std::vector<PixelPoint> points;
    std::vector<Point> connectors;
};
RenderScratch& renderScratch();

// Text centred on a screen point.
void drawCentredText(DrawTarget& target, const std::string& text, double cx, double cy, const FontSpec& font,
                     Colour colour);
// Text centred on a screen point, turned counter-clockwise on screen by the angle in degrees.
void drawRotatedCentredText(DrawTarget& target, const std::string& text, double cx, double cy,
                            const FontSpec& font, Colour colour, double angle);
// Centred text on a rounded box (radius 3) that is the text extent plus padding.
void drawTextOnBox(DrawTarget& target, const std::string& text, double cx, double cy, const FontSpec& font,
                   Colour textColour, Colour boxFill, Colour boxPen, double padWidth, double padHeight);

// A font size that scales with the zoom, replaced by a fallback below a threshold.
inline int scaledFontSize(double zoom, double factor, int below, int fallback)
{
    int size = static_cast<int>(zoom * factor);
    return size < below ? fallback : size;
}

} // namespace layrail
