#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "render/DrawTarget.h"
#include "render/RenderColours.h"

namespace layrail::testing {

// A drawing target that keeps every drawing call with the pen and brush in force at the time.
class RecordingTarget : public DrawTarget {
public:
    enum class Kind { Clear, Polygon, Polyline, Line, Ellipse, RoundedRectangle, Text, TextWithBackground };

    struct Pen {
        bool set = false;
        Colour colour;
        double width = 0.0;
        PenStyle style = PenStyle::Solid;
    };
    struct Brush {
        bool set = false;
        Colour colour;
    };
    struct Call {
        Kind kind = Kind::Clear;
        Pen pen;
        Brush brush;
        std::vector<PixelPoint> points;  // polygon and line points; ellipse centre; box and text corner
        double radiusX = 0.0, radiusY = 0.0;      // ellipses
        double width = 0.0, height = 0.0, radius = 0.0;  // rounded rectangles
        std::string text;
        FontSpec font;
        Colour colour;      // text colour, or the clear colour
        Colour background;  // text background
        double angle = 0.0;
    };

    std::vector<Call> calls;

    void setPen(Colour colour, double width, PenStyle style) override { pen_ = Pen{true, colour, width, style}; }
    void setNoPen() override { pen_ = Pen{}; }
    void setBrush(Colour colour) override { brush_ = Brush{true, colour}; }
    void setNoBrush() override { brush_ = Brush{}; }

    void clear(Colour colour) override
    {
        Call& c = add(Kind::Clear);
        c.colour = colour;
    }
    void polygon(const std::vector<PixelPoint>& points) override { add(Kind::Polygon).points = points; }
    void polyline(const std::vector<PixelPoint>& points) override { add(Kind::Polyline).points = points; }
    void line(PixelPoint from, PixelPoint to) override { add(Kind::Line).points = {from, to}; }
    void ellipse(PixelPoint centre, double radiusX, double radiusY) override
    {
        Call& c = add(Kind::Ellipse);
        c.points = {centre};
        c.radiusX = radiusX;
        c.radiusY = radiusY;
    }
    void roundedRectangle(double x, double y, double width, double height, double radius) override
    {
        Call& c = add(Kind::RoundedRectangle);
        c.points = {PixelPoint{x, y}};
        c.width = width;
        c.height = height;
        c.radius = radius;
    }
    void text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
              double angle) override
    {
        Call& c = add(Kind::Text);
        c.points = {PixelPoint{x, y}};
        c.text = utf8;
        c.font = font;
        c.colour = colour;
        c.angle = angle;
    }
    void textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                            Colour background) override
    {
        Call& c = add(Kind::TextWithBackground);
        c.points = {PixelPoint{x, y}};
        c.text = utf8;
        c.font = font;
        c.colour = colour;
        c.background = background;
    }
    // A fixed-pitch guess: 0.6 of the size per character, 1.2 of the size high.
    TextExtent textExtent(const std::string& utf8, const FontSpec& font) override
    {
        return TextExtent{0.6 * font.size * utf8.size(), 1.2 * font.size};
    }

    std::vector<const Call*> where(const std::function<bool(const Call&)>& test) const
    {
        std::vector<const Call*> out;
        for (const Call& c : calls)
            if (test(c))
                out.push_back(&c);
        return out;
    }
    std::vector<const Call*> ofKind(Kind kind) const
    {
        return where([kind](const Call& c) { return c.kind == kind; });
    }
    // Polygons filled with the colour.
    std::vector<const Call*> filled(Colour colour) const
    {
        return where([colour](const Call& c) {
            return c.kind == Kind::Polygon && c.brush.set && c.brush.colour == colour;
        });
    }
    const Call* firstText(const std::string& text) const
    {
        auto it = std::find_if(calls.begin(), calls.end(), [&](const Call& c) {
            return (c.kind == Kind::Text || c.kind == Kind::TextWithBackground) && c.text == text;
        });
        return it == calls.end() ? nullptr : &*it;
    }
    // Position of the first call matching the test, or -1.
    int indexOf(const std::function<bool(const Call&)>& test) const
    {
        for (size_t i = 0; i < calls.size(); ++i)
            if (test(calls[i]))
                return static_cast<int>(i);
        return -1;
    }

private:
    Call& add(Kind kind)
    {
        calls.emplace_back();
        Call& c = calls.back();
        c.kind = kind;
        c.pen = pen_;
        c.brush = brush_;
        return c;
    }

    Pen pen_;
    Brush brush_;
};

} // namespace layrail::testing
