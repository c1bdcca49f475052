#include <algorithm>
#include <cmath>

#include "ExportTestSupport.h"
#include "export/CairoTarget.h"
#include "export/ExportPages.h"
#include "export/PlanExport.h"
#include "render/RenderColours.h"

using namespace layrail;
using namespace layrail::exporttest;

namespace {

// Where a layout point lands in the picture of a page.
struct PixelSpot {
    int x = 0;
    int y = 0;
};

PixelSpot pixelOf(const ExportPage& page, double x, double y, int dpi)
{
    const double scale = dpi / kUnitsPerInch;
    return {static_cast<int>(page.view.projectX(x) * scale), static_cast<int>(page.view.projectY(y) * scale)};
}

PlanExportOptions options(PlanFormat format)
{
    PlanExportOptions o;
    o.format = format;
    return o;
}

// A C-Track straight on the x axis, and a K-Track straight further along it.
Layout twoStraights()
{
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    lay(layout, "2200", 300, 0, 0);
    return layout;
}

// The left and right ends of the dark run of pixels through (x, y) of the row, or {-1, -1}.
std::pair<int, int> darkRun(const Picture& picture, int y)
{
    int left = -1, right = -1;
    for (int x = 0; x < picture.width(); ++x) {
        if (picture.white(x, y))
            continue;
        if (left < 0)
            left = x;
        right = x;
    }
    return {left, right};
}

} // namespace

TEST_F(ExportTest, PngShowsEachPieceInItsColourWherePlanned)
{
    const Layout layout = twoStraights();
    PlanExportOptions o = options(PlanFormat::Png);
    o.dpi = 100;
    const std::string path = file("plan.png");
    ASSERT_EQ(exportPlan(layout, o, path), "");

    const Picture picture(path);
    ASSERT_TRUE(picture.ok());
    // A4 turned to the plan (wider than high), 100 dots per inch.
    EXPECT_EQ(picture.width(), 1169);
    EXPECT_EQ(picture.height(), 827);

    const ExportPage page = planExport(layout, o).pages.at(0);
    // Clear of the article labels in the middle of each piece.
    const PixelSpot c = pixelOf(page, 20.0, 8.0, o.dpi);
    const PixelSpot k = pixelOf(page, 320.0, 8.0, o.dpi);
    EXPECT_TRUE(picture.near(c.x, c.y, colours::kPieceFill)) << describe(picture.at(c.x, c.y));
    EXPECT_TRUE(picture.near(k.x, k.y, colours::kPieceFillK)) << describe(picture.at(k.x, k.y));
    EXPECT_TRUE(picture.white(3, 3));
    const PixelSpot between = pixelOf(page, 244.0, 0.0, o.dpi);
    EXPECT_TRUE(picture.white(between.x, between.y));
}

TEST_F(ExportTest, GreyscalePngTurnsEveryColourGrey)
{
    const Layout layout = twoStraights();
    PlanExportOptions o = options(PlanFormat::Png);
    o.dpi = 60;
    o.greyscale = true;
    const std::string path = file("grey.png");
    ASSERT_EQ(exportPlan(layout, o, path), "");
    const Picture picture(path);
    ASSERT_TRUE(picture.ok());
    const ExportPage page = planExport(layout, o).pages.at(0);
    const PixelSpot k = pixelOf(page, 320.0, 8.0, o.dpi);
    EXPECT_TRUE(picture.near(k.x, k.y, greyOf(colours::kPieceFillK), 3)) << describe(picture.at(k.x, k.y));
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7) {
            const Colour c = picture.at(x, y);
            ASSERT_TRUE(c.r == c.g && c.g == c.b) << x << "," << y << ": " << describe(c);
        }
}

TEST_F(ExportTest, PngRecordsItsResolution)
{
    PlanExportOptions o = options(PlanFormat::Png);
    o.dpi = 150;
    const std::string path = file("dpi.png");
    ASSERT_EQ(exportPlan(twoStraights(), o, path), "");
    const std::string identify = commandOutput("identify -units PixelsPerInch -format '%x %y' '" + path + "'");
    EXPECT_NE(identify.find("150"), std::string::npos) << identify;
}

