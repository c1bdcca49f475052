#include "canvas/Rotate.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "canvas/Locks.h"
#include "canvas/RotateJoints.h"
#include "catalog/SceneryCatalog.h"
#include "document/Joints.h"
#include "document/WorldConnectors.h"

namespace layrail {

namespace {

constexpr double kSnapBand = 2.0;

void orbit(double& x, double& y, Point centre, double degrees)
{
    const double c = std::cos(degToRad(degrees));
    const double s = std::sin(degToRad(degrees));
    const double rx = x - centre.x;
    const double ry = y - centre.y;
    x = centre.x + rx * c - ry * s;
    y = centre.y + rx * s + ry * c;
}

// Pieces and scenery items turn alike: the position about the centre, the heading with it.
template <typename Record>
void turnAbout(Record& record, Point centre, double degrees)
{
    orbit(record.x, record.y, centre, degrees);
    record.heading = normalizeHeading(record.heading + degrees);
}

// A drag turns each record from where it stood at the press.
template <typename Record>
void turnFromStart(Record& record, const Pose& start, Point centre, double degrees)
{
    record.x = start.x;
    record.y = start.y;
    record.heading = start.heading;
    turnAbout(record, centre, degrees);
}

// Keeps the start pose of each selected record and adds its position to the sum.
template <typename Record>
void keepStartPoses(const std::vector<Record>& records, std::vector<StartPose>& starts, Point& sum)
{
    for (const Record& record : records) {
        if (!record.selected)
            continue;
        starts.push_back({record.id, {record.x, record.y, record.heading}});
        sum.x += record.x;
        sum.y += record.y;
    }
}

// Folds an angle difference into (-180, 180].
double fold(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d <= -180.0)
        d += 360.0;
    else if (d > 180.0)
        d -= 360.0;
    return d;
}

bool anySelected(const Layout& layout)
{
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            return true;
    for (const SceneryItem& s : layout.scenery)
        if (s.selected)
            return true;
    return false;
}

Helix* findHelix(Layout& layout, int id)
{
    for (Helix& h : layout.helices)
        if (h.id == id)
            return &h;
    return nullptr;
}

// The helix of a one-helix selection, null for any other selection.
Helix* selectedWholeHelix(Layout& layout)
{
    if (!selectionIsOneHelix(layout))
        return nullptr;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            return findHelix(layout, p.helix);
    return nullptr;
}

double screenAngle(const CanvasView& view, Point centre, double mouseX, double mouseY)
{
    const double cx = view.zoom * centre.x + view.panX;
    const double cy = view.zoom * centre.y + view.panY;
    return radToDeg(std::atan2(mouseY - cy, mouseX - cx));
}

struct Box {
    double minX = DBL_MAX, minY = DBL_MAX, maxX = -DBL_MAX, maxY = -DBL_MAX;
    void add(double x, double y)
    {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    bool empty() const { return minX > maxX; }
};

// The middle of the arc: a sagitta's depth from the chord's middle, away from the curve's centre.
Point sagittaPoint(const PlacedPiece& p, const CatalogPiece& cat, const std::vector<Connector>& world)
{
    const double midX = (world[0].x + world[1].x) / 2.0;
    const double midY = (world[0].y + world[1].y) / 2.0;
    const double side = cat.angle < 0.0 ? -1.0 : 1.0;
    const double h = degToRad(p.heading);
    const double centreX = p.x - side * cat.radius * std::sin(h);
    const double centreY = p.y + side * cat.radius * std::cos(h);
    const double dx = centreX - midX;
    const double dy = centreY - midY;
    const double len = std::hypot(dx, dy);
    if (len <= 0.0)
        return {midX, midY};
    const double sagitta = cat.radius * (1.0 - std::cos(degToRad(cat.angle / 2.0)));
    return {midX - dx / len * sagitta, midY - dy / len * sagitta};
}

} // namespace

Point wheelRotationCentre(const Layout& layout)
{
    Box box;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        box.add(p.x, p.y);
        const CatalogPiece* cat = catalogPieceOf(p);
        if (cat == nullptr)
            continue;
        const std::vector<Connector> world = worldConnectors(Pose{p.x, p.y, p.heading}, *cat);
        for (const Connector& c : world)
            box.add(c.x, c.y);
        if (cat->kind == PieceKind::Curve && world.size() >= 2 && cat->radius > 0.0) {
            const Point s = sagittaPoint(p, *cat, world);
            box.add(s.x, s.y);
        }
    }
    const SceneryCatalog& scenery = SceneryCatalog::instance();
    for (const SceneryItem& s : layout.scenery) {
        if (!s.selected)
            continue;
        const SceneryDef* def = scenery.find(s.item);
        const double hw = def ? def->width * s.scaleX / 2.0 : 0.0;
        const double hd = def ? def->depth * s.scaleY / 2.0 : 0.0;
        box.add(s.x - hw, s.y - hd);
        box.add(s.x + hw, s.y + hd);
    }
    if (box.empty())
        return {};
    return {(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0};
}

EditResult rotateSelectionByWheel(Layout& layout, int wheelRotation, bool shift)
{
    EditResult result;
    if (wheelRotation == 0 || !anySelected(layout))
        return result;
    if (!selectionIsOneHelix(layout)) {
        const LockRefusal lock = checkLocks(layout, "rotate");
        if (lock.refused) {
            result.message = lock.asMessage();
            return result;
        }
    }
    const double step = (shift ? 5.0 : 15.0) * (wheelRotation < 0 ? -1.0 : 1.0);
    const Point centre = wheelRotationCentre(layout);
    EditSnapshot(layout).record();
    std::unordered_set<int> helices;
    for (PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        turnAbout(p, centre, step);
        if (p.helix != -1)
            helices.insert(p.helix);
    }
    for (SceneryItem& s : layout.scenery)
        if (s.selected)
            turnAbout(s, centre, step);
    // A helix turns with its stubs, so its rings stay on them.
    for (Helix& h : layout.helices) {
        if (helices.count(h.id) == 0)
            continue;
        orbit(h.cx, h.cy, centre, step);
        h.heading = normalizeHeading(h.heading + step);
    }
    rejoinAfterTurn(layout);
    result.changes = Changes::ofEdit();
    return result;
}

EditResult rotateSelectionStep(Layout& layout)
{
    EditResult result;
    if (!anySelected(layout))
        return result;
    const bool oneHelix = selectionIsOneHelix(layout);
    if (!oneHelix) {
        const LockRefusal lock = checkLocks(layout, "rotate");
        if (lock.refused) {
            result.message = lock.asMessage();
            return result;
        }
    }
    EditSnapshot(layout).record();
    Helix* helix = oneHelix ? selectedWholeHelix(layout) : nullptr;

    Point centre;
    if (helix != nullptr) {
        centre = {helix->cx, helix->cy};
        helix->heading = normalizeHeading(helix->heading + 30.0);
    } else {
        bool found = false;
        for (const PlacedPiece& p : layout.pieces) {
            if (p.selected) {
                centre = {p.x, p.y};
                found = true;
                break;
            }
        }
        for (const SceneryItem& s : layout.scenery) {
            if (!found && s.selected) {
                centre = {s.x, s.y};
                found = true;
            }
        }
    }
    for (PlacedPiece& p : layout.pieces)
        if (p.selected)
            turnAbout(p, centre, 30.0);
    const SceneryCatalog& scenery = SceneryCatalog::instance();
    for (SceneryItem& s : layout.scenery) {
        if (!s.selected)
            continue;
        const SceneryDef* def = scenery.find(s.item);
        const bool wide = def != nullptr && (def->category == SceneryCategory::Platforms ||
                                             def->category == SceneryCategory::Signals);
        turnAbout(s, centre, wide ? 30.0 : 15.0);
    }
    rejoinAfterTurn(layout);
    result.changes = Changes::ofEdit();
    return result;
}

EditResult beginRotateDrag(Layout& layout, RotateDrag& drag, const CanvasView& view, double mouseX, double mouseY)
{
    EditResult result;
    drag = RotateDrag{};
    if (!anySelected(layout))
        return result;
    if (!selectionIsOneHelix(layout)) {
        const LockRefusal lock = checkLocks(layout, "rotate");
        if (lock.refused) {
            result.message = lock.asMessage();
            return result;
        }
    }
    EditSnapshot(layout).record();

    Point sum;
    keepStartPoses(layout.pieces, drag.pieces, sum);
    keepStartPoses(layout.scenery, drag.scenery, sum);
    const double count = static_cast<double>(drag.pieces.size() + drag.scenery.size());
    drag.centre = {sum.x / count, sum.y / count};
    if (const Helix* helix = selectedWholeHelix(layout)) {
        drag.helixId = helix->id;
        drag.helixStartHeading = helix->heading;
        drag.centre = {helix->cx, helix->cy};
    }
    drag.firstStartHeading = drag.pieces.empty() ? drag.scenery.front().pose.heading : drag.pieces.front().pose.heading;
    drag.displayedHeading = drag.firstStartHeading;
    drag.startAngle = screenAngle(view, drag.centre, mouseX, mouseY);
    drag.active = true;
    result.changes = Changes::ofContent();
    return result;
}

RotateStep updateRotateDrag(Layout& layout, RotateDrag& drag, const CanvasView& view, double mouseX, double mouseY)
{
    RotateStep step;
    if (!drag.active)
        return step;
    double delta = fold(screenAngle(view, drag.centre, mouseX, mouseY) - drag.startAngle);
    double shown = normalizeHeading(drag.firstStartHeading + delta);
    bool snapped = false;
    for (double target : {0.0, 90.0, 180.0, 270.0, 360.0}) {
        if (std::fabs(shown - target) <= kSnapBand) {
            shown = target == 360.0 ? 0.0 : target;
            delta = fold(shown - drag.firstStartHeading);
            snapped = true;
            break;
        }
    }
    drag.displayedHeading = shown;
    if (snapped && !drag.snapped) {
        drag.flash = true;
        step.startFlashTimer = true;
    } else if (!snapped && drag.flash) {
        drag.flash = false;
        step.stopFlashTimer = true;
    }
    drag.snapped = snapped;

    for (const StartPose& s : drag.pieces)
        if (PlacedPiece* p = layout.findPiece(s.id))
            turnFromStart(*p, s.pose, drag.centre, delta);
    for (const StartPose& s : drag.scenery)
        if (SceneryItem* item = layout.findScenery(s.id))
            turnFromStart(*item, s.pose, drag.centre, delta);
    if (Helix* helix = findHelix(layout, drag.helixId))
        helix->heading = normalizeHeading(drag.helixStartHeading + delta);
    rejoinAfterTurn(layout);
    return step;
}

void endRotateFlash(RotateDrag& drag) { drag.flash = false; }

void endRotateDrag(RotateDrag& drag) { drag = RotateDrag{}; }

std::string rotationReadout(const RotateDrag& drag)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f deg", drag.displayedHeading);
    return text;
}

} // namespace layrail
