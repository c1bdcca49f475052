#include <cairo.h>

#include <algorithm>

#include "ExportTestSupport.h"
#include "export/CairoTarget.h"
#include "export/TileMarks.h"
#include "render/RecordingTarget.h"

using namespace layrail;
using namespace layrail::exporttest;

namespace {

using Recording = layrail::testing::RecordingTarget;

ExportPage sheet(int row, int column, int rows, int columns)
{
    ExportPage page;
    page.width = 297.0 * kUnitsPerMm;
    page.height = 210.0 * kUnitsPerMm;
    page.tiled = true;
    page.tile = gridTile(row, column, rows, columns);
    page.margin = kExportMarginMm * kUnitsPerMm;
    page.overlap = kTileOverlapMm * kUnitsPerMm;
    return page;
}

std::vector<const Recording::Call*> dashedLines(const Recording& target)
{
    return target.where(
        [](const Recording::Call& c) { return c.kind == Recording::Kind::Line && c.pen.style == PenStyle::LongDash; });
}

} // namespace

TEST(TileMarks, DashedLinesOnlyTowardsNeighbours)
{
    Recording corner;
    const ExportPage first = sheet(0, 0, 2, 3);
    drawTileMarks(corner, first, 1);
    const auto lines = dashedLines(corner);
    ASSERT_EQ(lines.size(), 2u) << "a right and a lower neighbour";
    const double inner = first.width - first.margin - first.overlap;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [&](auto* c) { return c->points[0].x == inner && c->points[1].x == inner; }));
    ASSERT_NE(corner.firstText(tileCaption(first, 1)), nullptr);
    EXPECT_EQ(tileCaption(first, 1).rfind("Page 1 of 6 (row 1, column 1) - scale 1:1", 0), 0u);
    EXPECT_NE(corner.firstText("page 2"), nullptr);
    EXPECT_NE(corner.firstText("page 4"), nullptr);

    Recording middle;
    drawTileMarks(middle, sheet(1, 1, 3, 3), 5);
    EXPECT_EQ(dashedLines(middle).size(), 4u);
    for (const char* neighbour : {"page 2", "page 4", "page 6", "page 8"})
        EXPECT_NE(middle.firstText(neighbour), nullptr) << neighbour;
    EXPECT_EQ(tileCaption(sheet(1, 1, 3, 3), 5).rfind("Page 5 of 9 (row 2, column 2) - scale 1:5", 0), 0u);
}

TEST(TileMarks, ALeftOutNeighbourGetsNoMarksAndTheNumbersFollowThePrintedSheets)
{
    // The middle sheet of a 3 x 3 grid whose left and lower neighbours carried nothing.
    ExportPage page = sheet(1, 1, 3, 3);
    page.tile.number = 3;
    page.tile.count = 6;
    page.tile.above = 1;
    page.tile.right = 4;
    page.tile.left = page.tile.below = 0;
    Recording target;
    drawTileMarks(target, page, 1);
    const auto lines = dashedLines(target);
    ASSERT_EQ(lines.size(), 2u);
    const double leftLine = page.margin + page.overlap;
    for (const auto* line : lines)
        EXPECT_FALSE(line->points[0].x == leftLine && line->points[1].x == leftLine);
    EXPECT_NE(target.firstText("page 1"), nullptr);
    EXPECT_NE(target.firstText("page 4"), nullptr);
    EXPECT_EQ(target.where([](const Recording::Call& c) { return c.text.rfind("page ", 0) == 0; }).size(), 2u);
    EXPECT_EQ(tileCaption(page, 1).rfind("Page 3 of 6 (row 2, column 2)", 0), 0u);
}

TEST(TileMarks, MarksStayInTheMarginsAndOverlaps)
{
    const ExportPage page = sheet(1, 1, 3, 3);
    Recording target;
    drawTileMarks(target, page, 1);
    const double x0 = page.margin, x1 = page.width - page.margin;
    const double y0 = page.margin, y1 = page.height - page.margin;
    for (const auto& call : target.calls) {
        if (call.kind != Recording::Kind::Line)
            continue;
        for (const PixelPoint& p : call.points) {
            const bool inMargin = p.x <= x0 || p.x >= x1 || p.y <= y0 || p.y >= y1;
            const bool inOverlap = p.x <= x0 + page.overlap + 1e-9 || p.x >= x1 - page.overlap - 1e-9 ||
                                   p.y <= y0 + page.overlap + 1e-9 || p.y >= y1 - page.overlap - 1e-9;
            EXPECT_TRUE(inMargin || inOverlap) << p.x << "," << p.y;
        }
    }
}

TEST(CairoTarget, GreyKeepsLuminanceAndAlpha)
{
    EXPECT_EQ(greyOf(Colour{255, 255, 255, 255}).r, 255);
    const Colour grey = greyOf(Colour{255, 0, 0, 128});
    EXPECT_EQ(grey.r, 76);
    EXPECT_EQ(grey.g, 76);
    EXPECT_EQ(grey.b, 76);
    EXPECT_EQ(grey.a, 128);
    EXPECT_EQ(greyOf(Colour{0, 255, 0, 255}).g, 150);
}

TEST(CairoTarget, TextIsMeasuredAndDrawnWhereAsked)
{
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, 400, 200), cairo_surface_destroy);
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr(cairo_create(surface.get()), cairo_destroy);
    CairoTarget target(cr.get(), false);
    target.clear(Colour{255, 255, 255, 255});

    const FontSpec font{20, false};
    const TextExtent one = target.textExtent("24188", font);
    const TextExtent two = target.textExtent("24188\n24130", font);
    EXPECT_GT(one.width, 40.0);
    EXPECT_NEAR(two.height, 2.0 * one.height, 1e-9);
    EXPECT_GT(target.textExtent("24188", FontSpec{20, true}).width, one.width);

    target.text("24188", 50, 60, font, Colour{0, 0, 0, 255});
    cairo_surface_flush(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    int inside = 0, outside = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x) {
            const bool ink = data[y * stride + 4 * x] < 128;
            const bool within = x >= 49 && x <= 51 + one.width && y >= 59 && y <= 61 + one.height;
            (within ? inside : outside) += ink ? 1 : 0;
        }
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
}
