#include "render/InkProbe.h"

#include <algorithm>
#include <cmath>

namespace layrail {

namespace {

// Wider and taller than any font the renderer uses draws its letters; rotated text is measured
// by its longer side both ways.
constexpr double kGlyphWidth = 1.0;  // of the font size
constexpr double kLineHeight = 2.0;

} // namespace

InkProbe::InkProbe(double left, double top, double right, double bottom)
    : left_(left), top_(top), right_(right), bottom_(bottom)
{
}

void InkProbe::setPen(Colour colour, double width, PenStyle)
{
    pen_ = colour.a > 0;
    penWidth_ = std::max(1.0, width);
}

void InkProbe::setNoPen() { pen_ = false; }

void InkProbe::setBrush(Colour colour) { brush_ = colour.a > 0; }

void InkProbe::setNoBrush() { brush_ = false; }

void InkProbe::clear(Colour) {}

void InkProbe::box(double minX, double minY, double maxX, double maxY, bool filled)
{
    if (!pen_ && !filled)
        return;
    const double reach = pen_ ? penWidth_ / 2.0 : 0.0;
    if (maxX + reach >= left_ && minX - reach <= right_ && maxY + reach >= top_ && minY - reach <= bottom_)
        inked_ = true;
}

void InkProbe::points(const std::vector<PixelPoint>& points, bool filled)
{
    if (points.empty())
        return;
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (const PixelPoint& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    box(minX, minY, maxX, maxY, filled);
}

void InkProbe::polygon(const std::vector<PixelPoint>& points) { this->points(points, brush_); }

void InkProbe::line(PixelPoint from, PixelPoint to) { points({from, to}, false); }

void InkProbe::polyline(const std::vector<PixelPoint>& points) { this->points(points, false); }

void InkProbe::ellipse(PixelPoint centre, double radiusX, double radiusY)
{
    box(centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY, brush_);
}

void InkProbe::roundedRectangle(double x, double y, double width, double height, double)
{
    box(x, y, x + width, y + height, brush_);
}

void InkProbe::text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour, double angle)
{
    if (utf8.empty() || colour.a == 0)
        return;
    const TextExtent extent = textExtent(utf8, font);
    if (angle == 0.0) {
        inked_ = inked_ || (x + extent.width >= left_ && x <= right_ && y + extent.height >= top_ && y <= bottom_);
        return;
    }
    const double reach = std::max(extent.width, extent.height);
    inked_ = inked_ || (x + reach >= left_ && x - reach <= right_ && y + reach >= top_ && y - reach <= bottom_);
}

void InkProbe::textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                                  Colour)
{
    text(utf8, x, y, font, colour);
}

TextExtent InkProbe::textExtent(const std::string& utf8, const FontSpec& font)
{
    size_t longest = 0, lines = 1, length = 0;
    for (char c : utf8) {
        if (c == '\n') {
            ++lines;
            length = 0;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            longest = std::max(longest, ++length);
        }
    }
    return TextExtent{kGlyphWidth * font.size * longest, kLineHeight * font.size * lines};
}

} // namespace layrail
