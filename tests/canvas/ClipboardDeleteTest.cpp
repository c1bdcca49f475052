#include <gtest/gtest.h>

#include "support/EditTestSupport.h"
#include "document/DeleteSelection.h"
#include "canvas/Clipboard.h"
#include "canvas/Locks.h"

using namespace layrail;
using namespace layrail::edittest;

TEST(Paste, FreshIdsAtTheMouseWithInnerJointsRemapped)
{
    Layout layout = withLevel();
    const auto [a, b, c] = layJoinedStraights(layout);
    selectPieces(layout, {a, b});
    addScenery(layout, "bush", 94.15, 300, true);

    Clipboard clipboard;
    copySelection(layout, clipboard);
    ASSERT_EQ(clipboard.pieces.size(), 2u);
    ASSERT_EQ(clipboard.scenery.size(), 1u);
    const int firstNewId = layout.nextId;

    // The average of (0, 0), (188.3, 0) and (94.15, 300) is (94.15, 100).
    const EditResult r = pasteAt(layout, clipboard, {1094.15, 1100});
    EXPECT_TRUE(r.changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ASSERT_EQ(layout.pieces.size(), 5u);
    const PlacedPiece& pa = layout.pieces[3];
    const PlacedPiece& pb = layout.pieces[4];
    EXPECT_GE(pa.id, firstNewId);
    EXPECT_NE(pa.id, pb.id);
    EXPECT_NEAR(pa.x, 1000.0, 1e-9);
    EXPECT_NEAR(pa.y, 1000.0, 1e-9);
    EXPECT_NEAR(pb.x, 1188.3, 1e-9);
    EXPECT_TRUE(joined(layout, pa.id, 1, pb.id, 0));
    EXPECT_TRUE(pa.isOpen(0));
    EXPECT_TRUE(pb.isOpen(1)); // its joint to c stays behind
    EXPECT_TRUE(joined(layout, b, 1, c, 0));
    ASSERT_EQ(layout.scenery.size(), 2u);
    EXPECT_NEAR(layout.scenery[1].y, 1300.0, 1e-9);
    EXPECT_GT(layout.scenery[1].id, pb.id);
    // The copies, and only they, are the selection now.
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{pa.id, pb.id}));
    EXPECT_TRUE(layout.scenery[1].selected);
    EXPECT_FALSE(layout.scenery[0].selected);
    EXPECT_TRUE(consistent(layout));

    pasteAt(layout, clipboard, {0, 0});
    EXPECT_EQ(layout.pieces.size(), 7u);
    EXPECT_TRUE(consistent(layout)); // ids stay unique
    EXPECT_FALSE(pasteAt(layout, Clipboard{}, {0, 0}).changed());
}

TEST(Paste, CopiedHelixStubsArePlainTrack)
{
    Layout layout = withLevel();
    const Helix h = addHelix(layout);
    selectPieces(layout, helixStubs(h));
    Clipboard clipboard;
    copySelection(layout, clipboard);
    pasteAt(layout, clipboard, {2000, 2000});
    ASSERT_EQ(layout.pieces.size(), 8u);
    for (size_t i = 4; i < 8; ++i)
        EXPECT_EQ(layout.pieces[i].helix, -1);
}

TEST(Locks, HelixMessageWinsWhereverTheStubStands)
{
    for (bool stubFirst : {true, false}) {
        Layout layout = withLevel();
        Helix h;
        int covered = -1;
        if (stubFirst) {
            h = addHelix(layout);
            covered = lay(layout, "24188", 0, 0, 0);
        } else {
            covered = lay(layout, "24188", 0, 0, 0);
            h = addHelix(layout);
        }
        Tunnel t;
        t.id = layout.takeId();
        t.coveredPieces = {covered};
        layout.tunnels.push_back(t);
        selectPieces(layout, {covered, h.topR1});
        const LockRefusal lock = checkLocks(layout, "delete");
        EXPECT_TRUE(lock.refused);
        EXPECT_EQ(lock.title, "Helix track is locked");
        EXPECT_EQ(lock.message,
                  "Selection includes track that is part of a helix. Helix track cannot be deleted individually.");
    }
}

