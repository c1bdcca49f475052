#include <gtest/gtest.h>

#include <cmath>

#include "print/Pagination.h"

using namespace layrail;

namespace {

PlacedPiece straight(int id, double x, double y, int level = 1, double heading = 0.0)
{
    PlacedPiece p;
    p.id = id;
    p.article = "24188"; // 188.3 mm
    p.x = x;
    p.y = y;
    p.heading = heading;
    p.level = level;
    return p;
}

PrintOptions withScaling(PrintScaling scaling, int n = 10, int percent = 100)
{
    PrintOptions o;
    o.scaling = scaling;
    o.scaleDenominator = n;
    o.customPercentage = percent;
    return o;
}

} // namespace

TEST(PrintExtent, PrintedLevelsPiecesAllSceneryAndTheBaseboardWhenIncluded)
{
    Layout layout;
    layout.ensureDefaultLevel();
    Level upper;
    upper.id = 2;
    layout.levels.push_back(upper);
    layout.pieces.push_back(straight(1, 100, 200, 1, 90)); // reaches (100, 388.3)
    layout.pieces.push_back(straight(2, 5000, 5000, 2));
    PlacedPiece unknown = straight(3, -900, -900);
    unknown.article = "no such article";
    layout.pieces.push_back(unknown);
    SceneryItem item;
    item.id = 4;
    item.level = 2;
    item.x = 700;
    item.y = 150;
    layout.scenery.push_back(item);
    layout.baseboard.vertices = {{-50, -60}, {10, -60}, {10, 0}};

    PrintOptions options;
    PrintExtent e = printExtent(layout, options);
    EXPECT_DOUBLE_EQ(e.minX, -50);
    EXPECT_DOUBLE_EQ(e.minY, -60);
    EXPECT_DOUBLE_EQ(e.maxX, 700); // scenery on level 2 still counts
    EXPECT_NEAR(e.maxY, 388.3, 1e-9);

    options.includeBaseboard = false;
    e = printExtent(layout, options);
    EXPECT_DOUBLE_EQ(e.minX, 100);
    EXPECT_DOUBLE_EQ(e.minY, 150);

    options.levels = PrintLevels::All;
    e = printExtent(layout, options);
    EXPECT_NEAR(e.maxX, 5188.3, 1e-9);
    EXPECT_DOUBLE_EQ(e.maxY, 5000);
    EXPECT_TRUE(levelPrinted(layout, options, 2));
    options.levels = PrintLevels::ActiveOnly;
    EXPECT_FALSE(levelPrinted(layout, options, 2));
    EXPECT_TRUE(levelPrinted(layout, options, 1));

    const Layout nothing;
    const PrintExtent empty = printExtent(nothing, PrintOptions{});
    EXPECT_DOUBLE_EQ(empty.minX, 0);
    EXPECT_DOUBLE_EQ(empty.maxX, 1000);
    EXPECT_DOUBLE_EQ(empty.maxY, 1000);
}

TEST(Pagination, FitToPageIsOnePageCentredWithinTheMargins)
{
    const PrintExtent e{100, 200, 2500, 1400}; // 2400 by 1200 mm
    const Pagination p = paginate(e, PrintOptions{}, 3300, 2550, 300);
    EXPECT_EQ(p.pageCount(), 1);
    EXPECT_DOUBLE_EQ(p.scale, std::min(3036.0 / 2400.0, 2346.0 / 1200.0));
    EXPECT_TRUE(p.hasPage(1));
    EXPECT_FALSE(p.hasPage(0));
    EXPECT_FALSE(p.hasPage(2));

    const CanvasView v = pageView(e, p, 1);
    const double left = v.panX + v.zoom * e.minX;
    const double right = v.panX + v.zoom * e.maxX;
    const double top = v.panY + v.zoom * e.minY;
    const double bottom = v.panY + v.zoom * e.maxY;
    EXPECT_NEAR(left, 3300 - right, 1e-6); // centred across
    EXPECT_NEAR(top, 2550 - bottom, 1e-6); // and down
    EXPECT_GE(left, 0.04 * 3300 - 1e-6);
    EXPECT_GE(top, 0.04 * 2550 - 1e-6);

    // A layout that is only a point still gets a finite scale.
    const Pagination dot = paginate(PrintExtent{5, 5, 5, 5}, PrintOptions{}, 1000, 800, 300);
    EXPECT_TRUE(std::isfinite(dot.scale));
    EXPECT_EQ(dot.pageCount(), 1);
}

