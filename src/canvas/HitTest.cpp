#include "canvas/HitTest.h"

#include <cmath>

#include "canvas/LevelRules.h"
#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "document/Joints.h"

namespace layrail {

namespace {

constexpr double kLevelTolerance = 0.001;

// On an arc of the given radius and signed angle starting at the local point (startU, 0) with
// heading 0, within the radial tolerance and 3 degrees beyond either end.
bool onArc(double u, double v, double startU, double radius, double angle, double tolerance)
{
    const double side = angle < 0.0 ? -1.0 : 1.0;
    const double cu = startU;
    const double cv = side * radius;
    const double du = u - cu;
    const double dv = v - cv;
    const double r = std::hypot(du, dv);
    if (std::fabs(r - radius) > tolerance)
        return false;
    // Angle travelled from the start along the arc's own direction.
    const double startAngle = radToDeg(std::atan2(-cv, 0.0));
    const double here = radToDeg(std::atan2(dv, du));
    const double travelled = normalizeHeading(side * (here - startAngle));
    return travelled <= std::fabs(angle) + 3.0 || travelled >= 360.0 - 3.0;
}

bool onBand(double u, double v, double length, double halfWidth)
{
    return u >= -5.0 && u <= length + 5.0 && std::fabs(v) <= halfWidth;
}

// Keeps the best of several hits: the higher level, by more than the tolerance.
struct LevelPick {
    int id = -1;
    double height = 0.0;

    // True when the candidate replaces the pick; ties are left to the caller.
    bool higher(double h) const { return id == -1 || h > height + kLevelTolerance; }
    bool tie(double h) const { return id != -1 && std::fabs(h - height) <= kLevelTolerance; }
};

} // namespace

bool pointOnPiece(const PlacedPiece& piece, const CatalogPiece& cat, Point world)
{
    const double h = degToRad(piece.heading);
    const double dx = world.x - piece.x;
    const double dy = world.y - piece.y;
    const double u = dx * std::cos(h) + dy * std::sin(h);
    const double v = -dx * std::sin(h) + dy * std::cos(h);
    const double a = cat.system == TrackSystem::MarklinZ ? 7.0 : 20.0;

    switch (cat.kind) {
    case PieceKind::Turntable:
        return std::hypot(dx, dy) <= cat.length / 2.0 + 10.0;
    case PieceKind::Curve:
        if (cat.radius >= 1.0)
            return onArc(u, v, 0.0, cat.radius, cat.angle, a + 5.0);
        break;
    case PieceKind::ParallelCurvedTurnout:
        if (onBand(u, v, cat.length, a + 5.0))
            return true;
        if (cat.radius >= 1.0)
            return onArc(u, v, 0.0, cat.radius, cat.angle, a + 5.0) ||
                   onArc(u, v, cat.length, cat.radius, cat.angle, a + 5.0);
        return false;
    default:
        break;
    }
    return onBand(u, v, cat.length, a);
}

int hitPiece(const Layout& layout, const CanvasView& view, double mouseX, double mouseY)
{
    const Point world{view.toWorldX(mouseX), view.toWorldY(mouseY)};
    LevelPick pick;
    double bestPixels = 0.0;
    for (auto it = layout.pieces.rbegin(); it != layout.pieces.rend(); ++it) {
        const PlacedPiece& p = *it;
        if (!levelVisible(layout, p.level))
            continue;
        const CatalogPiece* cat = catalogPieceOf(p);
        if (cat == nullptr || !pointOnPiece(p, *cat, world))
            continue;
        const double height = levelHeight(layout, p.level);
        const double pixels = std::hypot(view.toScreenX(p.x) - mouseX, view.toScreenY(p.y) - mouseY);
        // Walking backwards, an equal distance keeps the later piece already picked.
        if (pick.higher(height) || (pick.tie(height) && pixels < bestPixels)) {
            pick = {p.id, pick.higher(height) ? height : pick.height};
            bestPixels = pixels;
        }
    }
    return pick.id;
}

int helixLevel(const Layout& layout, const Helix& helix)
{
    for (int stub : {helix.bottomR1, helix.bottomR2, helix.topR1, helix.topR2})
        if (const PlacedPiece* p = layout.findPiece(stub))
            return p->level;
    return 1;
}

int helixStandIn(const Layout& layout, int helixId)
{
    for (const Helix& h : layout.helices) {
        if (h.id != helixId)
            continue;
        for (int stub : {h.bottomR1, h.bottomR2, h.topR1, h.topR2})
            if (layout.findPiece(stub) != nullptr)
                return stub;
    }
    return -1;
}

int hitHelix(const Layout& layout, const CanvasView& view, double mouseX, double mouseY)
{
    const Point world{view.toWorldX(mouseX), view.toWorldY(mouseY)};
    LevelPick pick;
    for (const Helix& h : layout.helices) {
        const HelixKit* kit = findHelixKit(h.variant);
        const int level = helixLevel(layout, h);
        if (kit == nullptr || !levelVisible(layout, level))
            continue;
        const double d = std::hypot(world.x - h.cx, world.y - h.cy);
        if (std::fabs(d - kit->innerRadius) > 25.0 && std::fabs(d - kit->outerRadius) > 25.0)
            continue;
        const double height = levelHeight(layout, level);
        if (pick.higher(height))
            pick = {h.id, height};
    }
    return pick.id;
}

int hitScenery(const Layout& layout, const CanvasView& view, double mouseX, double mouseY)
{
    const Point world{view.toWorldX(mouseX), view.toWorldY(mouseY)};
    const SceneryCatalog& catalog = SceneryCatalog::instance();
    LevelPick pick;
    for (auto it = layout.scenery.rbegin(); it != layout.scenery.rend(); ++it) {
        const SceneryItem& s = *it;
        const SceneryDef* def = catalog.find(s.item);
        if (def == nullptr || !levelVisible(layout, s.level))
            continue;
        const double h = degToRad(s.heading);
        const double dx = world.x - s.x;
        const double dy = world.y - s.y;
        const double along = dx * std::cos(h) + dy * std::sin(h);
        const double across = -dx * std::sin(h) + dy * std::cos(h);
        if (std::fabs(along) > def->width * s.scaleX / 2.0 + 3.0 ||
            std::fabs(across) > def->depth * s.scaleY / 2.0 + 3.0)
            continue;
        const double height = levelHeight(layout, s.level);
        if (pick.higher(height))
            pick = {s.id, height};
    }
    return pick.id;
}

int hitLabel(const Layout& layout, const CanvasView& view, double mouseX, double mouseY)
{
    for (const LayoutLabel& label : layout.labels) {
        const double lx = view.toScreenX(label.x);
        const double ly = view.toScreenY(label.y);
        if (mouseX >= lx - 4.0 && mouseX <= lx + 120.0 && mouseY >= ly - 4.0 && mouseY <= ly + 24.0)
            return label.id;
    }
    return -1;
}

} // namespace layrail
