#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/Layout.h"
#include "document/LayoutCheck.h"
#include "document/WorldConnectors.h"

namespace layrail {
namespace {

PlacedPiece piece(int id, const std::string& article)
{
    PlacedPiece p;
    p.id = id;
    p.article = article;
    return p;
}

// A piece whose connector `own` lies on connector `at` of a piece already placed, facing it.
PlacedPiece pieceOn(int id, const std::string& article, int own, const PlacedPiece& base, int at)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    const Connector end = worldConnectors(base, *catalog.find(base.article))[static_cast<size_t>(at)];
    const Pose pose = poseOnConnector(*catalog.find(article), own, end);
    PlacedPiece p = piece(id, article);
    p.x = pose.x;
    p.y = pose.y;
    p.heading = pose.heading;
    return p;
}

void join(Layout& layout, int a, int ca, int b, int cb)
{
    layout.findPiece(a)->setJoint(ca, b, cb);
    layout.findPiece(b)->setJoint(cb, a, ca);
}

// A straight, a turnout and a curve joined in a row; the turnout's branch stays open.
Layout cleanLayout()
{
    Layout layout;
    layout.pieces = {piece(1, "24188")};
    layout.pieces.push_back(pieceOn(2, "24611", 0, layout.pieces[0], 1));
    layout.pieces.push_back(pieceOn(3, "24130", 0, layout.pieces[1], 1));
    join(layout, 1, 1, 2, 0);
    join(layout, 2, 1, 3, 0);
    LayoutLabel label;
    label.id = 4;
    layout.labels.push_back(label);
    layout.nextId = 5;
    layout.ensureDefaultLevel();
    return layout;
}

TEST(LayoutCheckTest, ConsistentLayoutHasNoProblems)
{
    EXPECT_TRUE(findLayoutProblems(Layout()).empty());
    Layout layout = cleanLayout();
    EXPECT_TRUE(findLayoutProblems(layout).empty());

    // Open entries inside the table are not joints.
    layout.findPiece(3)->joints.resize(2);
    layout.findPiece(2)->joints.resize(3);
    EXPECT_TRUE(findLayoutProblems(layout).empty());
}

TEST(LayoutCheckTest, OneSidedAndMismatchedJoints)
{
    Layout oneSided = cleanLayout();
    oneSided.findPiece(3)->joints.clear();
    EXPECT_EQ(findLayoutProblems(oneSided),
              std::vector<std::string>{"piece 2 connector 1: joint to piece 3 connector 0 is not recorded on piece 3"});

    // The other side points back, but from the wrong connector: both ends are reported.
    Layout mismatched = cleanLayout();
    mismatched.findPiece(2)->joints[0] = {1, 0};
    const std::vector<std::string> expected = {
        "piece 1 connector 1: joint to piece 2 connector 0 is not recorded on piece 2",
        "piece 2 connector 0: joint to piece 1 connector 0 is not recorded on piece 1",
    };
    EXPECT_EQ(findLayoutProblems(mismatched), expected);

    // The other side records a third piece at that connector.
    Layout stolen = cleanLayout();
    stolen.pieces.push_back(piece(5, "24188"));
    stolen.nextId = 6;
    stolen.findPiece(5)->setJoint(0, 3, 0);
    EXPECT_EQ(findLayoutProblems(stolen),
              std::vector<std::string>{"piece 5 connector 0: joint to piece 3 connector 0 is not recorded on piece 3"});
}

TEST(LayoutCheckTest, JointsToMissingPiecesAndConnectors)
{
    Layout layout = cleanLayout();
    layout.findPiece(2)->setJoint(2, 9, 0);
    layout.findPiece(1)->setJoint(0, 3, 4);
    layout.findPiece(3)->setJoint(5, 1, -1);
    const std::vector<std::string> expected = {
        "piece 1 connector 0: joint to connector 4 of piece 3, which has 2 connectors",
        "piece 2 connector 2: joint to missing piece 9",
        "piece 3 connector 5: joint on a connector the piece does not have (it has 2)",
        "piece 3 connector 5: joint to connector -1 of piece 1, which has 2 connectors",
    };
    EXPECT_EQ(findLayoutProblems(layout), expected);
}

TEST(LayoutCheckTest, UnknownArticlesAreReportedButStillJoinable)
{
    Layout layout = cleanLayout();
    layout.pieces.push_back(piece(5, "99999"));
    layout.pieces.push_back(piece(6, ""));
    layout.nextId = 7;
    // The connector count of an unknown piece cannot be judged; symmetry still can.
    join(layout, 3, 1, 5, 7);
    layout.findPiece(6)->setJoint(3, 5, 0);
    const std::vector<std::string> expected = {
        "piece 5: unknown article \"99999\"",
        "piece 6: unknown article \"\"",
        "piece 6 connector 3: joint to piece 5 connector 0 is not recorded on piece 5",
    };
    EXPECT_EQ(findLayoutProblems(layout), expected);
}

TEST(LayoutCheckTest, DuplicateIdsAcrossTheSharedIdSpace)
{
    Layout layout = cleanLayout();
    SceneryItem item;
    item.id = 2;
    layout.scenery.push_back(item);
    Helix helix;
    helix.id = 2;
    layout.helices.push_back(helix);
    DimensionLine line;
    line.id = 4;
    layout.dimensionLines.push_back(line);
    Level second;
    layout.levels.push_back(second);
    const std::vector<std::string> expected = {
        "duplicate id 2: piece, scenery item, helix",
        "duplicate id 4: label, dimension line",
        "duplicate level id 1: 2 levels",
    };
    EXPECT_EQ(findLayoutProblems(layout), expected);
}

TEST(LayoutCheckTest, JoinedConnectorsMustMeetAndShareASystem)
{
    // Turning the curve 15 degrees about its origin swings its far end away from the turnout.
    Layout turned = cleanLayout();
    turned.pieces[2] = pieceOn(3, "24130", 0, turned.pieces[1], 1);
    turned.findPiece(2)->setJoint(1, 3, 0);
    turned.findPiece(3)->setJoint(0, 2, 1);
    turned.pieces.push_back(pieceOn(5, "24130", 0, turned.pieces[2], 1));
    turned.findPiece(3)->setJoint(1, 5, 0);
    turned.findPiece(5)->setJoint(0, 3, 1);
    turned.nextId = 6;
    EXPECT_TRUE(findLayoutProblems(turned).empty());
    turned.findPiece(5)->heading += 15.0;
    EXPECT_EQ(findLayoutProblems(turned),
              std::vector<std::string>{
                  "piece 3 connector 1: joint to piece 5 connector 0: the connectors miss facing each other by 15.0 "
                  "degrees"});
    turned.findPiece(5)->heading -= 15.0;
    turned.findPiece(5)->x += 24.0;
    EXPECT_EQ(findLayoutProblems(turned),
              std::vector<std::string>{"piece 3 connector 1: joint to piece 5 connector 0: the connectors lie 24.0 mm "
                                       "apart"});
    // Ends a little apart, as after closing a loop of track with some play, still meet.
    turned.findPiece(5)->x -= 21.0;
    EXPECT_TRUE(findLayoutProblems(turned).empty());

    // The adapter's far end is K-Track: a C-Track piece joined there is a false joint.
    Layout adapter = cleanLayout();
    adapter.pieces.push_back(pieceOn(5, "24922", 0, adapter.pieces[0], 0));
    adapter.pieces.push_back(pieceOn(6, "24188", 0, adapter.pieces.back(), 1));
    adapter.findPiece(1)->setJoint(0, 5, 0);
    adapter.findPiece(5)->setJoint(0, 1, 0);
    adapter.findPiece(5)->setJoint(1, 6, 0);
    adapter.findPiece(6)->setJoint(0, 5, 1);
    adapter.nextId = 7;
    EXPECT_EQ(findLayoutProblems(adapter),
              std::vector<std::string>{
                  "piece 5 connector 1: joint to piece 6 connector 0 joins Marklin K-Track to Marklin C-Track"});
}

TEST(LayoutCheckTest, CounterAndReferencesToMissingRecords)
{
    Layout layout = cleanLayout();
    layout.nextId = 3;
    layout.findPiece(3)->helix = 8;
    Tunnel tunnel;
    tunnel.id = 9;
    tunnel.portalA = 1; // a piece, not a scenery item
    tunnel.anchorB = 12;
    tunnel.coveredPieces = {2, 13};
    layout.tunnels.push_back(tunnel);
    Helix helix;
    helix.id = 10;
    helix.bottomR1 = 1;
    helix.topR2 = 14;
    layout.helices.push_back(helix);
    layout.gradeRuns.push_back({2.0, 2, 1});
    layout.gradeRuns.push_back({2.0, 15, 1});
    const std::vector<std::string> expected = {
        "piece 3: helix 8 does not exist",
        "next id 3 is not above the largest id 10",
        "tunnel 9: portal A scenery item 1 does not exist",
        "tunnel 9: anchor B piece 12 does not exist",
        "tunnel 9: covered piece 13 does not exist",
        "helix 10: bottom R1 piece 1 is marked as helix -1",
        "helix 10: top R2 piece 14 does not exist",
        "grade run 2: anchor piece 15 does not exist",
    };
    EXPECT_EQ(findLayoutProblems(layout), expected);
}

} // namespace
} // namespace layrail
