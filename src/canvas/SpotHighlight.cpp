#include "canvas/SpotHighlight.h"

#include <algorithm>

namespace layrail {

namespace {

constexpr double kClosestSpotZoom = 4.0;
constexpr Colour kSpotHalo{255, 255, 255, 200};

} // namespace

CanvasView viewOnto(const PlanArea& area, int width, int height)
{
    const double w = std::max(area.maxX - area.minX, 1.0), h = std::max(area.maxY - area.minY, 1.0);
    CanvasView view;
    view.zoom = std::clamp(std::min(std::max(width, 1) / w, std::max(height, 1) / h), kMinFitZoom, kClosestSpotZoom);
    view.panX = width / 2.0 - view.zoom * (area.minX + area.maxX) / 2.0;
    view.panY = height / 2.0 - view.zoom * (area.minY + area.maxY) / 2.0;
    return view;
}

void paintSpots(DrawTarget& target, const CanvasView& view, const std::vector<Point>& spots)
{
    target.setNoBrush();
    for (const Point& spot : spots) {
        const PixelPoint at{view.projectX(spot.x), view.projectY(spot.y)};
        // A light halo keeps the ring visible on dark track and on the grid alike.
        target.setPen(kSpotHalo, 6);
        target.ellipse(at, kSpotRingRadius, kSpotRingRadius);
        target.setPen(kSpotRing, 3);
        target.ellipse(at, kSpotRingRadius, kSpotRingRadius);
    }
}

} // namespace layrail
