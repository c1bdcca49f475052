#include "document/DeleteSelection.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "catalog/Articles.h"
#include "document/EditSnapshot.h"
#include "document/Joints.h"
#include "document/PairPartners.h"
#include "document/SelectionFlags.h"
#include "document/TunnelRecords.h"

namespace layrail {

namespace {

bool isPairPiece(const PlacedPiece& piece)
{
    const CatalogPiece* cat = catalogPieceOf(piece);
    return cat != nullptr && cat->pair;
}

void selectPairPartners(Layout& layout)
{
    std::vector<int> partners;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected || !isPairPiece(p))
            continue;
        const int partner = pairPartnerOf(layout, p.id);
        if (partner != -1)
            partners.push_back(partner);
    }
    for (int id : partners)
        layout.findPiece(id)->selected = true;
}

void selectPiecesJoinedToTurntables(Layout& layout)
{
    std::vector<int> joined;
    for (const PlacedPiece& piece : layout.pieces) {
        if (!piece.selected || piece.article != kTurntableArticle)
            continue;
        for (const Joint& joint : piece.joints)
            if (joint.target != -1)
                joined.push_back(joint.target);
    }
    for (int id : joined)
        if (PlacedPiece* piece = layout.findPiece(id))
            piece->selected = true;
}

// The last own connector joined into the deleted set, or -1.
int lastJointInto(const PlacedPiece& piece, const std::set<int>& deleted)
{
    int last = -1;
    for (size_t k = 0; k < piece.joints.size(); ++k)
        if (deleted.count(piece.joints[k].target) != 0)
            last = static_cast<int>(k);
    return last;
}

void reanchorGradeRuns(Layout& layout, const std::set<int>& deleted)
{
    const PlacedPiece* neighbour = nullptr;
    int neighbourConnector = -1;
    for (const PlacedPiece& piece : layout.pieces) {
        if (deleted.count(piece.id) != 0)
            continue;
        neighbourConnector = lastJointInto(piece, deleted);
        if (neighbourConnector != -1) {
            neighbour = &piece;
            break;
        }
    }

    std::vector<GradeRun> kept;
    for (GradeRun run : layout.gradeRuns) {
        if (deleted.count(run.anchor) != 0) {
            if (neighbour == nullptr)
                continue;
            run.anchor = neighbour->id;
            // The run continues away from the gap.
            run.connector = neighbourConnector == 0 ? 1 : 0;
        }
        kept.push_back(run);
    }
    layout.gradeRuns = std::move(kept);
    layout.updateCurrentGradeRun();
}

void openJointsInto(Layout& layout, const std::set<int>& deleted)
{
    for (PlacedPiece& piece : layout.pieces) {
        if (deleted.count(piece.id) != 0)
            continue;
        for (Joint& joint : piece.joints)
            if (deleted.count(joint.target) != 0)
                joint = Joint{};
    }
}

bool helixLosesStub(const Helix& helix, const Layout& layout, const std::set<int>& deleted)
{
    for (int stub : {helix.bottomR1, helix.bottomR2, helix.topR1, helix.topR2})
        if (deleted.count(stub) != 0)
            return true;
    for (int id : deleted) {
        const PlacedPiece* piece = layout.findPiece(id);
        if (piece != nullptr && piece->helix == helix.id)
            return true;
    }
    return false;
}

// Tunnel track is locked, but a whole helix goes despite the lock: a tunnel over one of its stubs
// goes with it, portals and all.
void removeTunnelsOver(Layout& layout, const std::set<int>& deleted)
{
    std::vector<int> tunnels;
    for (const Tunnel& t : layout.tunnels)
        if (std::any_of(t.coveredPieces.begin(), t.coveredPieces.end(), [&](int id) { return deleted.count(id) != 0; }))
            tunnels.push_back(t.id);
    for (int id : tunnels)
        removeTunnel(layout, id);
}

template <typename Records>
void eraseSelected(Records& records)
{
    records.erase(std::remove_if(records.begin(), records.end(), [](const auto& r) { return r.selected; }),
                  records.end());
}

} // namespace

EditResult deleteSelection(Layout& layout)
{
    EditResult result;
    if (!anythingSelected(layout))
        return result;
    // The snapshot keeps the user's selection with the pair partners, as the delete showed it.
    selectPairPartners(layout);
    EditSnapshot(layout).record();
    selectPiecesJoinedToTurntables(layout);

    std::set<int> deleted;
    for (const PlacedPiece& piece : layout.pieces)
        if (piece.selected)
            deleted.insert(piece.id);

    reanchorGradeRuns(layout, deleted);
    openJointsInto(layout, deleted);
    removeTunnelsOver(layout, deleted);

    layout.helices.erase(std::remove_if(layout.helices.begin(), layout.helices.end(),
                                        [&](const Helix& h) { return helixLosesStub(h, layout, deleted); }),
                         layout.helices.end());
    eraseSelected(layout.pieces);
    eraseSelected(layout.scenery);
    eraseSelected(layout.labels);
    eraseSelected(layout.dimensionLines);
    eraseSelected(layout.shapes);
    result.changes = Changes::ofEdit();
    result.status = piecesStatus(layout);
    return result;
}

} // namespace layrail
