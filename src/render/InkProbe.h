#pragma once

#include <string>
#include <vector>

#include "render/DrawTarget.h"

namespace layrail {

// A drawing target that only notes whether anything visible was drawn inside a rectangle of the
// target. It errs on the side of ink: a shape counts when its bounding box, widened by the pen,
// reaches the rectangle, and text is measured generously. Clearing the target is not ink.
class InkProbe : public DrawTarget {
public:
    InkProbe(double left, double top, double right, double bottom);

    bool inked() const { return inked_; }

    void setPen(Colour colour, double width, PenStyle style = PenStyle::Solid) override;
    void setNoPen() override;
    void setBrush(Colour colour) override;
    void setNoBrush() override;

    void clear(Colour colour) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void line(PixelPoint from, PixelPoint to) override;
    void polyline(const std::vector<PixelPoint>& points) override;
    void ellipse(PixelPoint centre, double radiusX, double radiusY) override;
    void roundedRectangle(double x, double y, double width, double height, double radius) override;
    void text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
              double angle = 0.0) override;
    void textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                            Colour background) override;
    TextExtent textExtent(const std::string& utf8, const FontSpec& font) override;

private:
    void box(double minX, double minY, double maxX, double maxY, bool filled);
    void points(const std::vector<PixelPoint>& points, bool filled);

    double left_, top_, right_, bottom_;
    bool pen_ = true;
    double penWidth_ = 1.0;
    bool brush_ = false;
    bool inked_ = false;
};

} // namespace layrail
