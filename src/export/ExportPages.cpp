#include "export/ExportPages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "export/SheetSelection.h"
#include "print/Pagination.h"

namespace layrail {

namespace {

// Pagination counts in whole pixels; it works on tenths of a unit so a page keeps its exact size.
constexpr int kFine = 10;
// The extent follows the pieces' centre lines; their beds, join dots and labels reach this far
// beyond them, and a picture of the plan's own size must not cut them off.
constexpr double kTrackReachMm = 25.0;

PrintOptions printOptionsFor(const PlanExportOptions& options)
{
    PrintOptions print;
    print.levels = options.levels == PlanLevels::All ? PrintLevels::All : PrintLevels::ActiveOnly;
    print.includeGrid = options.grid;
    print.includeBaseboard = options.baseboard;
    print.colour = options.greyscale ? PrintColour::Greyscale : PrintColour::Colour;
    return print;
}

// The extent a printout of the same choices would take. One level other than the active one is
// measured as the active level of a layout holding only what the extent reads.
PrintExtent extentFor(const Layout& layout, const PlanExportOptions& options)
{
    const PrintOptions print = printOptionsFor(options);
    PrintExtent extent;
    if (options.levels != PlanLevels::One || options.level == layout.activeLevel) {
        extent = printExtent(layout, print);
    } else {
        Layout measured;
        measured.activeLevel = options.level;
        for (const PlacedPiece& piece : layout.pieces)
            if (piece.level == options.level)
                measured.pieces.push_back(piece);
        measured.scenery = layout.scenery;
        measured.baseboard.vertices = layout.baseboard.vertices;
        extent = printExtent(measured, print);
    }
    return PrintExtent{extent.minX - kTrackReachMm, extent.minY - kTrackReachMm, extent.maxX + kTrackReachMm,
                       extent.maxY + kTrackReachMm};
}

RenderOptions renderOptionsFor(const Layout& layout, const PlanExportOptions& options)
{
    RenderOptions render;
    render.grid = options.grid;
    render.baseboard = options.baseboard;
    render.labels = options.labels;
    render.selection = false;
    render.printing = true;
    switch (options.levels) {
    case PlanLevels::All:
        render.levels = LevelsShown::All;
        break;
    case PlanLevels::One:
        render.levels = LevelsShown::One;
        render.level = options.level;
        break;
    default:
        render.levels = LevelsShown::One;
        render.level = layout.activeLevel;
        break;
    }
    return render;
}

std::string format(const char* pattern, double a, double b = 0.0, double c = 0.0)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

struct PageSize {
    double width = 0.0; // mm on paper
    double height = 0.0;
};

PageSize oriented(Paper paper, bool landscape)
{
    const PaperSize size = paperSize(paper);
    return landscape ? PageSize{size.height, size.width} : PageSize{size.width, size.height};
}

ExportPage fitPage(const PrintExtent& extent, const PlanExportOptions& options)
{
    const PageSize paper = oriented(options.paper, extent.width() > extent.height());
    ExportPage page;
    page.width = paper.width * kUnitsPerMm;
    page.height = paper.height * kUnitsPerMm;
    PrintOptions fit = printOptionsFor(options);
    fit.scaling = PrintScaling::FitToPage;
    const Pagination pagination =
        paginate(extent, fit, static_cast<int>(std::lround(page.width * kFine)),
                 static_cast<int>(std::lround(page.height * kFine)), static_cast<int>(kUnitsPerInch) * kFine);
    page.view = pageView(extent, pagination, 1);
    page.view.zoom /= kFine;
    page.view.panX /= kFine;
    page.view.panY /= kFine;
    return page;
}

// The whole plan at true scale on a picture of its own size plus a margin.
ExportPage scalePicture(const PrintExtent& extent, double zoom)
{
    const double margin = kExportMarginMm * kUnitsPerMm;
    ExportPage page;
    page.width = extent.width() * zoom + 2.0 * margin;
    page.height = extent.height() * zoom + 2.0 * margin;
    page.view.zoom = zoom;
    page.view.panX = margin - zoom * extent.minX;
    page.view.panY = margin - zoom * extent.minY;
    return page;
}

struct Tiling {
    bool landscape = false;
    int columns = 1;
    int rows = 1;
    int pages() const { return columns * rows; }
};

int sheetsFor(double plan, double area, double overlap)
{
    if (plan <= area)
        return 1;
    return static_cast<int>(std::min(std::ceil((plan - overlap) / (area - overlap)), 1.0e6));
}

Tiling tilingFor(double planWidth, double planHeight, Paper paper, bool landscape)
{
    const PageSize size = oriented(paper, landscape);
    const double areaWidth = size.width - 2.0 * kExportMarginMm;
    const double areaHeight = size.height - 2.0 * kExportMarginMm;
    return Tiling{landscape, sheetsFor(planWidth, areaWidth, kTileOverlapMm),
                  sheetsFor(planHeight, areaHeight, kTileOverlapMm)};
}

// A PDF at true scale: one page when the plan fits on one, else overlapping sheets, turned the way
// that needs fewer of them.
void scalePages(const PrintExtent& extent, const PlanExportOptions& options, double zoom, ExportLayoutPlan& plan)
{
    const double n = std::clamp(options.scaleDenominator, kMinScaleDenominator, kMaxScaleDenominator);
    const double planWidth = extent.width() / n; // mm on paper
    const double planHeight = extent.height() / n;
    const bool wide = planWidth > planHeight;
    const Tiling preferred = tilingFor(planWidth, planHeight, options.paper, wide);
    const Tiling turned = tilingFor(planWidth, planHeight, options.paper, !wide);
    const Tiling tiling = turned.pages() < preferred.pages() ? turned : preferred;
    const PageSize paper = oriented(options.paper, tiling.landscape);

    if (static_cast<double>(tiling.columns) * tiling.rows > kMaxExportPages) {
        plan.error = format("At 1:%.0f the plan would take %.0f pages; choose a smaller scale (a larger N) "
                            "or Fit to page.",
                            n, static_cast<double>(tiling.columns) * tiling.rows);
        return;
    }
    const double margin = kExportMarginMm * kUnitsPerMm;
    if (tiling.pages() == 1) {
        ExportPage page;
        page.width = paper.width * kUnitsPerMm;
        page.height = paper.height * kUnitsPerMm;
        page.view.zoom = zoom;
        page.view.panX = (page.width - extent.width() * zoom) / 2.0 - zoom * extent.minX;
        page.view.panY = (page.height - extent.height() * zoom) / 2.0 - zoom * extent.minY;
        plan.pages.push_back(page);
        return;
    }
    const double areaWidth = paper.width - 2.0 * kExportMarginMm;
    const double areaHeight = paper.height - 2.0 * kExportMarginMm;
    const double stepX = areaWidth - kTileOverlapMm; // mm on paper
    const double stepY = areaHeight - kTileOverlapMm;
    // The plan sits in the middle of the sheets' combined area.
    const double spareX = std::max(0.0, tiling.columns * stepX + kTileOverlapMm - planWidth) / 2.0;
    const double spareY = std::max(0.0, tiling.rows * stepY + kTileOverlapMm - planHeight) / 2.0;
    for (int row = 0; row < tiling.rows; ++row) {
        for (int column = 0; column < tiling.columns; ++column) {
            ExportPage page;
            page.width = paper.width * kUnitsPerMm;
            page.height = paper.height * kUnitsPerMm;
            page.tiled = true;
            page.tile = gridTile(row, column, tiling.rows, tiling.columns);
            page.margin = margin;
            page.overlap = kTileOverlapMm * kUnitsPerMm;
            page.view.zoom = zoom;
            page.view.panX = margin + (spareX - column * stepX) * kUnitsPerMm - zoom * extent.minX;
            page.view.panY = margin + (spareY - row * stepY) * kUnitsPerMm - zoom * extent.minY;
            plan.pages.push_back(page);
        }
    }
}

} // namespace

TilePosition gridTile(int row, int column, int rows, int columns)
{
    TilePosition tile{row, column, rows, columns};
    auto number = [&](int r, int c) { return r * columns + c + 1; };
    tile.number = number(row, column);
    tile.count = rows * columns;
    tile.above = row > 0 ? number(row - 1, column) : 0;
    tile.below = row + 1 < rows ? number(row + 1, column) : 0;
    tile.left = column > 0 ? number(row, column - 1) : 0;
    tile.right = column + 1 < columns ? number(row, column + 1) : 0;
    return tile;
}

int picturePixels(double units, int dpi)
{
    return std::max(1, static_cast<int>(std::lround(units * dpi / kUnitsPerInch)));
}

ExportLayoutPlan planExport(const Layout& layout, const PlanExportOptions& options)
{
    ExportLayoutPlan plan;
    plan.render = renderOptionsFor(layout, options);
    const PrintExtent extent = extentFor(layout, options);
    const double n = std::clamp(options.scaleDenominator, kMinScaleDenominator, kMaxScaleDenominator);
    const double zoom = kUnitsPerMm / n;

    if (options.scaling == PlanScaling::FitToPage)
        plan.pages.push_back(fitPage(extent, options));
    else if (options.format == PlanFormat::Pdf)
        scalePages(extent, options, zoom, plan);
    else
        plan.pages.push_back(scalePicture(extent, zoom));

    for (ExportPage& page : plan.pages)
        page.view.wholePixels = false;
    leaveOutEmptySheets(layout, plan);
    if (options.format == PlanFormat::Png && !plan.pages.empty()) {
        const int dpi = std::clamp(options.dpi, kMinExportDpi, kMaxExportDpi);
        const double width = picturePixels(plan.pages.front().width, dpi);
        const double height = picturePixels(plan.pages.front().height, dpi);
        if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
            plan.error = format("The picture would be %.0f x %.0f pixels, more than can be written (%.0f pixels a "
                                "side, 268 million in all); choose a smaller scale or a lower resolution.",
                                width, height, kMaxPictureSide);
            plan.pages.clear();
        }
    }
    if (!plan.error.empty())
        plan.pages.clear();
    return plan;
}

} // namespace layrail
