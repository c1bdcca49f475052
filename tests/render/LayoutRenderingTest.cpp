#include <gtest/gtest.h>

#include "RenderTestSupport.h"

namespace layrail::testing {
namespace {

using Kind = RecordingTarget::Kind;
using Call = RecordingTarget::Call;

const Colour kStraightFill = rgb(210, 210, 205);

bool isBand(const Call& c) { return c.kind == Kind::Polygon && c.brush.set && c.brush.colour == kStraightFill; }

size_t gridLines(const RecordingTarget& t)
{
    return t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(220, 220, 215); }).size();
}

TEST(LayoutRenderingTest, EmptyLayoutIsClearedWhite)
{
    RecordingTarget t = render(emptyLayout());
    ASSERT_EQ(t.calls.size(), 1u);
    EXPECT_EQ(t.calls[0].kind, Kind::Clear);
    EXPECT_EQ(t.calls[0].colour, rgb(255, 255, 255));
}

TEST(LayoutRenderingTest, GridLinesAndOriginCross)
{
    Layout layout = emptyLayout();
    layout.gridOn = true;
    CanvasView view = unitView();
    RecordingTarget t = render(layout, view);
    // 32 px apart from -4, the multiple just left of the edge: 44 columns and 29 rows.
    auto lines = t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(220, 220, 215); });
    ASSERT_EQ(lines.size(), 44u + 29u);
    EXPECT_EQ(lines[0]->points[0].x, -4.0);
    EXPECT_EQ(lines[1]->points[0].x, 28.0);
    EXPECT_EQ(lines[0]->points[1].y, 900.0);
    EXPECT_EQ(lines[0]->pen.width, 1);
    auto cross = t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(180, 180, 220); });
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_EQ(cross[0]->pen.width, 2);
    EXPECT_TRUE(near(cross[0]->points[0], 50, 60));
    EXPECT_TRUE(near(cross[0]->points[1], 70, 60));
}

TEST(LayoutRenderingTest, GridDisappearsOutsideSixToFourHundredPixels)
{
    Layout layout = emptyLayout();
    layout.gridOn = true;
    CanvasView view = unitView();
    view.zoom = 0.1875;
    EXPECT_GT(gridLines(render(layout, view)), 0u);
    view.zoom = 0.187;
    EXPECT_EQ(gridLines(render(layout, view)), 0u);
    view.zoom = 12.5;
    EXPECT_GT(gridLines(render(layout, view)), 0u);
    view.zoom = 12.51;
    EXPECT_EQ(gridLines(render(layout, view)), 0u);
    layout.gridOn = false;
    view.zoom = 1.0;
    EXPECT_EQ(render(layout, view).calls.size(), 1u);
}

TEST(LayoutRenderingTest, BaseboardFillEdgeAndEdgeLengths)
{
    Layout layout = emptyLayout();
    layout.baseboard.vertices = {{0, 0}, {1000, 0}, {1000, 9}, {0, 9}};
    RecordingTarget t = render(layout);
    auto fill = t.filled(rgb(245, 235, 210));
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_EQ(fill[0]->pen.colour, rgb(120, 90, 50));
    EXPECT_EQ(fill[0]->pen.width, 2);
    auto edge = t.where([](const Call& c) {
        return c.kind == Kind::Polygon && !c.brush.set && c.pen.colour == rgb(120, 90, 50);
    });
    ASSERT_EQ(edge.size(), 1u);

    // The two 9 mm edges get no label.
    auto texts = t.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->text, "1000 mm");
    EXPECT_EQ(texts[0]->font.size, 11);
    EXPECT_EQ(texts[0]->colour, rgb(80, 50, 20));
    // Centred 12 mm outside the top edge: (500, -12) in the world.
    EXPECT_DOUBLE_EQ(texts[0]->points[0].x + 0.6 * 11 * 7 / 2.0, 560.0);
    EXPECT_DOUBLE_EQ(texts[0]->points[0].y + 1.2 * 11 / 2.0, 48.0);
    auto boxes = t.ofKind(Kind::RoundedRectangle);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->brush.colour, rgb(255, 248, 220, 200));
    EXPECT_EQ(boxes[0]->pen.colour, rgb(180, 140, 80));
    EXPECT_DOUBLE_EQ(boxes[0]->width, 0.6 * 11 * 7 + 8);
    EXPECT_DOUBLE_EQ(boxes[0]->radius, 3.0);

    layout.units = LengthUnit::Inches;
    EXPECT_EQ(render(layout).ofKind(Kind::Text)[0]->text, "39.37\"");
    layout.units = LengthUnit::Centimetres;
    EXPECT_EQ(render(layout).ofKind(Kind::Text)[0]->text, "100.0 cm");

    layout.baseboardShown = false;
    EXPECT_EQ(render(layout).calls.size(), 1u);
}

