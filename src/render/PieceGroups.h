#pragma once

#include <set>
#include <unordered_set>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// The per-paint sets that decide how and in which group pieces are drawn.
struct PieceGroups {
    std::unordered_set<int> inTunnel;  // ids of pieces covered by tunnels
    std::set<int> helixSet;            // helix pieces and the track reached from them
    std::vector<char> lower;           // by piece index: the lower group, drawn before the helix rings
    bool anyLower = false;
};

// Fills the groups for the layout; the lower group holds the helix pieces below 0.5 mm and the
// non-helix track reached from them without passing through helix pieces.
void computePieceGroups(const Layout& layout, PieceGroups& groups);

} // namespace layrail
