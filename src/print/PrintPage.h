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

// A target that hands everything on, with font sizes multiplied (at least 1 point).
class TextScaledTarget : public DrawTarget {
public:
    TextScaledTarget(DrawTarget& target, double scale) : target_(target), scale_(scale) {}

    void setPen(Colour colour, double width, PenStyle style = PenStyle::Solid) override
    {
        target_.setPen(colour, width, style);
    }
    void setNoPen() override { target_.setNoPen(); }
    void setBrush(Colour colour) override { target_.setBrush(colour); }
    void setNoBrush() override { target_.setNoBrush(); }
    void clear(Colour colour) override { target_.clear(colour); }
    void polygon(const std::vector<PixelPoint>& points) override { target_.polygon(points); }
    void line(PixelPoint from, PixelPoint to) override { target_.line(from, to); }
    void polyline(const std::vector<PixelPoint>& points) override { target_.polyline(points); }
    void ellipse(PixelPoint centre, double radiusX, double radiusY) override
    {
        target_.ellipse(centre, radiusX, radiusY);
    }
    void roundedRectangle(double x, double y, double width, double height, double radius) override
    {
        target_.roundedRectangle(x, y, width, height, radius);
    }
    void text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
              double angle) override
    {
        target_.text(utf8, x, y, scaled(font), colour, angle);
    }
    void textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                            Colour background) override
    {
        target_.textWithBackground(utf8, x, y, scaled(font), colour, background);
    }
    TextExtent textExtent(const std::string& utf8, const FontSpec& font) override
    {
        return target_.textExtent(utf8, scaled(font));
    }

    FontSpec scaled(const FontSpec& font) const;

private:
    DrawTarget& target_;
    double scale_;
};

} // namespace layrail
