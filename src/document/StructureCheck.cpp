#include "document/StructureCheck.h"

#include <unordered_map>
#include <unordered_set>

namespace layrail {

namespace {

std::string tunnelText(const Tunnel& t)
{
    return "tunnel " + std::to_string(t.id);
}
std::string helixText(const Helix& h)
{
    return "helix " + std::to_string(h.id);
}

void checkTunnel(const Tunnel& t, const std::unordered_map<int, const PlacedPiece*>& pieces,
                 const std::unordered_set<int>& scenery, std::vector<std::string>& problems)
{
    for (int portal : {t.portalA, t.portalB})
        if (portal != -1 && scenery.count(portal) == 0)
            problems.push_back(tunnelText(t) + ": portal " + std::to_string(portal) + " is missing");
    for (int anchor : {t.anchorA, t.anchorB})
        if (anchor != -1 && pieces.count(anchor) == 0)
            problems.push_back(tunnelText(t) + ": anchor piece " + std::to_string(anchor) + " is missing");
    for (int covered : t.coveredPieces)
        if (pieces.count(covered) == 0)
            problems.push_back(tunnelText(t) + ": covered piece " + std::to_string(covered) + " is missing");
}

void checkHelix(const Helix& h, const std::unordered_map<int, const PlacedPiece*>& pieces,
                std::vector<std::string>& problems)
{
    for (int stub : {h.bottomR1, h.bottomR2, h.topR1, h.topR2}) {
        if (stub == -1)
            continue;
        const auto found = pieces.find(stub);
        if (found == pieces.end())
            problems.push_back(helixText(h) + ": stub " + std::to_string(stub) + " is missing");
        else if (found->second->helix != h.id)
            problems.push_back(helixText(h) + ": stub " + std::to_string(stub) + " is marked as helix " +
                               std::to_string(found->second->helix));
    }
}

} // namespace

void appendStructureProblems(const Layout& layout, std::vector<std::string>& problems)
{
    std::unordered_map<int, const PlacedPiece*> pieces;
    for (const PlacedPiece& p : layout.pieces)
        pieces.emplace(p.id, &p);
    std::unordered_set<int> scenery;
    for (const SceneryItem& s : layout.scenery)
        scenery.insert(s.id);

    for (const Tunnel& t : layout.tunnels)
        checkTunnel(t, pieces, scenery, problems);

    std::unordered_map<int, const Helix*> helices;
    for (const Helix& h : layout.helices) {
        helices.emplace(h.id, &h);
        checkHelix(h, pieces, problems);
    }
    for (const PlacedPiece& p : layout.pieces) {
        if (p.helix == -1)
            continue;
        const auto found = helices.find(p.helix);
        if (found == helices.end()) {
            problems.push_back("piece " + std::to_string(p.id) + ": helix " + std::to_string(p.helix) + " is missing");
            continue;
        }
        const Helix& h = *found->second;
        if (p.id != h.bottomR1 && p.id != h.bottomR2 && p.id != h.topR1 && p.id != h.topR2)
            problems.push_back("piece " + std::to_string(p.id) + ": marked as helix " + std::to_string(p.helix) +
                               " but is not one of its stubs");
    }

    for (const GradeRun& run : layout.gradeRuns)
        if (run.anchor != -1 && pieces.count(run.anchor) == 0)
            problems.push_back("grade run: anchor piece " + std::to_string(run.anchor) + " is missing");
}

} // namespace layrail
