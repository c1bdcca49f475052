// Edits that make or keep joints: every joint they leave must still be true.
#include <gtest/gtest.h>

#include "support/EditTestSupport.h"
#include "document/DeleteSelection.h"
#include "canvas/Move.h"
#include "canvas/Locks.h"
#include "document/PairPartners.h"
#include "canvas/Placement.h"
#include "canvas/Rotate.h"
#include "document/ConnectorMatching.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

// A closed circle of twelve R1 curves, each joined to the next; returns their ids in order.
std::vector<int> layCircle(Layout& layout)
{
    std::vector<int> ids = {lay(layout, "24130", 0, 0, 0)};
    for (int i = 1; i < 12; ++i) {
        const Connector end = worldConnector(layout, ids.back(), 1);
        ids.push_back(lay(layout, "24130", end.x, end.y, end.heading));
        joinBoth(layout, ids[ids.size() - 2], 1, ids.back(), 0);
    }
    joinBoth(layout, ids.back(), 1, ids.front(), 0);
    return ids;
}

// A piece laid with its connector `own` on connector `at` of a placed piece.
int layOn(Layout& layout, const std::string& article, int own, int base, int at, int level = 1)
{
    const Pose pose = poseOnConnector(catalogPiece(article), own, worldConnector(layout, base, at));
    return lay(layout, article, pose.x, pose.y, pose.heading, level);
}

} // namespace

TEST(TurnedJoints, EveryRotationFreesTheJointsItPullsApartOnBothPieces)
{
    enum Way { Wheel, Step, Drag };
    for (Way way : {Wheel, Step, Drag}) {
        Layout layout = withLevel();
        const std::vector<int> ring = layCircle(layout);
        piece(layout, ring[5]).selected = true;
        if (way == Wheel) {
            rotateSelectionByWheel(layout, 120, false);
        } else if (way == Step) {
            rotateSelectionStep(layout);
        } else {
            RotateDrag drag;
            const PlacedPiece& p = piece(layout, ring[5]);
            beginRotateDrag(layout, drag, unitView(), p.x + 100, p.y);
            updateRotateDrag(layout, drag, unitView(), p.x + 100, p.y + 40);
            endRotateDrag(drag);
        }
        EXPECT_TRUE(piece(layout, ring[5]).isOpen(0)) << way;
        EXPECT_TRUE(piece(layout, ring[5]).isOpen(1)) << way;
        EXPECT_TRUE(piece(layout, ring[4]).isOpen(1)) << way;
        EXPECT_TRUE(piece(layout, ring[6]).isOpen(0)) << way;
        EXPECT_TRUE(joined(layout, ring[6], 1, ring[7], 0)) << way;
        EXPECT_TRUE(consistent(layout)) << way;
    }
}

TEST(TurnedJoints, EndsThatMeetAgainAfterTheTurnAreJoinedAgain)
{
    Layout layout = withLevel();
    const std::vector<int> ring = layCircle(layout);
    piece(layout, ring[5]).selected = true;
    rotateSelectionByWheel(layout, 120, false);
    rotateSelectionByWheel(layout, -120, false);
    EXPECT_TRUE(joined(layout, ring[4], 1, ring[5], 0));
    EXPECT_TRUE(joined(layout, ring[5], 1, ring[6], 0));

    // The whole circle turns as one: its joints stay.
    selectPieces(layout, ring);
    rotateSelectionByWheel(layout, 120, true);
    for (size_t i = 0; i < ring.size(); ++i)
        EXPECT_TRUE(joined(layout, ring[i], 1, ring[(i + 1) % ring.size()], 0)) << i;
    EXPECT_TRUE(consistent(layout));
}

TEST(TurnedJoints, WheelRotationKeepsTheHelixAndTunnelLocks)
{
    Layout layout = withLevel();
    const Helix h = addHelix(layout);
    const int loose = lay(layout, "24188", 0, 0, 0);
    selectPieces(layout, {loose, h.bottomR1});
    const EditResult r = rotateSelectionByWheel(layout, 120, false);
    EXPECT_EQ(r.message.title, "Helix track is locked");
    EXPECT_FALSE(r.changed());
    EXPECT_TRUE(layout.undoStack.empty());
    EXPECT_DOUBLE_EQ(piece(layout, loose).heading, 0.0);

    // A whole helix still turns.
    piece(layout, loose).selected = false;
    selectPieces(layout, helixStubs(h));
    EXPECT_TRUE(rotateSelectionByWheel(layout, 120, false).changed());
}

TEST(MoveSnap, AConnectorJoinedInsideTheSelectionNeverSnaps)
{
    // Two joined straights move together. Their inner joint ends up facing the open origin end of the
    // fixed piece, 2 mm from it; it is taken, so nothing snaps there.
    Layout layout = withLevel();
    const int fixed = lay(layout, "24188", 0, 0, 0);
    const int a = lay(layout, "24188", 1000, 500, 0);
    const int b = layOn(layout, "24188", 0, a, 1);
    joinBoth(layout, a, 1, b, 0);
    selectPieces(layout, {a, b});
    MoveDrag drag;
    pressOnPiece(drag, unitView(), 0, 0);
    beginMove(layout, drag);
    dragMove(layout, drag, {-188.3 - 2 - 1000, -500});
    EXPECT_FALSE(drag.snap.found);
    endMove(layout, drag);
    EXPECT_TRUE(joined(layout, a, 1, b, 0));
    EXPECT_TRUE(piece(layout, fixed).isOpen(0));
    EXPECT_TRUE(consistent(layout));
}

