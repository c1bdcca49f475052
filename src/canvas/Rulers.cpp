#include <cmath>
#include <cstdio>
#include <vector>

#include "canvas/RulerTicks.h"
#include "canvas/Rulers.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"

namespace layrail {

namespace {

constexpr int kStrip = 20;
constexpr int kTickLength = 6;
constexpr int kFirstTick = 19;
constexpr Colour kStripFill = rgb(240, 240, 240);
constexpr Colour kStripBorder = rgb(180, 180, 180);
constexpr Colour kTickPen = rgb(140, 140, 140);
constexpr Colour kTickText = rgb(80, 80, 80);
constexpr Colour kOriginMark = rgb(200, 80, 80);
constexpr int kTickFont = 7;

const std::vector<double>& tickSteps(LengthUnit unit)
{
    static const std::vector<double> inches{0.25, 0.5, 1, 2, 3, 6, 12, 24, 48, 96, 192};
    static const std::vector<double> centimetres{0.5, 1, 2, 5, 10, 20, 50, 100, 200};
    static const std::vector<double> millimetres{1, 2, 5, 10, 20, 50, 100, 200, 500};
    switch (unit) {
    case LengthUnit::Inches:
        return inches;
    case LengthUnit::Centimetres:
        return centimetres;
    default:
        return millimetres;
    }
}

void strip(DrawTarget& target, double x, double y, double w, double h)
{
    target.polygon({PixelPoint{x, y}, PixelPoint{x + w, y}, PixelPoint{x + w, y + h}, PixelPoint{x, y + h}});
}

} // namespace

double unitFactor(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Inches:
        return 25.4;
    case LengthUnit::Centimetres:
        return 10.0;
    default:
        return 1.0;
    }
}

double rulerTickStep(LengthUnit unit, double zoom)
{
    const std::vector<double>& steps = tickSteps(unit);
    double least = 60.0 / (unitFactor(unit) * zoom);
    for (double g : steps)
        if (g >= least)
            return g;
    return steps.back();
}

std::string rulerLabel(LengthUnit unit, double value)
{
    // Ticks lie on quarter inches and half centimetres at the finest steps: a label carries as many
    // decimals as its value needs, so neighbouring ticks never read alike.
    const double quarters = std::round(value * 4.0) / 4.0;
    const double shown = unit == LengthUnit::Inches ? quarters : value;
    int decimals = 0;
    if (shown != std::round(shown))
        decimals = shown * 2.0 == std::round(shown * 2.0) ? 1 : 2;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f%s", decimals, shown + 0.0, unit == LengthUnit::Inches ? "\"" : "");
    return buffer;
}

std::vector<RulerTick> rulerTicks(LengthUnit unit, double zoom, double pan, int extent)
{
    std::vector<RulerTick> ticks;
    double factor = unitFactor(unit);
    double step = rulerTickStep(unit, zoom);
    // Counting in whole steps keeps the values exact however far the view is panned.
    double first = std::floor((-pan / (zoom * factor)) / step);
    for (double k = first;; k += 1.0) {
        double value = k * step;
        double position = zoom * (value * factor) + pan;
        if (position >= extent)
            break;
        if (position > kFirstTick)
            ticks.push_back(RulerTick{static_cast<int>(position), value == 0.0 ? 0.0 : value});
    }
    return ticks;
}

void drawRulers(DrawTarget& target, const CanvasView& view, LengthUnit unit, int width, int height)
{
    target.setPen(kStripBorder, 1);
    target.setBrush(kStripFill);
    strip(target, 0, 0, width, kStrip);
    strip(target, 0, 0, kStrip, height);

    FontSpec font{kTickFont, false};
    target.setPen(kTickPen, 1);
    for (const RulerTick& tick : rulerTicks(unit, view.zoom, view.panX, width)) {
        target.line(PixelPoint{double(tick.position), double(kStrip - kTickLength)},
                    PixelPoint{double(tick.position), double(kStrip)});
        target.text(rulerLabel(unit, tick.value), tick.position + 2, 2, font, kTickText);
    }
    for (const RulerTick& tick : rulerTicks(unit, view.zoom, view.panY, height)) {
        target.line(PixelPoint{double(kStrip - kTickLength), double(tick.position)},
                    PixelPoint{double(kStrip), double(tick.position)});
        target.text(rulerLabel(unit, tick.value), 1, tick.position + 1, font, kTickText);
    }

    target.setPen(kOriginMark, 1);
    int ox = view.toScreenX(0.0);
    int oy = view.toScreenY(0.0);
    if (ox >= 0 && ox < width)
        target.line(PixelPoint{double(ox), 0}, PixelPoint{double(ox), double(kStrip)});
    if (oy >= 0 && oy < height)
        target.line(PixelPoint{0, double(oy)}, PixelPoint{double(kStrip), double(oy)});
}

} // namespace layrail