TEST(LayoutRenderingTest, DecksBlendTheLevelColourAndSortByHeight)
{
    Layout layout = emptyLayout();
    Level upper;
    upper.id = 2;
    upper.height = 100.0;
    upper.trackColour = true;
    upper.red = 200;
    upper.green = 100;
    upper.blue = 0;
    upper.outline = {{0, 0}, {100, 0}, {100, 100}};
    layout.levels.insert(layout.levels.begin(), upper);
    layout.levels[1].outline = {{0, 0}, {50, 0}, {50, 50}};
    RecordingTarget t = render(layout);
    auto decks = t.ofKind(Kind::Polygon);
    ASSERT_EQ(decks.size(), 2u);
    EXPECT_EQ(decks[0]->brush.colour, rgb(235, 220, 190));
    EXPECT_EQ(decks[1]->brush.colour, rgb(230, 190, 140));

    layout.levels[0].visible = false;
    EXPECT_EQ(render(layout).ofKind(Kind::Polygon).size(), 1u);
}

TEST(LayoutRenderingTest, ShapesSortByLevelHeightAndTakeTheirOutlineRules)
{
    Layout layout = emptyLayout();
    layout.levels.push_back(level(2, 50.0));
    LayoutShape top;
    top.level = 2;
    top.points = {{0, 0}, {100, 0}, {100, 100}};
    top.red = 100;
    top.label = "Hill";
    LayoutShape bottom;
    bottom.points = {{0, 0}, {100, 0}, {100, 100}};
    bottom.outline = false;
    bottom.red = 50;
    LayoutShape tooSmall;
    tooSmall.points = {{0, 0}, {100, 0}};
    layout.shapes = {top, bottom, tooSmall};

    RecordingTarget t = render(layout);
    auto shapes = t.ofKind(Kind::Polygon);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0]->brush.colour, rgb(50, 170, 110, 140));
    EXPECT_FALSE(shapes[0]->pen.set);
    EXPECT_EQ(shapes[1]->brush.colour, rgb(100, 170, 110, 140));
    EXPECT_EQ(shapes[1]->pen.colour, rgb(50, 85, 55));
    EXPECT_EQ(shapes[1]->pen.width, 2);
    const Call* name = t.firstText("Hill");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->font.size, 11);
    EXPECT_EQ(name->colour, rgb(20, 20, 20));

    layout.shapes[0].selected = true;
    auto selected = render(layout).ofKind(Kind::Polygon);
    EXPECT_EQ(selected[1]->pen.colour, rgb(40, 80, 200));
    EXPECT_EQ(selected[1]->pen.width, 3);

    layout.levels[1].visible = false;
    EXPECT_EQ(render(layout).ofKind(Kind::Polygon).size(), 1u);
}

TEST(LayoutRenderingTest, SceneryFromItsCatalogDrawing)
{
    Layout layout = emptyLayout();
    SceneryItem platform;
    platform.id = 7;
    platform.item = "platform";
    platform.x = 1000.0;
    platform.y = 500.0;
    layout.scenery.push_back(platform);
    SceneryItem unknown = platform;
    unknown.id = 8;
    unknown.item = "no such item";
    layout.scenery.push_back(unknown);

    RecordingTarget t = render(layout);
    auto paving = t.filled(rgb(180, 175, 170));
    ASSERT_EQ(paving.size(), 1u);
    EXPECT_EQ(paving[0]->pen.colour, rgb(120, 115, 110));
    // The footprint covers x 885 to 1115 and y 470 to 530.
    EXPECT_TRUE(near(paving[0]->points[0], 945, 530));
    EXPECT_TRUE(near(paving[0]->points[2], 1175, 590));

    layout.scenery[0].selected = true;
    RecordingTarget sel = render(layout);
    EXPECT_TRUE(sel.filled(rgb(180, 175, 170)).empty());
    EXPECT_EQ(sel.filled(rgb(156, 170, 185)).size(), 1u);
    auto footprint = sel.where([](const Call& c) { return c.kind == Kind::Polygon && c.pen.style == PenStyle::Dotted; });
    ASSERT_EQ(footprint.size(), 1u);
    EXPECT_EQ(footprint[0]->pen.colour, rgb(40, 100, 200));
    EXPECT_FALSE(footprint[0]->brush.set);

    layout.scenery[0].scaleX = 2.0;
    layout.scenery[0].selected = false;
    EXPECT_TRUE(near(render(layout).filled(rgb(180, 175, 170))[0]->points[0], 830, 530));
}

