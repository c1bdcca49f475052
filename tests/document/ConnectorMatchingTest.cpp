#include <gtest/gtest.h>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/WorldConnectors.h"

using namespace layrail;

namespace {

const CatalogPiece& piece(const char* article)
{
    const CatalogPiece* p = TrackCatalog::instance().find(article);
    EXPECT_NE(p, nullptr) << article;
    return *p;
}

PlacedPiece placed(int id, const char* article, double x, double y, double heading)
{
    PlacedPiece p;
    p.id = id;
    p.article = article;
    p.x = x;
    p.y = y;
    p.heading = heading;
    return p;
}

} // namespace

TEST(WorldConnectors, RotatesAndTranslatesCatalogConnectors)
{
    const PlacedPiece p = placed(1, "24188", 100, 50, 90);
    const auto w = worldConnectors(p, piece("24188"));
    ASSERT_EQ(w.size(), 2u);
    EXPECT_NEAR(w[1].x, 100.0, 1e-9);
    EXPECT_NEAR(w[1].y, 238.3, 1e-9);
    EXPECT_NEAR(w[1].heading, 90.0, 1e-9);
    EXPECT_NEAR(w[0].x, 100.0, 1e-9);
    EXPECT_NEAR(w[0].y, 50.0, 1e-9);
    EXPECT_NEAR(w[0].heading, 270.0, 1e-9);
    EXPECT_TRUE(w[0].open);
}

TEST(WorldConnectors, OpenFollowsTheJointTable)
{
    PlacedPiece p = placed(1, "24611", 0, 0, 0);
    p.setJoint(0, 7, 1);
    p.joints.push_back({9, 0});
    const auto w = worldConnectors(p, piece("24611"));
    ASSERT_EQ(w.size(), 3u);
    EXPECT_FALSE(w[0].open);
    EXPECT_FALSE(w[1].open);
    EXPECT_TRUE(w[2].open); // table shorter than the connector list
}

TEST(FindSnap, SnapsWithinTwentyFiveMillimetresOnly)
{
    const std::vector<PlacedPiece> layout{placed(1, "24188", 0, 0, 0)};
    const SnapResult near = findSnap(piece("24188"), {188.3 + 24.9, 0, 0}, layout);
    ASSERT_TRUE(near.found);
    EXPECT_EQ(near.targetId, 1);
    EXPECT_EQ(near.targetConnector, 1);
    EXPECT_EQ(near.newConnector, 0);
    EXPECT_NEAR(near.x, 188.3, 1e-9);
    EXPECT_NEAR(near.y, 0.0, 1e-9);
    EXPECT_NEAR(near.heading, 0.0, 1e-9);
    EXPECT_NEAR(near.distance, 24.9, 1e-9);

    EXPECT_FALSE(findSnap(piece("24188"), {188.3 + 25.1, 0, 0}, layout).found);
}

TEST(FindSnap, PairsTheFarConnectorOfAReversedPiece)
{
    const std::vector<PlacedPiece> layout{placed(1, "24188", 0, 0, 0)};
    const SnapResult r = findSnap(piece("24188"), {380.0, 3.0, 180}, layout);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.newConnector, 1);
    EXPECT_EQ(r.targetConnector, 1);
    EXPECT_NEAR(r.x, 376.6, 1e-9);
    EXPECT_NEAR(r.y, 0.0, 1e-9);
    EXPECT_NEAR(r.heading, 180.0, 1e-9);
}

TEST(FindSnap, ConnectorsPointingTheSameWayNeverPair)
{
    // Each moving connector sits 3 mm from the placed connector that points the same way.
    const std::vector<PlacedPiece> layout{placed(1, "24188", 0, 0, 0)};
    EXPECT_FALSE(findSnap(piece("24188"), {3.0, 0, 0}, layout).found);
    EXPECT_FALSE(checkCompatibility(piece("2200"), {3.0, 0, 0}, layout).incompatible);
}

TEST(FindSnap, JoinedConnectorsTakeNoPart)
{
    PlacedPiece a = placed(1, "24188", 0, 0, 0);
    a.setJoint(1, 2, 0);
    const std::vector<PlacedPiece> layout{a};
    EXPECT_FALSE(findSnap(piece("24188"), {190.0, 0, 0}, layout).found);
    EXPECT_FALSE(checkCompatibility(piece("2200"), {190.0, 0, 0}, layout).incompatible);
}

TEST(FindSnap, FirstPairWinsATie)
{
    // Two placed straights whose open ends lie exactly 10 mm either side of the moving connector.
    const std::vector<PlacedPiece> layout{placed(1, "24188", 0, -10, 0), placed(2, "24188", 0, 10, 0)};
    const SnapResult r = findSnap(piece("24188"), {188.3, 0, 0}, layout);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.targetId, 1);
    const std::vector<PlacedPiece> reversed{layout[1], layout[0]};
    EXPECT_EQ(findSnap(piece("24188"), {188.3, 0, 0}, reversed).targetId, 2);
}

