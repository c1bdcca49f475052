#include "export/PlanExport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include "document/SafeFileWriter.h"
#include "export/CairoTarget.h"
#include "export/ExportPages.h"
#include "export/PngWriter.h"
#include "export/TileMarks.h"
#include "render/RenderColours.h"
#include "render/Renderer.h"

namespace layrail {

namespace {

constexpr int kFastEdgesDpi = 150;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<SafeFileWriter*>(closure)->write(std::string_view(reinterpret_cast<const char*>(data), length));
    return CAIRO_STATUS_SUCCESS;
}

std::string cairoError(cairo_status_t status)
{
    return std::string("Cannot draw the plan: ") + cairo_status_to_string(status);
}

// One page: a sheet of a template keeps the plan inside its margins and gets its marks.
void drawPage(cairo_t* cr, const Layout& layout, const ExportLayoutPlan& plan, const ExportPage& page,
              const PlanExportOptions& options)
{
    CairoTarget target(cr, options.greyscale);
    if (page.tiled) {
        target.clear(colours::kBackground);
        cairo_rectangle(cr, page.margin, page.margin, page.width - 2.0 * page.margin, page.height - 2.0 * page.margin);
        cairo_clip(cr);
    }
    renderLayout(layout, target, page.view, static_cast<int>(std::ceil(page.width)),
                 static_cast<int>(std::ceil(page.height)), plan.render);
    if (page.tiled) {
        cairo_reset_clip(cr);
        drawTileMarks(target, page, std::clamp(options.scaleDenominator, kMinScaleDenominator, kMaxScaleDenominator));
    }
}

std::string drawPng(const Layout& layout, const ExportLayoutPlan& plan, const PlanExportOptions& options,
                    SafeFileWriter& writer)
{
    const ExportPage& page = plan.pages.front();
    const int dpi = std::clamp(options.dpi, kMinExportDpi, kMaxExportDpi);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picturePixels(page.width, dpi),
                                               picturePixels(page.height, dpi)));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return cairoError(cairo_surface_status(surface.get()));
    {
        Context cr(cairo_create(surface.get()));
        // At print resolutions sixteen shades of edge coverage look as smooth as cairo's finest and
        // take half the time.
        if (dpi >= kFastEdgesDpi)
            cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_FAST);
        cairo_scale(cr.get(), dpi / kUnitsPerInch, dpi / kUnitsPerInch);
        drawPage(cr.get(), layout, plan, page, options);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
            return cairoError(cairo_status(cr.get()));
    }
    return writePng(surface.get(), dpi, writer);
}

std::string writeVector(const Layout& layout, const ExportLayoutPlan& plan, const PlanExportOptions& options,
                        SafeFileWriter& writer)
{
    const ExportPage& first = plan.pages.front();
    const double width = first.width * kPointsPerUnit, height = first.height * kPointsPerUnit;
    Surface surface(options.format == PlanFormat::Svg
                        ? cairo_svg_surface_create_for_stream(writeChunk, &writer, width, height)
                        : cairo_pdf_surface_create_for_stream(writeChunk, &writer, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return cairoError(cairo_surface_status(surface.get()));
    if (options.format == PlanFormat::Pdf) {
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, "Layrail plan");
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Layrail");
    }
    {
        Context cr(cairo_create(surface.get()));
        for (const ExportPage& page : plan.pages) {
            if (options.format == PlanFormat::Pdf)
                cairo_pdf_surface_set_size(surface.get(), page.width * kPointsPerUnit, page.height * kPointsPerUnit);
            cairo_save(cr.get());
            cairo_scale(cr.get(), kPointsPerUnit, kPointsPerUnit);
            drawPage(cr.get(), layout, plan, page, options);
            cairo_restore(cr.get());
            cairo_show_page(cr.get());
        }
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
            return cairoError(cairo_status(cr.get()));
    }
    cairo_surface_finish(surface.get());
    const cairo_status_t status = cairo_surface_status(surface.get());
    return status == CAIRO_STATUS_SUCCESS ? std::string() : cairoError(status);
}

} // namespace

std::string exportPlan(const Layout& layout, const PlanExportOptions& options, const std::string& path)
{
    const ExportLayoutPlan plan = planExport(layout, options);
    if (!plan.error.empty())
        return plan.error;
    if (plan.pages.empty())
        return "The plan has no page to draw.";
    SafeFileWriter writer;
    if (std::string error = writer.open(path); !error.empty())
        return error;
    const std::string error = options.format == PlanFormat::Png ? drawPng(layout, plan, options, writer)
                                                                : writeVector(layout, plan, options, writer);
    if (!error.empty())
        return error; // the writer removes its temporary file
    return writer.commit();
}

} // namespace layrail
