#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "render/PolygonRaster.h"

namespace layrail {
namespace {

double coveredArea(const std::vector<std::uint8_t>& coverage)
{
    double sum = 0.0;
    for (std::uint8_t c : coverage)
        sum += c / 255.0;
    return sum;
}

double polygonArea(const std::vector<PixelPoint>& p)
{
    double area = 0.0;
    for (size_t i = 0; i < p.size(); ++i) {
        const PixelPoint& a = p[i];
        const PixelPoint& b = p[(i + 1) % p.size()];
        area += a.x * b.y - a.y * b.x;
    }
    return std::fabs(area) / 2.0;
}

std::vector<std::uint8_t> coverageOf(const std::vector<PixelPoint>& polygon, int width, int height)
{
    CoverageGrid grid;
    grid.reset(width, height);
    grid.addPolygon(polygon);
    std::vector<std::uint8_t> coverage;
    grid.resolve(coverage);
    return coverage;
}

TEST(CoverageGrid, CellsHoldTheExactShareOfTheirSquare)
{
    // Whole pixels are full; a half-pixel edge covers half a cell, a quarter corner a quarter.
    std::vector<std::uint8_t> c = coverageOf({{1, 1}, {3, 1}, {3, 2}, {1, 2}}, 4, 3);
    EXPECT_EQ(c[1 * 4 + 1], 255);
    EXPECT_EQ(c[1 * 4 + 2], 255);
    EXPECT_EQ(c[0 * 4 + 1], 0);
    EXPECT_EQ(c[1 * 4 + 3], 0);
    c = coverageOf({{0.5, 0.5}, {2.5, 0.5}, {2.5, 2.5}, {0.5, 2.5}}, 3, 3);
    EXPECT_EQ(c[0], 64);
    EXPECT_EQ(c[1], 128);
    EXPECT_EQ(c[4], 255);
    // A diagonal halves the cells it crosses.
    c = coverageOf({{0, 0}, {2, 0}, {0, 2}}, 2, 2);
    EXPECT_EQ(c[0], 255);
    EXPECT_EQ(c[1], 128);
    EXPECT_EQ(c[2], 128);
    EXPECT_EQ(c[3], 0);
}

TEST(CoverageGrid, RandomPolygonsCoverTheirAreaWhicheverWayTheyRun)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0.3, 19.7);
    for (int trial = 0; trial < 200; ++trial) {
        // A convex polygon: random points sorted around their middle.
        std::vector<PixelPoint> polygon;
        double cx = coordinate(random), cy = coordinate(random);
        const int corners = 3 + trial % 6;
        for (int k = 0; k < corners; ++k) {
            const double angle =
                2.0 * 3.141592653589793 * (k + 0.5 * std::uniform_real_distribution<>(0, 1)(random)) / corners;
            const double radius = 1.0 + std::uniform_real_distribution<>(0, 8)(random);
            polygon.push_back({std::clamp(cx + radius * std::cos(angle), 0.0, 20.0),
                               std::clamp(cy + radius * std::sin(angle), 0.0, 20.0)});
        }
        const double area = polygonArea(polygon);
        EXPECT_NEAR(coveredArea(coverageOf(polygon, 20, 20)), area, 0.01 * area + 0.5) << trial;
        std::vector<PixelPoint> reversed(polygon.rbegin(), polygon.rend());
        EXPECT_EQ(coverageOf(polygon, 20, 20), coverageOf(reversed, 20, 20)) << trial;
    }
}

TEST(CoverageGrid, AReversedPolygonCutsAHoleAndOutsideIsCut)
{
    CoverageGrid grid;
    grid.reset(10, 10);
    grid.addPolygon({{1, 1}, {9, 1}, {9, 9}, {1, 9}});
    grid.addPolygon({{3, 3}, {7, 3}, {7, 7}, {3, 7}}, true);
    std::vector<std::uint8_t> c;
    grid.resolve(c);
    EXPECT_EQ(c[2 * 10 + 2], 255);
    EXPECT_EQ(c[5 * 10 + 5], 0);
    EXPECT_NEAR(coveredArea(c), 64.0 - 16.0, 1e-6);

    // A square reaching past every side keeps only its part inside the grid.
    EXPECT_NEAR(coveredArea(coverageOf({{-5, -5}, {15, -5}, {15, 15}, {-5, 15}}, 10, 10)), 100.0, 1e-6);
}

