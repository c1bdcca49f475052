#include "document/LayoutCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "catalog/TrackCatalog.h"
#include "document/IdSpace.h"
#include "document/JointGeometry.h"

namespace layrail {

namespace {

std::string connectorText(int pieceId, int connector)
{
    return "piece " + std::to_string(pieceId) + " connector " + std::to_string(connector);
}

std::string oneDecimal(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The pieces by id, each with its catalog entry looked up once; the first piece of an id answers
// for it (duplicates are reported on their own).
struct PieceTable {
    std::unordered_map<int, size_t> index;
    std::vector<const CatalogPiece*> catalog;

    explicit PieceTable(const Layout& layout)
    {
        const TrackCatalog& tracks = TrackCatalog::instance();
        index.reserve(layout.pieces.size() * 2);
        catalog.reserve(layout.pieces.size());
        for (size_t i = 0; i < layout.pieces.size(); ++i) {
            index.emplace(layout.pieces[i].id, i);
            catalog.push_back(tracks.find(layout.pieces[i].article));
        }
    }
    bool has(int id) const { return id != -1 && index.count(id) != 0; }
};

// Where two joined connectors lie, once per joint: from the side whose piece id (then connector)
// is smaller, so a joint is not reported twice.
void checkJointGeometry(const PlacedPiece& piece, int own, const CatalogPiece& ownCatalog, const PlacedPiece& target,
                        int targetConnector, const CatalogPiece& targetCatalog, std::vector<std::string>& problems)
{
    if (target.id < piece.id || (target.id == piece.id && targetConnector < own))
        return;
    const Connector a = worldConnectorAt(piece, ownCatalog, own);
    const Connector b = worldConnectorAt(target, targetCatalog, targetConnector);
    const auto where = [&] {
        return connectorText(piece.id, own) + ": joint to " + connectorText(target.id, targetConnector);
    };
    const TrackSystem ownSystem = ownCatalog.connectorSystem(own);
    const TrackSystem targetSystem = targetCatalog.connectorSystem(targetConnector);
    if (ownSystem != targetSystem)
        problems.push_back(where() + " joins " + systemName(ownSystem) + " to " + systemName(targetSystem));
    const double gap = std::hypot(a.x - b.x, a.y - b.y);
    if (!(gap < kJointReach))
        problems.push_back(where() + ": the connectors lie " + oneDecimal(gap) + " mm apart");
    const double turn = facingError(a.heading, b.heading);
    if (!(turn <= kJointFacingTolerance))
        problems.push_back(where() + ": the connectors miss facing each other by " + oneDecimal(turn) + " degrees");
}

// Problems of one joint entry; the target piece is looked up through the id table.
void checkJoint(const Layout& layout, const PieceTable& table, const PlacedPiece& piece, int own,
                const CatalogPiece* ownCatalog, std::vector<std::string>& problems)
{
    const Joint& joint = piece.joints[static_cast<size_t>(own)];
    // The texts are built only for a problem: a consistent layout is checked after every edit.
    const auto where = [&] { return connectorText(piece.id, own); };
    const bool ownIndexValid = !ownCatalog || own < static_cast<int>(ownCatalog->connectors.size());
    if (!ownIndexValid)
        problems.push_back(where() + ": joint on a connector the piece does not have (it has " +
                           std::to_string(ownCatalog->connectors.size()) + ")");

    auto found = table.index.find(joint.target);
    if (found == table.index.end()) {
        problems.push_back(where() + ": joint to missing piece " + std::to_string(joint.target));
        return;
    }
    const PlacedPiece& target = layout.pieces[found->second];
    const CatalogPiece* targetCatalog = table.catalog[found->second];
    if (targetCatalog) {
        const int count = static_cast<int>(targetCatalog->connectors.size());
        if (joint.targetConnector < 0 || joint.targetConnector >= count) {
            problems.push_back(where() + ": joint to connector " + std::to_string(joint.targetConnector) +
                               " of piece " + std::to_string(target.id) + ", which has " + std::to_string(count) +
                               " connectors");
            return;
        }
    }
    const bool recorded = joint.targetConnector >= 0 &&
                          joint.targetConnector < static_cast<int>(target.joints.size()) &&
                          target.joints[static_cast<size_t>(joint.targetConnector)].target == piece.id &&
                          target.joints[static_cast<size_t>(joint.targetConnector)].targetConnector == own;
    if (!recorded) {
        problems.push_back(where() + ": joint to " + connectorText(target.id, joint.targetConnector) +
                           " is not recorded on piece " + std::to_string(target.id));
        return;
    }
    if (ownCatalog && targetCatalog && ownIndexValid)
        checkJointGeometry(piece, own, *ownCatalog, target, joint.targetConnector, *targetCatalog, problems);
}

// The kinds of record that share the id counter, in the order duplicates name them.
constexpr const char* kKindNames[] = {"piece", "scenery item", "label", "dimension line", "shape", "tunnel", "helix"};

struct IdEntry {
    int id;
    int kind;
    size_t position;
    bool operator<(const IdEntry& o) const
    {
        if (id != o.id)
            return id < o.id;
        if (kind != o.kind)
            return kind < o.kind;
        return position < o.position;
    }
};

template <typename Records>
void addIds(const Records& records, int kind, std::vector<IdEntry>& out)
{
    for (size_t i = 0; i < records.size(); ++i)
        out.push_back({records[i].id, kind, i});
}

void checkDuplicateIds(const Layout& layout, std::vector<std::string>& problems)
{
    std::vector<IdEntry> ids;
    ids.reserve(layout.pieces.size() + layout.scenery.size() + layout.labels.size() + layout.dimensionLines.size() +
                layout.shapes.size() + layout.tunnels.size() + layout.helices.size());
    addIds(layout.pieces, 0, ids);
    addIds(layout.scenery, 1, ids);
    addIds(layout.labels, 2, ids);
    addIds(layout.dimensionLines, 3, ids);
    addIds(layout.shapes, 4, ids);
    addIds(layout.tunnels, 5, ids);
    addIds(layout.helices, 6, ids);
    std::sort(ids.begin(), ids.end());
    for (size_t i = 0; i < ids.size();) {
        size_t end = i + 1;
        while (end < ids.size() && ids[end].id == ids[i].id)
            ++end;
        if (end - i > 1) {
            std::string text = "duplicate id " + std::to_string(ids[i].id) + ":";
            for (size_t k = i; k < end; ++k)
                text += (k == i ? " " : ", ") + std::string(kKindNames[ids[k].kind]);
            problems.push_back(text);
        }
        i = end;
    }
}

void checkReferences(const Layout& layout, const PieceTable& pieces, std::vector<std::string>& problems)
{
    std::unordered_map<int, int> sceneryIds;
    for (const SceneryItem& item : layout.scenery)
        ++sceneryIds[item.id];
    auto missingPiece = [&](const std::string& owner, const char* role, int id) {
        if (id != -1 && !pieces.has(id))
            problems.push_back(owner + ": " + role + " piece " + std::to_string(id) + " does not exist");
    };
    for (const Tunnel& tunnel : layout.tunnels) {
        const std::string owner = "tunnel " + std::to_string(tunnel.id);
        for (const auto& [role, id] : {std::pair<const char*, int>{"portal A", tunnel.portalA}, {"portal B", tunnel.portalB}})
            if (id != -1 && sceneryIds.count(id) == 0)
                problems.push_back(owner + ": " + role + " scenery item " + std::to_string(id) + " does not exist");
        missingPiece(owner, "anchor A", tunnel.anchorA);
        missingPiece(owner, "anchor B", tunnel.anchorB);
        for (int covered : tunnel.coveredPieces)
            if (!pieces.has(covered))
                problems.push_back(owner + ": covered piece " + std::to_string(covered) + " does not exist");
    }
    std::unordered_map<int, const Helix*> helices;
    for (const Helix& helix : layout.helices) {
        helices.emplace(helix.id, &helix);
        const std::string owner = "helix " + std::to_string(helix.id);
        for (const auto& [role, id] : {std::pair<const char*, int>{"bottom R1", helix.bottomR1},
                                       {"bottom R2", helix.bottomR2},
                                       {"top R1", helix.topR1},
                                       {"top R2", helix.topR2}}) {
            missingPiece(owner, role, id);
            const auto stub = pieces.index.find(id);
            if (id != -1 && stub != pieces.index.end() && layout.pieces[stub->second].helix != helix.id)
                problems.push_back(owner + ": " + role + " piece " + std::to_string(id) + " is marked as helix " +
                                   std::to_string(layout.pieces[stub->second].helix));
        }
    }
    // A piece that names a helix must be one of its stubs: delete and move treat helices as a whole.
    for (const PlacedPiece& piece : layout.pieces) {
        const auto found = helices.find(piece.helix);
        if (found == helices.end())
            continue;
        const Helix& h = *found->second;
        if (piece.id != h.bottomR1 && piece.id != h.bottomR2 && piece.id != h.topR1 && piece.id != h.topR2)
            problems.push_back("piece " + std::to_string(piece.id) + ": marked as helix " + std::to_string(h.id) +
                               " but is not one of its stubs");
    }
    for (size_t i = 0; i < layout.gradeRuns.size(); ++i)
        missingPiece("grade run " + std::to_string(i + 1), "anchor", layout.gradeRuns[i].anchor);
}

} // namespace

std::vector<std::string> findLayoutProblems(const Layout& layout)
{
    std::vector<std::string> problems;
    const PieceTable table(layout);
    std::unordered_map<int, int> helixIds;
    for (const Helix& helix : layout.helices)
        ++helixIds[helix.id];

    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PlacedPiece& piece = layout.pieces[i];
        const CatalogPiece* own = table.catalog[i];
        if (!own)
            problems.push_back("piece " + std::to_string(piece.id) + ": unknown article \"" + piece.article + "\"");
        if (piece.helix != -1 && helixIds.count(piece.helix) == 0)
            problems.push_back("piece " + std::to_string(piece.id) + ": helix " + std::to_string(piece.helix) +
                               " does not exist");
        for (size_t c = 0; c < piece.joints.size(); ++c) {
            if (piece.joints[c].target != -1)
                checkJoint(layout, table, piece, static_cast<int>(c), own, problems);
        }
    }

    checkDuplicateIds(layout, problems);

    std::map<int, int> levelCounts;
    for (const Level& level : layout.levels)
        ++levelCounts[level.id];
    for (const auto& [id, count] : levelCounts) {
        if (count > 1)
            problems.push_back("duplicate level id " + std::to_string(id) + ": " + std::to_string(count) + " levels");
    }

    const int largest = largestContentId(layout);
    if (layout.nextId <= largest)
        problems.push_back("next id " + std::to_string(layout.nextId) + " is not above the largest id " +
                           std::to_string(largest));
    checkReferences(layout, table, problems);
    return problems;
}

} // namespace layrail