TEST_F(ExportTest, SvgHasOnePageAsViewBoxAndPathsPerPiece)
{
    auto svgOf = [&](int straights, bool labels) {
        Layout layout = withLevel();
        for (int i = 0; i < straights; ++i)
            lay(layout, "24188", 0, 100.0 * i, 0);
        PlanExportOptions o = options(PlanFormat::Svg);
        o.labels = labels;
        const std::string path = file("plan" + std::to_string(straights) + (labels ? "l" : "") + ".svg");
        EXPECT_EQ(exportPlan(layout, o, path), "");
        return readFile(path);
    };
    const std::string none = svgOf(0, false), one = svgOf(1, false), three = svgOf(3, false);
    const size_t base = countOf(none, "<path"), perPiece = countOf(one, "<path") - base;
    EXPECT_GE(perPiece, 1u);
    EXPECT_EQ(countOf(three, "<path"), base + 3 * perPiece);

    std::smatch box;
    ASSERT_TRUE(std::regex_search(three, box, std::regex("viewBox=\"0 0 ([0-9.]+) ([0-9.]+)\"")));
    // Three straights 200 mm apart are higher than wide: A4 upright, in points.
    EXPECT_NEAR(std::stod(box[1]), 595.28, 0.01);
    EXPECT_NEAR(std::stod(box[2]), 841.89, 0.01);

    // Labels stay text drawn as glyph outlines, not pictures.
    const std::string labelled = svgOf(1, true);
    EXPECT_GT(countOf(labelled, "glyph"), 0u);
    EXPECT_EQ(countOf(labelled, "<image"), 0u);
    EXPECT_EQ(countOf(three, "<image"), 0u);
}

TEST_F(ExportTest, PdfFitsOnePageOfTheChosenPaper)
{
    const std::string a4 = file("a4.pdf");
    ASSERT_EQ(exportPlan(twoStraights(), options(PlanFormat::Pdf), a4), "");
    EXPECT_EQ(pdfPages(a4), std::make_pair(1, std::string("841.89 x 595.276 pts (A4)")));
    // The labels are text in the PDF.
    EXPECT_NE(commandOutput("pdftotext '" + a4 + "' -").find("24188"), std::string::npos);

    PlanExportOptions letter = options(PlanFormat::Pdf);
    letter.paper = Paper::Letter;
    const std::string path = file("letter.pdf");
    ASSERT_EQ(exportPlan(twoStraights(), letter, path), "");
    EXPECT_EQ(pdfPages(path), std::make_pair(1, std::string("792 x 612 pts (letter)")));
}

TEST_F(ExportTest, PdfAtTrueScaleMeasuresTrueLengths)
{
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    for (int n : {1, 2}) {
        PlanExportOptions o = options(PlanFormat::Pdf);
        o.scaling = PlanScaling::TrueScale;
        o.scaleDenominator = n;
        o.labels = false;
        const std::string pdf = file("scale" + std::to_string(n) + ".pdf");
        ASSERT_EQ(exportPlan(layout, o, pdf), "");
        ASSERT_EQ(pdfPages(pdf).first, 1);
        // At 254 dots per inch a pixel is a tenth of a millimetre.
        const Picture picture(pdfPageAsPng(pdf, 1, 254));
        ASSERT_TRUE(picture.ok());
        int row = -1;
        for (int y = 0; y < picture.height() && row < 0; ++y)
            if (darkRun(picture, y).first >= 0)
                row = y + 30; // 3 mm into the track bed
        ASSERT_GE(row, 0);
        const auto [left, right] = darkRun(picture, row);
        // The bed's outline adds its pen's width (a quarter of a millimetre) to the length.
        EXPECT_NEAR((right - left + 1) / 10.0, 188.3 / n + 0.26, 0.3) << "1:" << n;
    }
}

