#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/Layout.h"
#include "document/LayoutCheck.h"

namespace layrail {
namespace {

PlacedPiece piece(int id, const std::string& article)
{
    PlacedPiece p;
    p.id = id;
    p.article = article;
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
    layout.pieces = {piece(1, "24188"), piece(2, "24611"), piece(3, "24130")};
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

} // namespace
} // namespace layrail
