#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <utility>

#include "support/EditTestSupport.h"
#include "GapScenarios.h"
#include "canvas/GapFindings.h"
#include "canvas/GapReport.h"
#include "canvas/GapReportParts.h"
#include "canvas/PieceRoutes.h"
#include "canvas/SpatialGrid.h"
#include "document/JointGeometry.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

size_t nearMisses(const GapReport& report)
{
    return static_cast<size_t>(
        std::count_if(report.gaps.begin(), report.gaps.end(), [](const TrackGap& g) { return g.nearMiss; }));
}

} // namespace

TEST(GapReport, AlmostClosedLoopMissesByItsPlay)
{
    const Layout layout = gapscenario::almostClosedLoop(2.3);
    ASSERT_TRUE(findLayoutProblems(layout).empty()) << findLayoutProblems(layout)[0];
    const GapReport report = buildGapReport(layout);

    ASSERT_EQ(report.openEnds.size(), 2u);
    EXPECT_EQ(report.openEnds[0].piece, 1);
    EXPECT_EQ(report.openEnds[0].connector, 0);
    EXPECT_EQ(report.openEnds[1].piece, 12);
    EXPECT_EQ(report.openEnds[1].connector, 1);

    ASSERT_EQ(report.gaps.size(), 1u);
    const TrackGap& gap = report.gaps[0];
    EXPECT_TRUE(gap.nearMiss);
    EXPECT_NEAR(gap.distance, 2.3, 1e-6);
    EXPECT_NEAR(gap.offset, 0.0, 1e-6);
    EXPECT_NEAR(gap.angleError, 0.0, 1e-6);
    EXPECT_FALSE(gap.fillFound) << "no straight is 2.3 mm long";
    EXPECT_EQ(fillArticles(gap), "-");
    EXPECT_TRUE(report.crossings.empty());
    EXPECT_TRUE(report.grades.empty());
}

TEST(GapReport, TurnedEndMissesByDistanceAngleAndSideways)
{
    // The second straight turned 1.5 degrees about its open end, which lies 2.3 mm off the first's.
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    lay(layout, "24188", 188.3 + 2.0, 1.1, 1.5);
    const GapReport report = buildGapReport(layout);
    ASSERT_EQ(report.gaps.size(), 1u);
    EXPECT_NEAR(report.gaps[0].distance, std::hypot(2.0, 1.1), 1e-6);
    EXPECT_NEAR(report.gaps[0].offset, 1.1, 1e-6);
    EXPECT_NEAR(report.gaps[0].angleError, 1.5, 1e-6);
}

TEST(GapReport, StraightGapIsFilledExactlyByOneStraight)
{
    const GapReport report = buildGapReport(gapscenario::straightGap(188.3));
    EXPECT_EQ(report.openEnds.size(), 4u);
    ASSERT_EQ(report.gaps.size(), 1u);
    const TrackGap& gap = report.gaps[0];
    EXPECT_FALSE(gap.nearMiss) << "188.3 mm is further than a near miss";
    EXPECT_EQ(gap.a.piece, 1);
    EXPECT_EQ(gap.a.connector, 1);
    EXPECT_EQ(gap.b.piece, 2);
    EXPECT_EQ(gap.b.connector, 0);
    EXPECT_NEAR(gap.distance, 188.3, 1e-9);
    ASSERT_TRUE(gap.fillFound);
    EXPECT_EQ(gap.fill.articles, std::vector<std::string>{"24188"});
    EXPECT_NEAR(gap.fill.total, 188.3, 1e-9);
}

TEST(GapReport, FarGapsAppearOnlyWhenStraightsCloseThem)
{
    // Two 24188 close 376.6 mm; no sum of C-Track straights ends within 1 mm of 190.5 mm; 5 mm to
    // the side no straight reaches the other end.
    const GapReport two = buildGapReport(gapscenario::straightGap(376.6));
    ASSERT_EQ(two.gaps.size(), 1u);
    EXPECT_EQ(fillArticles(two.gaps[0]), "24188 + 24188");

    EXPECT_TRUE(buildGapReport(gapscenario::straightGap(190.5)).gaps.empty());

    Layout aside = gapscenario::straightGap(188.3);
    aside.pieces[1].y = 5.0;
    EXPECT_TRUE(buildGapReport(aside).gaps.empty());
}

