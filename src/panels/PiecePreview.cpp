#include "panels/PiecePreview.h"

#include <algorithm>
#include <cmath>

#include "catalog/Geometry.h"

namespace layrail {

namespace {

double drawnLength(const CatalogPiece& piece) { return std::max(1.0, piece.length); }

} // namespace

double previewScale(const CatalogPiece& piece)
{
    const double length = drawnLength(piece);
    double height = 40.0;
    if (piece.radius > 0.0)
        height = std::fabs((1.0 - std::cos(degToRad(piece.angle))) * piece.radius) * 2.5;
    double extent = std::max(height, 40.0);
    // Turnouts and crossings spread sideways more than their curve alone says.
    if (extent < 60.0 && piece.connectors.size() >= 3)
        extent = 60.0;
    const double scale = std::min(33.0 / extent, 68.0 / length) * 0.8;
    return std::clamp(scale, 0.05, 3.0);
}

CanvasView previewView(const CatalogPiece& piece)
{
    CanvasView view;
    view.zoom = previewScale(piece);
    view.panX = kPreviewWidth / 2.0 - drawnLength(piece) * view.zoom * 0.5;
    view.panY = 30.5;
    return view;
}

PlacedPiece previewPiece(const CatalogPiece& piece)
{
    PlacedPiece placed;
    placed.article = piece.article;
    placed.joints.assign(piece.connectors.size(), Joint{});
    return placed;
}

} // namespace layrail
