#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include <wx/bitmap.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>

#include "GuiTestSupport.h"
#include "canvas/Rulers.h"
#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/PieceBands.h"
#include "render/Renderer.h"
#include "render/ui/WxDrawTarget.h"
#include "render/ui/WxSpriteCache.h"

namespace layrail {
namespace {

constexpr int kW = 400;
constexpr int kH = 300;

wxImage paint(const std::function<void(DrawTarget&)>& draw, int w = kW, int h = kH)
{
    wxBitmap bitmap(w, h, 24);
    {
        wxMemoryDC memory(bitmap);
        wxGCDC dc(memory);
        WxDrawTarget target(dc);
        draw(target);
    }
    return bitmap.ConvertToImage();
}

CanvasView unitView()
{
    CanvasView view;
    view.zoom = 1.0;
    return view;
}

Layout layoutWith(const std::string& article, double x, double y)
{
    Layout layout;
    layout.ensureDefaultLevel();
    layout.gridOn = false;
    gui::placePiece(layout, article, x, y, 0.0);
    return layout;
}

// Compares a with b moved by (dx, dy), where both images have the pixel.
int maxDifference(const wxImage& a, const wxImage& b, int dx = 0, int dy = 0)
{
    int worst = 0;
    for (int y = std::max(0, -dy); y < std::min(a.GetHeight(), b.GetHeight() - dy); ++y)
        for (int x = std::max(0, -dx); x < std::min(a.GetWidth(), b.GetWidth() - dx); ++x)
            worst = std::max({worst, std::abs(a.GetRed(x, y) - b.GetRed(x + dx, y + dy)),
                              std::abs(a.GetGreen(x, y) - b.GetGreen(x + dx, y + dy)),
                              std::abs(a.GetBlue(x, y) - b.GetBlue(x + dx, y + dy))});
    return worst;
}

const Colour kWhite{255, 255, 255, 255};

wxImage paintPolygon(const std::vector<PixelPoint>& points, Colour pen, int penWidth, Colour brush, int dx = 0,
                     int dy = 0)
{
    std::vector<PixelPoint> moved = points;
    for (PixelPoint& p : moved) {
        p.x += dx;
        p.y += dy;
    }
    return paint([&](DrawTarget& t) {
        t.clear(kWhite);
        if (pen.a != 0)
            t.setPen(pen, penWidth);
        else
            t.setNoPen();
        t.setBrush(brush);
        t.polygon(moved);
    });
}

TEST(RenderPixelTest, StraightPieceOnWhite)
{
    Layout layout = layoutWith("24188", 0.0, 100.0);
    wxImage image = paint([&](DrawTarget& t) { renderLayout(layout, t, unitView(), kW, kH, switchedOptions(layout)); });
    EXPECT_TRUE(gui::colourNear(image, 5, 5, 255, 255, 255, 0, 0)) << gui::pixelText(image, 5, 5);
    // Inside the band, away from the label and the dots.
    EXPECT_TRUE(gui::colourNear(image, 100, 150, 210, 210, 205, 0, 2)) << gui::pixelText(image, 100, 150);
    // The outline runs along y = 178.
    EXPECT_TRUE(gui::colourNear(image, 100, 178, 120, 120, 115, 1, 20)) << gui::pixelText(image, 100, 178);
    // Free connector dots in orange at both ends.
    EXPECT_TRUE(gui::colourNear(image, 60, 160, 255, 140, 0, 1, 10)) << gui::pixelText(image, 60, 160);
    EXPECT_TRUE(gui::colourNear(image, 248, 160, 255, 140, 0, 1, 10)) << gui::pixelText(image, 248, 160);
    // The article label is dark text at the middle.
    EXPECT_TRUE(gui::colourNear(image, 154, 160, 50, 50, 50, 6, 40));
}

TEST(RenderPixelTest, SelectionAndTunnelColours)
{
    Layout layout = layoutWith("24188", 0.0, 100.0);
    layout.labelsOn = false;
    layout.pieces[0].selected = true;
    wxImage selected =
        paint([&](DrawTarget& t) { renderLayout(layout, t, unitView(), kW, kH, switchedOptions(layout)); });
    EXPECT_TRUE(gui::colourNear(selected, 150, 160, 180, 200, 230, 0, 2)) << gui::pixelText(selected, 150, 160);

    layout.pieces[0].selected = false;
    Tunnel tunnel;
    tunnel.coveredPieces = {layout.pieces[0].id};
    layout.tunnels.push_back(tunnel);
    wxImage hidden =
        paint([&](DrawTarget& t) { renderLayout(layout, t, unitView(), kW, kH, switchedOptions(layout)); });
    // 216, 216, 214 at alpha 192 over white.
    EXPECT_TRUE(gui::colourNear(hidden, 150, 160, 226, 226, 224, 0, 3)) << gui::pixelText(hidden, 150, 160);
}

TEST(RenderPixelTest, RulersPaintTheirStrips)
{
    wxImage image = paint([&](DrawTarget& t) {
        t.clear(Colour{255, 255, 255, 255});
        drawRulers(t, unitView(), LengthUnit::Millimetres, kW, kH);
    });
    EXPECT_TRUE(gui::colourNear(image, 300, 8, 240, 240, 240, 0, 0)) << gui::pixelText(image, 300, 8);
    EXPECT_TRUE(gui::colourNear(image, 8, 250, 240, 240, 240, 0, 0));
    EXPECT_TRUE(gui::colourNear(image, 60, 5, 200, 80, 80, 1, 30)) << gui::pixelText(image, 60, 5);
    EXPECT_TRUE(gui::colourNear(image, 200, 60, 255, 255, 255, 0, 0));
}

// Dots and labels are copied from pictures painted once; they must look as if drawn directly.
TEST(RenderPixelTest, CopiedDotsAndTextMatchDirectDrawing)
{
    auto direct = [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(178, 98, 0), 1));
        dc.SetBrush(wxBrush(wxColour(255, 140, 0)));
        dc.DrawEllipse(47, 37, 6, 6);
    };
    wxBitmap bitmap(100, 80, 24);
    {
        wxMemoryDC memory(bitmap);
        wxGCDC dc(memory);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        direct(dc);
    }
    wxImage expected = bitmap.ConvertToImage();
    wxImage copied = paint(
        [](DrawTarget& t) {
            t.clear(Colour{255, 255, 255, 255});
            t.setPen(Colour{178, 98, 0, 255}, 1);
            t.setBrush(Colour{255, 140, 0, 255});
            t.ellipse(PixelPoint{50, 40}, 3, 3);
        },
        100, 80);
    EXPECT_LE(maxDifference(expected, copied), 8);

