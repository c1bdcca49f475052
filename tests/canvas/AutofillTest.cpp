#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "canvas/Autofill.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

// Two selected C-Track straights whose open ends face each other across a gap.
Layout gapLayout(double gap, double secondHeading = 0.0)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = lay(layout, "24188", 188.3 + gap, 0, secondHeading);
    selectPieces(layout, {a, b});
    return layout;
}

} // namespace

TEST(Autofill, CandidatesAreTheSystemsStraightsLongestFirstInCatalogOrder)
{
    const auto candidates = fillCandidates(TrackSystem::MarklinC);
    ASSERT_FALSE(candidates.empty());
    for (size_t i = 1; i < candidates.size(); ++i)
        EXPECT_GE(candidates[i - 1]->length, candidates[i]->length);
    for (const CatalogPiece* p : candidates) {
        EXPECT_EQ(p->system, TrackSystem::MarklinC);
        EXPECT_EQ(p->kind, PieceKind::Straight);
    }
    // Equal lengths keep catalog order: the straight 24094 comes before the circuit track 24994.
    size_t straight = 0, circuit = 0;
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (candidates[i]->article == "24094")
            straight = i;
        if (candidates[i]->article == "24994")
            circuit = i;
    }
    EXPECT_LT(straight, circuit);
}

TEST(Autofill, CandidatesArePlainStraightsOnly)
{
    for (TrackSystem system : {TrackSystem::MarklinC, TrackSystem::MarklinK, TrackSystem::TrixC, TrackSystem::MarklinZ})
        for (const CatalogPiece* p : fillCandidates(system)) {
            EXPECT_FALSE(p->bridge || p->ramp || p->pair) << p->article;
            EXPECT_TRUE(p->connectorSystems.empty()) << p->article;
            EXPECT_NE(p->article, "74871");
        }
}

TEST(Autofill, ExactStraightGapOffers24188First)
{
    Layout layout = gapLayout(188.3);
    const AutofillPlan plan = planAutofill(layout);
    ASSERT_TRUE(plan.ran);
    EXPECT_TRUE(plan.message.empty());
    ASSERT_FALSE(plan.solutions.empty());
    EXPECT_LE(plan.solutions.size(), 12u);
    EXPECT_EQ(plan.solutions[0].articles, std::vector<std::string>{"24188"});
    EXPECT_EQ(plan.lines[0], "24188  (188.3 mm)");
    EXPECT_EQ(plan.prompt, "Gap: 188.3 mm. Select fill:");
    EXPECT_EQ(plan.gap.a.connector, 1);
    EXPECT_EQ(plan.gap.b.connector, 0);
    for (size_t i = 1; i < plan.solutions.size(); ++i)
        EXPECT_LE(plan.solutions[i - 1].articles.size(), plan.solutions[i].articles.size());
    for (const FillSolution& s : plan.solutions)
        EXPECT_LE(std::fabs(s.total - 188.3), 1.5);
    EXPECT_EQ(selectedIds(layout).size(), 2u); // a plan keeps the selection
}

TEST(Autofill, SearchOrdersByCountThenCloseness)
{
    const auto candidates = fillCandidates(TrackSystem::MarklinC);
    const auto solutions = searchFills(candidates, 376.6);
    ASSERT_FALSE(solutions.empty());
    EXPECT_EQ(solutions[0].articles, (std::vector<std::string>{"24188", "24188"}));
    EXPECT_EQ(fillLine(solutions[0]), "24188 + 24188  (376.6 mm)");
    for (size_t i = 1; i < solutions.size(); ++i) {
        const auto& prev = solutions[i - 1];
        const auto& cur = solutions[i];
        ASSERT_LE(prev.articles.size(), cur.articles.size());
        if (prev.articles.size() == cur.articles.size()) {
            EXPECT_LE(std::fabs(prev.total - 376.6), std::fabs(cur.total - 376.6) + 1e-9);
        }
    }
    for (const auto& s : solutions) // combinations are written longest first
        for (size_t i = 1; i < s.articles.size(); ++i)
            EXPECT_GE(catalogPiece(s.articles[i - 1]).length, catalogPiece(s.articles[i]).length);
}

TEST(Autofill, TouchingEndsAreRefused)
{
    Layout layout = gapLayout(0.5);
    const AutofillPlan plan = planAutofill(layout);
    EXPECT_EQ(plan.message.title, "Autofill");
    EXPECT_EQ(plan.message.text, "The two pieces are already touching - no gap to fill.");
    EXPECT_TRUE(selectedIds(layout).empty());
}

TEST(Autofill, EndsTwentyDegreesOffFacingFindNoSolution)
{
    // B turned by 20 degrees about its open end: the ends are 160 degrees apart.
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = lay(layout, "24188", 376.6, 0, 20);
    selectPieces(layout, {a, b});
    const AutofillPlan plan = planAutofill(layout);
    ASSERT_TRUE(plan.gap.found);
    EXPECT_NEAR(plan.gap.headingDifference, 160.0, 1e-9);
    EXPECT_EQ(plan.message.title, "Autofill - No Solution");
    EXPECT_EQ(plan.message.text, "Gap is 188.3mm. No combination of catalog straights fills it within tolerance.");
    EXPECT_TRUE(plan.solutions.empty());
    EXPECT_TRUE(selectedIds(layout).empty());
}