TEST(LayoutRenderingTest, UnselectedSceneryBeforeSelectedAndPortalsAfterTrack)
{
    Layout layout = emptyLayout();
    SceneryItem a;
    a.id = 1;
    a.item = "platform";
    a.selected = true;
    SceneryItem b = a;
    b.id = 2;
    b.selected = false;
    b.x = 300.0;
    SceneryItem portal;
    portal.id = 3;
    portal.item = "tunnel_portal_single";
    portal.x = 600.0;
    layout.scenery = {a, b, portal};
    Tunnel tunnel;
    tunnel.portalA = 3;
    layout.tunnels.push_back(tunnel);
    PlacedPiece& piece = addPiece(layout, "24188", 500, 0);
    piece.id = 10;

    RecordingTarget t = render(layout);
    int unselected = t.indexOf([](const Call& c) { return c.brush.colour == rgb(180, 175, 170); });
    int selected = t.indexOf([](const Call& c) { return c.brush.colour == rgb(156, 170, 185); });
    int track = t.indexOf(isBand);
    int portalStone = t.indexOf([](const Call& c) { return c.brush.set && c.brush.colour == rgb(140, 130, 118); });
    ASSERT_GE(unselected, 0);
    ASSERT_GE(portalStone, 0);
    EXPECT_LT(unselected, selected);
    EXPECT_LT(selected, track);
    EXPECT_LT(track, portalStone);
}

TEST(LayoutRenderingTest, PiecesOnHiddenLevelsOrWithUnknownArticlesAreNotDrawn)
{
    Layout layout = emptyLayout();
    layout.levels.push_back(level(2, 0.0, false));
    addPiece(layout, "24188", 0, 0).level = 2;
    addPiece(layout, "99999", 0, 0);
    EXPECT_EQ(render(layout).calls.size(), 1u);
    layout.levels[1].visible = true;
    EXPECT_EQ(render(layout).where(isBand).size(), 1u);
}

TEST(LayoutRenderingTest, PiecesOutsideTheWindowProduceNoCalls)
{
    Layout layout = emptyLayout();
    addPiece(layout, "24188", 5000, 0);       // right of 1400 px
    addPiece(layout, "24130", -600, 300);     // left, arc stays left of x = -60
    addPiece(layout, "74861", 500, 2000);     // below, pit radius 189
    addPiece(layout, "24611", 300, -400, 0);  // above, branch stays above y = -60
    EXPECT_EQ(render(layout).calls.size(), 1u);

    // Just inside each edge they all appear.
    Layout inside = emptyLayout();
    addPiece(inside, "24188", 1330, 0);
    addPiece(inside, "24130", -240, 300);
    addPiece(inside, "74861", 500, 1000);
    addPiece(inside, "24611", 300, -100, 0);
    EXPECT_EQ(render(inside).ofKind(Kind::Polygon).size(), 4u);
}

TEST(LayoutRenderingTest, SelectedPiecesAreDrawnAfterUnselectedOnes)
{
    Layout layout = emptyLayout();
    addPiece(layout, "24188", 0, 0).selected = true;
    addPiece(layout, "24188", 0, 100);
    RecordingTarget t = render(layout);
    auto polys = t.ofKind(Kind::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0]->brush.colour, kStraightFill);
    EXPECT_EQ(polys[1]->brush.colour, rgb(180, 200, 230));
}

TEST(LayoutRenderingTest, TunnelTrackIsShaded)
{
    Layout layout = emptyLayout();
    PlacedPiece& piece = addPiece(layout, "24188", 0, 0);
    Tunnel tunnel;
    tunnel.coveredPieces = {piece.id};
    layout.tunnels.push_back(tunnel);
    EXPECT_EQ(render(layout).ofKind(Kind::Polygon)[0]->brush.colour.a, 192);
}

