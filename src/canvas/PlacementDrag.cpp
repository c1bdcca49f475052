#include "canvas/PlacementDrag.h"

#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

namespace {

constexpr double kGhostWindowX = 300.0;
constexpr double kGhostWindowY = 200.0;

Point ghostStart(const CanvasView& view)
{
    return {view.toWorldX(kGhostWindowX), view.toWorldY(kGhostWindowY)};
}

void refreshSnap(PlacementState& state, const Layout& layout)
{
    PaletteDrag& drag = state.palette;
    drag.snap = SnapResult{};
    if (!drag.active || !layout.snapOn)
        return;
    const CatalogPiece* cat = TrackCatalog::instance().find(drag.article);
    if (cat == nullptr)
        return;
    if (state.candidates.stale(layout))
        state.candidates.build(layout, false);
    drag.snap = findSnap(*cat, drag.ghost, state.candidates.pieces());
}

void turnGhost(PlacementState& state, const Layout& layout, double pieceStep, double sceneryStep)
{
    if (state.palette.active) {
        state.palette.ghost.heading = normalizeHeading(state.palette.ghost.heading + pieceStep);
        refreshSnap(state, layout);
    } else if (state.scenery.active) {
        state.scenery.ghost.heading = normalizeHeading(state.scenery.ghost.heading + sceneryStep);
    }
}

} // namespace

bool beginPaletteDrag(PlacementState& state, const std::string& article, const CanvasView& view)
{
    if (article.empty() || TrackCatalog::instance().find(article) == nullptr)
        return false;
    cancelDrag(state);
    const Point at = ghostStart(view);
    state.palette.active = true;
    state.palette.article = article;
    state.palette.ghost = {at.x, at.y, 0.0};
    return true;
}

bool beginSceneryDrag(PlacementState& state, const std::string& item, const CanvasView& view)
{
    if (SceneryCatalog::instance().find(item) == nullptr)
        return false;
    cancelDrag(state);
    const Point at = ghostStart(view);
    state.scenery.active = true;
    state.scenery.item = item;
    state.scenery.ghost = {at.x, at.y, 0.0};
    return true;
}

bool beginHelixPlacement(PlacementState& state, const std::string& kit, const CanvasView& view)
{
    if (kit.empty())
        return false;
    cancelDrag(state);
    state.helix.active = true;
    state.helix.kit = kit;
    state.helix.centre = ghostStart(view);
    return true;
}

void updateSnap(PlacementState& state, const Layout& layout, Point world)
{
    if (state.palette.active) {
        state.palette.ghost.x = world.x;
        state.palette.ghost.y = world.y;
        refreshSnap(state, layout);
    } else if (state.scenery.active) {
        state.scenery.ghost.x = world.x;
        state.scenery.ghost.y = world.y;
    } else if (state.helix.active) {
        state.helix.centre = world;
    }
}

void turnGhostByWheel(PlacementState& state, const Layout& layout, int wheelRotation, bool shift)
{
    if (wheelRotation == 0)
        return;
    const double step = (shift ? 15.0 : 30.0) * (wheelRotation < 0 ? -1.0 : 1.0);
    turnGhost(state, layout, step, step);
}

void turnGhostByStep(PlacementState& state, const Layout& layout) { turnGhost(state, layout, 30.0, 15.0); }

void cancelDrag(PlacementState& state)
{
    state.palette = PaletteDrag{};
    state.scenery = SceneryDrag{};
    state.helix = HelixPlacement{};
    state.candidates.clear();
}

Pose paletteGhostPose(const PaletteDrag& drag)
{
    if (drag.snap.found)
        return {drag.snap.x, drag.snap.y, drag.snap.heading};
    return drag.ghost;
}

} // namespace layrail