TEST(Pagination, OneToOneAtSixHundredDotsNeedsTenPagesAcross)
{
    const PrintExtent e{0, 0, 2400, 100};
    const Pagination p = paginate(e, withScaling(PrintScaling::ActualScale, 1), 6600, 5100, 600);
    EXPECT_DOUBLE_EQ(p.scale, 600 / 25.4);
    EXPECT_EQ(p.pagesAcross, 10);
    EXPECT_EQ(p.pagesDown, 1);

    // 1:10 at 300 dpi, and a printer that reports no resolution is taken as 300 dpi.
    const Pagination tenth = paginate(e, withScaling(PrintScaling::ActualScale, 10), 3300, 2550, 0);
    EXPECT_DOUBLE_EQ(tenth.scale, 300 / 25.4 / 10);
    EXPECT_EQ(tenth.pagesAcross, 1);
    // N below 2 and out of range are 1.
    EXPECT_DOUBLE_EQ(paginate(e, withScaling(PrintScaling::ActualScale, 0), 3300, 2550, 300).scale, 300 / 25.4);
}

TEST(Pagination, PercentagesScaleTheFitAndTileThePages)
{
    const PrintExtent e{0, 0, 2400, 1200};
    const Pagination fit = paginate(e, PrintOptions{}, 3300, 2550, 300);
    const Pagination half = paginate(e, withScaling(PrintScaling::CustomPercentage, 10, 50), 3300, 2550, 300);
    EXPECT_DOUBLE_EQ(half.scale, fit.scale / 2);
    EXPECT_EQ(half.pageCount(), 1);

    const Pagination triple = paginate(e, withScaling(PrintScaling::CustomPercentage, 10, 300), 3300, 2550, 300);
    EXPECT_EQ(triple.pagesAcross, 3);
    EXPECT_EQ(triple.pagesDown, 2);
    EXPECT_EQ(triple.pageCount(), 6);
    EXPECT_TRUE(triple.hasPage(6));
    EXPECT_FALSE(triple.hasPage(7));

    // Page 5 is the second column of the second row; its tile starts one printable page further on.
    const CanvasView first = pageView(e, triple, 1);
    const CanvasView fifth = pageView(e, triple, 5);
    const double mx = std::trunc(0.04 * 3300), my = std::trunc(0.04 * 2550);
    EXPECT_DOUBLE_EQ(first.panX, mx);
    EXPECT_DOUBLE_EQ(first.panY, my);
    EXPECT_NEAR(fifth.panX, mx - (3300 - 2 * mx), 1e-9);
    EXPECT_NEAR(fifth.panY, my - (2550 - 2 * my), 1e-9);
    // Together the tiles cover the content.
    const double coveredWidth = triple.pagesAcross * (3300 - 2 * mx) / triple.scale;
    EXPECT_GE(coveredWidth, e.width());
}

TEST(Pagination, DegeneratePagesNeverDivideByZero)
{
    const PrintExtent e{0, 0, 2400, 1200};
    const Pagination p = paginate(e, withScaling(PrintScaling::CustomPercentage, 10, 200), 0, -5, 300);
    EXPECT_TRUE(std::isfinite(p.scale));
    EXPECT_GE(p.pagesAcross, 1);
    EXPECT_GE(p.pagesDown, 1);
}
