#include "canvas/SnapCandidates.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "canvas/LevelRules.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

double catalogConnectorReach()
{
    static const double reach = [] {
        double r = 0.0;
        for (const CatalogPiece& p : TrackCatalog::instance().pieces())
            for (const Connector& c : p.connectors)
                r = std::max(r, std::hypot(c.x, c.y));
        return r;
    }();
    return reach;
}

void SnapCandidates::build(const Layout& layout, bool unselectedOnly)
{
    clear();
    std::unordered_set<int> ids;
    ids.reserve(layout.pieces.size() * 2);
    for (const PlacedPiece& p : layout.pieces)
        ids.insert(p.id);
    pieces_.reserve(layout.pieces.size());
    for (const PlacedPiece& p : layout.pieces) {
        if ((unselectedOnly && p.selected) || !levelVisible(layout, p.level))
            continue;
        const bool dangling = std::any_of(p.joints.begin(), p.joints.end(), [&](const Joint& j) {
            return j.target != -1 && ids.count(j.target) == 0;
        });
        if (!dangling) {
            pieces_.push_back(&p);
            continue;
        }
        PlacedPiece copy = p;
        for (Joint& j : copy.joints)
            if (j.target != -1 && ids.count(j.target) == 0)
                j = Joint{};
        mended_.push_back(std::move(copy));
        pieces_.push_back(&mended_.back());
    }
    source_ = layout.pieces.data();
    sourceSize_ = layout.pieces.size();
    built_ = true;
}

void SnapCandidates::clear()
{
    pieces_.clear();
    mended_.clear();
    source_ = nullptr;
    sourceSize_ = 0;
    built_ = false;
}

bool SnapCandidates::stale(const Layout& layout) const
{
    return !built_ || source_ != layout.pieces.data() || sourceSize_ != layout.pieces.size();
}

void SnapCandidates::within(double minX, double minY, double maxX, double maxY,
                            std::vector<const PlacedPiece*>& out) const
{
    out.clear();
    for (const PlacedPiece* p : pieces_)
        if (p->x >= minX && p->x <= maxX && p->y >= minY && p->y <= maxY)
            out.push_back(p);
}

} // namespace layrail