TEST(LayoutRenderingTest, HelixRingsSitBetweenTheLowerGroupAndTheRest)
{
    Layout layout = emptyLayout();
    Helix helix;
    helix.id = 100;
    helix.cx = 500.0;
    helix.cy = 500.0;
    layout.helices.push_back(helix);
    PlacedPiece& stub = addPiece(layout, "24188", 500, 140);
    stub.helix = 100;
    PlacedPiece& approach = addPiece(layout, "24094", 500 - 94.2, 140);
    approach.setJoint(1, stub.id, 0);
    stub.setJoint(0, approach.id, 1);
    PlacedPiece& other = addPiece(layout, "24064", 0, 0);
    other.z = 30.0;

    RecordingTarget t = render(layout);
    auto polys = t.ofKind(Kind::Polygon);
    // Stub and approach, 12 inner and 12 outer ring curves, then the unrelated piece.
    ASSERT_EQ(polys.size(), 2u + 24u + 1u);
    EXPECT_EQ(polys[0]->points.size(), 4u);
    EXPECT_EQ(polys[1]->points.size(), 4u);
    for (size_t i = 2; i < 26; ++i)
        EXPECT_EQ(polys[i]->points.size(), 42u) << i;
    EXPECT_EQ(polys[26]->brush.colour, rgb(232, 215, 132));
    // The first inner ring curve starts 120 degrees before the helix heading, on R1 around the centre.
    const PixelPoint first = polys[2]->points[0];
    const double h = degToRad(-120.0);
    EXPECT_NEAR(first.x, 560 + (360 + 18.7) * std::sin(h), 1.0);
    EXPECT_NEAR(first.y, 560 - (360 + 18.7) * std::cos(h), 1.0);

    stub.selected = true;
    auto selected = render(layout).ofKind(Kind::Polygon);
    EXPECT_EQ(selected[2]->brush.colour, rgb(180, 200, 230));
}

TEST(LayoutRenderingTest, SpokeExtensionsAreDrawnAgainOnTop)
{
    Layout layout = emptyLayout();
    addPiece(layout, "74871", 0, 0);
    addPiece(layout, "24188", 0, 0);
    auto polys = render(layout).ofKind(Kind::Polygon);
    ASSERT_EQ(polys.size(), 3u);
    EXPECT_EQ(polys[0]->points[1].x, polys[2]->points[1].x);
    EXPECT_NE(polys[1]->points[1].x, polys[2]->points[1].x);
}

TEST(LayoutRenderingTest, GradeArrowPointsAlongTheRun)
{
    Layout layout = emptyLayout();
    PlacedPiece& anchor = addPiece(layout, "24188", 0, 0);
    layout.gradeRuns.push_back(GradeRun{2.0, anchor.id, 1});
    RecordingTarget t = render(layout);
    auto shaft = t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(220, 100, 20); });
    ASSERT_EQ(shaft.size(), 1u);
    EXPECT_EQ(shaft[0]->pen.width, 3);
    EXPECT_TRUE(near(shaft[0]->points[0], 154, 60));
    EXPECT_TRUE(near(shaft[0]->points[1], 174, 60));
    auto head = t.filled(rgb(220, 100, 20));
    ASSERT_EQ(head.size(), 1u);
    EXPECT_EQ(head[0]->points.size(), 3u);
    const Call* text = t.firstText("+2.0 deg");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(near(text->points[0], 178, 50));
    EXPECT_EQ(text->font.size, 8);
    EXPECT_TRUE(text->font.bold);

    // A falling run anchored where only connector 1 is joined points back, from over its own piece.
    layout.gradeRuns[0].angle = -1.5;
    anchor.setJoint(1, 55, 0);
    RecordingTarget back = render(layout);
    auto falling = back.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(30, 100, 200); });
    ASSERT_EQ(falling.size(), 1u);
    EXPECT_TRUE(near(falling[0]->points[0], 154, 60));
    EXPECT_TRUE(near(falling[0]->points[1], 134, 60));
    EXPECT_NE(back.firstText("-1.5 deg"), nullptr);

    CanvasView far = unitView();
    far.zoom = 0.24;
    EXPECT_EQ(render(layout, far).firstText("-1.5 deg"), nullptr);
}