TEST(Autofill, GapBelowTheShortestStraightFindsNoSolution)
{
    const auto candidates = fillCandidates(TrackSystem::MarklinC);
    const double shortest = candidates.back()->length;
    Layout layout = gapLayout(shortest - 1.6);
    const AutofillPlan plan = planAutofill(layout);
    EXPECT_EQ(plan.message.title, "Autofill - No Solution");
    EXPECT_TRUE(searchFills(candidates, shortest - 1.6).empty());
    EXPECT_FALSE(searchFills(candidates, shortest - 1.4).empty());
}

TEST(Autofill, EndsThatDoNotFaceGiveThePairMessage)
{
    Layout layout = withLevel();
    const int p = lay(layout, "24188", 0, 0, 0);
    const int q = lay(layout, "24188", 0, 300, 90); // every pair of ends is 90 degrees apart
    selectPieces(layout, {p, q});
    const AutofillPlan plan = planAutofill(layout);
    ASSERT_TRUE(plan.ran);
    EXPECT_EQ(plan.message.title, "Autofill");
    EXPECT_EQ(plan.message.text, "Could not find facing free connectors on the two selected pieces.");
    EXPECT_TRUE(selectedIds(layout).empty());
}

TEST(Autofill, AJointToAMissingPieceCountsAsAnOpenEnd)
{
    Layout layout = gapLayout(188.3);
    const int a = layout.pieces[0].id;
    piece(layout, a).setJoint(1, 808, 0);
    const AutofillPlan plan = planAutofill(layout);
    ASSERT_FALSE(plan.solutions.empty());
    placeFill(layout, plan.gap, plan.solutions[0]);
    EXPECT_TRUE(joined(layout, a, 1, layout.pieces.back().id, 0));
    EXPECT_TRUE(consistent(layout));
}

TEST(Autofill, PlacingJoinsTheFillAtBothEnds)
{
    Layout layout = gapLayout(376.6);
    piece(layout, layout.pieces[0].id).z = 12.0;
    const AutofillPlan plan = planAutofill(layout);
    ASSERT_FALSE(plan.solutions.empty());
    const int a = layout.pieces[0].id;
    const int b = layout.pieces[1].id;
    const EditResult r = placeFill(layout, plan.gap, plan.solutions[0]);
    EXPECT_TRUE(r.changed());
    EXPECT_EQ(layout.undoStack.size(), 1u);
    ASSERT_EQ(layout.pieces.size(), 4u);
    const PlacedPiece& f1 = layout.pieces[2];
    const PlacedPiece& f2 = layout.pieces[3];
    EXPECT_NEAR(f1.x, 188.3, 1e-9);
    EXPECT_NEAR(f2.x, 376.6, 1e-9);
    EXPECT_DOUBLE_EQ(f1.z, 12.0);
    EXPECT_TRUE(joined(layout, a, 1, f1.id, 0));
    EXPECT_TRUE(joined(layout, f1.id, 1, f2.id, 0));
    EXPECT_TRUE(joined(layout, f2.id, 1, b, 0));
    EXPECT_TRUE(consistent(layout));
}

TEST(Autofill, OnlyFillsWhoseFarEndLandsOnTheOtherEndAreOffered)
{
    // B's end 5 mm to the side of A's line: the straights would end beside it, never on it.
    Layout beside = withLevel();
    const int a = lay(beside, "24188", 0, 0, 0);
    const int b = lay(beside, "24188", 188.3 + 188.3, 5.0, 0);
    selectPieces(beside, {a, b});
    AutofillPlan plan = planAutofill(beside);
    EXPECT_EQ(plan.message.title, "Autofill - No Solution");

    // B turned 3 degrees: within the pair's facing, but a fill would meet it askew.
    Layout askew = gapLayout(188.3, 3.0);
    plan = planAutofill(askew);
    EXPECT_EQ(plan.message.title, "Autofill - No Solution");

    // 188.3 and 94.2 + 94.2 lie within the search's 1.5 mm of a 189.5 mm gap, but end over 1 mm short.
    Layout short1 = gapLayout(189.5);
    plan = planAutofill(short1);
    EXPECT_EQ(plan.message.title, "Autofill - No Solution");

    // At 189 mm they land within 1 mm and are offered, with any longer combination that does.
    Layout near = gapLayout(189.0);
    plan = planAutofill(near);
    ASSERT_FALSE(plan.solutions.empty());
    for (const FillSolution& s : plan.solutions)
        EXPECT_LE(std::fabs(s.total - 189.0), 1.0) << fillLine(s);
    const EditResult r = placeFill(near, plan.gap, plan.solutions.back());
    EXPECT_TRUE(r.changed());
    EXPECT_TRUE(consistent(near));
}

TEST(Autofill, EndsOfAnotherSystemGetNoFill)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    // The adapter laid backwards: its K-Track end faces A's C-Track end.
    const int b = lay(layout, "24922", 188.3 + 188.3 + 180.0, 0, 180);
    selectPieces(layout, {a, b});
    const AutofillPlan plan = planAutofill(layout);
    EXPECT_EQ(plan.message.title, "Autofill - No Solution");
}
