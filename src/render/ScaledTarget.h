#pragma once

#include <string>
#include <vector>

#include "render/DrawTarget.h"

namespace layrail {

// Hands every call on to another target with pen widths and font sizes multiplied: the same drawing
// for a target of finer pixels (a printer's), or of fewer pixels per point than the paper. A scaled
// font keeps at least 1 point; a font scale of 1 passes the fonts on untouched.
class ScaledTarget : public DrawTarget {
public:
    ScaledTarget(DrawTarget& target, double penScale, double fontScale)
        : target_(target), penScale_(penScale), fontScale_(fontScale)
    {
    }

    void setPen(Colour colour, double width, PenStyle style = PenStyle::Solid) override
    {
        target_.setPen(colour, width * penScale_, style);
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
    double penScale_;
    double fontScale_;
};

} // namespace layrail
