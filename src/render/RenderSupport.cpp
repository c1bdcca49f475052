#include "render/RenderSupport.h"

namespace layrail {

RenderScratch& renderScratch()
{
    thread_local RenderScratch scratch;
    return scratch;
}

void drawCentredText(DrawTarget& target, const std::string& text, double cx, double cy, const FontSpec& font,
                     Colour colour)
{
    TextExtent extent = target.textExtent(text, font);
    target.text(text, cx - extent.width / 2.0, cy - extent.height / 2.0, font, colour);
}

void drawRotatedCentredText(DrawTarget& target, const std::string& text, double cx, double cy,
                            const FontSpec& font, Colour colour, double angle)
{
    TextExtent extent = target.textExtent(text, font);
    // The top-left corner sits half the extent back from the centre, in the text's own turned frame.
    double a = degToRad(angle);
    double dx = -extent.width / 2.0;
    double dy = -extent.height / 2.0;
    double x = cx + dx * std::cos(a) + dy * std::sin(a);
    double y = cy - dx * std::sin(a) + dy * std::cos(a);
    target.text(text, x, y, font, colour, angle);
}

void drawTextOnBox(DrawTarget& target, const std::string& text, double cx, double cy, const FontSpec& font,
                   Colour textColour, Colour boxFill, Colour boxPen, double padWidth, double padHeight)
{
    TextExtent extent = target.textExtent(text, font);
    double w = extent.width + padWidth;
    double h = extent.height + padHeight;
    target.setPen(boxPen, 1);
    target.setBrush(boxFill);
    target.roundedRectangle(cx - w / 2.0, cy - h / 2.0, w, h, 3.0);
    target.text(text, cx - extent.width / 2.0, cy - extent.height / 2.0, font, textColour);
}

} // namespace layrail
