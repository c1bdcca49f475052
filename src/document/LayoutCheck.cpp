#include "document/LayoutCheck.h"

#include <map>
#include <unordered_map>

#include "catalog/TrackCatalog.h"
#include "document/StructureCheck.h"

namespace layrail {

namespace {

std::string connectorText(int pieceId, int connector)
{
    return "piece " + std::to_string(pieceId) + " connector " + std::to_string(connector);
}

// Problems of one joint entry; the target piece is looked up through the id map.
void checkJoint(const Layout& layout, const std::unordered_map<int, size_t>& pieceIndex, const PlacedPiece& piece,
                int own, const CatalogPiece* ownCatalog, std::vector<std::string>& problems)
{
    const Joint& joint = piece.joints[static_cast<size_t>(own)];
    const std::string where = connectorText(piece.id, own);
    if (ownCatalog && own >= static_cast<int>(ownCatalog->connectors.size()))
        problems.push_back(where + ": joint on a connector the piece does not have (it has " +
                           std::to_string(ownCatalog->connectors.size()) + ")");

    auto found = pieceIndex.find(joint.target);
    if (found == pieceIndex.end()) {
        problems.push_back(where + ": joint to missing piece " + std::to_string(joint.target));
        return;
    }
    const PlacedPiece& target = layout.pieces[found->second];
    const std::string targetText = connectorText(target.id, joint.targetConnector);
    if (const CatalogPiece* targetCatalog = TrackCatalog::instance().find(target.article)) {
        const int count = static_cast<int>(targetCatalog->connectors.size());
        if (joint.targetConnector < 0 || joint.targetConnector >= count) {
            problems.push_back(where + ": joint to connector " + std::to_string(joint.targetConnector) +
                               " of piece " + std::to_string(target.id) + ", which has " + std::to_string(count) +
                               " connectors");
            return;
        }
    }
    const bool recorded = joint.targetConnector >= 0 &&
                          joint.targetConnector < static_cast<int>(target.joints.size()) &&
                          target.joints[static_cast<size_t>(joint.targetConnector)].target == piece.id &&
                          target.joints[static_cast<size_t>(joint.targetConnector)].targetConnector == own;
    if (!recorded)
        problems.push_back(where + ": joint to " + targetText + " is not recorded on piece " +
                           std::to_string(target.id));
}

// Every record of the shared id space with the kind of record that holds it.
std::map<int, std::vector<const char*>> idOwners(const Layout& layout)
{
    std::map<int, std::vector<const char*>> owners;
    for (const PlacedPiece& p : layout.pieces)
        owners[p.id].push_back("piece");
    for (const SceneryItem& s : layout.scenery)
        owners[s.id].push_back("scenery item");
    for (const LayoutLabel& l : layout.labels)
        owners[l.id].push_back("label");
    for (const DimensionLine& d : layout.dimensionLines)
        owners[d.id].push_back("dimension line");
    for (const LayoutShape& s : layout.shapes)
        owners[s.id].push_back("shape");
    for (const Tunnel& t : layout.tunnels)
        owners[t.id].push_back("tunnel");
    for (const Helix& h : layout.helices)
        owners[h.id].push_back("helix");
    return owners;
}

} // namespace

std::vector<std::string> findLayoutProblems(const Layout& layout)
{
    std::vector<std::string> problems;
    const TrackCatalog& catalog = TrackCatalog::instance();

    // The first piece of an id answers for it; duplicates are reported below.
    std::unordered_map<int, size_t> pieceIndex;
    for (size_t i = 0; i < layout.pieces.size(); ++i)
        pieceIndex.emplace(layout.pieces[i].id, i);

    for (const PlacedPiece& piece : layout.pieces) {
        const CatalogPiece* own = catalog.find(piece.article);
        if (!own)
            problems.push_back("piece " + std::to_string(piece.id) + ": unknown article \"" + piece.article + "\"");
        for (size_t c = 0; c < piece.joints.size(); ++c) {
            if (piece.joints[c].target != -1)
                checkJoint(layout, pieceIndex, piece, static_cast<int>(c), own, problems);
        }
    }

    for (const auto& [id, owners] : idOwners(layout)) {
        if (owners.size() < 2)
            continue;
        std::string text = "duplicate id " + std::to_string(id) + ":";
        for (size_t i = 0; i < owners.size(); ++i)
            text += (i == 0 ? " " : ", ") + std::string(owners[i]);
        problems.push_back(text);
    }

    std::map<int, int> levelCounts;
    for (const Level& level : layout.levels)
        ++levelCounts[level.id];
    for (const auto& [id, count] : levelCounts) {
        if (count > 1)
            problems.push_back("duplicate level id " + std::to_string(id) + ": " + std::to_string(count) + " levels");
    }
    appendStructureProblems(layout, problems);
    return problems;
}

} // namespace layrail