TEST(FindSnap, PicksTheNearestPairAcrossPieces)
{
    const std::vector<PlacedPiece> layout{placed(1, "24188", 0, -10, 0), placed(2, "24188", 0, 4, 0)};
    const SnapResult r = findSnap(piece("24188"), {188.3, 0, 0}, layout);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.targetId, 2);
    EXPECT_NEAR(r.distance, 4.0, 1e-9);
    EXPECT_NEAR(r.y, 4.0, 1e-9);
}

TEST(FindSnap, UnknownArticlesAndFarPiecesAreIgnored)
{
    const std::vector<PlacedPiece> layout{placed(1, "nope", 0, 0, 0), placed(2, "24188", 5000, 5000, 0)};
    EXPECT_FALSE(findSnap(piece("24188"), {188.3, 0, 0}, layout).found);
}

TEST(FindSnap, ReachesLongPiecesWhoseOriginIsFarAway)
{
    // The far end of the 900 mm flex track is 900 mm from its origin.
    const std::vector<PlacedPiece> layout{placed(1, "2205", -900, 0, 0)};
    const SnapResult r = findSnap(piece("2200"), {5, 0, 0}, layout);
    ASSERT_TRUE(r.found);
    EXPECT_NEAR(r.x, 0.0, 1e-9);
}

TEST(Compatibility, KTrackNearOpenCTrackIsReported)
{
    const std::vector<PlacedPiece> layout{placed(1, "24188", 0, 0, 0)};
    const CompatibilityResult c = checkCompatibility(piece("2200"), {190.0, 0, 0}, layout);
    ASSERT_TRUE(c.incompatible);
    EXPECT_EQ(c.movingSystem, TrackSystem::MarklinK);
    EXPECT_EQ(c.otherSystem, TrackSystem::MarklinC);
    EXPECT_STREQ(systemName(c.movingSystem), "Marklin K-Track");
    EXPECT_STREQ(systemName(c.otherSystem), "Marklin C-Track");
    EXPECT_FALSE(findSnap(piece("2200"), {190.0, 0, 0}, layout).found);
}

TEST(Compatibility, AdapterJoinsEachSystemAtItsOwnEnd)
{
    const std::vector<PlacedPiece> cTrack{placed(1, "24188", 0, 0, 0)};
    const SnapResult c = findSnap(piece("24922"), {190.0, 0, 0}, cTrack);
    ASSERT_TRUE(c.found);
    EXPECT_EQ(c.newConnector, 0);
    EXPECT_FALSE(checkCompatibility(piece("24922"), {190.0, 0, 0}, cTrack).incompatible);

    // A K-Track straight ahead of the adapter's far end.
    const std::vector<PlacedPiece> kTrack{placed(1, "2200", 182.0, 0, 0)};
    const SnapResult k = findSnap(piece("24922"), {0, 0, 0}, kTrack);
    ASSERT_TRUE(k.found);
    EXPECT_EQ(k.newConnector, 1);
    EXPECT_EQ(k.targetConnector, 0);
    EXPECT_NEAR(k.x, 2.0, 1e-9);
    EXPECT_FALSE(checkCompatibility(piece("24922"), {0, 0, 0}, kTrack).incompatible);

    // The adapter's C-Track end offered to K-Track is refused.
    const std::vector<PlacedPiece> kBehind{placed(1, "2200", -178.0, 0, 0)};
    const CompatibilityResult bad = checkCompatibility(piece("24922"), {0, 0, 0}, kBehind);
    ASSERT_TRUE(bad.incompatible);
    EXPECT_EQ(bad.movingSystem, TrackSystem::MarklinC);
    EXPECT_EQ(bad.otherSystem, TrackSystem::MarklinK);
}

TEST(PoseOnConnector, PutsTheConnectorOnThePointFacingIt)
{
    const CatalogPiece& curve = piece("24130");
    const Connector target{500.0, 200.0, 90.0, true, 1};
    const Pose pose = poseOnConnector(curve, 1, target);
    const auto w = worldConnectors(pose, curve);
    EXPECT_NEAR(w[1].x, 500.0, 1e-9);
    EXPECT_NEAR(w[1].y, 200.0, 1e-9);
    EXPECT_NEAR(w[1].heading, 270.0, 1e-9);

    const Pose none = poseOnConnector(curve, 2, target);
    EXPECT_EQ(none.x, 0.0);
    EXPECT_EQ(none.y, 0.0);
    EXPECT_EQ(none.heading, 0.0);
    EXPECT_EQ(poseOnConnector(curve, -1, target).heading, 0.0);
}
