#include "canvas/Move.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "canvas/AutoJoin.h"
#include "canvas/GradeContinuation.h"
#include "canvas/Placement.h"
#include "document/Joints.h"

namespace layrail {

namespace {

constexpr double kMovedDistance = 1.0;
constexpr double kZChange = 0.001;

// Frees every joint between a selected and an unselected piece, on both sides.
void clearCrossJoints(Layout& layout)
{
    const std::unordered_map<int, size_t> index = pieceIndex(layout);
    for (PlacedPiece& p : layout.pieces) {
        for (Joint& j : p.joints) {
            const auto it = index.find(j.target);
            if (it == index.end())
                continue;
            PlacedPiece& other = layout.pieces[it->second];
            if (other.selected == p.selected)
                continue;
            if (!other.isOpen(j.targetConnector)) {
                Joint& back = other.joints[static_cast<size_t>(j.targetConnector)];
                if (back.target == p.id)
                    back = Joint{};
            }
            j = Joint{};
        }
    }
}

void selectTurntableNeighbours(Layout& layout)
{
    std::vector<int> joined;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected && p.article == kTurntableArticle)
            for (const Joint& j : p.joints)
                if (j.target != -1)
                    joined.push_back(j.target);
    for (int id : joined)
        if (PlacedPiece* p = layout.findPiece(id))
            p->selected = true;
}

void recordStartPoses(const Layout& layout, MoveDrag& drag, bool withPieces)
{
    drag.pieces.clear();
    drag.scenery.clear();
    drag.helices.clear();
    std::unordered_set<int> helixIds;
    if (withPieces) {
        for (size_t i = 0; i < layout.pieces.size(); ++i) {
            const PlacedPiece& p = layout.pieces[i];
            if (!p.selected)
                continue;
            drag.pieces.push_back({p.id, {p.x, p.y, p.heading}, i});
            if (p.helix != -1)
                helixIds.insert(p.helix);
        }
    }
    for (const SceneryItem& s : layout.scenery)
        if (s.selected)
            drag.scenery.push_back({s.id, {s.x, s.y, s.heading}});
    for (const Helix& h : layout.helices)
        if (helixIds.count(h.id) != 0)
            drag.helices.push_back({h.id, {h.cx, h.cy, h.heading}});
}

// The moved piece, found at its recorded place while the list is unchanged.
template <typename L>
auto movedPiece(L& layout, const StartPose& start) -> decltype(&layout.pieces[0])
{
    if (start.index < layout.pieces.size() && layout.pieces[start.index].id == start.id)
        return &layout.pieces[start.index];
    return layout.findPiece(start.id);
}

Helix* findHelix(Layout& layout, int id)
{
    for (Helix& h : layout.helices)
        if (h.id == id)
            return &h;
    return nullptr;
}

// The best snap of any moved piece at its current pose; the first found wins on equal distances.
void searchMoveSnap(const Layout& layout, MoveDrag& drag)
{
    drag.snap = SnapResult{};
    drag.snapPiece = -1;
    if (!layout.snapOn || drag.pieces.empty())
        return;
    if (drag.candidates.stale(layout))
        drag.candidates.build(layout, true);

    std::vector<std::pair<const PlacedPiece*, const CatalogPiece*>> moving;
    double minX = DBL_MAX, minY = DBL_MAX, maxX = -DBL_MAX, maxY = -DBL_MAX;
    for (const StartPose& s : drag.pieces) {
        const PlacedPiece* p = movedPiece(layout, s);
        const CatalogPiece* cat = p ? catalogPieceOf(*p) : nullptr;
        if (cat == nullptr)
            continue;
        moving.emplace_back(p, cat);
        minX = std::min(minX, p->x);
        minY = std::min(minY, p->y);
        maxX = std::max(maxX, p->x);
        maxY = std::max(maxY, p->y);
    }
    if (moving.empty())
        return;
    // Two pieces can only meet when their origins lie within both reaches plus the snap distance.
    const double margin = 2.0 * catalogConnectorReach() + kSnapDistance + 1.0;
    std::vector<const PlacedPiece*> nearby;
    drag.candidates.within(minX - margin, minY - margin, maxX + margin, maxY + margin, nearby);
    if (nearby.empty())
        return;

    // A connector joined to another moved piece is taken: it moves with its partner.
    std::unordered_set<int> movedIds;
    for (const StartPose& s : drag.pieces)
        movedIds.insert(s.id);
    std::vector<bool> usable;
    double best = DBL_MAX;
    for (const auto& [p, cat] : moving) {
        usable.assign(cat->connectors.size(), true);
        for (size_t c = 0; c < usable.size() && c < p->joints.size(); ++c)
            usable[c] = p->joints[c].target == -1 || movedIds.count(p->joints[c].target) == 0;
        const SnapResult r = findSnap(*cat, Pose{p->x, p->y, p->heading}, nearby, usable);
        if (r.found && r.distance < best) {
            best = r.distance;
            drag.snap = r;
            drag.snapPiece = p->id;
        }
    }
}

// Carries every moved piece and helix rigidly so that the snapped piece lands on its snapped pose.
void applySnap(Layout& layout, const MoveDrag& drag)
{
    const PlacedPiece* snapped = layout.findPiece(drag.snapPiece);
    if (snapped == nullptr || layout.findPiece(drag.snap.targetId) == nullptr)
        return;
    const double ox = snapped->x;
    const double oy = snapped->y;
    const double turn = drag.snap.heading - snapped->heading;
    const double c = std::cos(degToRad(turn));
    const double s = std::sin(degToRad(turn));
    auto carry = [&](double& x, double& y, double& heading) {
        const double rx = x - ox;
        const double ry = y - oy;
        x = drag.snap.x + rx * c - ry * s;
        y = drag.snap.y + rx * s + ry * c;
        heading = normalizeHeading(heading + turn);
    };
    for (const StartPose& start : drag.pieces)
        if (PlacedPiece* p = movedPiece(layout, start))
            carry(p->x, p->y, p->heading);
    for (const StartPose& start : drag.helices)
        if (Helix* h = findHelix(layout, start.id))
            carry(h->cx, h->cy, h->heading);
    joinBoth(layout, drag.snapPiece, drag.snap.newConnector, drag.snap.targetId, drag.snap.targetConnector);

    const PlacedPiece* piece = layout.findPiece(drag.snapPiece);
    if (piece == nullptr || piece->helix != -1)
        return;
    const double oldZ = piece->z;
    continueGrade(layout, drag.snapPiece, drag.snap.targetId, drag.snap.targetConnector, drag.snap.newConnector);
    const double dz = layout.findPiece(drag.snapPiece)->z - oldZ;
    if (std::fabs(dz) <= kZChange)
        return;
    for (const StartPose& start : drag.pieces) {
        PlacedPiece* p = movedPiece(layout, start);
        if (p != nullptr && start.id != drag.snapPiece && p->helix == -1)
            p->z += dz;
    }
}

} // namespace