TEST_F(ExportTest, PlanLargerThanAPageTilesOverlappingSheets)
{
    Layout layout = withLevel();
    for (int i = 0; i < 10; ++i)
        lay(layout, "24188", 188.3 * i, 0, 0);
    PlanExportOptions o = options(PlanFormat::Pdf);
    o.scaling = PlanScaling::TrueScale;
    o.labels = false;
    const std::string pdf = file("template.pdf");
    ASSERT_EQ(exportPlan(layout, o, pdf), "");
    // 1883 mm across A4 turned wide: 277 mm printable, sheets 267 mm apart.
    EXPECT_EQ(pdfPages(pdf), std::make_pair(8, std::string("841.89 x 595.276 pts (A4)")));

    // The second sheet marks where the first sheet's printed area ends, with a dashed line 10 mm
    // inside its own left edge, and the track continues across it.
    const Picture sheet(pdfPageAsPng(pdf, 2, 254));
    ASSERT_TRUE(sheet.ok());
    const int lineX = static_cast<int>(std::lround((kExportMarginMm + kTileOverlapMm) * 10.0));
    int marked = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int dx = -2; dx <= 2; ++dx)
            if (sheet.near(lineX + dx, y, Colour{200, 60, 60, 255}, 40)) {
                ++marked;
                break;
            }
    EXPECT_GT(marked, sheet.height() / 3) << "dashed line at x " << lineX;
    EXPECT_TRUE(sheet.near(sheet.width() / 2, sheet.height() / 2 + 50, colours::kPieceFill))
        << describe(sheet.at(sheet.width() / 2, sheet.height() / 2 + 50));
}

TEST(ExportPages, NeighbouringSheetsShareTheirOverlap)
{
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    lay(layout, "24188", 1400, 1900, 35);
    for (int n : {1, 2, 3}) {
        PlanExportOptions o = options(PlanFormat::Pdf);
        o.scaling = PlanScaling::TrueScale;
        o.scaleDenominator = n;
        const ExportLayoutPlan plan = planExport(layout, o);
        ASSERT_TRUE(plan.error.empty());
        ASSERT_GT(plan.pages.size(), 1u);
        // Sheets in between are printed only to join the two pieces' sheets into one.
        const TilePosition& grid = plan.pages.front().tile;
        EXPECT_LT(plan.pages.size(), static_cast<size_t>(grid.rows * grid.columns));
        EXPECT_EQ(plan.pages.size(), static_cast<size_t>(grid.rows + grid.columns - 1));
        for (const ExportPage& page : plan.pages) {
            EXPECT_TRUE(page.tiled);
            EXPECT_NEAR(page.view.zoom, kUnitsPerMm / n, 1e-12);
            ASSERT_EQ(page.tile.count, static_cast<int>(plan.pages.size()));
            ASSERT_EQ(&plan.pages[static_cast<size_t>(page.tile.number - 1)], &page);
            // The plan point on this sheet's inner overlap line is the next sheet's printed edge.
            if (page.tile.right != 0) {
                const ExportPage& right = plan.pages[static_cast<size_t>(page.tile.right - 1)];
                EXPECT_EQ(right.tile.left, page.tile.number);
                EXPECT_EQ(right.tile.column, page.tile.column + 1);
                EXPECT_NEAR(page.view.toWorldX(page.width - page.margin - page.overlap),
                            right.view.toWorldX(right.margin), 1e-6);
                EXPECT_DOUBLE_EQ(page.view.panY, right.view.panY);
            }
            if (page.tile.below != 0) {
                const ExportPage& below = plan.pages[static_cast<size_t>(page.tile.below - 1)];
                EXPECT_EQ(below.tile.above, page.tile.number);
                EXPECT_EQ(below.tile.row, page.tile.row + 1);
                EXPECT_NEAR(page.view.toWorldY(page.height - page.margin - page.overlap),
                            below.view.toWorldY(below.margin), 1e-6);
            }
        }
        // Every piece end falls inside the printed area of some sheet.
        for (const Point& p : {Point{0, 0}, Point{188.3, 0}, Point{1400, 1900}}) {
            const bool covered = std::any_of(plan.pages.begin(), plan.pages.end(), [&](const ExportPage& page) {
                const double x = page.view.projectX(p.x), y = page.view.projectY(p.y);
                return x >= page.margin && x <= page.width - page.margin && y >= page.margin &&
                       y <= page.height - page.margin;
            });
            EXPECT_TRUE(covered) << p.x << "," << p.y << " at 1:" << n;
        }
    }
}

