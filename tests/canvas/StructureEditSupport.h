#pragma once

// Random edits of grades, helices, tunnels and the properties panel's actions, each callable as
// edit(layout, random), for property tests that check the layout after every step.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/EditTestSupport.h"
#include "document/DeleteSelection.h"
#include "canvas/Grades.h"
#include "canvas/Helices.h"
#include "canvas/Locks.h"
#include "canvas/Move.h"
#include "canvas/Placement.h"
#include "canvas/PropertyEdits.h"
#include "canvas/Selection.h"
#include "canvas/Tunnels.h"
#include "document/History.h"
#include "document/TrackColours.h"

namespace layrail::edittest {

using RandomEdit = std::function<EditResult(Layout&, std::mt19937&)>;

inline int randomInt(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

inline double randomReal(std::mt19937& random, double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(random);
}

// A random piece id, -1 on an empty layout.
inline int randomPiece(const Layout& layout, std::mt19937& random)
{
    if (layout.pieces.empty())
        return -1;
    return layout.pieces[static_cast<size_t>(randomInt(random, 0, static_cast<int>(layout.pieces.size()) - 1))].id;
}

inline void clearSelection(Layout& layout)
{
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    for (SceneryItem& s : layout.scenery)
        s.selected = false;
}

// A walk of a few joints from a random piece, every piece on it selected.
inline void selectRandomChain(Layout& layout, std::mt19937& random)
{
    clearSelection(layout);
    int current = randomPiece(layout, random);
    const int length = randomInt(random, 1, 6);
    for (int i = 0; i < length && current != -1; ++i) {
        PlacedPiece& p = *layout.findPiece(current);
        p.selected = true;
        std::vector<int> next;
        for (const Joint& j : p.joints)
            if (const PlacedPiece* n = layout.findPiece(j.target); n != nullptr && !n->selected)
                next.push_back(n->id);
        current =
            next.empty() ? -1 : next[static_cast<size_t>(randomInt(random, 0, static_cast<int>(next.size()) - 1))];
    }
}

inline EditResult randomExtend(Layout& layout, std::mt19937& random)
{
    static const char* const articles[] = {"24188", "24188", "24130", "24230", "24611", "74620", "74618"};
    clearSelection(layout);
    if (layout.pieces.empty() || randomInt(random, 0, 9) == 0) {
        PlacementState state;
        beginPaletteDrag(state, articles[randomInt(random, 0, 6)], CanvasView{});
        updateSnap(state, layout, {randomReal(random, -1500, 1500), randomReal(random, -1500, 1500)});
        return dropPiece(layout, state);
    }
    if (PlacedPiece* p = layout.findPiece(randomPiece(layout, random)))
        p->selected = true;
    return autoConnect(layout, articles[randomInt(random, 0, 6)]);
}

inline EditResult randomStartGrade(Layout& layout, std::mt19937& random)
{
    return startGrade(layout, randomPiece(layout, random), 0.5 * randomInt(random, 0, 12),
                      randomInt(random, 0, 1) == 0);
}

inline EditResult randomEndGrade(Layout& layout, std::mt19937& random)
{
    return endGrade(layout, randomPiece(layout, random));
}

inline EditResult randomRecalculate(Layout& layout, std::mt19937& random)
{
    return recalculate(layout, randomPiece(layout, random));
}

inline EditResult randomSetHeight(Layout& layout, std::mt19937& random)
{
    static const char* const texts[] = {"0", "12.5", "-3", "abc", "", "1e2"};
    layout.units = static_cast<LengthUnit>(randomInt(random, 0, 2));
    return setHeight(layout, randomPiece(layout, random), texts[randomInt(random, 0, 5)]);
}

inline EditResult randomAddHelix(Layout& layout, std::mt19937& random)
{
    static const char* const kits[] = {"", "proses_2_5_r1r2", "proses_4_5_r4r5", "unknown"};
    return layrail::addHelix(layout, randomReal(random, -2000, 2000), randomReal(random, -2000, 2000),
                             randomInt(random, 0, 3) == 0 ? 90.0 : 0.0, kits[randomInt(random, 0, 3)]);
}

inline EditResult randomRemoveHelix(Layout& layout, std::mt19937& random)
{
    if (layout.helices.empty())
        return removeHelix(layout, 12345678);
    const Helix& h =
        layout.helices[static_cast<size_t>(randomInt(random, 0, static_cast<int>(layout.helices.size()) - 1))];
    return removeHelix(layout, h.id);
}

// Half the time the pieces of an existing tunnel, else a random chain.
inline EditResult randomToggleTunnel(Layout& layout, std::mt19937& random)
{
    if (!layout.tunnels.empty() && randomInt(random, 0, 1) == 0) {
        clearSelection(layout);
        const Tunnel& t =
            layout.tunnels[static_cast<size_t>(randomInt(random, 0, static_cast<int>(layout.tunnels.size()) - 1))];
        for (int id : t.coveredPieces)
            if (PlacedPiece* p = layout.findPiece(id))
                p->selected = true;
    } else {
        selectRandomChain(layout, random);
    }
    return toggleTunnel(layout);
}

inline EditResult randomSetLevel(Layout& layout, std::mt19937& random)
{
    ShownRecord shown;
    switch (randomInt(random, 0, 3)) {
    case 0:
        if (!layout.helices.empty())
            shown.helix = layout.helices[0].id;
        break;
    case 1:
        if (!layout.scenery.empty())
            shown.scenery = layout.scenery.back().id;
        break;
    default:
        selectRandomChain(layout, random);
        break;
    }
    const int levelId =
        layout.levels[static_cast<size_t>(randomInt(random, 0, static_cast<int>(layout.levels.size()) - 1))].id;
    return setLevel(layout, shown, randomInt(random, 0, 5) == 0 ? -1 : levelId);
}

inline EditResult randomApplyColour(Layout& layout, std::mt19937& random)
{
    selectRandomChain(layout, random);
    return applyColour(layout, randomInt(random, 0, static_cast<int>(namedTrackColours().size())));
}

inline EditResult randomAddLabel(Layout& layout, std::mt19937& random)
{
    PendingLabel pending;
    if (randomInt(random, 0, 1) == 0)
        pending = {true, {randomReal(random, -500, 500), randomReal(random, -500, 500)}};
    return addLabel(layout, pending, randomInt(random, 0, 4) == 0 ? "  " : "Label ");
}

// Delete a random chain (with whole helices) when the locks and the questions allow it.
inline EditResult randomDelete(Layout& layout, std::mt19937& random)
{
    selectRandomChain(layout, random);
    if (randomInt(random, 0, 3) == 0 && !layout.tunnels.empty())
        if (SceneryItem* portal = layout.findScenery(layout.tunnels[0].portalA))
            portal->selected = true;
    completeHelixSelection(layout);
    if (checkDelete(layout).gate == Gate::Refused)
        return {};
    return deleteSelection(layout);
}

// Drags a random chain (with whole helices) by a random offset when the locks allow it.
inline EditResult randomMove(Layout& layout, std::mt19937& random)
{
    selectRandomChain(layout, random);
    completeHelixSelection(layout);
    if (selectedIds(layout).empty() || checkMoveStart(layout, true).gate != Gate::Allowed)
        return {};
    MoveDrag drag;
    pressOnPiece(drag, unitView(), 0, 0);
    beginMove(layout, drag);
    dragMove(layout, drag, {randomReal(random, -300, 300), randomReal(random, -300, 300)});
    return endMove(layout, drag);
}

inline EditResult randomUndoRedo(Layout& layout, std::mt19937& random)
{
    EditResult result;
    result.changes.content = randomInt(random, 0, 2) == 0 ? redo(layout) : undo(layout);
    return result;
}

struct NamedEdit {
    const char* name;
    RandomEdit edit;
    bool ownsSnapshotRule; // records exactly one snapshot when it reports a change, none otherwise
};

// The grade, helix, tunnel and properties edits, then the existing edits they are mixed with.
inline std::vector<NamedEdit> structureEdits()
{
    return {
        {"start grade", randomStartGrade, true},
        {"end grade", randomEndGrade, true},
        {"recalculate", randomRecalculate, true},
        {"set height", randomSetHeight, true},
        {"add helix", randomAddHelix, true},
        {"remove helix", randomRemoveHelix, true},
        {"toggle tunnel", randomToggleTunnel, true},
        {"set level", randomSetLevel, true},
        {"apply colour", randomApplyColour, true},
        {"add label", randomAddLabel, true},
        {"extend", randomExtend, false},
        {"extend", randomExtend, false},
        {"extend", randomExtend, false},
        {"delete", randomDelete, false},
        {"move", randomMove, false},
        {"undo or redo", randomUndoRedo, false},
    };
}

} // namespace layrail::edittest