void pressOnPiece(MoveDrag& drag, const CanvasView& view, double mouseX, double mouseY)
{
    cancelMove(drag);
    drag.pending = true;
    drag.pressX = mouseX;
    drag.pressY = mouseY;
    drag.pressWorld = {view.toWorldX(mouseX), view.toWorldY(mouseY)};
}

bool moveThresholdPassed(const MoveDrag& drag, double mouseX, double mouseY)
{
    const double dx = mouseX - drag.pressX;
    const double dy = mouseY - drag.pressY;
    return dx * dx + dy * dy >= kMoveThresholdPixels * kMoveThresholdPixels;
}

void beginMove(Layout& layout, MoveDrag& drag)
{
    EditSnapshot(layout, drag.recorded).record();
    selectTurntableNeighbours(layout);
    clearCrossJoints(layout);
    recordStartPoses(layout, drag, true);
    drag.pending = false;
    drag.moving = true;
    drag.candidates.build(layout, true);
}

void beginSceneryMove(Layout& layout, MoveDrag& drag, const CanvasView& view, double mouseX, double mouseY)
{
    pressOnPiece(drag, view, mouseX, mouseY);
    drag.pending = false;
    drag.moving = true;
    recordStartPoses(layout, drag, false);
}

void dragMove(Layout& layout, MoveDrag& drag, Point mouseWorld)
{
    if (!drag.moving)
        return;
    const double dx = mouseWorld.x - drag.pressWorld.x;
    const double dy = mouseWorld.y - drag.pressWorld.y;
    // A scenery move records its snapshot with the first real motion, so a plain click records nothing.
    if (!drag.recorded && dx == 0.0 && dy == 0.0)
        return;
    EditSnapshot(layout, drag.recorded).record();
    for (const StartPose& s : drag.pieces) {
        if (PlacedPiece* p = movedPiece(layout, s)) {
            p->x = s.pose.x + dx;
            p->y = s.pose.y + dy;
        }
    }
    for (const StartPose& s : drag.scenery) {
        if (SceneryItem* item = layout.findScenery(s.id)) {
            item->x = s.pose.x + dx;
            item->y = s.pose.y + dy;
        }
    }
    for (const StartPose& s : drag.helices) {
        if (Helix* h = findHelix(layout, s.id)) {
            h->cx = s.pose.x + dx;
            h->cy = s.pose.y + dy;
        }
    }
    searchMoveSnap(layout, drag);
}

EditResult endMove(Layout& layout, MoveDrag& drag)
{
    EditResult result;
    if (!drag.moving) {
        cancelMove(drag);
        return result;
    }
    const bool moved = std::any_of(drag.pieces.begin(), drag.pieces.end(), [&](const StartPose& s) {
        const PlacedPiece* p = movedPiece(layout, s);
        return p != nullptr && std::hypot(p->x - s.pose.x, p->y - s.pose.y) > kMovedDistance;
    });
    if (moved)
        clearCrossJoints(layout);
    if (drag.snap.found)
        applySnap(layout, drag);
    std::vector<int> ids;
    ids.reserve(drag.pieces.size());
    for (const StartPose& s : drag.pieces)
        ids.push_back(s.id);
    autoJoin(layout, ids);

    result.changes.content = drag.recorded;
    result.changes.selection = drag.recorded;
    cancelMove(drag);
    return result;
}

void cancelMove(MoveDrag& drag)
{
    drag.pending = false;
    drag.moving = false;
    drag.pieces.clear();
    drag.scenery.clear();
    drag.helices.clear();
    drag.snap = SnapResult{};
    drag.snapPiece = -1;
    drag.candidates.clear();
    drag.recorded = false;
}

} // namespace layrail
