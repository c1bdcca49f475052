// What the canvas paints over the plan: the rubber band, the snap target, the ghosts and the
// rotation read-out.

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/Helices.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"
#include "render/Renderer.h"
#include "render/SceneryDrawing.h"

namespace layrail {

namespace {

constexpr Colour kRubberBand = rgb(0, 120, 215);
constexpr Colour kSnapRing = rgb(255, 220, 0);
constexpr double kSnapRingRadius = 8.0;
constexpr Colour kFlashFill = rgb(0, 220, 80, 180);
constexpr Colour kFlashPen = rgb(0, 160, 60);
constexpr Colour kTurnFill = rgb(255, 180, 0, 160);
constexpr Colour kReadoutBox = rgb(30, 30, 30, 200);
constexpr Colour kReadoutSnapped = rgb(0, 255, 100);
constexpr Colour kReadoutText = rgb(255, 255, 255);

// A yellow ring on the open connector the dragged piece will join.
void paintSnapTarget(DrawTarget& target, const CanvasView& view, const Layout& layout, const SnapResult& snap)
{
    if (!snap.found)
        return;
    const PlacedPiece* piece = layout.findPiece(snap.targetId);
    const CatalogPiece* cat = piece ? TrackCatalog::instance().find(piece->article) : nullptr;
    if (cat == nullptr || snap.targetConnector < 0 || snap.targetConnector >= static_cast<int>(cat->connectors.size()))
        return;
    const Connector c = worldConnectors(*piece, *cat)[static_cast<size_t>(snap.targetConnector)];
    target.setPen(kSnapRing, 3);
    target.setNoBrush();
    target.ellipse(toScreen(view, c.x, c.y), kSnapRingRadius, kSnapRingRadius);
}

} // namespace

void CanvasPanel::paintOverlays(DrawTarget& target)
{
    paintRubberBand(target);
    paintToolOverlay(target);
    paintSnapTarget(target, view_, layout(), placement_.palette.snap);
    if (move_.moving)
        paintSnapTarget(target, view_, layout(), move_.snap);
    paintPaletteGhost(target);
    paintSceneryGhost(target);
    drawHelixGhost(target, view_, placement_);
    paintRotationReadout(target);
    paintSpots(target, view_, spots_);
}

void CanvasPanel::paintRubberBand(DrawTarget& target)
{
    if (!rubberBand_)
        return;
    const double x0 = std::min(bandStart_.x, bandEnd_.x);
    const double y0 = std::min(bandStart_.y, bandEnd_.y);
    const double x1 = std::max(bandStart_.x, bandEnd_.x);
    const double y1 = std::max(bandStart_.y, bandEnd_.y);
    target.setPen(kRubberBand, 1, PenStyle::Dotted);
    target.setNoBrush();
    target.polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

void CanvasPanel::paintPaletteGhost(DrawTarget& target)
{
    if (!placement_.palette.active)
        return;
    const CatalogPiece* cat = TrackCatalog::instance().find(placement_.palette.article);
    if (cat != nullptr)
        drawGhostPiece(target, view_, paletteGhostPose(placement_.palette), *cat);
}

void CanvasPanel::paintSceneryGhost(DrawTarget& target)
{
    if (!placement_.scenery.active)
        return;
    const SceneryDef* def = SceneryCatalog::instance().find(placement_.scenery.item);
    if (def == nullptr)
        return;
    SceneryItem ghost;
    ghost.item = placement_.scenery.item;
    ghost.x = placement_.scenery.ghost.x;
    ghost.y = placement_.scenery.ghost.y;
    ghost.heading = placement_.scenery.ghost.heading;
    drawSceneryItem(target, view_, ghost, *def, false);

    // The footprint in the ghost colour shows where the item will stand.
    const double h = degToRad(ghost.heading);
    const double c = std::cos(h);
    const double s = std::sin(h);
    std::vector<PixelPoint> corners;
    for (const auto& [u, v] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}}) {
        const double lx = u * def->width / 2.0;
        const double ly = v * def->depth / 2.0;
        corners.push_back(toScreen(view_, ghost.x + lx * c - ly * s, ghost.y + lx * s + ly * c));
    }
    target.setPen(colours::kGhostOutline, 2, PenStyle::Dotted);
    target.setNoBrush();
    target.polygon(corners);
}

void CanvasPanel::paintRotationReadout(DrawTarget& target)
{
    if (!rotate_.active)
        return;
    const PixelPoint centre = toScreen(view_, rotate_.centre);
    const double radius = rotate_.flash ? 16.0 : 8.0;
    if (rotate_.flash)
        target.setPen(kFlashPen, 2);
    else
        target.setNoPen();
    target.setBrush(rotate_.flash ? kFlashFill : kTurnFill);
    target.ellipse(centre, radius, radius);

    const std::string text = rotationReadout(rotate_);
    const FontSpec font{11, false};
    const TextExtent extent = target.textExtent(text, font);
    const double boxX = centre.x + radius + 6.0;
    const double boxY = centre.y - extent.height / 2.0 - 3.0;
    target.setNoPen();
    target.setBrush(kReadoutBox);
    target.roundedRectangle(boxX, boxY, extent.width + 10.0, extent.height + 6.0, 3.0);
    target.text(text, boxX + 5.0, boxY + 3.0, font, rotate_.flash ? kReadoutSnapped : kReadoutText);
}

} // namespace layrail
