#pragma once

#include <string>

#include "render/DrawTarget.h"

typedef struct _cairo cairo_t;

namespace layrail {

// Draws the plan into a cairo context: lines, shapes and texts stay paths and glyphs, so a PDF or
// an SVG keeps them as vectors. Coordinates are the context's user units; font sizes are points
// of a 96-dpi screen (4/3 of a unit), the way the plan's fonts look on screen. In greyscale every
// colour becomes its luminance, so vector files turn grey without becoming pictures.
class CairoTarget : public DrawTarget {
public:
    CairoTarget(cairo_t* cr, bool greyscale);
    CairoTarget(const CairoTarget&) = delete;
    CairoTarget& operator=(const CairoTarget&) = delete;

    void setPen(Colour colour, double width, PenStyle style = PenStyle::Solid) override;
    void setNoPen() override;
    void setBrush(Colour colour) override;
    void setNoBrush() override;

    void clear(Colour colour) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void polyline(const std::vector<PixelPoint>& points) override;
    void line(PixelPoint from, PixelPoint to) override;
    void ellipse(PixelPoint centre, double radiusX, double radiusY) override;
    void roundedRectangle(double x, double y, double width, double height, double radius) override;
    void text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
              double angle = 0.0) override;
    void textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                            Colour background) override;
    TextExtent textExtent(const std::string& utf8, const FontSpec& font) override;

private:
    void source(Colour colour);
    void fillAndStroke();
    void stroke();
    void selectFont(const FontSpec& font);

    cairo_t* cr_;
    bool greyscale_;
    bool hasPen_ = false;
    bool hasBrush_ = false;
    Colour pen_;
    double penWidth_ = 1.0;
    PenStyle penStyle_ = PenStyle::Solid;
    Colour brush_;
    int fontKey_ = -1;
};

// What a colour becomes in greyscale: its luminance in all three channels, alpha kept.
Colour greyOf(Colour colour);

} // namespace layrail
