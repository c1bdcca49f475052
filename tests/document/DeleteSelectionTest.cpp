#include <gtest/gtest.h>

#include "document/DeleteSelection.h"
#include "document/History.h"
#include "document/LayoutCheck.h"

namespace layrail {
namespace {

int addPiece(Layout& layout, const std::string& article, bool selected = false, double x = 0.0)
{
    PlacedPiece piece;
    piece.id = layout.takeId();
    piece.article = article;
    piece.selected = selected;
    piece.x = x;
    layout.pieces.push_back(piece);
    return piece.id;
}

void join(Layout& layout, int a, int ca, int b, int cb)
{
    layout.findPiece(a)->setJoint(ca, b, cb);
    layout.findPiece(b)->setJoint(cb, a, ca);
}

// Straights a-b-c-d, each connector 1 joined to the next one's connector 0.
struct Chain {
    Layout layout;
    int a, b, c, d;
    Chain()
    {
        layout.ensureDefaultLevel();
        a = addPiece(layout, "24188", false, 0.0);
        b = addPiece(layout, "24188", false, 188.3);
        c = addPiece(layout, "24188", false, 376.6);
        d = addPiece(layout, "24188", false, 564.9);
        join(layout, a, 1, b, 0);
        join(layout, b, 1, c, 0);
        join(layout, c, 1, d, 0);
    }
    void runOn(int anchor, double angle = 2.0, int connector = 1)
    {
        layout.gradeRuns.push_back(GradeRun{angle, anchor, connector});
        layout.updateCurrentGradeRun();
    }
};

TEST(DeleteSelection, OpensJointsIntoTheGapAndKeepsTheLayoutConsistent)
{
    Chain chain;
    chain.layout.findPiece(chain.b)->selected = true;
    deleteSelection(chain.layout);

    ASSERT_EQ(chain.layout.pieces.size(), 3u);
    EXPECT_EQ(chain.layout.findPiece(chain.b), nullptr);
    EXPECT_TRUE(chain.layout.findPiece(chain.a)->isOpen(1));
    EXPECT_TRUE(chain.layout.findPiece(chain.c)->isOpen(0));
    EXPECT_EQ(chain.layout.findPiece(chain.c)->joints[1].target, chain.d);
    EXPECT_TRUE(findLayoutProblems(chain.layout).empty());
}

TEST(DeleteSelection, SelectedTurntableTakesItsJoinedPiecesAlong)
{
    Layout layout;
    const int outer = addPiece(layout, "24188");
    const int spoke = addPiece(layout, "24188");
    const int turntable = addPiece(layout, "74861", true);
    const int other = addPiece(layout, "24188");
    join(layout, outer, 1, spoke, 0);
    join(layout, spoke, 1, turntable, 3);
    join(layout, turntable, 5, other, 0);

    deleteSelection(layout);

    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].id, outer);
    EXPECT_TRUE(layout.pieces[0].isOpen(1));
    EXPECT_EQ(layout.findPiece(spoke), nullptr);
    EXPECT_EQ(layout.findPiece(other), nullptr);
}

TEST(DeleteSelection, GradeRunMovesToFirstSurvivingNeighbourInPieceOrder)
{
    // a and c both touch the deleted b; a comes first and meets it on its connector 1.
    Chain chain;
    chain.runOn(chain.b, 3.5);
    chain.layout.findPiece(chain.b)->selected = true;
    deleteSelection(chain.layout);

    ASSERT_EQ(chain.layout.gradeRuns.size(), 1u);
    EXPECT_EQ(chain.layout.gradeRuns[0].anchor, chain.a);
    EXPECT_EQ(chain.layout.gradeRuns[0].connector, 0);
    EXPECT_DOUBLE_EQ(chain.layout.gradeRuns[0].angle, 3.5);
    EXPECT_TRUE(chain.layout.currentGradeRun.active);
    EXPECT_EQ(chain.layout.currentGradeRun.anchor, chain.a);
    EXPECT_EQ(chain.layout.currentGradeRun.connector, 0);
}

TEST(DeleteSelection, GradeRunOnNeighbourJoinedAtConnectorZeroContinuesOnConnectorOne)
{
    Chain chain;
    chain.runOn(chain.a);
    chain.layout.findPiece(chain.a)->selected = true;
    deleteSelection(chain.layout);

    ASSERT_EQ(chain.layout.gradeRuns.size(), 1u);
    EXPECT_EQ(chain.layout.gradeRuns[0].anchor, chain.b);
    EXPECT_EQ(chain.layout.gradeRuns[0].connector, 1);
}

