#include "print/Pagination.h"

#include <algorithm>
#include <cmath>

#include "catalog/TrackCatalog.h"

namespace layrail {

namespace {

constexpr double kUsableShare = 0.92;
constexpr double kMarginShare = 0.04;

// The usable size as a whole number of pixels, at least 1.
double usable(int pageSize)
{
    const double size = std::trunc(kUsableShare * pageSize);
    return size > 0.0 ? size : 1.0;
}

double fitScale(const PrintExtent& extent, int pageWidth, int pageHeight)
{
    return std::min(usable(pageWidth) / extent.width(), usable(pageHeight) / extent.height());
}

int pagesFor(double scaledSize, double usableSize)
{
    const double pages = std::ceil(scaledSize / usableSize);
    return pages < 1.0 ? 1 : static_cast<int>(std::min(pages, 10000.0));
}

struct Bounds {
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    void add(double x, double y)
    {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
};

} // namespace

double PrintExtent::width() const { return std::max(maxX - minX, 1.0); }
double PrintExtent::height() const { return std::max(maxY - minY, 1.0); }

bool levelPrinted(const Layout& layout, const PrintOptions& options, int levelId)
{
    return options.levels == PrintLevels::All || levelId == layout.activeLevel;
}

PrintExtent printExtent(const Layout& layout, const PrintOptions& options)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    Bounds bounds;
    // Neighbouring pieces often share their article: one lookup serves a run of them.
    const std::string* lastArticle = nullptr;
    const CatalogPiece* cat = nullptr;
    for (const PlacedPiece& piece : layout.pieces) {
        if (!levelPrinted(layout, options, piece.level))
            continue;
        if (lastArticle == nullptr || piece.article != *lastArticle) {
            cat = catalog.find(piece.article);
            lastArticle = &piece.article;
        }
        if (cat == nullptr)
            continue;
        const double h = degToRad(piece.heading);
        bounds.add(piece.x, piece.y);
        bounds.add(piece.x + cat->length * std::cos(h), piece.y + cat->length * std::sin(h));
    }
    for (const SceneryItem& item : layout.scenery)
        bounds.add(item.x, item.y);
    if (options.includeBaseboard)
        for (const Point& v : layout.baseboard.vertices)
            bounds.add(v.x, v.y);
    if (bounds.minX > bounds.maxX)
        return PrintExtent{};
    return PrintExtent{bounds.minX, bounds.minY, bounds.maxX, bounds.maxY};
}

Pagination paginate(const PrintExtent& extent, const PrintOptions& options, int pageWidth, int pageHeight,
                    int printerDpi)
{
    Pagination p;
    p.pageWidth = pageWidth;
    p.pageHeight = pageHeight;
    const double fit = fitScale(extent, pageWidth, pageHeight);
    switch (options.scaling) {
    case PrintScaling::ActualScale: {
        const int dpi = printerDpi > 0 ? printerDpi : kDefaultPrinterDpi;
        const int n = std::clamp(options.scaleDenominator, kMinPrintNumber, kMaxPrintNumber);
        p.scale = dpi / 25.4 / n;
        break;
    }
    case PrintScaling::CustomPercentage:
        p.scale = fit * std::clamp(options.customPercentage, kMinPrintNumber, kMaxPrintNumber) / 100.0;
        break;
    default:
        p.scale = fit;
        return p;
    }
    p.pagesAcross = pagesFor(p.scale * extent.width(), usable(pageWidth));
    p.pagesDown = pagesFor(p.scale * extent.height(), usable(pageHeight));
    return p;
}

CanvasView pageView(const PrintExtent& extent, const Pagination& pagination, int page)
{
    const double w = pagination.pageWidth;
    const double h = pagination.pageHeight;
    const double mx = std::trunc(kMarginShare * w);
    const double my = std::trunc(kMarginShare * h);
    const double scale = pagination.scale;
    CanvasView view;
    view.zoom = scale;
    if (pagination.pageCount() <= 1) {
        view.panX = (w - 2.0 * mx - extent.width() * scale) / 2.0 + mx - scale * extent.minX;
        view.panY = (h - 2.0 * my - extent.height() * scale) / 2.0 + my - scale * extent.minY;
        return view;
    }
    const int index = std::max(page, 1) - 1;
    const int column = index % pagination.pagesAcross;
    const int row = index / pagination.pagesAcross;
    view.panX = mx - ((w - 2.0 * mx) / scale * column + extent.minX) * scale;
    view.panY = my - ((h - 2.0 * my) / scale * row + extent.minY) * scale;
    return view;
}

} // namespace layrail