TEST_F(ExportTest, ATemplateLeavesOutSheetsThatCarryNothing)
{
    // A circle of twelve R3 curves, a metre across: at 1:1 its middle and corners are bare paper.
    Layout layout = withLevel();
    int last = lay(layout, "24330", 0, 0, 0);
    for (int i = 1; i < 12; ++i)
        last = test::attach(layout, last, 1, "24330");
    PlanExportOptions o = options(PlanFormat::Pdf);
    o.scaling = PlanScaling::TrueScale;
    const ExportLayoutPlan plan = planExport(layout, o);
    ASSERT_TRUE(plan.error.empty());
    const TilePosition& grid = plan.pages.front().tile;
    ASSERT_GT(grid.rows * grid.columns, 9);
    EXPECT_LT(plan.pages.size(), static_cast<size_t>(grid.rows * grid.columns));

    // Every stretch of the track lies on a printed sheet.
    for (const PlacedPiece& piece : layout.pieces) {
        for (int end = 0; end < 2; ++end) {
            const Connector c = test::worldConnector(layout, piece.id, end);
            const bool covered = std::any_of(plan.pages.begin(), plan.pages.end(), [&](const ExportPage& page) {
                const double x = page.view.projectX(c.x), y = page.view.projectY(c.y);
                return x >= page.margin && x <= page.width - page.margin && y >= page.margin &&
                       y <= page.height - page.margin;
            });
            EXPECT_TRUE(covered) << "piece " << piece.id << " end " << end;
        }
    }
    // The printed sheets hang together through the neighbours they name, and name each other.
    std::vector<bool> reached(plan.pages.size(), false);
    std::vector<size_t> queue{0};
    reached[0] = true;
    for (size_t next = 0; next < queue.size(); ++next) {
        const TilePosition& t = plan.pages[queue[next]].tile;
        EXPECT_EQ(t.number, static_cast<int>(queue[next]) + 1);
        for (int beside : {t.above, t.below, t.left, t.right}) {
            if (beside == 0)
                continue;
            const TilePosition& other = plan.pages[static_cast<size_t>(beside - 1)].tile;
            EXPECT_EQ(std::abs(other.row - t.row) + std::abs(other.column - t.column), 1);
            EXPECT_TRUE(other.above == t.number || other.below == t.number || other.left == t.number ||
                        other.right == t.number);
            if (!reached[static_cast<size_t>(beside - 1)]) {
                reached[static_cast<size_t>(beside - 1)] = true;
                queue.push_back(static_cast<size_t>(beside - 1));
            }
        }
    }
    EXPECT_EQ(queue.size(), plan.pages.size());

    const std::string pdf = file("circle.pdf");
    ASSERT_EQ(exportPlan(layout, o, pdf), "");
    EXPECT_EQ(pdfPages(pdf).first, static_cast<int>(plan.pages.size()));
}

TEST(ExportPages, FitPutsThePlanInsideThePageMargins)
{
    Layout layout = withLevel();
    lay(layout, "24188", -500, 200, 0);
    lay(layout, "24130", 3000, -700, 90);
    for (PlanFormat format : {PlanFormat::Png, PlanFormat::Svg, PlanFormat::Pdf}) {
        const ExportLayoutPlan plan = planExport(layout, options(format));
        ASSERT_EQ(plan.pages.size(), 1u);
        const ExportPage& page = plan.pages[0];
        EXPECT_FALSE(page.tiled);
        EXPECT_NEAR(page.width, 297.0 * kUnitsPerMm, 1e-9);
        for (const Point& p : {Point{-500, 200}, Point{3000, -700}}) {
            EXPECT_GE(page.view.projectX(p.x), 0.039 * page.width);
            EXPECT_LE(page.view.projectX(p.x), 0.961 * page.width);
            EXPECT_GE(page.view.projectY(p.y), 0.039 * page.height);
            EXPECT_LE(page.view.projectY(p.y), 0.961 * page.height);
        }
    }
}

