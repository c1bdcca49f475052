#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "RenderTestSupport.h"
#include "render/PieceBands.h"

namespace layrail::testing {
namespace {

using Kind = RecordingTarget::Kind;

RecordingTarget drawOne(const Layout& layout, const PlacedPiece& piece, const CanvasView& view = unitView(),
                        bool showLabels = false, bool inTunnel = false, const std::set<int>& helixSet = {})
{
    RecordingTarget target;
    drawPlacedPiece(helixSet, target, layout, piece, catalogPiece(piece.article), view, piece.selected, showLabels,
                    inTunnel);
    return target;
}

std::vector<const RecordingTarget::Call*> polygons(const RecordingTarget& t) { return t.ofKind(Kind::Polygon); }

TEST(PieceRenderingTest, StraightIsOneRectangleInTheUnselectedColours)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0.0, 0.0);
    RecordingTarget t = drawOne(layout, piece);
    ASSERT_EQ(t.calls.size(), 1u);
    const auto& band = t.calls[0];
    ASSERT_EQ(band.kind, Kind::Polygon);
    ASSERT_EQ(band.points.size(), 4u);
    EXPECT_EQ(band.brush.colour, rgb(210, 210, 205));
    EXPECT_EQ(band.pen.colour, rgb(120, 120, 115));
    EXPECT_EQ(band.pen.width, 1);
    // Half-width 18.7 mm either side of the centre line, pixels truncated.
    EXPECT_TRUE(near(band.points[0], 60, 78));
    EXPECT_TRUE(near(band.points[1], 248, 78));
    EXPECT_TRUE(near(band.points[2], 248, 41));
    EXPECT_TRUE(near(band.points[3], 60, 41));
}

TEST(PieceRenderingTest, FillFollowsSelectionSystemLevelAndOwnColour)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0.0, 0.0);

    piece.selected = true;
    RecordingTarget selected = drawOne(layout, piece);
    EXPECT_EQ(selected.calls[0].brush.colour, rgb(180, 200, 230));
    EXPECT_EQ(selected.calls[0].pen.colour, rgb(40, 100, 200));
    piece.selected = false;

    PlacedPiece& kTrack = addPiece(layout, "2200", 0.0, 0.0);
    EXPECT_EQ(drawOne(layout, kTrack).calls[0].brush.colour, rgb(215, 200, 175));

    layout.levels[0].trackColour = true;
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(180, 200, 220));
    piece.hasColour = true;
    piece.red = 10;
    piece.green = 20;
    piece.blue = 30;
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(10, 20, 30));
    // Selection wins over both colours.
    piece.selected = true;
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(180, 200, 230));
}

TEST(PieceRenderingTest, ZTrackBandIsTwelveMillimetresWide)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "8500", 0.0, 0.0, 90.0);
    RecordingTarget t = drawOne(layout, piece);
    const auto& band = t.calls[0];
    double minX = 1e9, maxX = -1e9;
    for (const PixelPoint& p : band.points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
    }
    EXPECT_EQ(maxX - minX, 12.0);
}

TEST(PieceRenderingTest, ElevationTintRunsFromGreyToDarkOrange)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0.0, 0.0);
    piece.z = 0.5;
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(210, 210, 205));
    piece.z = 30.0;  // a quarter of the way: c = 0.5
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(232, 215, 132));
    piece.z = 90.0;  // w = 0.5
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(217, 165, 30));
    piece.z = 120.0;
    RecordingTarget top = drawOne(layout, piece);
    EXPECT_EQ(top.calls[0].brush.colour, rgb(180, 110, 0));
    EXPECT_EQ(top.calls[0].pen.colour, rgb(120, 50, 0));
    piece.z = 500.0;
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(180, 110, 0));
    // The tint replaces the level colour, but not the selection colour.
    piece.selected = true;
    EXPECT_EQ(drawOne(layout, piece).calls[0].brush.colour, rgb(180, 200, 230));
}

