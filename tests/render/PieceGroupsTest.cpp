#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/PieceGroups.h"

namespace layrail::testing {
namespace {

void join(PlacedPiece& a, int ca, PlacedPiece& b, int cb)
{
    a.setJoint(ca, b.id, cb);
    b.setJoint(cb, a.id, ca);
}

TEST(PieceGroupsTest, ApproachesAreFloodedFromTheHelixStubsWithoutCrossingThem)
{
    Layout layout = emptyLayout();
    PlacedPiece& bottom = addPiece(layout, "24188", 0, 0);
    bottom.helix = 9;
    PlacedPiece& top = addPiece(layout, "24188", 0, 0);
    top.helix = 9;
    top.z = 260.0;
    PlacedPiece& low1 = addPiece(layout, "24188", 0, 0);
    PlacedPiece& low2 = addPiece(layout, "24188", 0, 0);
    PlacedPiece& high = addPiece(layout, "24188", 0, 0);
    PlacedPiece& loose = addPiece(layout, "24188", 0, 0);
    join(low2, 1, low1, 0);
    join(low1, 1, bottom, 0);
    // The top stub joins the bottom stub directly: the flood must not walk on through it.
    join(bottom, 1, top, 0);
    join(top, 1, high, 0);

    PieceGroups groups;
    computePieceGroups(layout, groups);
    EXPECT_TRUE(groups.anyLower);
    EXPECT_EQ(groups.lower, (std::vector<char>{1, 0, 1, 1, 0, 0}));
    EXPECT_EQ(groups.helixSet, (std::set<int>{bottom.id, top.id, low1.id, low2.id, high.id}));
    EXPECT_EQ(groups.helixSet.count(loose.id), 0u);
}

TEST(PieceGroupsTest, TunnelsAndPlainLayouts)
{
    Layout layout = emptyLayout();
    addPiece(layout, "24188", 0, 0);
    Tunnel tunnel;
    tunnel.coveredPieces = {1, 5};
    layout.tunnels.push_back(tunnel);
    PieceGroups groups;
    groups.helixSet = {77};
    computePieceGroups(layout, groups);
    EXPECT_FALSE(groups.anyLower);
    EXPECT_TRUE(groups.helixSet.empty());
    EXPECT_EQ(groups.inTunnel.count(1), 1u);
    EXPECT_EQ(groups.inTunnel.count(5), 1u);
    EXPECT_EQ(groups.lower.size(), 1u);
}

} // namespace
} // namespace layrail::testing