TEST(ExportPages, OneLevelLeavesTheOthersOut)
{
    Layout layout = withLevel();
    Level upper;
    upper.id = 2;
    upper.name = "Level 2";
    layout.levels.push_back(upper);
    lay(layout, "24188", 0, 0, 0, 1);
    lay(layout, "24188", 5000, 5000, 0, 2);
    PlanExportOptions o = options(PlanFormat::Png);
    o.levels = PlanLevels::One;
    o.level = 2;
    const ExportLayoutPlan plan = planExport(layout, o);
    EXPECT_EQ(plan.render.levels, LevelsShown::One);
    EXPECT_EQ(plan.render.level, 2);
    // The extent is the upper piece's alone: it sits in the middle of the page, filling most of it.
    const ExportPage& page = plan.pages.at(0);
    EXPECT_NEAR(page.view.projectX(5000 + 94.15), page.width / 2.0, 0.1);
    EXPECT_GT(page.view.zoom * 188.3, 0.6 * page.width);

    o.levels = PlanLevels::All;
    EXPECT_EQ(planExport(layout, o).render.levels, LevelsShown::All);
    o.levels = PlanLevels::Active;
    EXPECT_EQ(planExport(layout, o).render.level, layout.activeLevel);
}

TEST_F(ExportTest, PictureAtTrueScaleKeepsTheWholeTrackBed)
{
    Layout layout = withLevel();
    lay(layout, "24188", 0, 0, 0);
    PlanExportOptions o = options(PlanFormat::Png);
    o.scaling = PlanScaling::TrueScale;
    o.scaleDenominator = 2;
    o.dpi = 254; // a pixel is a tenth of a millimetre on paper
    const std::string path = file("bed.png");
    ASSERT_EQ(exportPlan(layout, o, path), "");
    const Picture picture(path);
    ASSERT_TRUE(picture.ok());
    // The bed, 37.4 mm across, is 18.7 mm on paper at 1:2, with white above and below it.
    int top = -1, bottom = -1;
    const int x = picture.width() / 4;
    for (int y = 0; y < picture.height(); ++y) {
        if (picture.white(x, y))
            continue;
        top = top < 0 ? y : top;
        bottom = y;
    }
    ASSERT_GT(top, 0);
    EXPECT_LT(bottom, picture.height() - 1);
    EXPECT_NEAR((bottom - top + 1) / 10.0, 18.7 + 0.26, 0.3);
}

TEST_F(ExportTest, FailuresWriteNothingAndKeepTheOldFile)
{
    Layout huge = withLevel();
    lay(huge, "24188", 0, 0, 0);
    lay(huge, "24188", 40000, 20000, 0);
    PlanExportOptions o = options(PlanFormat::Png);
    o.scaling = PlanScaling::TrueScale;
    o.dpi = 1200;
    const std::string path = file("huge.png");
    {
        std::ofstream old(path);
        old << "previous";
    }
    const std::string error = exportPlan(huge, o, path);
    EXPECT_NE(error.find("The picture would be"), std::string::npos) << error;
    EXPECT_EQ(readFile(path), "previous");

    o.format = PlanFormat::Pdf;
    EXPECT_NE(exportPlan(huge, o, file("huge.pdf")).find("pages"), std::string::npos);
    EXPECT_FALSE(fs::exists(file("huge.pdf")));

    const std::string nowhere = file("missing/plan.svg");
    EXPECT_EQ(exportPlan(huge, options(PlanFormat::Svg), nowhere), "Cannot open file: " + nowhere);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "only the old file";
}

TEST(ExportOptions, FormatFromTheExtension)
{
    PlanFormat format = PlanFormat::Png;
    EXPECT_TRUE(formatFromPath("/tmp/Plan.PDF", format));
    EXPECT_EQ(format, PlanFormat::Pdf);
    EXPECT_TRUE(formatFromPath("plan.svg", format));
    EXPECT_EQ(format, PlanFormat::Svg);
    EXPECT_FALSE(formatFromPath("plan.jpeg", format));
    EXPECT_FALSE(formatFromPath("/tmp/my.pdf/plan", format));
    Paper paper = Paper::A4;
    EXPECT_TRUE(paperFromName("letter", paper));
    EXPECT_EQ(paper, Paper::Letter);
    EXPECT_FALSE(paperFromName("A3", paper));
}
