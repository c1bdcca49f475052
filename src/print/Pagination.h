#pragma once

#include <vector>

#include "render/CanvasView.h"
#include "document/Layout.h"
#include "print/PrintOptions.h"

namespace layrail {

// The part of the layout that is printed, in mm.
struct PrintExtent {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 1000.0;
    double maxY = 1000.0;

    double width() const;  // at least 1 mm
    double height() const; // at least 1 mm
};

// The levels whose content is printed: every level for a composite, else the active level alone.
bool levelPrinted(const Layout& layout, const PrintOptions& options, int levelId);

// Pieces on printed levels (origin and the point one catalog length ahead; unknown articles are
// left out), every scenery item's position whatever its level, and the baseboard vertices when the
// baseboard is printed. An empty result is the area (0, 0) to (1000, 1000).
PrintExtent printExtent(const Layout& layout, const PrintOptions& options);

// How the extent is laid on paper: printer pixels per mm and the pages it takes.
struct Pagination {
    double scale = 1.0;
    int pagesAcross = 1;
    int pagesDown = 1;
    int pageWidth = 0; // the page size in pixels this was computed for
    int pageHeight = 0;

    int pageCount() const { return pagesAcross * pagesDown; }
    // Pages are numbered from 1, left to right, then top to bottom.
    bool hasPage(int page) const { return page >= 1 && page <= pageCount(); }
};

// The printer's resolution when it reports none.
constexpr int kDefaultPrinterDpi = 300;

// Fit to page: one page, the extent scaled into 92 % of it. 1 : N: the true size divided by N at
// the printer's resolution. Percentage: the fit-to-page scale times the percentage. The last two
// take as many pages across and down as the scaled extent needs.
Pagination paginate(const PrintExtent& extent, const PrintOptions& options, int pageWidth, int pageHeight,
                    int printerDpi);

// The renderer's view for one page: the content centred when it takes a single page, else the
// page's tile of it, with a 4 % margin.
CanvasView pageView(const PrintExtent& extent, const Pagination& pagination, int page);

} // namespace layrail