TEST(LayoutRenderingTest, LabelsOnTheirBackground)
{
    Layout layout = emptyLayout();
    LayoutLabel label;
    label.text = "Station";
    label.x = 100.0;
    label.y = 200.0;
    layout.labels.push_back(label);
    RecordingTarget t = render(layout);
    auto texts = t.ofKind(Kind::TextWithBackground);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(near(texts[0]->points[0], 160, 260));
    EXPECT_EQ(texts[0]->font.size, 11);
    EXPECT_EQ(texts[0]->colour, rgb(20, 20, 20));
    EXPECT_EQ(texts[0]->background, rgb(255, 255, 220, 200));

    CanvasView small = unitView();
    small.zoom = 0.5;
    EXPECT_EQ(render(layout, small).ofKind(Kind::TextWithBackground)[0]->font.size, 8);

    layout.labels[0].selected = true;
    RecordingTarget sel = render(layout);
    EXPECT_EQ(sel.ofKind(Kind::TextWithBackground)[0]->colour, rgb(40, 80, 200));
    auto frame = sel.where([](const Call& c) { return c.kind == Kind::Polygon && c.pen.style == PenStyle::Dotted; });
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_TRUE(near(frame[0]->points[0], 158, 258));

    layout.labels[0].x = 5000.0;
    EXPECT_EQ(render(layout).calls.size(), 1u);
}

TEST(LayoutRenderingTest, DimensionLineWithArrowheadsAndLength)
{
    Layout layout = emptyLayout();
    DimensionLine d;
    d.x1 = 0.0;
    d.y1 = 0.0;
    d.x2 = 300.0;
    d.y2 = 400.0;
    d.labelX = 10.0;
    layout.dimensionLines.push_back(d);
    RecordingTarget t = render(layout);
    auto line = t.ofKind(Kind::Line);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0]->pen.colour, rgb(60, 60, 60));
    EXPECT_EQ(line[0]->pen.width, 2);
    auto heads = t.ofKind(Kind::Polygon);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_TRUE(near(heads[0]->points[0], 360, 460));
    EXPECT_TRUE(near(heads[0]->points[1], 354 - 4, 452 + 3));
    const Call* text = t.firstText("500 mm");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->font.size, 10);
    EXPECT_DOUBLE_EQ(text->points[0].x + 0.6 * 10 * 6 / 2.0, 220.0);
    auto box = t.ofKind(Kind::RoundedRectangle);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0]->brush.colour, rgb(255, 248, 220, 235));
    EXPECT_DOUBLE_EQ(box[0]->width, 0.6 * 10 * 6 + 10);

    layout.dimensionLines[0].selected = true;
    RecordingTarget sel = render(layout);
    EXPECT_EQ(sel.ofKind(Kind::Line)[0]->pen.width, 3);
    EXPECT_EQ(sel.ofKind(Kind::RoundedRectangle)[0]->brush.colour, rgb(220, 232, 255, 235));

    layout.dimensionLines[0].x2 = 3.0;
    layout.dimensionLines[0].y2 = 4.0;
    EXPECT_TRUE(render(layout).ofKind(Kind::Polygon).empty());
}

TEST(LayoutRenderingTest, StepsFollowTheFixedOrder)
{
    Layout layout = emptyLayout();
    layout.gridOn = true;
    layout.baseboard.vertices = {{0, 0}, {1000, 0}, {1000, 500}};
    LayoutShape shape;
    shape.points = {{0, 0}, {100, 0}, {100, 100}};
    layout.shapes.push_back(shape);
    SceneryItem item;
    item.item = "platform";
    item.x = 400.0;
    layout.scenery.push_back(item);
    addPiece(layout, "24188", 0, 300);
    LayoutLabel label;
    label.text = "L";
    layout.labels.push_back(label);
    DimensionLine d;
    d.x2 = 100.0;
    layout.dimensionLines.push_back(d);

    RecordingTarget t = render(layout);
    std::vector<int> order = {
        t.indexOf([](const Call& c) { return c.kind == Kind::Clear; }),
        t.indexOf([](const Call& c) { return c.brush.set && c.brush.colour == rgb(245, 235, 210); }),
        t.indexOf([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(220, 220, 215); }),
        t.indexOf([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(180, 180, 220); }),
        t.indexOf([](const Call& c) { return c.kind == Kind::Polygon && !c.brush.set && c.pen.width == 2; }),
        t.indexOf([](const Call& c) { return c.brush.set && c.brush.colour == rgb(120, 170, 110, 140); }),
        t.indexOf([](const Call& c) { return c.brush.set && c.brush.colour == rgb(180, 175, 170); }),
        t.indexOf(isBand),
        t.indexOf([](const Call& c) { return c.kind == Kind::TextWithBackground; }),
        t.indexOf([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(60, 60, 60); }),
    };
    for (size_t i = 0; i < order.size(); ++i)
        ASSERT_GE(order[i], 0) << i;
    for (size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(order[i - 1], order[i]) << i;
}

} // namespace
} // namespace layrail::testing
