#include <algorithm>
#include <string>

#include "catalog/Articles.h"
#include "render/PieceDrawing.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"
#include "render/Renderer.h"

namespace layrail {

namespace {

constexpr double kLabelMinZoom = 0.2;
constexpr Colour kCircuitFill = rgb(100, 120, 220);
constexpr Colour kCircuitPen = rgb(60, 60, 160);
constexpr Colour kArticleText = rgb(50, 50, 50);

bool isCircuitTrack(const std::string& article)
{
    return article == kCurvedCircuitTrack || article == kStraightCircuitTrack;
}

void drawCircuitMarker(DrawTarget& target, const CanvasView& view, Point middle)
{
    int halfWidth = std::max(static_cast<int>(view.zoom * 8.0), 3);
    int halfHeight = std::max(static_cast<int>(view.zoom * 4.0), 2);
    PixelPoint c = toScreen(view, middle);
    std::vector<PixelPoint>& points = renderScratch().points;
    points.assign({PixelPoint{c.x - halfWidth, c.y - halfHeight}, PixelPoint{c.x + halfWidth, c.y - halfHeight},
                   PixelPoint{c.x + halfWidth, c.y + halfHeight}, PixelPoint{c.x - halfWidth, c.y + halfHeight}});
    target.setPen(kCircuitPen, 1);
    target.setBrush(kCircuitFill);
    target.polygon(points);
}

} // namespace

void drawJoinDots(DrawTarget& target, const CanvasView& view, const PlacedPiece& piece,
                  const std::vector<Point>& connectors)
{
    int radius = static_cast<int>(view.zoom * 2.5);
    if (radius < 4)
        radius = 3;
    for (size_t i = 0; i < connectors.size(); ++i) {
        Colour colour = piece.isOpen(static_cast<int>(i)) ? colours::kFreeDot : colours::kJoinedDot;
        target.setPen(changeLightness(colour, 70), 1);
        target.setBrush(colour);
        target.ellipse(toScreen(view, connectors[i]), radius, radius);
    }
}

void drawPlacedPiece(const std::set<int>& helixSet, DrawTarget& target, const Layout& layout,
                     const PlacedPiece& piece, const CatalogPiece& catalogPiece, const CanvasView& view,
                     bool selected, bool showLabels, bool inTunnel)
{
    PieceStyle style = pieceStyle(helixSet, layout, piece, catalogPiece, selected, inTunnel);
    Pose pose{piece.x, piece.y, piece.heading};
    std::vector<Point>& connectors = renderScratch().connectors;
    connectorPositions(connectors, pose, catalogPiece);
    drawPieceBody(target, view, pose, catalogPiece, style, selected, connectors, &piece);

    bool circuit = isCircuitTrack(piece.article);
    bool labelled = showLabels && view.zoom >= kLabelMinZoom;
    if (!circuit && !labelled)
        return;
    Point middle = pieceMiddle(pose, catalogPiece);
    if (circuit)
        drawCircuitMarker(target, view, middle);
    if (labelled) {
        PixelPoint at = toScreen(view, middle);
        FontSpec font{scaledFontSize(view.zoom, 9.0, 7, 6), true};
        drawCentredText(target, piece.article, at.x, at.y, font, selected ? colours::kSelectedBlue : kArticleText);
        drawJoinDots(target, view, piece, connectors);
    }
}

void drawGhostPiece(DrawTarget& target, const CanvasView& view, const Pose& pose, const CatalogPiece& catalogPiece)
{
    std::vector<Point>& connectors = renderScratch().connectors;
    connectorPositions(connectors, pose, catalogPiece);
    drawPieceBody(target, view, pose, catalogPiece, PieceStyle{colours::kGhostFill, colours::kGhostOutline}, false,
                  connectors, nullptr);
}

} // namespace layrail