TEST(PieceRenderingTest, FlatHelixTrackIsNotTinted)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0.0, 0.0);
    piece.z = 260.0;
    std::set<int> helixSet{piece.id};
    EXPECT_EQ(drawOne(layout, piece, unitView(), false, false, helixSet).calls[0].brush.colour,
              rgb(210, 210, 205));
    piece.grade = 2.0;
    EXPECT_EQ(drawOne(layout, piece, unitView(), false, false, helixSet).calls[0].brush.colour,
              rgb(180, 110, 0));
}

TEST(PieceRenderingTest, TunnelTrackIsWashedOutAndTranslucent)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0.0, 0.0);
    RecordingTarget t = drawOne(layout, piece, unitView(), false, true);
    EXPECT_EQ(t.calls[0].brush.colour, rgb(216, 216, 214, 192));
    EXPECT_EQ(t.calls[0].pen.colour, rgb(180, 180, 178, 192));
}

TEST(PieceRenderingTest, CurveBandIsSampledBetweenTheTwoRadii)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24130", 0.0, 0.0);
    CanvasView view;
    view.zoom = 4.0;
    view.panX = view.panY = 2000.0;
    RecordingTarget t = drawOne(layout, piece, view);
    ASSERT_EQ(t.calls.size(), 1u);
    const auto& band = t.calls[0];
    // 30 degrees: max(16, 20) steps, both edges.
    ASSERT_EQ(band.points.size(), 42u);
    const double cx = 2000.0, cy = 2000.0 + 4.0 * 360.0;
    for (size_t i = 0; i < band.points.size(); ++i) {
        double r = std::hypot(band.points[i].x - cx, band.points[i].y - cy) / 4.0;
        EXPECT_NEAR(r, i < 21 ? 378.7 : 341.3, 0.5) << i;
    }
    // The outer edge starts above the origin and ends beside connector 1.
    EXPECT_NEAR(band.points[20].x, 2000.0 + 4.0 * 378.7 * std::sin(kPi / 6), 1.0);

    PlacedPiece& short_ = addPiece(layout, "24107", 0.0, 0.0);
    EXPECT_EQ(drawOne(layout, short_).calls[0].points.size(), 34u);  // 16 steps at the minimum
}

TEST(PieceRenderingTest, TurnoutBandsInDrawingOrder)
{
    Layout layout = emptyLayout();
    const Colour fill = rgb(210, 210, 205);
    const Colour branch = rgb(195, 195, 195);

    RecordingTarget turnout = drawOne(layout, addPiece(layout, "24611", 0, 0));
    auto p = polygons(turnout);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0]->points.size(), 4u);
    EXPECT_EQ(p[0]->brush.colour, fill);
    EXPECT_EQ(p[1]->brush.colour, branch);
    EXPECT_GT(p[1]->points.size(), 4u);

    RecordingTarget threeWay = drawOne(layout, addPiece(layout, "24630", 0, 0));
    p = polygons(threeWay);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0]->brush.colour, branch);
    EXPECT_EQ(p[1]->brush.colour, branch);
    EXPECT_EQ(p[2]->brush.colour, fill);
    EXPECT_EQ(p[2]->points.size(), 4u);

    RecordingTarget curved = drawOne(layout, addPiece(layout, "24671", 0, 0));
    p = polygons(curved);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0]->brush.colour, fill);
    EXPECT_EQ(p[1]->brush.colour, branch);
    EXPECT_EQ(p[1]->points.size(), 4u);
    // The straight between the two curves is as long as the exits are apart: 77.5 mm.
    EXPECT_EQ(p[1]->points[1].x - p[1]->points[0].x, 77.0);
    EXPECT_EQ(p[2]->brush.colour, branch);

    RecordingTarget parallel = drawOne(layout, addPiece(layout, "2269", 0, 0));
    EXPECT_EQ(polygons(parallel).size(), 3u);

    RecordingTarget crossing = drawOne(layout, addPiece(layout, "24640", 0, 0));
    p = polygons(crossing);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1]->brush.colour, rgb(200, 200, 200));

    RecordingTarget slip = drawOne(layout, addPiece(layout, "24624", 0, 0));
    p = polygons(slip);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[1]->brush.colour, rgb(202, 202, 201));
    EXPECT_EQ(p[2]->brush.colour, rgb(220, 220, 223));
    EXPECT_FALSE(p[2]->pen.set);
    EXPECT_EQ(slip.ofKind(Kind::Polyline).size(), 2u);
}

