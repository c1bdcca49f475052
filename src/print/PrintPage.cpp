#include "print/PrintPage.h"

#include <algorithm>
#include <cmath>

#include "render/Renderer.h"
#include "render/ScaledTarget.h"

namespace layrail {

RenderOptions printRenderOptions(const Layout& layout, const PrintOptions& options, double lineScale)
{
    RenderOptions render;
    render.printing = true;
    render.grid = options.includeGrid;
    render.baseboard = options.includeBaseboard;
    render.labels = layout.labelsOn;
    render.selection = false;
    render.lineScale = std::isfinite(lineScale) && lineScale > 0.0 ? lineScale : 1.0;
    // Lengths and names of a fixed size keep their size on paper, like the pens.
    render.textScale = render.lineScale;
    if (options.levels == PrintLevels::All) {
        render.levels = LevelsShown::All;
    } else {
        render.levels = LevelsShown::One;
        render.level = layout.activeLevel;
    }
    return render;
}

namespace {

double usableResolution(double resolution) { return std::isfinite(resolution) && resolution > 0.0 ? resolution : 1.0; }

} // namespace

int PageDrawing::targetWidth() const
{
    return static_cast<int>(std::ceil(pagination.pageWidth * usableResolution(resolution)));
}

int PageDrawing::targetHeight() const
{
    return static_cast<int>(std::ceil(pagination.pageHeight * usableResolution(resolution)));
}

void drawPageBand(const PageDrawing& drawing, DrawTarget& target, int page, int top, int height)
{
    const double resolution = usableResolution(drawing.resolution);
    CanvasView view = pageView(drawing.extent, drawing.pagination, page);
    view.zoom *= resolution;
    view.panX *= resolution;
    view.panY = view.panY * resolution - top;
    const RenderOptions options =
        printRenderOptions(drawing.layout, drawing.options, drawing.lineScale * resolution);
    const int width = drawing.targetWidth();
    if (drawing.textScale == 1.0) {
        renderLayout(drawing.layout, target, view, width, height, options);
        return;
    }
    ScaledTarget scaled(target, 1.0, drawing.textScale);
    renderLayout(drawing.layout, scaled, view, width, height, options);
}

void drawPage(const PageDrawing& drawing, DrawTarget& target, int page)
{
    drawPageBand(drawing, target, page, 0, drawing.targetHeight());
}

int bandRows(int targetWidth)
{
    return static_cast<int>(std::max(1L, kLargestBandPixels / std::max(targetWidth, 1)));
}

} // namespace layrail