TEST(GapReport, AnEndInBetweenCutsOffTheEndsBeyondIt)
{
    Layout layout = gapscenario::straightGap(188.3);
    gapscenario::layPiece(layout, "24188", Pose{564.9 + 376.6, 0.0, 0.0});
    const GapReport report = buildGapReport(layout);
    ASSERT_EQ(report.gaps.size(), 2u);
    EXPECT_EQ(fillArticles(report.gaps[0]), "24188");
    EXPECT_EQ(report.gaps[1].a.piece, 2);
    EXPECT_EQ(report.gaps[1].b.piece, 3);
    EXPECT_EQ(fillArticles(report.gaps[1]), "24188 + 24188");
}

TEST(GapReport, NearMissNeedsOneSystemOneLevelAndTwentyDegrees)
{
    auto report = [](const std::string& second, int level, double heading) {
        Layout layout = withLevel();
        layout.levels.push_back(edittest::level(2, 100.0));
        lay(layout, "24188", 0, 0, 0);
        // The second piece's connector 0 lies 10 mm ahead of the first's open end, turned by `heading`.
        lay(layout, second, 198.3, 0, heading, level);
        return buildGapReport(layout);
    };
    EXPECT_EQ(nearMisses(report("24188", 1, 0.0)), 1u);
    EXPECT_EQ(nearMisses(report("24188", 1, 19.0)), 1u);
    EXPECT_EQ(nearMisses(report("24188", 1, 21.0)), 0u);
    EXPECT_EQ(nearMisses(report("24188", 2, 0.0)), 0u) << "another level";
    EXPECT_EQ(nearMisses(report("2200", 1, 0.0)), 0u) << "K-Track does not meet C-Track";
    EXPECT_EQ(nearMisses(report("24188", 1, 180.0)), 0u) << "ends pointing the same way";
}

TEST(GapReport, TrackFiftyMillimetresOverAnotherIsALowCrossing)
{
    const GapReport report = buildGapReport(gapscenario::crossingOver(50.0));
    ASSERT_EQ(report.crossings.size(), 1u);
    const LowCrossing& c = report.crossings[0];
    EXPECT_EQ(c.lower, 1);
    EXPECT_EQ(c.upper, 2);
    EXPECT_NEAR(c.at.x, 94.15, 1e-6);
    EXPECT_NEAR(c.at.y, 0.0, 1e-6);
    EXPECT_NEAR(c.clearance(), 50.0, 1e-9);
    EXPECT_EQ(c.headroom, 70.0);

    EXPECT_TRUE(buildGapReport(gapscenario::crossingOver(70.0)).crossings.empty());
    Headroom low;
    low.h0 = 45.0;
    EXPECT_TRUE(buildGapReport(gapscenario::crossingOver(50.0), low).crossings.empty());
    EXPECT_EQ(buildGapReport(gapscenario::crossingOver(0.0)).crossings.size(), 1u) << "track laid across track";
}

TEST(GapReport, ZTrackNeedsLessHeadroom)
{
    EXPECT_EQ(buildGapReport(gapscenario::crossingOver(30.0, "8500")).crossings.size(), 1u);
    EXPECT_TRUE(buildGapReport(gapscenario::crossingOver(40.0, "8500")).crossings.empty());
}

TEST(GapReport, CrossingHeightFollowsTheGrade)
{
    // The upper straight starts at 20 mm and climbs 3 degrees towards its far end; the crossing is
    // halfway along it.
    Layout layout = gapscenario::crossingOver(20.0);
    layout.pieces[1].grade = 3.0;
    const GapReport report = buildGapReport(layout);
    ASSERT_EQ(report.crossings.size(), 1u);
    EXPECT_NEAR(report.crossings[0].upperHeight, 20.0 + std::sin(degToRad(3.0)) * 94.15, 1e-6);

    layout.pieces[1].rev = true;
    EXPECT_NEAR(buildGapReport(layout).crossings[0].upperHeight, 20.0 - std::sin(degToRad(3.0)) * 94.15, 1e-6);
}

