#pragma once

#include "document/Layout.h"
#include "print/Pagination.h"
#include "render/DrawTarget.h"
#include "render/RenderOptions.h"

namespace layrail {

// How a printed page draws the plan: for paper, with the grid and the baseboard as the print
// options include them, the labels as the user switched them, nothing in the selection colours,
// and the levels the options name (the active level alone, or every level) whatever the canvas
// hides. The user's own switches and level visibility are read, never changed.
RenderOptions printRenderOptions(const Layout& layout, const PrintOptions& options, double lineScale);

// One page of a printout, from 1, drawn onto a target that has `resolution` pixels for each pixel
// of the page (1 for the page itself). A band of it (target rows top to top + height) is drawn the
// same way onto a target only that high, so that a page can be drawn in strips.
struct PageDrawing {
    const Layout& layout;
    const PrintExtent& extent;
    const Pagination& pagination;
    const PrintOptions& options;
    double lineScale = 1.0;  // pens multiplied: printer pixels are smaller than screen pixels
    double textScale = 1.0;  // font sizes multiplied, for targets with fewer pixels per point than the paper
    double resolution = 1.0; // target pixels per page pixel

    // The target's size for the whole page.
    int targetWidth() const;
    int targetHeight() const;
};
void drawPage(const PageDrawing& drawing, DrawTarget& target, int page);
void drawPageBand(const PageDrawing& drawing, DrawTarget& target, int page, int top, int height);

// The rows of a page drawn in bands of at most this many pixels each.
constexpr long kLargestBandPixels = 16L * 1024L * 1024L;
int bandRows(int targetWidth);

} // namespace layrail