TEST(Locks, TunnelTrackAndPortalsAndTheFreeCase)
{
    Layout layout = withLevel();
    const int covered = lay(layout, "24188", 0, 0, 0);
    const int free = lay(layout, "24188", 0, 300, 0);
    const SceneryItem portal = addScenery(layout, "tunnel_portal_single");
    Tunnel t;
    t.id = layout.takeId();
    t.portalB = portal.id;
    t.coveredPieces = {covered};
    layout.tunnels.push_back(t);

    piece(layout, free).selected = true;
    EXPECT_FALSE(checkLocks(layout, "rotate").refused);
    layout.scenery[0].selected = true;
    LockRefusal lock = checkLocks(layout, "rotate");
    EXPECT_EQ(lock.title, "Tunnel is locked");
    EXPECT_EQ(lock.message, "Selection includes tunnel track or portals. Remove the tunnel first, then rotate.");
    layout.scenery[0].selected = false;
    piece(layout, covered).selected = true;
    lock = checkLocks(layout, "delete");
    EXPECT_EQ(lock.message, "Selection includes tunnel track or portals. Remove the tunnel first, then delete.");
}

TEST(Paste, DeleteRightAfterPasteTakesOnlyTheCopy)
{
    Layout layout = withLevel();
    const auto [a, b, c] = layJoinedStraights(layout);
    selectPieces(layout, {b});
    Clipboard clipboard;
    copySelection(layout, clipboard);
    pasteAt(layout, clipboard, {500, 500});
    deleteSelection(layout);
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_TRUE(joined(layout, a, 1, b, 0));
    EXPECT_TRUE(joined(layout, b, 1, c, 0));
    EXPECT_TRUE(consistent(layout));
}

TEST(Delete, PairPartnerGoesTooAndNeighboursAreFreed)
{
    Layout layout = withLevel();
    const int before = lay(layout, "24188", -188.3, 0, 0);
    const int r1 = lay(layout, "74618", 0, 0, 0);
    const int r2 = lay(layout, "74618", 180, 0, 0);
    const int after = lay(layout, "74618", 360, 0, 0); // a pair piece, but not joined to the selection
    joinBoth(layout, before, 1, r1, 0);
    joinBoth(layout, r1, 1, r2, 0);
    piece(layout, r1).selected = true;

    EXPECT_EQ(checkDelete(layout).gate, Gate::Allowed);
    const EditResult r = deleteSelection(layout);
    EXPECT_TRUE(r.changed());
    EXPECT_EQ(r.status, "Pieces: 2");
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_EQ(layout.pieces[0].id, before);
    EXPECT_EQ(layout.pieces[1].id, after);
    EXPECT_TRUE(piece(layout, before).isOpen(1));
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_TRUE(consistent(layout));
}

TEST(Delete, LockedGradedAndWholeHelixSelections)
{
    Layout layout = withLevel();
    const Helix h = addHelix(layout);
    const int p = lay(layout, "24188", 0, 0, 0);
    selectPieces(layout, {p, h.bottomR1});
    GateCheck check = checkDelete(layout);
    EXPECT_EQ(check.gate, Gate::Refused);
    EXPECT_EQ(check.message.title, "Helix track is locked");

    piece(layout, p).selected = false;
    selectPieces(layout, helixStubs(h));
    EXPECT_EQ(checkDelete(layout).gate, Gate::Allowed); // one helix alone goes as a whole
    deleteSelection(layout);
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.helices.empty());

    piece(layout, p).selected = true;
    piece(layout, p).grade = 1.5;
    check = checkDelete(layout);
    EXPECT_EQ(check.gate, Gate::Ask);
    EXPECT_EQ(check.message.title, "Delete");
    EXPECT_EQ(check.message.text, "Selection includes graded pieces. Delete?");
}

TEST(Delete, TurntableTakesItsSpokesAndNothingSelectedDoesNothing)
{
    Layout layout = withLevel();
    const int tt = lay(layout, "74861", 0, 0, 0);
    for (int c : {29, 0, 1}) {
        const int s = lay(layout, "74871", 0, 0, 0);
        joinBoth(layout, tt, c, s, 0);
    }
    const int other = lay(layout, "24188", 1000, 0, 0);
    piece(layout, other).setJoint(0, 12345, 1); // a joint into nowhere survives the delete unharmed
    EXPECT_FALSE(deleteSelection(layout).changed());
    piece(layout, tt).selected = true;
    deleteSelection(layout);
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].id, other);
}