TEST(GapReport, JoinedPiecesAndTouchingEndsAreNoCrossing)
{
    Layout layout = withLevel();
    layJoinedStraights(layout);
    EXPECT_TRUE(buildGapReport(layout).crossings.empty());
    // Ends that touch without a joint are a near miss of 0 mm, not a crossing.
    unjoin(layout, 1, 1);
    const GapReport report = buildGapReport(layout);
    EXPECT_TRUE(report.crossings.empty());
    ASSERT_EQ(report.gaps.size(), 1u);
    EXPECT_NEAR(report.gaps[0].distance, 0.0, 1e-9);
}

TEST(GapReport, SteepGradesAreGroupedByJoints)
{
    Layout layout = withLevel();
    const auto ids = layJoinedStraights(layout);
    piece(layout, ids[0]).grade = 6.0; // at the limit: allowed
    piece(layout, ids[1]).grade = 7.5;
    piece(layout, ids[2]).grade = -6.5;
    const int lone = lay(layout, "24188", 0, 500, 0);
    piece(layout, lone).grade = 8.0;

    const GapReport report = buildGapReport(layout);
    ASSERT_EQ(report.grades.size(), 2u);
    EXPECT_EQ(report.grades[0].pieces, (std::vector<int>{ids[1], ids[2]}));
    EXPECT_DOUBLE_EQ(report.grades[0].grade, 7.5);
    EXPECT_EQ(report.grades[1].pieces, std::vector<int>{lone});
    EXPECT_NEAR(report.grades[0].minX, 188.3, 1e-9);
    EXPECT_NEAR(report.grades[0].maxX, 564.9, 1e-9);
}

TEST(GapReport, TurntablePositionsAndUnknownArticlesAreNoEnds)
{
    Layout layout = withLevel();
    lay(layout, "74861", 0, 0, 0);
    lay(layout, "99999", 500, 0, 0);
    EXPECT_TRUE(buildGapReport(layout).openEnds.empty());
}

TEST(PieceRoutes, RoutesEndOnTheirConnectors)
{
    for (const CatalogPiece& piece : TrackCatalog::instance().pieces()) {
        const std::vector<Route>& routes = pieceRoutes(piece);
        if (piece.kind == PieceKind::Turntable) {
            EXPECT_TRUE(routes.empty());
            continue;
        }
        ASSERT_FALSE(routes.empty()) << piece.article;
        for (const Route& route : routes) {
            ASSERT_GE(route.size(), 2u) << piece.article;
            // Every route runs between two of the piece's connectors (a bumper's stub excepted).
            auto onConnector = [&](const Point& p) {
                return std::any_of(piece.connectors.begin(), piece.connectors.end(),
                                   [&](const Connector& c) { return std::hypot(c.x - p.x, c.y - p.y) < 1e-9; });
            };
            EXPECT_TRUE(onConnector(route.front())) << piece.article;
            if (piece.kind != PieceKind::Bumper) {
                EXPECT_TRUE(onConnector(route.back())) << piece.article;
            }
        }
        if (piece.kind == PieceKind::Crossing || piece.kind == PieceKind::DoubleSlip || piece.kind == PieceKind::Bumper)
            continue;
        // A route from connector 0 arrives running the way its connector points (a sampled arc's last
        // chord turns half a step short).
        for (size_t k = 1; k < piece.connectors.size(); ++k) {
            const Route& route = routes.at(k - 1);
            const Point& a = route[route.size() - 2];
            const Point& b = route.back();
            const double direction = radToDeg(std::atan2(b.y - a.y, b.x - a.x));
            EXPECT_LE(facingError(direction, piece.connectors[k].heading + 180.0), 4.0)
                << piece.article << " connector " << k;
        }
    }
}

TEST(PieceRoutes, CurveRouteStaysOnItsRadius)
{
    const CatalogPiece& curve = catalogPiece("24130");
    const Route& route = pieceRoutes(curve).at(0);
    ASSERT_GE(route.size(), 4u);
    for (const Point& p : route)
        EXPECT_NEAR(std::hypot(p.x, p.y - curve.radius), curve.radius, 0.05);
}

