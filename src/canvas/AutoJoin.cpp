#include "canvas/AutoJoin.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "canvas/LevelRules.h"
#include "canvas/SnapCandidates.h"
#include "document/ConnectorMatching.h"
#include "document/JointGeometry.h"
#include "document/Joints.h"
#include "document/WorldConnectors.h"

namespace layrail {

namespace {

// Joints made here must still meet by the rule every joint keeps.
constexpr double kAutoJoinDistance = kJointReach;
constexpr double kCoincideDistance = 1.0;

struct FreeEnd {
    int piece;
    int connector;
    Connector world;
    TrackSystem system;
    int level;
    bool taken;
};

struct JoinRule {
    double distance;
    bool placing; // pieces on visible levels only
};

void appendFreeEnds(const PlacedPiece& p, const std::unordered_map<int, size_t>& index, std::vector<FreeEnd>& out)
{
    const CatalogPiece* cat = catalogPieceOf(p);
    if (cat == nullptr)
        return;
    for (const Connector& c : worldConnectors(Pose{p.x, p.y, p.heading}, *cat)) {
        const bool free = p.isOpen(c.index) || index.count(p.joints[static_cast<size_t>(c.index)].target) == 0;
        if (free)
            out.push_back({p.id, c.index, c, cat->connectorSystem(c.index), p.level, false});
    }
}

// Only ends that could have been laid together are joined: facing each other, of one track
// system and on one level.
bool joinable(const FreeEnd& a, const FreeEnd& b)
{
    return a.system == b.system && a.level == b.level &&
           facingError(a.world.heading, b.world.heading) <= kJointFacingTolerance;
}

void joinNearEnds(Layout& layout, const std::vector<int>& pieceIds, const JoinRule& rule)
{
    if (pieceIds.empty())
        return;
    const std::unordered_map<int, size_t> index = pieceIndex(layout);
    const std::unordered_set<int> own(pieceIds.begin(), pieceIds.end());

    std::vector<FreeEnd> ends;
    for (const PlacedPiece& p : layout.pieces)
        if (own.count(p.id) != 0)
            appendFreeEnds(p, index, ends);
    if (ends.empty())
        return;
    double minX = DBL_MAX, minY = DBL_MAX, maxX = -DBL_MAX, maxY = -DBL_MAX;
    for (const FreeEnd& e : ends) {
        minX = std::min(minX, e.world.x);
        minY = std::min(minY, e.world.y);
        maxX = std::max(maxX, e.world.x);
        maxY = std::max(maxY, e.world.y);
    }
    // Only pieces whose origin lies within reach of an end can hold a connector near it.
    const double margin = catalogConnectorReach() + rule.distance;
    std::vector<FreeEnd> others;
    for (const PlacedPiece& p : layout.pieces) {
        if (own.count(p.id) != 0 || p.x < minX - margin || p.x > maxX + margin || p.y < minY - margin ||
            p.y > maxY + margin)
            continue;
        if (rule.placing && !levelVisible(layout, p.level))
            continue;
        appendFreeEnds(p, index, others);
    }

    const double limit = rule.distance * rule.distance;
    for (const FreeEnd& e : ends) {
        for (FreeEnd& o : others) {
            if (o.taken)
                continue;
            const double dx = o.world.x - e.world.x;
            const double dy = o.world.y - e.world.y;
            if (dx * dx + dy * dy >= limit)
                continue;
            if (!joinable(e, o))
                continue;
            joinBoth(layout, e.piece, e.connector, o.piece, o.connector);
            o.taken = true;
            break;
        }
    }
}

} // namespace

void autoJoin(Layout& layout, const std::vector<int>& pieceIds)
{
    joinNearEnds(layout, pieceIds, {kAutoJoinDistance, false});
}

void joinCoincidentEnds(Layout& layout, const std::vector<int>& pieceIds)
{
    joinNearEnds(layout, pieceIds, {kCoincideDistance, true});
}

} // namespace layrail
