#include "export/CairoTarget.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include <cairo.h>

#include "catalog/Geometry.h"

namespace layrail {

namespace {

constexpr double kUnitsPerPoint = 96.0 / 72.0;

std::vector<std::string> textLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    if (!text.empty() && text.back() == '\n')
        lines.emplace_back();
    return lines;
}

} // namespace

Colour greyOf(Colour colour)
{
    const double luminance = 0.299 * colour.r + 0.587 * colour.g + 0.114 * colour.b;
    const auto grey = static_cast<std::uint8_t>(std::clamp(std::lround(luminance), 0L, 255L));
    return Colour{grey, grey, grey, colour.a};
}

CairoTarget::CairoTarget(cairo_t* cr, bool greyscale) : cr_(cr), greyscale_(greyscale)
{
    // The plan's pens on screen have round ends and corners.
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
}

void CairoTarget::source(Colour colour)
{
    const Colour c = greyscale_ ? greyOf(colour) : colour;
    cairo_set_source_rgba(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

void CairoTarget::setPen(Colour colour, double width, PenStyle style)
{
    hasPen_ = true;
    pen_ = colour;
    // A pen of no width is the thinnest line the target draws, as on screen.
    penWidth_ = width > 0.0 ? width : 1.0;
    penStyle_ = style;
}

void CairoTarget::setNoPen() { hasPen_ = false; }

void CairoTarget::setBrush(Colour colour)
{
    hasBrush_ = true;
    brush_ = colour;
}

void CairoTarget::setNoBrush() { hasBrush_ = false; }

void CairoTarget::clear(Colour colour)
{
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    source(colour);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void CairoTarget::stroke()
{
    source(pen_);
    cairo_set_line_width(cr_, penWidth_);
    switch (penStyle_) {
    case PenStyle::Dotted: {
        const double dashes[] = {penWidth_, 2.0 * penWidth_};
        cairo_set_dash(cr_, dashes, 2, 0.0);
        break;
    }
    case PenStyle::LongDash: {
        const double dashes[] = {8.0 * penWidth_, 4.0 * penWidth_};
        cairo_set_dash(cr_, dashes, 2, 0.0);
        break;
    }
    default:
        cairo_set_dash(cr_, nullptr, 0, 0.0);
        break;
    }
    cairo_stroke(cr_);
}

void CairoTarget::fillAndStroke()
{
    if (hasBrush_) {
        source(brush_);
        if (hasPen_)
            cairo_fill_preserve(cr_);
        else
            cairo_fill(cr_);
    }
    if (hasPen_)
        stroke();
    cairo_new_path(cr_);
}

void CairoTarget::polygon(const std::vector<PixelPoint>& points)
{
    if (points.size() < 2 || (!hasPen_ && !hasBrush_))
        return;
    cairo_move_to(cr_, points.front().x, points.front().y);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr_, points[i].x, points[i].y);
    cairo_close_path(cr_);
    fillAndStroke();
}

void CairoTarget::polyline(const std::vector<PixelPoint>& points)
{
    if (points.size() < 2 || !hasPen_)
        return;
    cairo_move_to(cr_, points.front().x, points.front().y);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr_, points[i].x, points[i].y);
    stroke();
}

void CairoTarget::line(PixelPoint from, PixelPoint to)
{
    if (!hasPen_)
        return;
    cairo_move_to(cr_, from.x, from.y);
    cairo_line_to(cr_, to.x, to.y);
    stroke();
}

void CairoTarget::ellipse(PixelPoint centre, double radiusX, double radiusY)
{
    if ((!hasPen_ && !hasBrush_) || radiusX <= 0.0 || radiusY <= 0.0)
        return;
    // A solid ring around an opaque disc is two filled discs, which cairo draws far faster than a
    // stroke; a plan's join dots come by the ten thousand.
    const double half = penWidth_ / 2.0;
    if (hasPen_ && hasBrush_ && penStyle_ == PenStyle::Solid && radiusX == radiusY && brush_.a == 255 &&
        radiusX > half) {
        source(pen_);
        cairo_new_path(cr_);
        cairo_arc(cr_, centre.x, centre.y, radiusX + half, 0.0, 2.0 * kPi);
        cairo_fill(cr_);
        source(brush_);
        cairo_arc(cr_, centre.x, centre.y, radiusX - half, 0.0, 2.0 * kPi);
        cairo_fill(cr_);
        return;
    }
    cairo_save(cr_);
    cairo_translate(cr_, centre.x, centre.y);
    cairo_scale(cr_, radiusX, radiusY);
    cairo_new_path(cr_);
    cairo_arc(cr_, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
    cairo_close_path(cr_);
    cairo_restore(cr_);
    fillAndStroke();
}

void CairoTarget::roundedRectangle(double x, double y, double width, double height, double radius)
{
    if (!hasPen_ && !hasBrush_)
        return;
    const double r = std::clamp(radius, 0.0, std::min(width, height) / 2.0);
    cairo_new_path(cr_);
    cairo_arc(cr_, x + width - r, y + r, r, -kPi / 2.0, 0.0);
    cairo_arc(cr_, x + width - r, y + height - r, r, 0.0, kPi / 2.0);
    cairo_arc(cr_, x + r, y + height - r, r, kPi / 2.0, kPi);
    cairo_arc(cr_, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr_);
    fillAndStroke();
}

void CairoTarget::selectFont(const FontSpec& font)
{
    const int size = std::max(font.size, 1);
    const int key = size * 2 + (font.bold ? 1 : 0);
    if (key == fontKey_)
        return;
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size * kUnitsPerPoint);
    fontKey_ = key;
}

void CairoTarget::text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour, double angle)
{
    if (utf8.empty())
        return;
    selectFont(font);
    cairo_font_extents_t metrics;
    cairo_font_extents(cr_, &metrics);
    const double lineHeight = metrics.ascent + metrics.descent;
    source(colour);
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    // Screen angles turn counter-clockwise; with y pointing down that is a negative rotation.
    cairo_rotate(cr_, -angle * kPi / 180.0);
    double offset = metrics.ascent;
    for (const std::string& line : textLines(utf8)) {
        if (!line.empty()) {
            cairo_move_to(cr_, 0.0, offset);
            cairo_show_text(cr_, line.c_str());
        }
        offset += lineHeight;
    }
    cairo_restore(cr_);
    cairo_new_path(cr_);
}

void CairoTarget::textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                                     Colour background)
{
    if (utf8.empty())
        return;
    const TextExtent extent = textExtent(utf8, font);
    source(background);
    cairo_rectangle(cr_, x, y, extent.width, extent.height);
    cairo_fill(cr_);
    text(utf8, x, y, font, colour);
}

TextExtent CairoTarget::textExtent(const std::string& utf8, const FontSpec& font)
{
    if (utf8.empty())
        return TextExtent{};
    selectFont(font);
    cairo_font_extents_t metrics;
    cairo_font_extents(cr_, &metrics);
    TextExtent extent;
    for (const std::string& line : textLines(utf8)) {
        cairo_text_extents_t size;
        cairo_text_extents(cr_, line.empty() ? " " : line.c_str(), &size);
        extent.width = std::max(extent.width, size.x_advance);
        extent.height += metrics.ascent + metrics.descent;
    }
    return extent;
}

} // namespace layrail
