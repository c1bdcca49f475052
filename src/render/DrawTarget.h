#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace layrail {

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

enum class PenStyle { Solid, Dotted, LongDash };

// Screen coordinates in pixels.
struct PixelPoint {
    double x = 0.0;
    double y = 0.0;
};

struct FontSpec {
    int size = 10;      // points
    bool bold = false;
};

struct TextExtent {
    double width = 0.0;
    double height = 0.0;
};

// What the plan renderer draws through: the canvas, the printer, image export
// and the recording target of the tests all implement it.
class DrawTarget {
public:
    virtual ~DrawTarget() = default;

    // Width in target pixels; whole widths on screen, any width on paper and in vector files.
    virtual void setPen(Colour colour, double width, PenStyle style = PenStyle::Solid) = 0;
    virtual void setNoPen() = 0;
    virtual void setBrush(Colour colour) = 0;
    virtual void setNoBrush() = 0;

    virtual void clear(Colour colour) = 0;
    virtual void polygon(const std::vector<PixelPoint>& points) = 0;
    virtual void line(PixelPoint from, PixelPoint to) = 0;
    // An open path; targets with a native call override the segment-by-segment fallback.
    virtual void polyline(const std::vector<PixelPoint>& points)
    {
        for (size_t i = 1; i < points.size(); ++i)
            line(points[i - 1], points[i]);
    }
    virtual void ellipse(PixelPoint centre, double radiusX, double radiusY) = 0;
    virtual void roundedRectangle(double x, double y, double width, double height, double radius) = 0;

    // Text is UTF-8; (x, y) is the top-left corner; angle in degrees, counter-clockwise on screen.
    virtual void text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                      double angle = 0.0) = 0;
    // Opaque text on a background box of the text's extent.
    virtual void textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font,
                                    Colour colour, Colour background) = 0;
    virtual TextExtent textExtent(const std::string& utf8, const FontSpec& font) = 0;
};

} // namespace layrail
