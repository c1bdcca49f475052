#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/EditTestSupport.h"
#include "print/PrintPage.h"
#include "render/RecordingTarget.h"
#include "render/RenderColours.h"
#include "render/ScaledTarget.h"

using namespace layrail;
using layrail::testing::RecordingTarget;

namespace {

constexpr int kPageWidth = 3300; // letter, landscape, 300 dpi
constexpr int kPageHeight = 2550;

// A straight on level 1 (the active level, hidden by the user) and a curve on level 2, a platform,
// the baseboard under both and every switch of the user's on.
Layout twoLevelLayout()
{
    Layout layout = edittest::withLevel();
    layout.levels.push_back(edittest::level(2, 80.0));
    edittest::lay(layout, "24188", 0, 0, 0, 1);
    edittest::lay(layout, "24130", 600, 300, 0, 2);
    layout.levels[0].visible = false;
    layout.activeLevel = 1;
    layout.baseboard.vertices = {{-100, -100}, {1000, -100}, {1000, 700}, {-100, 700}};
    layout.gridOn = true;
    layout.labelsOn = true;
    layout.pieces[0].selected = true;
    return layout;
}

struct PrintedPage {
    PrintExtent extent;
    Pagination pagination;
    RecordingTarget target;
};

PrintedPage print(const Layout& layout, const PrintOptions& options, int page = 1, double resolution = 1.0)
{
    PrintedPage printed;
    printed.extent = printExtent(layout, options);
    printed.pagination = paginate(printed.extent, options, kPageWidth, kPageHeight, 300);
    PageDrawing drawing{layout, printed.extent, printed.pagination, options, 3.125, 1.0, resolution};
    drawPage(drawing, printed.target, page);
    return printed;
}

// Every polygon in a track fill colour (unselected: the printout shows no selection).
size_t trackPolygons(const RecordingTarget& target) { return target.filled(colours::kPieceFill).size(); }

} // namespace

TEST(PrintPage, TheOptionsChooseGridBaseboardAndLevelsAndTheUserSwitchesStay)
{
    Layout layout = twoLevelLayout();
    const Layout before = layout;
    PrintOptions options; // active level only, no grid, the baseboard
    PrintedPage active = print(layout, options);
    // The straight on the hidden active level prints, unselected; the curve on level 2 does not.
    EXPECT_GE(trackPolygons(active.target), 1u);
    EXPECT_TRUE(active.target.filled(colours::kPieceFillSelected).empty());
    const size_t straightOnly = trackPolygons(active.target);
    EXPECT_FALSE(active.target.filled(colours::kBaseboardFill).empty());
    EXPECT_TRUE(active.target.where([](const RecordingTarget::Call& c) {
        return c.kind == RecordingTarget::Kind::Line && c.pen.set && c.pen.colour == colours::kGrid;
    }).empty());

    options.levels = PrintLevels::All;
    options.includeGrid = true;
    options.includeBaseboard = false;
    PrintedPage all = print(layout, options);
    EXPECT_GT(trackPolygons(all.target), straightOnly);
    EXPECT_TRUE(all.target.filled(colours::kBaseboardFill).empty());
    EXPECT_FALSE(all.target.where([](const RecordingTarget::Call& c) {
        return c.kind == RecordingTarget::Kind::Line && c.pen.set && c.pen.colour == colours::kGrid;
    }).empty());

    // Pens are scaled for the printer: the piece outline of width 1 is drawn 3.125 wide.
    const auto outlined = all.target.filled(colours::kPieceFill);
    ASSERT_FALSE(outlined.empty());
    EXPECT_DOUBLE_EQ(outlined.front()->pen.width, 3.125);

    // Nothing the user switched was touched.
    EXPECT_FALSE(layout.levels[0].visible);
    EXPECT_TRUE(layout.levels[1].visible);
    EXPECT_EQ(layout.gridOn, before.gridOn);
    EXPECT_EQ(layout.baseboardShown, before.baseboardShown);
    EXPECT_TRUE(layout.pieces[0].selected);
}

TEST(PrintPage, FitToPageKeepsTheContentInsideTheMargins)
{
    Layout layout = twoLevelLayout();
    PrintOptions options;
    options.levels = PrintLevels::All;
    options.includeBaseboard = true;
    PrintedPage page = print(layout, options);
    // The baseboard is the whole extent here: its corners land on the 4 % margins, centred.
    const auto boards = page.target.filled(colours::kBaseboardFill);
    ASSERT_EQ(boards.size(), 1u);
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const PixelPoint& p : boards[0]->points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const double mx = std::trunc(0.04 * kPageWidth);
    const double my = std::trunc(0.04 * kPageHeight);
    EXPECT_GE(left, mx - 1e-6);
    EXPECT_LE(right, kPageWidth - mx + 1e-6);
    EXPECT_GE(top, my - 1e-6);
    EXPECT_LE(bottom, kPageHeight - my + 1e-6);
    EXPECT_NEAR((left + right) / 2.0, kPageWidth / 2.0, 1.0);
    EXPECT_NEAR((top + bottom) / 2.0, kPageHeight / 2.0, 1.0);
    // One side touches its margins exactly: the content is as large as the page allows.
    EXPECT_TRUE(std::fabs(left - mx) < 1.0 || std::fabs(top - my) < 1.0);
}

