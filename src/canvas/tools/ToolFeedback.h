#pragma once

#include <string>

#include "render/DrawTarget.h"

namespace layrail {

// A length read-out of the drawing tools: the text on a rounded box (radius 3) whose top-left
// corner is given; the box is the text extent plus 8 by 4 pixels.
struct ReadoutStyle {
    Colour text;
    Colour fill;
    Colour pen;
};

// The box's size for the text in the tools' font (size 10).
TextExtent readoutBoxSize(DrawTarget& target, const std::string& text);
void drawReadout(DrawTarget& target, const std::string& text, double left, double top, const ReadoutStyle& style);

// A filled circle of a radius in pixels around a screen point.
void drawDot(DrawTarget& target, PixelPoint centre, double radius);

} // namespace layrail
