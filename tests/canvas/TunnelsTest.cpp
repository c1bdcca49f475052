#include <gtest/gtest.h>

#include <algorithm>

#include "support/EditTestSupport.h"
#include "canvas/Locks.h"
#include "canvas/Placement.h"
#include "canvas/Rotate.h"
#include "canvas/Tunnels.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

void selectOnly(Layout& layout, const std::vector<int>& ids)
{
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    for (SceneryItem& s : layout.scenery)
        s.selected = false;
    selectPieces(layout, ids);
}

// A chain of `count` straights along the x axis.
std::vector<int> layChain(Layout& layout, int count, int level = 1)
{
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back(lay(layout, "24188", 188.3 * i, 0, 0, level));
        if (i > 0)
            joinBoth(layout, ids[i - 1], 1, ids[i], 0);
    }
    return ids;
}

// Twelve R1 curves laid one after the other close into a circle.
std::vector<int> layLoop(Layout& layout)
{
    const int first = lay(layout, "24130", 0, 0, 0);
    for (int i = 0; i < 11; ++i) {
        selectOnly(layout, {layout.pieces.back().id});
        autoConnect(layout, "24130");
    }
    std::vector<int> ids;
    for (const PlacedPiece& p : layout.pieces)
        ids.push_back(p.id);
    EXPECT_TRUE(joined(layout, first, 0, ids.back(), 1)) << "the twelfth curve closes the loop";
    return ids;
}

bool disabled(const Layout& layout)
{
    const TunnelAnalysis a = analyseTunnel(layout);
    return !a.canAct && !a.inTunnel && tunnelToolLabel(a) == std::string("Tunnel");
}

} // namespace

TEST(Tunnel, UnsuitableSelectionsLeaveTheToolDisabled)
{
    Layout layout = withLevel();
    const std::vector<int> chain = layChain(layout, 3);
    const int loose = lay(layout, "24188", 0, 500, 0);
    EXPECT_TRUE(disabled(layout));
    selectOnly(layout, {chain[0]});
    EXPECT_TRUE(disabled(layout));
    selectOnly(layout, {chain[0], loose});
    EXPECT_TRUE(disabled(layout));
    selectOnly(layout, {chain[0], chain[2]}); // not joined to each other
    EXPECT_TRUE(disabled(layout));
    EXPECT_FALSE(toggleTunnel(layout).changed());
    EXPECT_TRUE(layout.undoStack.empty());

    Layout loop = withLevel();
    const std::vector<int> ring = layLoop(loop);
    selectOnly(loop, ring);
    EXPECT_TRUE(disabled(loop)) << "a closed loop has no ends";
    selectOnly(loop, std::vector<int>(ring.begin(), ring.end() - 1));
    EXPECT_TRUE(analyseTunnel(loop).canAct) << "the loop opened by one piece has two ends";

    // A turnout with track on all three connectors has three ends.
    Layout y = withLevel();
    const int turnout = lay(y, "24611", 0, 0, 0);
    const int in = lay(y, "24188", -188.3, 0, 0);
    joinBoth(y, in, 1, turnout, 0);
    const int straight = lay(y, "24188", 188.3, 0, 0);
    joinBoth(y, turnout, 1, straight, 0);
    const Connector branchEnd = worldConnector(y, turnout, 2);
    const int branch = lay(y, "24188", branchEnd.x, branchEnd.y, branchEnd.heading);
    joinBoth(y, turnout, 2, branch, 0);
    selectOnly(y, {turnout, in, straight, branch});
    EXPECT_TRUE(disabled(y));
    selectOnly(y, {turnout, in, straight});
    EXPECT_TRUE(analyseTunnel(y).canAct);
}