// A page drawn in bands, or at another resolution, draws every piece where the whole page would.
TEST(PrintPage, BandsAndResolutionsDrawTheSamePage)
{
    Layout layout = twoLevelLayout();
    PrintOptions options;
    options.levels = PrintLevels::All;
    const PrintedPage whole = print(layout, options);
    const auto wholeTrack = whole.target.filled(colours::kPieceFill);
    ASSERT_FALSE(wholeTrack.empty());

    PageDrawing drawing{layout, whole.extent, whole.pagination, options, 1.0, 1.0, 1.0};
    std::vector<PixelPoint> fromBands;
    const int rows = 700;
    for (int top = 0; top < kPageHeight; top += rows) {
        RecordingTarget band;
        drawPageBand(drawing, band, 1, top, std::min(rows, kPageHeight - top));
        for (const RecordingTarget::Call* c : band.filled(colours::kPieceFill))
            for (const PixelPoint& p : c->points)
                fromBands.push_back(PixelPoint{p.x, p.y + top});
    }
    for (const RecordingTarget::Call* c : wholeTrack) {
        for (const PixelPoint& p : c->points) {
            const bool found = std::any_of(fromBands.begin(), fromBands.end(), [&](const PixelPoint& q) {
                return std::fabs(q.x - p.x) < 1e-6 && std::fabs(q.y - p.y) < 1e-6;
            });
            ASSERT_TRUE(found) << p.x << "," << p.y;
        }
    }

    const PrintedPage half = print(layout, options, 1, 0.5);
    const auto halfTrack = half.target.filled(colours::kPieceFill);
    ASSERT_EQ(halfTrack.size(), wholeTrack.size());
    for (size_t i = 0; i < halfTrack.size(); ++i) {
        ASSERT_EQ(halfTrack[i]->points.size(), wholeTrack[i]->points.size());
        EXPECT_NEAR(halfTrack[i]->points[0].x, wholeTrack[i]->points[0].x / 2.0, 1e-6);
        EXPECT_NEAR(halfTrack[i]->points[0].y, wholeTrack[i]->points[0].y / 2.0, 1e-6);
    }
    EXPECT_EQ(drawing.targetWidth(), kPageWidth);
    drawing.resolution = 0.5;
    EXPECT_EQ(drawing.targetWidth(), kPageWidth / 2);
    EXPECT_EQ(drawing.targetHeight(), 1275);
}

TEST(PrintPage, PagesOfALargePrintTileTheLayout)
{
    Layout layout = edittest::withLevel();
    // 13 straights in a row, about 2450 mm.
    for (int i = 0; i < 13; ++i)
        edittest::lay(layout, "24188", 188.3 * i, 0, 0);
    PrintOptions options;
    options.scaling = PrintScaling::ActualScale;
    options.scaleDenominator = 1;
    const PrintExtent extent = printExtent(layout, options);
    const Pagination pagination = paginate(extent, options, kPageWidth, kPageHeight, 300);
    ASSERT_GT(pagination.pagesAcross, 1);
    // Each straight is drawn on the page whose tile holds its origin, at the same place on paper.
    const double mx = std::trunc(0.04 * kPageWidth);
    const double tileWidth = kPageWidth - 2.0 * mx;
    const PageDrawing drawing{layout, extent, pagination, options, 1.0, 1.0, 1.0};
    size_t found = 0;
    for (int page = 1; page <= pagination.pagesAcross; ++page) {
        RecordingTarget target;
        drawPage(drawing, target, page);
        const double tileLeft = (page - 1) * tileWidth;
        for (const PlacedPiece& p : layout.pieces) {
            const double onPaper = (p.x - extent.minX) * pagination.scale;
            if (onPaper < tileLeft || onPaper >= tileLeft + tileWidth)
                continue;
            const double expectedX = mx + onPaper - tileLeft;
            const bool drawn = std::any_of(target.calls.begin(), target.calls.end(), [&](const auto& c) {
                return c.kind == RecordingTarget::Kind::Polygon && c.brush.set &&
                       c.brush.colour == colours::kPieceFill &&
                       std::any_of(c.points.begin(), c.points.end(),
                                   [&](const PixelPoint& q) { return std::fabs(q.x - expectedX) < 1e-6; });
            });
            EXPECT_TRUE(drawn) << "piece " << p.id << " on page " << page;
            ++found;
        }
    }
    EXPECT_EQ(found, layout.pieces.size());
}

TEST(PrintPage, TextScaledTargetScalesFontsOnly)
{
    RecordingTarget recorded;
    ScaledTarget scaled(recorded, 1.0, 0.25);
    scaled.setPen(colours::kGrid, 2.0);
    scaled.line({0, 0}, {10, 10});
    scaled.text("24188", 5, 6, FontSpec{9, true}, colours::kDarkText, 0.0);
    scaled.text("x", 5, 6, FontSpec{2, false}, colours::kDarkText, 0.0);
    EXPECT_DOUBLE_EQ(scaled.textExtent("ab", FontSpec{40, false}).height,
                     recorded.textExtent("ab", FontSpec{10, false}).height);
    ASSERT_EQ(recorded.calls.size(), 3u);
    EXPECT_DOUBLE_EQ(recorded.calls[0].pen.width, 2.0);
    EXPECT_EQ(recorded.calls[1].font.size, 2); // 2.25 rounds to 2
    EXPECT_TRUE(recorded.calls[1].font.bold);
    EXPECT_EQ(recorded.calls[2].font.size, 1); // never below one point
    EXPECT_EQ(bandRows(8192), 2048);
    EXPECT_EQ(bandRows(0), kLargestBandPixels);
}
