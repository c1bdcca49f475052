#include "canvas/Helices.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "document/Joints.h"
#include "canvas/Tunnels.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

namespace {

// Stubs go on level 1; a layout whose level 1 was removed puts them on its first level instead,
// so they never name a level that does not exist.
int stubLevel(Layout& layout)
{
    layout.ensureDefaultLevel();
    return layout.findLevel(1) != nullptr ? 1 : layout.levels.front().id;
}

template <typename Records, typename Pred>
void eraseIf(Records& records, Pred pred)
{
    records.erase(std::remove_if(records.begin(), records.end(), pred), records.end());
}

// Takes the pieces out with everything that refers to them.
void removePieces(Layout& layout, const std::unordered_set<int>& removed)
{
    std::vector<int> tunnels;
    for (const Tunnel& t : layout.tunnels) {
        const bool touches =
            removed.count(t.anchorA) != 0 || removed.count(t.anchorB) != 0 ||
            std::any_of(t.coveredPieces.begin(), t.coveredPieces.end(), [&](int id) { return removed.count(id) != 0; });
        if (touches)
            tunnels.push_back(t.id);
    }
    for (int id : tunnels)
        removeTunnel(layout, id);

    for (PlacedPiece& p : layout.pieces)
        for (Joint& j : p.joints)
            if (removed.count(j.target) != 0)
                j = Joint{};
    eraseIf(layout.gradeRuns, [&](const GradeRun& run) { return removed.count(run.anchor) != 0; });
    layout.updateCurrentGradeRun();
    eraseIf(layout.pieces, [&](const PlacedPiece& p) { return removed.count(p.id) != 0; });
}

} // namespace

const HelixKit* helixKitOrDefault(const std::string& kitId)
{
    if (const HelixKit* kit = findHelixKit(kitId))
        return kit;
    return findHelixKit(defaultHelixKitId());
}

Helix* helixById(Layout& layout, int helixId)
{
    auto it = std::find_if(layout.helices.begin(), layout.helices.end(),
                           [helixId](const Helix& h) { return h.id == helixId; });
    return it == layout.helices.end() ? nullptr : &*it;
}

const Helix* helixById(const Layout& layout, int helixId)
{
    auto it = std::find_if(layout.helices.begin(), layout.helices.end(),
                           [helixId](const Helix& h) { return h.id == helixId; });
    return it == layout.helices.end() ? nullptr : &*it;
}

std::array<Point, 4> helixStubPositions(double cx, double cy, double heading, const HelixKit& kit)
{
    const double h = degToRad(heading);
    const double distances[4] = {-kit.innerRadius, -kit.outerRadius, kit.innerRadius, kit.outerRadius};
    std::array<Point, 4> out;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = {cx - distances[i] * std::sin(h), cy + distances[i] * std::cos(h)};
    return out;
}

EditResult addHelix(Layout& layout, double cx, double cy, double heading, const std::string& kitId)
{
    const HelixKit* kit = helixKitOrDefault(kitId);
    if (kit == nullptr || TrackCatalog::instance().find(kit->stubArticle) == nullptr || !std::isfinite(cx) ||
        !std::isfinite(cy) || !std::isfinite(heading))
        return {};

    EditSnapshot snapshot(layout);
    snapshot.record();
    const int level = stubLevel(layout);
    Helix helix;
    helix.id = layout.takeId();
    helix.cx = cx;
    helix.cy = cy;
    helix.heading = heading;
    helix.variant = kit->kitId;

    const std::array<Point, 4> at = helixStubPositions(cx, cy, heading, *kit);
    int ids[4];
    for (size_t i = 0; i < at.size(); ++i) {
        PlacedPiece stub;
        stub.article = kit->stubArticle;
        stub.x = at[i].x;
        stub.y = at[i].y;
        stub.heading = heading;
        stub.level = level;
        stub.z = i < 2 ? 0.0 : kit->rise;
        stub.helix = helix.id;
        ids[i] = addPiece(layout, snapshot, stub);
    }
    helix.bottomR1 = ids[0];
    helix.bottomR2 = ids[1];
    helix.topR1 = ids[2];
    helix.topR2 = ids[3];
    layout.helices.push_back(helix);

    EditResult result;
    result.changes.content = true;
    result.changes.selection = true;
    result.status = piecesStatus(layout);
    return result;
}

EditResult dropHelix(Layout& layout, PlacementState& state)
{
    if (!state.helix.active)
        return {};
    const HelixPlacement placement = state.helix;
    cancelDrag(state);
    return addHelix(layout, placement.centre.x, placement.centre.y, 0.0, placement.kit);
}

bool helixGhost(const PlacementState& state, HelixGhost& ghost)
{
    if (!state.helix.active)
        return false;
    const HelixKit* kit = helixKitOrDefault(state.helix.kit);
    if (kit == nullptr)
        return false;
    ghost = {state.helix.centre, kit->innerRadius, kit->outerRadius};
    return true;
}

void drawHelixGhost(DrawTarget& target, const CanvasView& view, const PlacementState& state)
{
    HelixGhost ghost;
    if (!helixGhost(state, ghost))
        return;
    const PixelPoint centre{view.zoom * ghost.centre.x + view.panX, view.zoom * ghost.centre.y + view.panY};
    target.setPen(kHelixGhostColour, 2, PenStyle::LongDash);
    target.setNoBrush();
    for (double radius : {ghost.innerRadius, ghost.outerRadius})
        target.ellipse(centre, radius * view.zoom, radius * view.zoom);
    const double half = kHelixGhostCrossPixels / 2.0;
    target.setPen(kHelixGhostColour, 2);
    target.line({centre.x - half, centre.y}, {centre.x + half, centre.y});
    target.line({centre.x, centre.y - half}, {centre.x, centre.y + half});
}

bool removeHelix(Layout& layout, EditSnapshot& snapshot, int helixId)
{
    const Helix* helix = helixById(layout, helixId);
    if (helix == nullptr)
        return false;
    snapshot.record();
    std::unordered_set<int> removed;
    for (int stub : {helix->bottomR1, helix->bottomR2, helix->topR1, helix->topR2})
        if (stub != -1)
            removed.insert(stub);
    for (const PlacedPiece& p : layout.pieces)
        if (p.helix == helixId)
            removed.insert(p.id);
    removePieces(layout, removed);
    eraseIf(layout.helices, [helixId](const Helix& h) { return h.id == helixId; });
    return true;
}

EditResult removeHelix(Layout& layout, int helixId)
{
    EditSnapshot snapshot(layout);
    EditResult result;
    if (!removeHelix(layout, snapshot, helixId))
        return result;
    result.changes.content = true;
    result.changes.selection = true;
    result.status = piecesStatus(layout);
    return result;
}

} // namespace layrail