TEST(PieceRenderingTest, TurnoutBranchIsCutAtTheStraightLength)
{
    // 8562: 13 degrees on R490 would pass the 110 mm straight; the arc stops at asin(110 / 490).
    Layout layout = emptyLayout();
    CanvasView view;
    view.zoom = 20.0;
    view.panX = view.panY = 0.0;
    RecordingTarget t = drawOne(layout, addPiece(layout, "8562", 0, 0), view);
    auto p = polygons(t);
    ASSERT_EQ(p.size(), 2u);
    double maxX = 0.0;
    for (const PixelPoint& q : p[1]->points)
        maxX = std::max(maxX, q.x);
    const double outerEnd = 20.0 * 496.0 * 110.0 / 490.0;  // 2226.9, where 13 degrees would give 2231.6
    EXPECT_NEAR(maxX, outerEnd, 1.0);
}

TEST(PieceRenderingTest, BridgesGetAnArch)
{
    Layout layout = emptyLayout();
    RecordingTarget straight = drawOne(layout, addPiece(layout, "74636", 0, 0));
    auto arch = straight.ofKind(Kind::Polyline);
    ASSERT_EQ(arch.size(), 1u);
    EXPECT_EQ(arch[0]->pen.colour, rgb(80, 100, 130, 180));
    EXPECT_EQ(arch[0]->pen.width, 1);
    EXPECT_FALSE(arch[0]->brush.set);
    // Over the middle, a quarter of the length high: the top is 45 mm above the centre line.
    double top = 1e9;
    for (const PixelPoint& q : arch[0]->points)
        top = std::min(top, q.y);
    EXPECT_NEAR(top, 60.0 - 45.0, 1.0);

    CanvasView close = unitView();
    close.zoom = 4.0;
    RecordingTarget curve = drawOne(layout, addPiece(layout, "74613", 0, 0), close);
    arch = curve.ofKind(Kind::Polyline);
    ASSERT_EQ(arch.size(), 1u);
    EXPECT_EQ(arch[0]->pen.colour, rgb(80, 100, 130, 200));
    EXPECT_EQ(arch[0]->pen.width, 6);
}

TEST(PieceRenderingTest, TurntableDrawsPitDeckBridgeAndConnectorDots)
{
    Layout layout = emptyLayout();
    PlacedPiece& table = addPiece(layout, "74861", 500, 500, 30.0);
    table.setJoint(3, 99, 0);
    RecordingTarget t = drawOne(layout, table);
    auto ellipses = t.ofKind(Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 32u);
    EXPECT_EQ(ellipses[0]->brush.colour, rgb(220, 215, 210));
    EXPECT_DOUBLE_EQ(ellipses[0]->radiusX, 189.0);
    EXPECT_DOUBLE_EQ(ellipses[1]->radiusX, 139.0);
    for (size_t i = 2; i < ellipses.size(); ++i) {
        EXPECT_EQ(ellipses[i]->brush.colour, rgb(160, 140, 100));
        EXPECT_FALSE(ellipses[i]->pen.set);
        EXPECT_DOUBLE_EQ(ellipses[i]->radiusX, 3.0);
    }
    auto lines = t.ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);  // the bridge and the one joined connector
    EXPECT_EQ(lines[0]->pen.colour, rgb(80, 60, 40));
    EXPECT_EQ(lines[0]->pen.width, 3);
    EXPECT_EQ(lines[1]->pen.colour, rgb(100, 80, 60));
    const auto* text = t.firstText("74861");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->font.bold);
    EXPECT_EQ(text->font.size, 11);
    EXPECT_DOUBLE_EQ(text->angle, -30.0);
}