TEST(Tunnel, PlacesPortalsAtTheOutwardConnectorsAndRemovesThemAgain)
{
    Layout layout = withLevel();
    const std::vector<int> chain = layChain(layout, 4);
    const std::vector<PlacedPiece> piecesBefore = layout.pieces;
    selectOnly(layout, {chain[2], chain[1]});

    const TunnelAnalysis a = analyseTunnel(layout);
    ASSERT_TRUE(a.canAct);
    EXPECT_FALSE(a.inTunnel);
    EXPECT_STREQ(tunnelToolLabel(a), "Tunnel");
    EXPECT_EQ(a.anchorA, chain[1]);
    EXPECT_EQ(a.connectorA, 0); // joined to the unselected first piece: still outward
    EXPECT_EQ(a.anchorB, chain[2]);
    EXPECT_EQ(a.connectorB, 1);
    EXPECT_EQ(a.covered, (std::vector<int>{chain[1], chain[2]}));

    const int firstNewId = layout.nextId;
    EXPECT_TRUE(toggleTunnel(layout).changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ASSERT_EQ(layout.scenery.size(), 2u);
    ASSERT_EQ(layout.tunnels.size(), 1u);
    const SceneryItem& portalA = layout.scenery[0];
    const SceneryItem& portalB = layout.scenery[1];
    const Tunnel& t = layout.tunnels[0];
    EXPECT_EQ(portalA.id, firstNewId);
    EXPECT_EQ(portalB.id, firstNewId + 1);
    EXPECT_EQ(t.id, firstNewId + 2);
    EXPECT_EQ(portalA.item, "tunnel_portal_single");
    EXPECT_NEAR(portalA.x, 188.3, 1e-9);
    EXPECT_NEAR(portalA.y, 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(portalA.heading, 180.0);
    EXPECT_NEAR(portalB.x, 3 * 188.3, 1e-9);
    EXPECT_DOUBLE_EQ(portalB.heading, 0.0);
    EXPECT_DOUBLE_EQ(portalA.scaleX, 1.0);
    EXPECT_DOUBLE_EQ(portalA.scaleY, 1.0);
    EXPECT_FALSE(portalA.selected || portalB.selected);
    EXPECT_EQ(t.portalA, portalA.id);
    EXPECT_EQ(t.portalB, portalB.id);
    EXPECT_EQ(t.anchorA, chain[1]);
    EXPECT_EQ(t.anchorB, chain[2]);
    EXPECT_EQ(t.coveredPieces, a.covered);
    EXPECT_TRUE(consistent(layout));

    // The same pieces in another order now remove it.
    selectOnly(layout, {chain[1], chain[2]});
    const TunnelAnalysis again = analyseTunnel(layout);
    EXPECT_TRUE(again.canAct && again.inTunnel);
    EXPECT_EQ(again.tunnelId, t.id);
    EXPECT_STREQ(tunnelToolLabel(again), "Remove Tunnel");
    selectOnly(layout, {chain[0], chain[1], chain[2]});
    EXPECT_TRUE(disabled(layout)) << "overlapping the tunnel";

    selectOnly(layout, {chain[1], chain[2]});
    EXPECT_TRUE(toggleTunnel(layout).changed());
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.scenery.empty());
    ASSERT_EQ(layout.pieces.size(), piecesBefore.size());
    for (size_t i = 0; i < piecesBefore.size(); ++i) {
        EXPECT_EQ(layout.pieces[i].x, piecesBefore[i].x);
        EXPECT_EQ(layout.pieces[i].joints.size(), piecesBefore[i].joints.size());
    }

    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.tunnels.size(), 1u);
    ASSERT_TRUE(undo(layout));
    EXPECT_TRUE(layout.tunnels.empty());
    EXPECT_TRUE(layout.scenery.empty());
}

TEST(Tunnel, PortalsStandOnTheLevelOfTheirTrack)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 300));
    const std::vector<int> chain = layChain(layout, 2, 2);
    selectOnly(layout, chain);
    toggleTunnel(layout);
    ASSERT_EQ(layout.scenery.size(), 2u);
    EXPECT_EQ(layout.scenery[0].level, 2);
    EXPECT_EQ(layout.scenery[1].level, 2);
}

TEST(Tunnel, TrackAndPortalsAreLockedUntilTheTunnelGoes)
{
    Layout layout = withLevel();
    const std::vector<int> chain = layChain(layout, 4);
    selectOnly(layout, {chain[1], chain[2]});
    toggleTunnel(layout);

    selectOnly(layout, {chain[0], chain[2]});
    LockRefusal lock = checkLocks(layout, "delete");
    EXPECT_TRUE(lock.refused);
    EXPECT_EQ(lock.title, "Tunnel is locked");
    EXPECT_EQ(lock.message, "Selection includes tunnel track or portals. Remove the tunnel first, then delete.");
    EXPECT_EQ(checkLocks(layout, "rotate").message,
              "Selection includes tunnel track or portals. Remove the tunnel first, then rotate.");
    EXPECT_EQ(checkMoveStart(layout, false).message.text,
              "Selection includes tunnel track or portals. Remove the tunnel first, then move.");
    EXPECT_EQ(checkDelete(layout).gate, Gate::Refused);
    const EditResult rotate = rotateSelectionStep(layout);
    EXPECT_FALSE(rotate.changed());
    EXPECT_EQ(rotate.message.title, "Tunnel is locked");

    selectOnly(layout, {});
    layout.scenery[1].selected = true;
    EXPECT_EQ(checkLocks(layout, "delete").title, "Tunnel is locked");
    EXPECT_EQ(checkMoveStart(layout, false).gate, Gate::Refused);

    selectOnly(layout, {chain[0], chain[3]});
    EXPECT_FALSE(checkLocks(layout, "delete").refused);
    EXPECT_EQ(checkMoveStart(layout, false).gate, Gate::Allowed);
}