TEST(AutoJoin, OnlyFacingEndsOfOneSystemOnOneLevel)
{
    enum Case { Facing, Askew, OtherLevel, OtherSystem };
    for (Case c : {Facing, Askew, OtherLevel, OtherSystem}) {
        Layout layout = withLevel();
        layout.levels.push_back(level(2, 0.0));
        const int fixed = lay(layout, "24188", 0, 0, 0);
        // Beside m's far end once m has snapped onto the fixed piece; 2 mm off.
        const char* article = c == OtherSystem ? "24922" : "24188";
        const int side = lay(layout, article, 376.6 + 2.0, 0.0, c == Askew ? 3.0 : 0.0, c == OtherLevel ? 2 : 1);
        if (c == OtherSystem) {
            // The adapter laid backwards: its K-Track end faces m's far end.
            piece(layout, side).heading = 180.0;
            piece(layout, side).x = 376.6 + 2.0 + 180.0;
        }
        const int m = lay(layout, "24188", 500, 300, 0);
        piece(layout, m).selected = true;
        MoveDrag drag;
        pressOnPiece(drag, unitView(), 0, 0);
        beginMove(layout, drag);
        dragMove(layout, drag, {188.3 + 0.5 - 500, -300});
        endMove(layout, drag);
        EXPECT_TRUE(joined(layout, fixed, 1, m, 0)) << c;
        EXPECT_EQ(!piece(layout, m).isOpen(1), c == Facing) << c;
        EXPECT_TRUE(consistent(layout)) << c;
    }
}

TEST(AutoJoin, ALoopClosedByADropJoinsOnlyOnItsOwnLevel)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 0.0));
    const int a = lay(layout, "24188", 0, 0, 0);
    const int beyond = lay(layout, "24188", 376.6, 0, 0, 2);
    PlacementState state;
    beginPaletteDrag(state, "24188", unitView());
    updateSnap(state, layout, {190, 2});
    ASSERT_TRUE(state.palette.snap.found);
    dropPiece(layout, state);
    const int dropped = layout.pieces.back().id;
    EXPECT_TRUE(joined(layout, a, 1, dropped, 0));
    EXPECT_TRUE(piece(layout, dropped).isOpen(1));
    EXPECT_TRUE(piece(layout, beyond).isOpen(0));
}

TEST(Compatibility, AutoConnectAndCloneRefuseAnotherSystemLikeADrop)
{
    Layout layout = withLevel();
    const int k = lay(layout, "2200", 0, 0, 0);
    piece(layout, k).selected = true;
    EditResult r = autoConnect(layout, "24188");
    EXPECT_EQ(r.message.title, "Incompatible Track Systems");
    EXPECT_EQ(r.message.text, "Marklin C-Track cannot connect to Marklin K-Track.\n\nThese track systems are not "
                              "compatible.\nUse adapter track 24922 to connect C-Track to K-Track.");
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.undoStack.empty());

    // Only C-Track and K-Track meet through the adapter; Z-Track and TRIX are named, without it.
    r = autoConnect(layout, "8500");
    EXPECT_EQ(r.message.text,
              "Marklin Z-Track cannot connect to Marklin K-Track.\n\nThese track systems are not compatible.");
    r = autoConnect(layout, "62188");
    EXPECT_EQ(r.message.text, "TRIX C-Track cannot connect to Marklin K-Track.\n\nThese track systems are not "
                              "compatible.");

    // A clone of the adapter would put its C-Track end on its own K-Track end.
    const int adapter = lay(layout, "24922", 0, 500, 0);
    r = clonePiece(layout, adapter);
    EXPECT_EQ(r.message.title, "Incompatible Track Systems");
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_TRUE(consistent(layout));
}

TEST(PairDelete, DeletingOnePieceTakesItsOwnPartnerOnly)
{
    // Two ramp pairs in a row, each laid as the palette lays them: first, then its partner.
    Layout layout = withLevel();
    const int a1 = lay(layout, "74618", 0, 0, 0);
    const int a2 = layOn(layout, "74618", 0, a1, 1);
    joinBoth(layout, a1, 1, a2, 0);
    const int b1 = layOn(layout, "74618", 0, a2, 1);
    joinBoth(layout, a2, 1, b1, 0);
    const int b2 = layOn(layout, "74618", 0, b1, 1);
    joinBoth(layout, b1, 1, b2, 0);
    EXPECT_EQ(pairPartnerOf(layout, a1), a2);
    EXPECT_EQ(pairPartnerOf(layout, a2), a1);
    EXPECT_EQ(pairPartnerOf(layout, b1), b2);
    EXPECT_EQ(pairPartnerOf(layout, b2), b1);

    piece(layout, a2).selected = true;
    deleteSelection(layout);
    EXPECT_EQ(layout.findPiece(a1), nullptr);
    EXPECT_NE(layout.findPiece(b1), nullptr);
    EXPECT_NE(layout.findPiece(b2), nullptr);
    EXPECT_TRUE(consistent(layout));
}
