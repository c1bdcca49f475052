#include "print/ui/LayoutPrintout.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <stdexcept>

#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/rawbmp.h>

#include "print/PrintPage.h"
#include "render/ui/WxDrawTarget.h"

namespace layrail {

namespace {

// The renderer sizes its text for targets that measure text as a bitmap does (a size-10 label is
// as tall as on the screen, in the target's pixels). A page whose device measures text otherwise (a
// printer counting its own pixels per point) gets the sizes scaled to match.
double pageTextScale(wxDC& page)
{
    constexpr double kSameWithin = 0.02;
    const FontSpec probe{100, false};
    const std::string sample = "Layrail";
    double onPage = 0.0;
    double onBitmap = 0.0;
    {
        WxDrawTarget target(page);
        onPage = target.textExtent(sample, probe).height;
    }
    {
        wxBitmap bitmap(8, 8, 24);
        wxMemoryDC memory(bitmap);
        WxDrawTarget target(memory);
        onBitmap = target.textExtent(sample, probe).height;
    }
    if (!(onPage > 0.0) || !(onBitmap > 0.0))
        return 1.0;
    const double scale = onBitmap / onPage;
    return std::fabs(scale - 1.0) < kSameWithin ? 1.0 : scale;
}

// The luminance of every pixel of the first rows (0.299 red, 0.587 green, 0.114 blue), in place.
void turnGrey(wxBitmap& bitmap, int rows)
{
    wxNativePixelData data(bitmap);
    if (!data)
        throw std::runtime_error("no pixels of the greyscale band");
    wxNativePixelData::Iterator row(data);
    for (int y = 0; y < rows; ++y) {
        wxNativePixelData::Iterator p = row;
        for (int x = 0; x < bitmap.GetWidth(); ++x, ++p) {
            const unsigned grey = (p.Red() * 299u + p.Green() * 587u + p.Blue() * 114u + 500u) / 1000u;
            p.Red() = p.Green() = p.Blue() = static_cast<unsigned char>(grey);
        }
        row.OffsetY(data, 1);
    }
}

} // namespace

LayoutPrintout::LayoutPrintout(const Layout& layout, const PrintOptions& options, const wxString& title)
    : wxPrintout(title), layout_(layout), options_(options)
{
}

void LayoutPrintout::OnPreparePrinting()
{
    extent_ = printExtent(layout_, options_);
    int width = 0;
    int height = 0;
    GetPageSizePixels(&width, &height);
    int dpiX = 0;
    int dpiY = 0;
    GetPPIPrinter(&dpiX, &dpiY);
    pagination_ = paginate(extent_, options_, width, height, dpiX);
}

void LayoutPrintout::paginateForPage()
{
    int width = 0;
    int height = 0;
    GetPageSizePixels(&width, &height);
    if (width != pagination_.pageWidth || height != pagination_.pageHeight)
        OnPreparePrinting();
}

bool LayoutPrintout::HasPage(int page) { return pagination_.hasPage(page); }

void LayoutPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo)
{
    const int pages = std::max(1, pagination_.pageCount());
    *minPage = 1;
    *maxPage = pages;
    *pageFrom = 1;
    *pageTo = pages;
}

bool LayoutPrintout::OnPrintPage(int page)
{
    wxDC* dc = GetDC();
    if (dc == nullptr)
        return false;
    // A failure ends the printout; nothing may leave the printing system's loop.
    try {
        paginateForPage();
        if (!pagination_.hasPage(page) || pagination_.pageWidth <= 0 || pagination_.pageHeight <= 0)
            return false;
        FitThisSizeToPage(wxSize(pagination_.pageWidth, pagination_.pageHeight));
        if (options_.colour == PrintColour::Greyscale)
            drawGreyscale(*dc, page);
        else
            drawColour(*dc, page);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

double LayoutPrintout::lineScale() const
{
    int printerX = 0;
    int printerY = 0;
    int screenX = 0;
    int screenY = 0;
    GetPPIPrinter(&printerX, &printerY);
    GetPPIScreen(&screenX, &screenY);
    if (printerX <= 0 || screenX <= 0)
        return 1.0;
    // Whole printer pixels: pens of whole widths take the renderer's fast paths.
    return std::max(1.0, std::round(static_cast<double>(printerX) / screenX));
}

void LayoutPrintout::drawColour(wxDC& dc, int page)
{
    const double textScale = pageTextScale(dc);
    WxDrawTarget target(dc);
    drawPage(PageDrawing{layout_, extent_, pagination_, options_, lineScale(), textScale}, target, page);
}

// Drawn into bitmaps in colour at the device's own resolution, turned grey and laid onto the page,
// in bands, so that a page at any resolution needs only a few megapixels at a time.
void LayoutPrintout::drawGreyscale(wxDC& dc, int page)
{
    std::unique_ptr<wxGraphicsContext> owned;
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (gc == nullptr) {
        owned.reset(wxGraphicsContext::CreateFromUnknownDC(dc));
        gc = owned.get();
    }
    if (gc == nullptr)
        throw std::runtime_error("no graphics context on the page");

    double scaleX = 1.0;
    double scaleY = 1.0;
    dc.GetUserScale(&scaleX, &scaleY);
    PageDrawing drawing{layout_, extent_, pagination_, options_, lineScale(), 1.0, std::min(scaleX, scaleY)};
    if (!(drawing.resolution > 0.0) || !std::isfinite(drawing.resolution))
        drawing.resolution = 1.0;
    const int width = drawing.targetWidth();
    const int height = drawing.targetHeight();
    const int rows = std::min(bandRows(width), height);
    wxBitmap band(width, rows, 24);
    if (!band.IsOk())
        throw std::runtime_error("no bitmap for the greyscale page");
    for (int top = 0; top < height; top += rows) {
        const int bandHeight = std::min(rows, height - top);
        {
            wxMemoryDC memory(band);
            WxDrawTarget target(memory);
            drawPageBand(drawing, target, page, top, bandHeight);
        }
        turnGrey(band, bandHeight);
        const wxBitmap drawn = bandHeight < rows ? band.GetSubBitmap(wxRect(0, 0, width, bandHeight)) : band;
        gc->DrawBitmap(drawn, 0.0, top / drawing.resolution, width / drawing.resolution,
                       bandHeight / drawing.resolution);
    }
}

} // namespace layrail
