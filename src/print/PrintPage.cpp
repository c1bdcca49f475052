#include "print/PrintPage.h"

#include <algorithm>
#include <cmath>

#include "render/Renderer.h"

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
    if (options.levels == PrintLevels::All) {
        render.levels = LevelsShown::All;
    } else {
        render.levels = LevelsShown::One;
        render.level = layout.activeLevel;
    }
    return render;
}

void drawPageBand(const PageDrawing& drawing, DrawTarget& target, int page, int top, int height)
{
    CanvasView view = pageView(drawing.extent, drawing.pagination, page);
    view.panY -= top;
    const RenderOptions options = printRenderOptions(drawing.layout, drawing.options, drawing.lineScale);
    const int width = drawing.pagination.pageWidth;
    if (drawing.textScale == 1.0) {
        renderLayout(drawing.layout, target, view, width, height, options);
        return;
    }
    TextScaledTarget scaled(target, drawing.textScale);
    renderLayout(drawing.layout, scaled, view, width, height, options);
}

void drawPage(const PageDrawing& drawing, DrawTarget& target, int page)
{
    drawPageBand(drawing, target, page, 0, drawing.pagination.pageHeight);
}

int bandRows(int pageWidth) { return static_cast<int>(std::max(1L, kLargestBandPixels / std::max(pageWidth, 1))); }

FontSpec TextScaledTarget::scaled(const FontSpec& font) const
{
    FontSpec out = font;
    if (std::isfinite(scale_) && scale_ > 0.0)
        out.size = std::max(1, static_cast<int>(std::lround(font.size * scale_)));
    return out;
}

} // namespace layrail