TEST(SpatialGrid, QueryFindsEveryOverlappingBoxOnce)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(-2000.0, 2000.0), size(0.0, 600.0);
    struct Box {
        double x0, y0, x1, y1;
    };
    std::vector<Box> boxes;
    SpatialGrid grid(250.0);
    for (int i = 0; i < 400; ++i) {
        const double x = place(random), y = place(random);
        boxes.push_back({x, y, x + size(random), y + size(random)});
        grid.add(i, boxes.back().x0, boxes.back().y0, boxes.back().x1, boxes.back().y1);
    }
    std::vector<int> found;
    for (int q = 0; q < 200; ++q) {
        const double x = place(random), y = place(random);
        const Box query{x, y, x + size(random), y + size(random)};
        grid.query(query.x0, query.y0, query.x1, query.y1, found);
        const std::set<int> unique(found.begin(), found.end());
        EXPECT_EQ(unique.size(), found.size());
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            const Box& b = boxes[static_cast<size_t>(i)];
            if (b.x1 >= query.x0 && b.x0 <= query.x1 && b.y1 >= query.y0 && b.y0 <= query.y1) {
                EXPECT_TRUE(unique.count(i)) << "box " << i << " missed by query " << q;
            }
        }
    }
}

// The grid search finds the same near misses as comparing every pair of ends.
TEST(GapReport, NearMissesMatchAComparisonOfAllPairs)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> place(0.0, 3000.0), heading(0.0, 360.0);
    for (int round = 0; round < 5; ++round) {
        Layout layout = withLevel();
        for (int i = 0; i < 300; ++i)
            lay(layout, i % 7 == 0 ? "24130" : "24188", place(random), place(random), heading(random));
        const std::vector<TrackEnd> ends = findOpenEnds(ReportPieces(layout));
        std::set<std::pair<int, int>> expected;
        for (size_t i = 0; i < ends.size(); ++i)
            for (size_t j = i + 1; j < ends.size(); ++j) {
                const Connector& a = ends[i].world;
                const Connector& b = ends[j].world;
                if (ends[i].piece != ends[j].piece && std::hypot(a.x - b.x, a.y - b.y) <= kNearMissDistance &&
                    facingError(a.heading, b.heading) <= kNearMissAngle)
                    expected.insert({static_cast<int>(i), static_cast<int>(j)});
            }
        std::set<std::pair<int, int>> found;
        for (const TrackGap& gap : findGaps(ends)) {
            if (!gap.nearMiss)
                continue;
            auto indexOf = [&](const TrackEnd& end) {
                for (size_t k = 0; k < ends.size(); ++k)
                    if (ends[k].piece == end.piece && ends[k].connector == end.connector)
                        return static_cast<int>(k);
                return -1;
            };
            found.insert({indexOf(gap.a), indexOf(gap.b)});
        }
        EXPECT_EQ(found, expected) << "round " << round;
        EXPECT_FALSE(expected.empty()) << "the random layout should hold some near misses";
    }
}

TEST(GapFindings, RowsSayWhereAndByHowMuch)
{
    const Layout layout = gapscenario::almostClosedLoop(2.3);
    const std::vector<GapFinding> rows = gapFindings(layout, buildGapReport(layout));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].kind, "Near miss");
    EXPECT_NE(rows[0].details.find("2.3 mm apart"), std::string::npos) << rows[0].details;
    EXPECT_NE(rows[0].details.find("no fill"), std::string::npos) << rows[0].details;
    ASSERT_EQ(rows[0].spots.size(), 2u);
    EXPECT_LT(rows[0].area.minX, std::min(rows[0].spots[0].x, rows[0].spots[1].x));
    EXPECT_GT(rows[0].area.maxY, std::max(rows[0].spots[0].y, rows[0].spots[1].y));
    EXPECT_EQ(rows[1].kind, "Open end");
    EXPECT_EQ(rows[2].kind, "Open end");

    const Layout crossing = gapscenario::crossingOver(50.0);
    const std::vector<GapFinding> crossingRows = gapFindings(crossing, buildGapReport(crossing));
    ASSERT_FALSE(crossingRows.empty());
    EXPECT_EQ(crossingRows[0].kind, "Low crossing");
    EXPECT_NE(crossingRows[0].details.find("50.0 mm clear, 70 mm needed, 20.0 mm short"), std::string::npos)
        << crossingRows[0].details;
    EXPECT_EQ(gapSummary(buildGapReport(crossing)),
              "4 open ends, 0 near misses, 0 gaps to fill, 1 low crossing, 0 steep grades");
}
