#include <gtest/gtest.h>

#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {
namespace {

constexpr double kWheelIn = 1.15;
constexpr double kWheelOut = 0.8695652173913044;

TEST(CanvasViewTest, WorldAndScreenMappingTruncatesToPixels)
{
    CanvasView view;
    view.zoom = 0.5;
    view.panX = 10.0;
    view.panY = -20.0;
    EXPECT_EQ(view.toScreenX(101.0), 60);  // 50.5 + 10 truncated
    EXPECT_EQ(view.toScreenY(100.0), 30);
    EXPECT_DOUBLE_EQ(view.toWorldX(60.0), 100.0);
    EXPECT_DOUBLE_EQ(view.toWorldY(30.0), 100.0);
}

TEST(CanvasViewTest, ZoomAtKeepsTheWorldPointUnderTheMouse)
{
    CanvasView view;
    view.zoom = 0.7;
    view.panX = 123.0;
    view.panY = -45.0;
    const double mx = 400.0, my = 250.0;
    const double wx = view.toWorldX(mx), wy = view.toWorldY(my);
    view.zoomAt(kWheelIn, mx, my);
    EXPECT_NEAR(view.zoom, 0.7 * kWheelIn, 1e-12);
    EXPECT_NEAR(view.toWorldX(mx), wx, 1e-9);
    EXPECT_NEAR(view.toWorldY(my), wy, 1e-9);
    view.zoomAt(kWheelOut, mx, my);
    EXPECT_NEAR(view.zoom, 0.7, 1e-12);
    EXPECT_NEAR(view.toWorldX(mx), wx, 1e-9);
}

TEST(CanvasViewTest, WheelZoomStaysWithinItsLimits)
{
    CanvasView view;
    for (int i = 0; i < 100; ++i)
        view.zoomAt(kWheelIn, 300, 200);
    EXPECT_DOUBLE_EQ(view.zoom, 20.0);
    for (int i = 0; i < 100; ++i)
        view.zoomAt(kWheelOut, 300, 200);
    EXPECT_DOUBLE_EQ(view.zoom, 0.3);
    // At the floor a further step changes neither zoom nor pan.
    CanvasView before = view;
    view.zoomAt(kWheelOut, 300, 200);
    EXPECT_DOUBLE_EQ(view.panX, before.panX);
    EXPECT_DOUBLE_EQ(view.panY, before.panY);
}

TEST(CanvasViewTest, ZoomOutBelowTheWheelFloorStaysPut)
{
    // A fit to a large layout lands below the wheel's floor; zooming out from there must not zoom in.
    CanvasView view;
    view.zoom = 0.1;
    view.panX = 40.0;
    const CanvasView before = view;
    view.zoomCentre(0.8, 800, 600);
    EXPECT_DOUBLE_EQ(view.zoom, before.zoom);
    EXPECT_DOUBLE_EQ(view.panX, before.panX);
    view.zoomAt(kWheelOut, 10, 10);
    EXPECT_DOUBLE_EQ(view.zoom, before.zoom);
    // Zooming in from there still climbs into the wheel's range.
    view.zoomCentre(1.25, 800, 600);
    EXPECT_DOUBLE_EQ(view.zoom, kMinWheelZoom);
}

TEST(CanvasViewTest, ZoomCentreUsesIntegerHalvesOfTheClientArea)
{
    CanvasView view;
    view.zoom = 1.0;
    view.panX = 0.0;
    view.panY = 0.0;
    view.zoomCentre(1.25, 801, 601);
    // The fixed point is (400, 300), not (400.5, 300.5).
    EXPECT_DOUBLE_EQ(view.panX, 400.0 - 400.0 * 1.25);
    EXPECT_DOUBLE_EQ(view.panY, 300.0 - 300.0 * 1.25);
}

TEST(CanvasViewTest, ResetAndActualSize)
{
    CanvasView view;
    view.zoom = 3.0;
    view.panX = view.panY = -500.0;
    view.zoomActual();
    EXPECT_DOUBLE_EQ(view.zoom, 1.0);
    EXPECT_DOUBLE_EQ(view.panX, 60.0);
    EXPECT_DOUBLE_EQ(view.panY, 60.0);
    view.reset();
    EXPECT_DOUBLE_EQ(view.zoom, 0.4);
    EXPECT_DOUBLE_EQ(view.panX, 60.0);
    EXPECT_DOUBLE_EQ(view.panY, 60.0);
}

class ZoomToFitTest : public ::testing::Test {
protected:
    CanvasView fitted(bool ignoreOutlines = false, int w = 1000, int h = 800)
    {
        CanvasView view;
        view.zoom = 7.0;
        view.panX = view.panY = 1.0;
        view.zoomToFit(layout, ignoreOutlines, w, h);
        return view;
    }
    void expectReset(const CanvasView& view)
    {
        EXPECT_DOUBLE_EQ(view.zoom, 0.4);
        EXPECT_DOUBLE_EQ(view.panX, 60.0);
        EXPECT_DOUBLE_EQ(view.panY, 60.0);
    }
    Layout layout;
};

TEST_F(ZoomToFitTest, EmptyLayoutResetsTheView)
{
    layout.ensureDefaultLevel();
    expectReset(fitted());
}

TEST_F(ZoomToFitTest, OutlinesAloneAreFramedUnlessIgnored)
{
    layout.baseboard.vertices = {{0, 0}, {2000, 0}, {2000, 1000}, {0, 1000}};
    expectReset(fitted(true));
    CanvasView view = fitted(false);
    // min(840 / 2000, 640 / 1000) = 0.42; the box is centred between 80 px margins.
    EXPECT_DOUBLE_EQ(view.zoom, 0.42);
    EXPECT_DOUBLE_EQ(view.panX, 80.0);
    EXPECT_DOUBLE_EQ(view.panY, (640.0 - 420.0) / 2.0 + 80.0);
}

TEST_F(ZoomToFitTest, TwoBaseboardVerticesAreNoOutline)
{
    layout.baseboard.vertices = {{0, 0}, {2000, 0}};
    expectReset(fitted());
}

TEST_F(ZoomToFitTest, SinglePieceSpansOneCatalogLengthAlongItsHeading)
{
    PlacedPiece piece;
    piece.article = "24188";
    piece.x = 100.0;
    piece.y = 50.0;
    layout.pieces.push_back(piece);
    CanvasView view = fitted();
    // Width 188.3, height 0 counted as 1.
    const double zoom = 840.0 / 188.3;
    EXPECT_NEAR(view.zoom, zoom, 1e-12);
    EXPECT_NEAR(view.panX, (840.0 - zoom * 188.3) / 2.0 + 80.0 - zoom * 100.0, 1e-9);
    EXPECT_NEAR(view.panY, 640.0 / 2.0 + 80.0 - zoom * 50.0, 1e-9);
}

TEST_F(ZoomToFitTest, HelixWithUnknownKitCountsFiveHundredMillimetres)
{
    Helix helix;
    helix.cx = 0.0;
    helix.cy = 0.0;
    helix.variant = "no such kit";
    layout.helices.push_back(helix);
    CanvasView unknown = fitted();
    EXPECT_DOUBLE_EQ(unknown.zoom, 640.0 / 1000.0);

    layout.helices[0].variant = "proses_2_5_r4r5";  // outer radius 643.6
    CanvasView known = fitted();
    EXPECT_NEAR(known.zoom, 640.0 / 1287.2, 1e-12);
    // The centre lands in the middle of the client area.
    EXPECT_NEAR(known.toWorldX(500.0), 0.0, 1e-9);
    EXPECT_NEAR(known.toWorldY(400.0), 0.0, 1e-9);
}

TEST_F(ZoomToFitTest, FitMayGoBelowTheWheelFloorAndIsCappedAbove)
{
    LayoutShape shape;
    shape.points = {{0, 0}, {100000, 0}, {100000, 100}};
    layout.shapes.push_back(shape);
    EXPECT_DOUBLE_EQ(fitted().zoom, 0.05);

    SceneryItem item;
    item.x = 5.0;
    item.y = 5.0;
    layout.shapes.clear();
    layout.scenery.push_back(item);
    EXPECT_DOUBLE_EQ(fitted().zoom, 20.0);
}

TEST_F(ZoomToFitTest, OnlyUnknownArticlesLeaveNothingToFrame)
{
    PlacedPiece piece;
    piece.article = "99999";
    layout.pieces.push_back(piece);
    expectReset(fitted());
}

} // namespace
} // namespace layrail
