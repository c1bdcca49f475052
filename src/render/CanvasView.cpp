#include "render/CanvasView.h"

#include <algorithm>
#include <cmath>

#include "catalog/HelixKits.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

namespace {

constexpr double kFitMargin = 80.0;
constexpr double kUnknownHelixRadius = 500.0;

struct Box {
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    void add(double x, double y)
    {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    void add(const Point& p) { add(p.x, p.y); }
    bool empty() const { return minX > maxX || minY > maxY; }
};

bool hasOutlines(const Layout& layout)
{
    for (const Level& level : layout.levels)
        if (level.outline.size() >= 3)
            return true;
    return layout.baseboard.vertices.size() >= 3;
}

Box contentBox(const Layout& layout, bool ignoreOutlines)
{
    Box box;
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const PlacedPiece& piece : layout.pieces) {
        const CatalogPiece* cp = catalog.find(piece.article);
        if (!cp)
            continue;
        double h = degToRad(piece.heading);
        box.add(piece.x, piece.y);
        box.add(piece.x + cp->length * std::cos(h), piece.y + cp->length * std::sin(h));
    }
    for (const SceneryItem& item : layout.scenery)
        box.add(item.x, item.y);
    if (!ignoreOutlines) {
        for (const Level& level : layout.levels)
            for (const Point& p : level.outline)
                box.add(p);
        for (const Point& p : layout.baseboard.vertices)
            box.add(p);
    }
    for (const LayoutShape& shape : layout.shapes)
        for (const Point& p : shape.points)
            box.add(p);
    for (const Helix& helix : layout.helices) {
        const HelixKit* kit = findHelixKit(helix.variant);
        double r = kit ? kit->outerRadius : kUnknownHelixRadius;
        box.add(helix.cx - r, helix.cy - r);
        box.add(helix.cx + r, helix.cy + r);
    }
    return box;
}

} // namespace

void CanvasView::zoomAt(double factor, double mouseX, double mouseY)
{
    double oldZoom = zoom;
    double newZoom = std::clamp(zoom * factor, kMinWheelZoom, kMaxZoom);
    // A fit may lie outside the wheel's range; the clamp must never turn the step around.
    if ((factor < 1.0 && newZoom > oldZoom) || (factor > 1.0 && newZoom < oldZoom))
        newZoom = oldZoom;
    panX = mouseX - (mouseX - panX) / oldZoom * newZoom;
    panY = mouseY - (mouseY - panY) / oldZoom * newZoom;
    zoom = newZoom;
}

void CanvasView::zoomCentre(double factor, int clientWidth, int clientHeight)
{
    zoomAt(factor, clientWidth / 2, clientHeight / 2);
}

void CanvasView::reset()
{
    zoom = kInitialZoom;
    panX = kInitialPan;
    panY = kInitialPan;
}

void CanvasView::zoomActual()
{
    zoom = 1.0;
    panX = kInitialPan;
    panY = kInitialPan;
}

void CanvasView::zoomToFit(const Layout& layout, bool ignoreOutlines, int clientWidth, int clientHeight)
{
    bool noContent = layout.pieces.empty() && layout.scenery.empty() && layout.shapes.empty() &&
                     layout.helices.empty();
    if (noContent && (ignoreOutlines || !hasOutlines(layout))) {
        reset();
        return;
    }
    Box box = contentBox(layout, ignoreOutlines);
    // Only pieces with unknown articles: nothing to frame.
    if (box.empty()) {
        reset();
        return;
    }
    double boxWidth = box.maxX - box.minX;
    double boxHeight = box.maxY - box.minY;
    double usableWidth = clientWidth - 2.0 * kFitMargin;
    double usableHeight = clientHeight - 2.0 * kFitMargin;
    double sx = usableWidth / std::max(boxWidth, 1.0);
    double sy = usableHeight / std::max(boxHeight, 1.0);
    zoom = std::max(std::min(std::min(sx, sy), kMaxZoom), kMinFitZoom);
    panX = (usableWidth - zoom * boxWidth) / 2.0 + kFitMargin - zoom * box.minX;
    panY = (usableHeight - zoom * boxHeight) / 2.0 + kFitMargin - zoom * box.minY;
}

} // namespace layrail
