#include "document/IdRepair.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "catalog/TrackCatalog.h"
#include "document/JointGeometry.h"

namespace layrail {

namespace {

template <typename Records>
void appendIds(const Records& records, std::vector<int>& ids)
{
    for (const auto& r : records)
        ids.push_back(r.id);
}

bool hasDuplicates(const Layout& layout)
{
    std::vector<int> ids;
    ids.reserve(layout.pieces.size() + layout.scenery.size() + layout.labels.size() + layout.shapes.size() +
                layout.tunnels.size() + layout.helices.size() + layout.dimensionLines.size());
    appendIds(layout.pieces, ids);
    appendIds(layout.scenery, ids);
    appendIds(layout.labels, ids);
    appendIds(layout.shapes, ids);
    appendIds(layout.tunnels, ids);
    appendIds(layout.helices, ids);
    appendIds(layout.dimensionLines, ids);
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) != ids.end();
}

// Gives the records of one kind unique ids; returns the original ids, by position, and maps each
// original id to the new id of the first record of this kind that held it.
template <typename Records>
std::vector<int> renumberKind(Records& records, std::unordered_set<int>& taken, Layout& layout,
                              std::unordered_map<int, int>& firstOfId, int& renumbered)
{
    std::vector<int> original;
    original.reserve(records.size());
    for (auto& r : records) {
        original.push_back(r.id);
        if (!taken.insert(r.id).second) {
            r.id = layout.takeId();
            taken.insert(r.id);
            ++renumbered;
        }
        firstOfId.emplace(original.back(), r.id);
    }
    return original;
}

void follow(int& reference, const std::unordered_map<int, int>& firstOfId)
{
    const auto found = firstOfId.find(reference);
    if (found != firstOfId.end())
        reference = found->second;
}

// The piece a joint of piece `from` (original id, connector) names by original id `target`,
// connector `targetConnector`: the one recording it back wins, then the one whose connector meets.
int resolveJoint(const std::vector<PlacedPiece>& pieces, const std::vector<int>& original,
                 const std::unordered_map<int, std::vector<size_t>>& byOriginal, size_t from, int connector,
                 int target, int targetConnector)
{
    const auto found = byOriginal.find(target);
    if (found == byOriginal.end())
        return target;
    const std::vector<size_t>& candidates = found->second;
    if (candidates.size() == 1)
        return pieces[candidates.front()].id;

    const TrackCatalog& catalog = TrackCatalog::instance();
    auto meets = [&](size_t k) {
        const CatalogPiece* own = catalog.find(pieces[from].article);
        const CatalogPiece* theirs = catalog.find(pieces[k].article);
        if (own == nullptr || theirs == nullptr || connector >= static_cast<int>(own->connectors.size()) ||
            targetConnector < 0 || targetConnector >= static_cast<int>(theirs->connectors.size()))
            return false;
        return connectorsMeet(worldConnectorAt(pieces[from], *own, connector),
                              worldConnectorAt(pieces[k], *theirs, targetConnector));
    };
    auto recordsBack = [&](size_t k) {
        const std::vector<Joint>& joints = pieces[k].joints;
        return targetConnector >= 0 && targetConnector < static_cast<int>(joints.size()) &&
               joints[static_cast<size_t>(targetConnector)].target == original[from] &&
               joints[static_cast<size_t>(targetConnector)].targetConnector == connector;
    };
    size_t best = candidates.front();
    int bestScore = -1;
    for (size_t k : candidates) {
        const int score = (recordsBack(k) ? 2 : 0) + (meets(k) ? 1 : 0);
        if (score > bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return pieces[best].id;
}

} // namespace

int renumberDuplicateIds(Layout& layout)
{
    if (!hasDuplicates(layout))
        return 0;
    int renumbered = 0;
    std::unordered_set<int> taken;
    std::unordered_map<int, int> pieceIds, sceneryIds, unusedIds, helixIds;
    const std::vector<int> original = renumberKind(layout.pieces, taken, layout, pieceIds, renumbered);
    renumberKind(layout.scenery, taken, layout, sceneryIds, renumbered);
    renumberKind(layout.labels, taken, layout, unusedIds, renumbered);
    renumberKind(layout.shapes, taken, layout, unusedIds, renumbered);
    renumberKind(layout.tunnels, taken, layout, unusedIds, renumbered);
    renumberKind(layout.helices, taken, layout, helixIds, renumbered);
    renumberKind(layout.dimensionLines, taken, layout, unusedIds, renumbered);

    // Joints are resolved against the original ids, all at once, before any of them changes.
    std::unordered_map<int, std::vector<size_t>> byOriginal;
    for (size_t i = 0; i < original.size(); ++i)
        byOriginal[original[i]].push_back(i);
    std::vector<std::vector<int>> targets(layout.pieces.size());
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const std::vector<Joint>& joints = layout.pieces[i].joints;
        targets[i].resize(joints.size(), -1);
        for (size_t c = 0; c < joints.size(); ++c)
            if (joints[c].target != -1)
                targets[i][c] = resolveJoint(layout.pieces, original, byOriginal, i, static_cast<int>(c),
                                             joints[c].target, joints[c].targetConnector);
    }
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        PlacedPiece& piece = layout.pieces[i];
        for (size_t c = 0; c < piece.joints.size(); ++c)
            if (piece.joints[c].target != -1)
                piece.joints[c].target = targets[i][c];
        if (piece.helix != -1)
            follow(piece.helix, helixIds);
    }
    for (Tunnel& tunnel : layout.tunnels) {
        follow(tunnel.portalA, sceneryIds);
        follow(tunnel.portalB, sceneryIds);
        follow(tunnel.anchorA, pieceIds);
        follow(tunnel.anchorB, pieceIds);
        for (int& covered : tunnel.coveredPieces)
            follow(covered, pieceIds);
    }
    for (Helix& helix : layout.helices)
        for (int* stub : {&helix.bottomR1, &helix.bottomR2, &helix.topR1, &helix.topR2})
            follow(*stub, pieceIds);
    for (GradeRun& run : layout.gradeRuns)
        follow(run.anchor, pieceIds);
    layout.updateCurrentGradeRun();
    return renumbered;
}

} // namespace layrail
