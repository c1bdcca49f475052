#include "canvas/Locks.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_set>

namespace layrail {

namespace {

constexpr const char* kHelixTitle = "Helix track is locked";
constexpr const char* kTunnelTitle = "Tunnel is locked";

std::string pastParticiple(const std::string& verb)
{
    if (!verb.empty() && verb.back() == 'e')
        return verb + "d";
    return verb + "ed";
}

LockRefusal tunnelRefusal(const std::string& verb)
{
    return {true, kTunnelTitle,
            "Selection includes tunnel track or portals. Remove the tunnel first, then " + verb + "."};
}

std::unordered_set<int> coveredPieces(const Layout& layout)
{
    std::unordered_set<int> covered;
    for (const Tunnel& t : layout.tunnels)
        covered.insert(t.coveredPieces.begin(), t.coveredPieces.end());
    return covered;
}

bool portalSelected(const Layout& layout)
{
    for (const Tunnel& t : layout.tunnels)
        for (int portal : {t.portalA, t.portalB})
            if (const SceneryItem* item = layout.findScenery(portal); item != nullptr && item->selected)
                return true;
    return false;
}

} // namespace

LockRefusal checkLocks(const Layout& layout, const std::string& verb)
{
    const std::unordered_set<int> covered = coveredPieces(layout);
    bool tunnel = false;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        if (p.helix != -1)
            return {true, kHelixTitle,
                    "Selection includes track that is part of a helix. Helix track cannot be " +
                        pastParticiple(verb) + " individually."};
        if (covered.count(p.id) != 0)
            tunnel = true;
    }
    if (tunnel || portalSelected(layout))
        return tunnelRefusal(verb);
    return {};
}

bool selectionIsOneHelix(const Layout& layout)
{
    if (std::any_of(layout.scenery.begin(), layout.scenery.end(), [](const SceneryItem& s) { return s.selected; }))
        return false;
    int helix = -1;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        if (p.helix == -1 || (helix != -1 && p.helix != helix))
            return false;
        helix = p.helix;
    }
    // A stub selected without the rest of its helix is not the helix.
    return helix != -1 && std::all_of(layout.pieces.begin(), layout.pieces.end(),
                                      [helix](const PlacedPiece& p) { return p.helix != helix || p.selected; });
}

LockRefusal checkMoveLocks(const Layout& layout)
{
    std::map<int, int> selectedStubs;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected && p.helix != -1)
            ++selectedStubs[p.helix];
    for (const auto& entry : selectedStubs)
        if (entry.second != 4)
            return {true, "Helix partially selected",
                    "Selection contains part of a helix. Either select the whole helix (click any of its stubs) "
                    "or exclude it from the selection before moving."};

    const std::unordered_set<int> covered = coveredPieces(layout);
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected && p.helix == -1 && covered.count(p.id) != 0)
            return tunnelRefusal("move");
    if (portalSelected(layout))
        return tunnelRefusal("move");
    return {};
}

GateCheck checkMoveStart(const Layout& layout, bool gradeConfirmed)
{
    const LockRefusal lock = checkMoveLocks(layout);
    if (lock.refused)
        return {Gate::Refused, lock.asMessage()};
    if (!gradeConfirmed && selectionHasGrade(layout))
        return {Gate::Ask,
                {"Move",
                 "Selection includes graded pieces. Moving will break joints and leave the chain's elevation "
                 "inconsistent.\n\nMove anyway? (This warning will not appear again this session.)",
                 MessageIcon::Question}};
    return {};
}

GateCheck checkDelete(const Layout& layout)
{
    if (!selectionIsOneHelix(layout)) {
        const LockRefusal lock = checkLocks(layout, "delete");
        if (lock.refused)
            return {Gate::Refused, lock.asMessage()};
    }
    if (selectionHasGrade(layout))
        return {Gate::Ask, {"Delete", "Selection includes graded pieces. Delete?", MessageIcon::Question}};
    return {};
}

} // namespace layrail