TEST(DeleteSelection, GradeRunsElsewhereStayAndRunsWithoutNeighbourAreDropped)
{
    Chain chain;
    const int lone = addPiece(chain.layout, "24188", true);
    chain.runOn(chain.c, 1.0, 0);
    chain.runOn(lone, -2.0);
    deleteSelection(chain.layout);

    ASSERT_EQ(chain.layout.gradeRuns.size(), 1u);
    EXPECT_EQ(chain.layout.gradeRuns[0].anchor, chain.c);
    EXPECT_EQ(chain.layout.gradeRuns[0].connector, 0);
    EXPECT_EQ(chain.layout.currentGradeRun.anchor, chain.c);

    chain.layout.findPiece(chain.c)->selected = true;
    chain.layout.findPiece(chain.b)->selected = true;
    chain.layout.findPiece(chain.d)->selected = true;
    chain.layout.findPiece(chain.a)->selected = true;
    deleteSelection(chain.layout);
    EXPECT_TRUE(chain.layout.gradeRuns.empty());
    EXPECT_FALSE(chain.layout.currentGradeRun.active);
    EXPECT_EQ(chain.layout.currentGradeRun.anchor, -1);
    EXPECT_EQ(chain.layout.currentGradeRun.connector, 1);
}

TEST(DeleteSelection, HelixGoesWithAnyOfItsStubs)
{
    Layout layout;
    Helix kept;
    kept.id = layout.takeId();
    Helix lost;
    lost.id = layout.takeId();
    const int keptStub = addPiece(layout, "24130");
    const int lostStub = addPiece(layout, "24130", true);
    layout.findPiece(keptStub)->helix = kept.id;
    layout.findPiece(lostStub)->helix = lost.id;
    kept.bottomR1 = keptStub;
    lost.bottomR1 = lostStub;
    layout.helices = {kept, lost};

    deleteSelection(layout);

    ASSERT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.helices[0].id, kept.id);
}

TEST(DeleteSelection, RemovesEverySelectedKindAndKeepsTheRest)
{
    Layout layout;
    auto add = [&](auto& list, bool selected) {
        list.emplace_back();
        list.back().id = layout.takeId();
        list.back().selected = selected;
        return list.back().id;
    };
    const int keptScenery = add(layout.scenery, false);
    add(layout.scenery, true);
    const int keptLabel = add(layout.labels, false);
    add(layout.labels, true);
    add(layout.dimensionLines, true);
    const int keptShape = add(layout.shapes, false);
    add(layout.shapes, true);

    deleteSelection(layout);

    ASSERT_EQ(layout.scenery.size(), 1u);
    EXPECT_EQ(layout.scenery[0].id, keptScenery);
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].id, keptLabel);
    EXPECT_TRUE(layout.dimensionLines.empty());
    ASSERT_EQ(layout.shapes.size(), 1u);
    EXPECT_EQ(layout.shapes[0].id, keptShape);
}

TEST(DeleteSelection, OneUndoBringsEverythingBackWithTheOriginalSelection)
{
    Chain chain;
    chain.runOn(chain.b);
    chain.layout.findPiece(chain.b)->selected = true;
    const HistorySnapshot before = takeSnapshot(chain.layout);
    const size_t depth = chain.layout.undoStack.size();

    deleteSelection(chain.layout);
    EXPECT_EQ(chain.layout.undoStack.size(), depth + 1);
    ASSERT_TRUE(undo(chain.layout));

    ASSERT_EQ(chain.layout.pieces.size(), before.pieces.size());
    for (size_t i = 0; i < before.pieces.size(); ++i) {
        EXPECT_EQ(chain.layout.pieces[i].id, before.pieces[i].id);
        EXPECT_EQ(chain.layout.pieces[i].selected, before.pieces[i].selected);
        EXPECT_EQ(chain.layout.pieces[i].joints.size(), before.pieces[i].joints.size());
    }
    EXPECT_EQ(chain.layout.gradeRuns[0].anchor, chain.b);
    EXPECT_TRUE(findLayoutProblems(chain.layout).empty());
}

} // namespace
} // namespace layrail
