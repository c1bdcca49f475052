#include "canvas/tools/ToolFeedback.h"

namespace layrail {

namespace {

constexpr FontSpec kReadoutFont{10, false};
constexpr double kPadWidth = 8.0;
constexpr double kPadHeight = 4.0;

} // namespace

TextExtent readoutBoxSize(DrawTarget& target, const std::string& text)
{
    const TextExtent extent = target.textExtent(text, kReadoutFont);
    return TextExtent{extent.width + kPadWidth, extent.height + kPadHeight};
}

void drawReadout(DrawTarget& target, const std::string& text, double left, double top, const ReadoutStyle& style)
{
    const TextExtent box = readoutBoxSize(target, text);
    target.setPen(style.pen, 1);
    target.setBrush(style.fill);
    target.roundedRectangle(left, top, box.width, box.height, 3.0);
    target.text(text, left + kPadWidth / 2.0, top + kPadHeight / 2.0, kReadoutFont, style.text);
}

void drawDot(DrawTarget& target, PixelPoint centre, double radius) { target.ellipse(centre, radius, radius); }

} // namespace layrail