    FontSpec font{12, true};
    wxImage viaSprite = paint(
        [&](DrawTarget& t) {
            t.clear(Colour{255, 255, 255, 255});
            t.text("24188", 10, 10, font, Colour{50, 50, 50, 255});
        },
        100, 40);
    // Any turn at all makes the target lay the text out itself instead of copying it.
    wxImage viaText = paint(
        [&](DrawTarget& t) {
            t.clear(Colour{255, 255, 255, 255});
            t.text("24188", 10, 10, font, Colour{50, 50, 50, 255}, 1e-9);
        },
        100, 40);
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            dark += viaSprite.GetRed(x, y) < 128 ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_LE(maxDifference(viaSprite, viaText), 40);
}

// Polygons on whole pixels that come back frame after frame are copied from pictures from their
// second drawing on, wherever they lie; the copy must look like the polygon drawn directly.
TEST(RenderPixelTest, RepeatedPolygonsAreCopiedAndLookDrawnDirectly)
{
    CanvasView view = unitView();
    view.panX = 83.0;
    view.panY = 61.0;
    std::vector<PixelPoint> band;
    curveBand(band, view, Point{0.0, 0.0}, 23.0, 360.0, 30.0, kTrackHalfWidth);
    const Colour outline{120, 120, 115, 255};
    WxSpriteCache& sprites = WxSpriteCache::instance();
    // Opaque track, and the see-through colours of track in a tunnel.
    for (Colour fill : {Colour{210, 210, 205, 255}, Colour{216, 216, 214, 192}}) {
        SCOPED_TRACE(int(fill.a));
        const size_t before = sprites.polygonCount();
        wxImage direct = paintPolygon(band, outline, 1, fill);
        EXPECT_EQ(sprites.polygonCount(), before);
        wxImage copied = paintPolygon(band, outline, 1, fill);
        EXPECT_EQ(sprites.polygonCount(), before + 1);
        wxImage moved = paintPolygon(band, outline, 1, fill, 37, -21);
        EXPECT_EQ(sprites.polygonCount(), before + 1);

        EXPECT_LE(maxDifference(direct, copied), 12);
        EXPECT_LE(maxDifference(direct, moved, 37, -21), 12);
        // The middle of the band carries the fill.
        PixelPoint mid{(band[8].x + band[band.size() - 9].x) / 2.0, (band[8].y + band[band.size() - 9].y) / 2.0};
        EXPECT_FALSE(gui::colourNear(copied, int(mid.x), int(mid.y), 255, 255, 255, 0, 3))
            << gui::pixelText(copied, int(mid.x), int(mid.y));
    }
}

// A thick pen's mitre at a sharp corner reaches far past the corner; the picture must hold all of it.
TEST(RenderPixelTest, CopiedPolygonsKeepSharpMitredCorners)
{
    // About 15 degrees at the left corner: mitred, its tip some 11 px left of the corner.
    const std::vector<PixelPoint> wedge{{41, 60}, {201, 39}, {201, 81}};
    const Colour pen{40, 100, 200, 255}, fill{180, 200, 230, 255};
    wxImage direct = paintPolygon(wedge, pen, 3, fill);
    wxImage copied = paintPolygon(wedge, pen, 3, fill);
    EXPECT_TRUE(gui::colourNear(direct, 33, 60, 40, 100, 200, 0, 40)) << gui::pixelText(direct, 33, 60);
    EXPECT_LE(maxDifference(direct, copied), 12);
}