TEST(OutlineRing, APenSitsAcrossTheEdgesWithMitredCorners)
{
    std::vector<PixelPoint> outer, inner;
    outlineRing({{10, 10}, {20, 10}, {20, 14}, {10, 14}, {10, 10}}, 2.0, outer, inner);
    ASSERT_EQ(outer.size(), 4u);
    ASSERT_EQ(inner.size(), 4u);
    EXPECT_NEAR(polygonArea(outer), 12.0 * 6.0, 1e-9);
    EXPECT_NEAR(polygonArea(inner), 8.0 * 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(outer[0].x, 9.0);
    EXPECT_DOUBLE_EQ(outer[0].y, 9.0);

    // A band no wider than the pen is covered by it: no inner polygon.
    outlineRing({{10, 10}, {20, 10}, {20, 11}, {10, 11}}, 1.0, outer, inner);
    EXPECT_EQ(outer.size(), 4u);
    EXPECT_TRUE(inner.empty());

    // A sharp tip beyond the mitre limit is bevelled: two corners instead of one.
    outlineRing({{0, 0}, {100, 2}, {0, 4}}, 2.0, outer, inner);
    EXPECT_EQ(outer.size(), 4u);
    // A sharp tip within the limit is mitred: its corner lies far beyond the tip.
    outlineRing({{0, 0}, {20, 4}, {0, 8}}, 2.0, outer, inner);
    ASSERT_EQ(outer.size(), 3u);
    EXPECT_NEAR(outer[1].x, 20.0 + 1.0 / std::sin(std::atan2(4.0, 20.0)), 1e-9);
}

std::uint32_t argb(int a, int r, int g, int b)
{
    return (std::uint32_t(a) << 24) | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

TEST(RasterLayer, PaintsTheFillThenThePenAndRemembersWhereItPainted)
{
    RasterLayer layer;
    layer.resize(40, 30);
    const RasterStyle style{Colour{200, 100, 50, 255}, Colour{0, 0, 0, 255}, 1.0};
    layer.paint({{10, 10}, {20, 10}, {20, 16}, {10, 16}}, style);
    // The pen straddles the edges: half a pixel of it on each side.
    EXPECT_EQ(layer.pixel(15, 12), argb(255, 200, 100, 50));
    EXPECT_EQ(layer.pixel(15, 10), argb(255, 100, 50, 25));
    EXPECT_EQ(layer.pixel(15, 9), argb(128, 0, 0, 0));
    EXPECT_EQ(layer.pixel(15, 8), 0u);
    const RasterLayer::Region painted = layer.painted();
    EXPECT_LE(painted.x, 9);
    EXPECT_GE(painted.x + painted.width, 21);

    // Half a pixel of shift puts the pen on pixel centres, the way odd pens are drawn.
    layer.clear();
    EXPECT_EQ(layer.pixel(15, 12), 0u);
    layer.paint({{10, 10}, {20, 10}, {20, 16}, {10, 16}}, style, 0.5);
    EXPECT_EQ(layer.pixel(15, 10), argb(255, 0, 0, 0));
    EXPECT_EQ(layer.pixel(15, 9), 0u);
    EXPECT_EQ(layer.pixel(15, 11), argb(255, 200, 100, 50));

    // See-through colours blend over what is there.
    layer.clear();
    layer.paint({{0, 0}, {40, 0}, {40, 30}, {0, 30}}, RasterStyle{Colour{255, 255, 255, 255}, Colour{}, 0.0});
    layer.paint({{10, 10}, {20, 10}, {20, 16}, {10, 16}}, RasterStyle{Colour{0, 0, 0, 128}, Colour{}, 0.0});
    EXPECT_EQ(layer.pixel(15, 12), argb(255, 127, 127, 127));
}

// The same shape looks the same wherever it is painted, from the picture kept of its first painting.
TEST(RasterLayer, AShapeLooksTheSameWhereverItLies)
{
    const std::vector<PixelPoint> band{{0, 0}, {9, 2}, {8, 4}, {-1, 2}};
    const RasterStyle style{Colour{210, 210, 205, 255}, Colour{120, 120, 115, 255}, 1.0};
    RasterLayer layer;
    layer.resize(60, 40);
    auto at = [&band](double dx, double dy) {
        std::vector<PixelPoint> moved = band;
        for (PixelPoint& p : moved)
            p = {p.x + dx, p.y + dy};
        return moved;
    };
    layer.paint(at(5, 5), style, 0.5);
    std::vector<std::uint32_t> first;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            first.push_back(layer.pixel(x, y));
    layer.clear();
    layer.paint(at(35, 25), style, 0.5);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(layer.pixel(x + 30, y + 20), first[static_cast<size_t>(y * 16 + x)]) << x << "," << y;
}

TEST(RasterLayer, ARunThatRepeatsComesBackFromItsPicture)
{
    const RasterStyle style{Colour{210, 210, 205, 255}, Colour{120, 120, 115, 255}, 1.0};
    RasterLayer layer;
    layer.resize(50, 50);
    auto frame = [&](double x) {
        layer.startFrame();
        layer.add({{x, 10}, {x + 10, 10}, {x + 10, 13}, {x, 13}}, style, 0.5);
        layer.add({{x, 20}, {x + 7, 25}, {x, 27}}, style, 0.5);
        const RasterLayer::Region region = layer.finishRun();
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < 50; ++y)
            for (int i = 0; i < 50; ++i)
                pixels.push_back(layer.pixel(i, y));
        layer.clear();
        return std::make_pair(region.x, pixels);
    };
    const auto first = frame(10);
    const auto again = frame(10);
    EXPECT_EQ(first, again);
    const auto moved = frame(11);
    EXPECT_NE(moved.second, first.second);
    EXPECT_EQ(moved.first, first.first + 1);
    // Nothing is left behind after a clear.
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(layer.pixel(x, y), 0u);
}

} // namespace
} // namespace layrail
