#pragma once

#include <deque>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// The farthest any catalog connector lies from its piece's origin.
double catalogConnectorReach();

// The placed pieces a dragged piece may snap to, gathered once per drag and reused on every motion.
// A piece whose joints point at missing pieces takes part as a copy with those connectors open.
class SnapCandidates {
public:
    SnapCandidates() = default;
    SnapCandidates(const SnapCandidates&) = delete;
    SnapCandidates& operator=(const SnapCandidates&) = delete;
    SnapCandidates(SnapCandidates&&) = default;
    SnapCandidates& operator=(SnapCandidates&&) = default;

    // Pieces on visible levels; with unselectedOnly the selected ones are left out.
    void build(const Layout& layout, bool unselectedOnly);
    void clear();
    // The layout's piece list was replaced or resized since the build.
    bool stale(const Layout& layout) const;

    const std::vector<const PlacedPiece*>& pieces() const { return pieces_; }
    // The candidates whose origin lies in the box, in the same order.
    void within(double minX, double minY, double maxX, double maxY, std::vector<const PlacedPiece*>& out) const;

private:
    std::vector<const PlacedPiece*> pieces_;
    std::deque<PlacedPiece> mended_;
    const PlacedPiece* source_ = nullptr;
    size_t sourceSize_ = 0;
    bool built_ = false;
};

} // namespace layrail
