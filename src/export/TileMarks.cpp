#include "export/TileMarks.h"

#include "render/RenderColours.h"
#include "render/RenderSupport.h"

namespace layrail {

namespace {

constexpr Colour kCropMark = rgb(90, 90, 90);
constexpr Colour kOverlapMark = rgb(200, 60, 60);
constexpr Colour kCaption = rgb(60, 60, 60);
constexpr double kMarkPen = 0.75;
constexpr double kCropGapMm = 1.0;
constexpr double kCropLengthMm = 4.0;
constexpr double kCrossArmMm = 3.0;
constexpr FontSpec kCaptionFont{7, false};
// Captions start and end clear of the corner marks.
constexpr double kCaptionIndentMm = 8.0;

void cross(DrawTarget& target, double x, double y)
{
    const double arm = kCrossArmMm * kUnitsPerMm;
    target.line({x - arm, y}, {x + arm, y});
    target.line({x, y - arm}, {x, y + arm});
}

} // namespace

std::string tileCaption(const ExportPage& page, int scaleDenominator)
{
    const TilePosition& t = page.tile;
    return "Page " + std::to_string(t.number) + " of " + std::to_string(t.count) +
           " (row " + std::to_string(t.row + 1) + ", column " + std::to_string(t.column + 1) +
           ") - scale 1:" + std::to_string(scaleDenominator) +
           " - trim, then lay on the dashed line of the next sheet, crosses on crosses";
}

void drawTileMarks(DrawTarget& target, const ExportPage& page, int scaleDenominator)
{
    const TilePosition& t = page.tile;
    const double x0 = page.margin, y0 = page.margin;
    const double x1 = page.width - page.margin, y1 = page.height - page.margin;
    const double gap = kCropGapMm * kUnitsPerMm, length = kCropLengthMm * kUnitsPerMm;

    target.setNoBrush();
    target.setPen(kCropMark, kMarkPen);
    for (double x : {x0, x1}) {
        for (double y : {y0, y1}) {
            const double outX = x == x0 ? -1.0 : 1.0, outY = y == y0 ? -1.0 : 1.0;
            target.line({x + outX * gap, y}, {x + outX * (gap + length), y});
            target.line({x, y + outY * gap}, {x, y + outY * (gap + length)});
        }
    }

    const double o = page.overlap;
    const double quarterX = (x1 - x0) / 4.0, quarterY = (y1 - y0) / 4.0;
    target.setPen(kOverlapMark, kMarkPen, PenStyle::LongDash);
    if (t.left != 0)
        target.line({x0 + o, y0}, {x0 + o, y1});
    if (t.right != 0)
        target.line({x1 - o, y0}, {x1 - o, y1});
    if (t.above != 0)
        target.line({x0, y0 + o}, {x1, y0 + o});
    if (t.below != 0)
        target.line({x0, y1 - o}, {x1, y1 - o});
    target.setPen(kOverlapMark, kMarkPen);
    for (double y : {y0 + quarterY, y1 - quarterY}) {
        if (t.left != 0)
            cross(target, x0 + o / 2.0, y);
        if (t.right != 0)
            cross(target, x1 - o / 2.0, y);
    }
    for (double x : {x0 + quarterX, x1 - quarterX}) {
        if (t.above != 0)
            cross(target, x, y0 + o / 2.0);
        if (t.below != 0)
            cross(target, x, y1 - o / 2.0);
    }

    const double middleX = (x0 + x1) / 2.0, middleY = (y0 + y1) / 2.0, inMargin = page.margin / 2.0;
    auto neighbour = [](int number) { return "page " + std::to_string(number); };
    if (t.above != 0)
        drawCentredText(target, neighbour(t.above), middleX, inMargin, kCaptionFont, kCaption);
    if (t.left != 0)
        drawRotatedCentredText(target, neighbour(t.left), inMargin, middleY, kCaptionFont, kCaption, 90.0);
    if (t.right != 0)
        drawRotatedCentredText(target, neighbour(t.right), page.width - inMargin, middleY, kCaptionFont, kCaption,
                               270.0);
    const TextExtent caption = target.textExtent(tileCaption(page, scaleDenominator), kCaptionFont);
    const double captionY = y1 + (page.margin - caption.height) / 2.0;
    const double indent = kCaptionIndentMm * kUnitsPerMm;
    target.text(tileCaption(page, scaleDenominator), x0 + indent, captionY, kCaptionFont, kCaption);
    if (t.below != 0) {
        const std::string below = neighbour(t.below);
        const TextExtent extent = target.textExtent(below, kCaptionFont);
        target.text(below, x1 - indent - extent.width, captionY, kCaptionFont, kCaption);
    }
}

} // namespace layrail