TEST(PieceRenderingTest, CircuitTracksCarryAMarker)
{
    Layout layout = emptyLayout();
    RecordingTarget t = drawOne(layout, addPiece(layout, "24994", 0, 0));
    auto marker = t.filled(rgb(100, 120, 220));
    ASSERT_EQ(marker.size(), 1u);
    EXPECT_EQ(marker[0]->pen.colour, rgb(60, 60, 160));
    // 2 * max(8, 3) by 2 * max(4, 2) pixels around the middle (107, 60).
    EXPECT_TRUE(near(marker[0]->points[0], 99, 56));
    EXPECT_TRUE(near(marker[0]->points[2], 115, 64));
    EXPECT_TRUE(drawOne(layout, addPiece(layout, "24188", 0, 0)).filled(rgb(100, 120, 220)).empty());
}

TEST(PieceRenderingTest, LabelAndJoinDotsNeedTheSwitchAndEnoughZoom)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0, 0);
    piece.setJoint(1, 42, 0);

    RecordingTarget t = drawOne(layout, piece, unitView(), true);
    const auto* label = t.firstText("24188");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->colour, rgb(50, 50, 50));
    EXPECT_TRUE(label->font.bold);
    EXPECT_EQ(label->font.size, 9);
    auto dots = t.ofKind(Kind::Ellipse);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0]->brush.colour, rgb(255, 140, 0));
    EXPECT_EQ(dots[0]->pen.colour, rgb(178, 98, 0));
    EXPECT_EQ(dots[1]->brush.colour, rgb(60, 180, 60));
    EXPECT_EQ(dots[1]->pen.colour, rgb(42, 125, 42));  // as wx darkens it: 0.7 of 180 is just under 126
    EXPECT_DOUBLE_EQ(dots[0]->radiusX, 3.0);
    EXPECT_TRUE(near(dots[1]->points[0], 248, 60));

    EXPECT_EQ(drawOne(layout, piece, unitView(), false).calls.size(), 1u);
    CanvasView far = unitView();
    far.zoom = 0.19;
    EXPECT_EQ(drawOne(layout, piece, far, true).calls.size(), 1u);
    far.zoom = 0.2;
    EXPECT_EQ(drawOne(layout, piece, far, true).firstText("24188")->font.size, 6);

    CanvasView near_ = unitView();
    near_.zoom = 4.0;
    RecordingTarget big = drawOne(layout, piece, near_, true);
    EXPECT_EQ(big.firstText("24188")->font.size, 36);
    EXPECT_DOUBLE_EQ(big.ofKind(Kind::Ellipse)[0]->radiusX, 10.0);

    piece.selected = true;
    EXPECT_EQ(drawOne(layout, piece, unitView(), true).firstText("24188")->colour, rgb(40, 100, 200));
}

TEST(PieceRenderingTest, LabelSitsAtTheMiddleOfACurve)
{
    Layout layout = emptyLayout();
    RecordingTarget t = drawOne(layout, addPiece(layout, "24130", 0, 0), unitView(), true);
    const auto* label = t.firstText("24130");
    ASSERT_NE(label, nullptr);
    Point mid = curvePoint(Point{0, 0}, 0.0, 360.0, 30.0, 0.5);
    double cx = label->points[0].x + 0.6 * 9 * 5 / 2.0;
    double cy = label->points[0].y + 1.2 * 9 / 2.0;
    EXPECT_NEAR(cx, std::floor(mid.x + 60.0), 1e-9);
    EXPECT_NEAR(cy, std::floor(mid.y + 60.0), 1e-9);
}

TEST(PieceRenderingTest, GhostUsesTheGhostColours)
{
    RecordingTarget t;
    drawGhostPiece(t, unitView(), Pose{0, 0, 0}, catalogPiece("24611"));
    auto p = polygons(t);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0]->brush.colour, rgb(200, 225, 200));
    EXPECT_EQ(p[0]->pen.colour, rgb(80, 150, 80));
}

} // namespace
} // namespace layrail::testing