// The reference: the polygon filled and outlined by the graphics library itself, as the target did
// before it painted small polygons into its own layer.
wxImage paintDirectly(const std::vector<PixelPoint>& points, Colour pen, int penWidth, Colour brush)
{
    wxBitmap bitmap(kW, kH, 24);
    {
        wxMemoryDC memory(bitmap);
        wxGCDC dc(memory);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        wxGraphicsContext* gc = dc.GetGraphicsContext();
        wxPen wxpen(wxColour(pen.r, pen.g, pen.b, pen.a), penWidth);
        wxpen.SetJoin(wxJOIN_MITER);
        gc->SetPen(pen.a != 0 ? gc->CreatePen(wxpen) : wxNullGraphicsPen);
        gc->SetBrush(brush.a != 0 ? gc->CreateBrush(wxBrush(wxColour(brush.r, brush.g, brush.b, brush.a)))
                                  : wxNullGraphicsBrush);
        std::vector<wxPoint2DDouble> path;
        for (const PixelPoint& p : points)
            path.emplace_back(p.x, p.y);
        path.push_back(path.front());
        gc->DrawLines(path.size(), path.data(), wxODDEVEN_RULE);
    }
    return bitmap.ConvertToImage();
}

// Track seen from far away: bands a few pixels across are painted by the target itself, and must look
// as the graphics library would have drawn them, wherever they fall and in every colour they take.
TEST(RenderPixelTest, SmallPolygonsLookAsTheLibraryDrawsThem)
{
    const Colour outline{120, 120, 115, 255}, fill{210, 210, 205, 255};
    const Colour tunnelOutline{180, 180, 178, 192}, tunnelFill{216, 216, 214, 192};
    struct Case {
        const char* what;
        std::vector<PixelPoint> points;
    };
    std::vector<Case> cases;
    for (double zoom : {0.05, 0.08, 0.15, 0.3}) {
        for (double heading : {0.0, 17.0, 90.0, 133.0}) {
            CanvasView view;
            view.zoom = zoom;
            view.panX = 150.3;
            view.panY = 120.7;
            std::vector<PixelPoint> band;
            straightBand(band, view, Point{0.0, 0.0}, heading, 188.3, kTrackHalfWidth);
            cases.push_back({"straight", band});
            curveBand(band, view, Point{0.0, 0.0}, heading, 360.0, 30.0, kTrackHalfWidth);
            cases.push_back({"curve", band});
            curveBand(band, view, Point{0.0, 0.0}, heading, 360.0, -24.3, 6.0);
            cases.push_back({"Z curve", band});
        }
    }
    cases.push_back({"spike", {{100, 100}, {110, 101}, {100, 102}}});
    cases.push_back({"line", {{100, 100}, {108, 104}, {100, 100}}});
    cases.push_back({"off pixels", {{100.25, 100.5}, {109.75, 103.1}, {107.3, 107.9}}});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(c.points.front().x) + "," +
                     std::to_string(c.points.front().y));
        for (int width : {1, 2}) {
            EXPECT_LE(maxDifference(paintDirectly(c.points, outline, width, fill),
                                    paintPolygon(c.points, outline, width, fill)),
                      12);
        }
        EXPECT_LE(maxDifference(paintDirectly(c.points, tunnelOutline, 1, tunnelFill),
                                paintPolygon(c.points, tunnelOutline, 1, tunnelFill)),
                  12);
        EXPECT_LE(maxDifference(paintDirectly(c.points, Colour{0, 0, 0, 0}, 1, fill),
                                paintPolygon(c.points, Colour{0, 0, 0, 0}, 1, fill)),
                  12);
    }
}

// Pens of paper and vector files need not be whole pixels wide: a line takes the width it is given.
TEST(RenderPixelTest, PensTakeWidthsBetweenWholePixels)
{
    auto ink = [](double width) {
        wxImage image = paint(
            [width](DrawTarget& t) {
                t.clear(kWhite);
                t.setPen(Colour{0, 0, 0, 255}, width);
                t.line(PixelPoint{20, 50.5}, PixelPoint{180, 50.5});
            },
            200, 100);
        double sum = 0.0;
        for (int y = 40; y < 60; ++y)
            sum += (255 - image.GetRed(100, y)) / 255.0;
        return sum;
    };
    EXPECT_NEAR(ink(2.0), 2.0, 0.1);
    EXPECT_NEAR(ink(2.5), 2.5, 0.1);
    EXPECT_NEAR(ink(3.0), 3.0, 0.1);
}

TEST(RenderPixelTest, PolygonsOffWholePixelsAreAlwaysDrawnDirectly)
{
    const std::vector<PixelPoint> quad{{20.5, 20}, {120, 24}, {118, 60}, {22, 57}};
    WxSpriteCache& sprites = WxSpriteCache::instance();
    const size_t before = sprites.polygonCount();
    for (int frame = 0; frame < 3; ++frame)
        paintPolygon(quad, Colour{120, 120, 115, 255}, 1, Colour{210, 210, 205, 255});
    EXPECT_EQ(sprites.polygonCount(), before);
}

} // namespace
} // namespace layrail
