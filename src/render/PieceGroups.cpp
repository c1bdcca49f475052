#include "render/PieceGroups.h"

#include <unordered_map>

namespace layrail {

namespace {

constexpr double kLowerHelixZ = 0.5;

// Marks every non-helix piece reached from the seeds; seeds themselves are helix pieces.
void floodFromHelix(const Layout& layout, const std::unordered_map<int, size_t>& indexById,
                    const std::vector<size_t>& seeds, std::vector<char>& reached)
{
    std::vector<size_t> stack(seeds);
    while (!stack.empty()) {
        size_t i = stack.back();
        stack.pop_back();
        for (const Joint& joint : layout.pieces[i].joints) {
            if (joint.target == -1)
                continue;
            auto it = indexById.find(joint.target);
            if (it == indexById.end())
                continue;
            size_t j = it->second;
            if (reached[j] || layout.pieces[j].helix != -1)
                continue;
            reached[j] = 1;
            stack.push_back(j);
        }
    }
}

} // namespace

void computePieceGroups(const Layout& layout, PieceGroups& groups)
{
    groups.inTunnel.clear();
    groups.helixSet.clear();
    groups.lower.assign(layout.pieces.size(), 0);
    groups.anyLower = false;

    for (const Tunnel& tunnel : layout.tunnels)
        groups.inTunnel.insert(tunnel.coveredPieces.begin(), tunnel.coveredPieces.end());

    std::vector<size_t> lowSeeds, highSeeds;
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PlacedPiece& p = layout.pieces[i];
        if (p.helix == -1)
            continue;
        (p.z < kLowerHelixZ ? lowSeeds : highSeeds).push_back(i);
    }
    if (lowSeeds.empty() && highSeeds.empty())
        return;

    std::unordered_map<int, size_t> indexById;
    indexById.reserve(layout.pieces.size());
    for (size_t i = 0; i < layout.pieces.size(); ++i)
        indexById.emplace(layout.pieces[i].id, i);

    std::vector<char> upper(layout.pieces.size(), 0);
    floodFromHelix(layout, indexById, lowSeeds, groups.lower);
    floodFromHelix(layout, indexById, highSeeds, upper);
    for (size_t i : lowSeeds)
        groups.lower[i] = 1;

    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        if (groups.lower[i] || upper[i] || layout.pieces[i].helix != -1)
            groups.helixSet.insert(layout.pieces[i].id);
        if (groups.lower[i])
            groups.anyLower = true;
    }
}

} // namespace layrail
