#include "catalog/SceneryDrawings.h"

#include "catalog/Geometry.h"
#include "catalog/SceneryDraw.h"

#include <cmath>

// Platforms, buildings, stations, signals and the tunnel portal.
namespace layrail::scenery {

namespace {

const Rgba kPaving = rgb(180, 175, 170);
const Rgba kPavingEdge = rgb(120, 115, 110);
const Rgba kSafetyStrip = rgb(220, 200, 100);
const Rgba kTileRoof = rgb(165, 75, 60);
const Rgba kTileRoofEdge = rgb(100, 45, 35);

// A hipped roof seen from above: the roof plate, its ridge and the four hips.
void hippedRoof(Drawing& d, double x, double y, double w, double h, Rgba fill, Rgba edge)
{
    const double inset = h / 2.0 < w / 2.0 ? h / 2.0 : w / 2.0;
    const double midY = y + h / 2.0;
    const double ridgeL = x + inset;
    const double ridgeR = x + w - inset;
    d.push_back(rect(x, y, w, h, fill, edge, 1));
    d.push_back(line(ridgeL, midY, ridgeR, midY, edge, 2));
    d.push_back(line(x, y, ridgeL, midY, edge, 1));
    d.push_back(line(x, y + h, ridgeL, midY, edge, 1));
    d.push_back(line(x + w, y, ridgeR, midY, edge, 1));
    d.push_back(line(x + w, y + h, ridgeR, midY, edge, 1));
}

// A gabled roof running along x: the plate and its ridge.
void gabledRoof(Drawing& d, double x, double y, double w, double h, Rgba fill, Rgba edge)
{
    d.push_back(rect(x, y, w, h, fill, edge, 1));
    d.push_back(line(x, y + h / 2.0, x + w, y + h / 2.0, edge, 2));
}

Point onCircle(double cx, double cy, double r, double deg)
{
    return Point{cx + r * std::cos(degToRad(deg)), cy + r * std::sin(degToRad(deg))};
}

} // namespace

Drawing platform()
{
    Drawing d;
    d.push_back(rect(0, 0, 230, 60, kPaving, kPavingEdge, 1));
    d.push_back(rect(0, 52, 230, 8, kSafetyStrip));
    for (double x : {40.0, 80.0, 120.0, 160.0, 190.0})
        d.push_back(line(x, 0, x, 60, rgb(150, 145, 140, 80), 1));
    return d;
}

Drawing islandPlatform()
{
    Drawing d;
    d.push_back(rect(0, 0, 460, 120, kPaving, kPavingEdge, 1));
    d.push_back(rect(0, 0, 460, 8, kSafetyStrip));
    d.push_back(rect(0, 112, 460, 8, kSafetyStrip));
    for (double x : {60.0, 100.0, 360.0, 400.0})
        d.push_back(line(x, 8, x, 112, rgb(150, 145, 140, 80), 1));
    gabledRoof(d, 130, 40, 200, 40, rgb(150, 60, 50), rgb(100, 40, 35));
    d.push_back(rect(70, 55, 20, 10, rgb(120, 90, 60)));
    d.push_back(rect(370, 55, 20, 10, rgb(120, 90, 60)));
    return d;
}

Drawing smallStation()
{
    Drawing d;
    d.push_back(rect(0, 0, 308, 140, rgb(200, 195, 185), rgb(140, 135, 125), 1));
    hippedRoof(d, 36, 16, 188, 88, kTileRoof, kTileRoofEdge);
    gabledRoof(d, 224, 36, 60, 48, rgb(180, 95, 75), kTileRoofEdge);
    d.push_back(rect(0, 120, 308, 20, kPaving));
    d.push_back(rect(0, 134, 308, 6, kSafetyStrip));
    d.push_back(text(130, 112, 10, "Gueglingen", rgb(40, 40, 40)));
    return d;
}

Drawing largeStation()
{
    Drawing d;
    d.push_back(rect(0, 0, 550, 185, rgb(200, 195, 185), rgb(140, 135, 125), 1));
    gabledRoof(d, 40, 40, 110, 80, kTileRoof, kTileRoofEdge);
    gabledRoof(d, 400, 40, 110, 80, kTileRoof, kTileRoofEdge);
    hippedRoof(d, 150, 20, 250, 110, rgb(120, 120, 130), rgb(70, 70, 80));
    d.push_back(rect(260, 60, 30, 30, rgb(90, 90, 100), rgb(50, 50, 60), 1));
    d.push_back(ellipse(267, 67, 16, 16, rgb(240, 240, 230), rgb(50, 50, 60), 1));
    d.push_back(rect(60, 133, 430, 17, rgb(110, 120, 110), rgb(70, 80, 70), 1));
    d.push_back(rect(0, 150, 550, 35, kPaving));
    d.push_back(rect(0, 177, 550, 8, kSafetyStrip));
    d.push_back(text(275, 40, 12, "Schwarzburg", rgb(250, 250, 250)));
    return d;
}

Drawing signalBox()
{
    Drawing d;
    d.push_back(rect(0, 30, 8, 16, rgb(120, 110, 100), rgb(80, 70, 60), 1));
    hippedRoof(d, 6, 3, 52, 44, rgb(150, 65, 50), rgb(90, 40, 30));
    return d;
}

Drawing engineShed(int roads)
{
    Drawing d;
    const double depth = 80.0 * roads;
    const Rgba wall = rgb(60, 55, 50);
    d.push_back(rect(20, 0, 280, depth, rgb(110, 105, 100), wall, 1));
    for (int r = 0; r < roads; ++r) {
        const double y = 80.0 * r;
        d.push_back(rect(40, y + 34, 240, 12, rgb(80, 75, 70)));
        d.push_back(line(0, y + 33, 20, y + 33, rgb(90, 80, 70), 2));
        d.push_back(line(0, y + 47, 20, y + 47, rgb(90, 80, 70), 2));
        d.push_back(line(20, y + 10, 20, y + 70, wall, 3));
        if (r > 0)
            d.push_back(line(20, y, 300, y, wall, 1));
    }
    return d;
}

Drawing goodsShed()
{
    Drawing d;
    d.push_back(rect(0, 56, 200, 24, rgb(170, 160, 150), rgb(110, 100, 90), 1));
    gabledRoof(d, 0, 0, 200, 56, rgb(150, 110, 80), rgb(90, 65, 45));
    d.push_back(rect(40, 52, 30, 4, rgb(80, 60, 40)));
    d.push_back(rect(130, 52, 30, 4, rgb(80, 60, 40)));
    return d;
}

Drawing warehouse()
{
    Drawing d;
    d.push_back(rect(0, 160, 400, 40, rgb(175, 170, 160), rgb(110, 105, 100), 1));
    d.push_back(rect(0, 0, 400, 160, rgb(140, 140, 145), rgb(80, 80, 85), 1));
    for (double x : {80.0, 160.0, 240.0, 320.0})
        d.push_back(line(x, 0, x, 160, rgb(110, 110, 115), 1));
    d.push_back(rect(20, 70, 360, 20, rgb(180, 200, 215)));
    for (double x : {40.0, 180.0, 320.0})
        d.push_back(rect(x, 156, 40, 6, rgb(90, 80, 70)));
    d.push_back(text(200, 35, 14, "Warehouse", rgb(235, 235, 235)));
    return d;
}

Drawing signal(double s, bool clear, bool colourLight)
{
    const Rgba outline = rgb(20, 20, 20);
    const Rgba lamp = clear ? rgb(60, 200, 80) : rgb(220, 40, 40);
    Drawing d;
    d.push_back(ellipse(0, 0, s, s, rgb(255, 255, 255), outline, 1));
    d.push_back(ellipse(0.74 * s, 0.74 * s, 0.16 * s, 0.16 * s, lamp, outline, 1));
    if (colourLight) {
        d.push_back(polygon({{0.1 * s, 0.78 * s}, {0.32 * s, 0.70 * s}, {0.32 * s, 0.86 * s}}, outline, outline, 1));
        d.push_back(line(0.32 * s, 0.78 * s, 0.55 * s, 0.78 * s, outline, 1));
    }
    SceneryPrimitive label = text(0.5 * s, 0.42 * s, 10, colourLight ? "SL" : "SS", outline);
    label.line = outline;
    label.lineWidth = 1;
    d.push_back(label);
    return d;
}

Drawing tunnelPortal()
{
    const double cx = 40.0, cy = 40.0, inner = 26.0, outer = 40.0;
    Drawing d;
    std::vector<Point> ring;
    for (int i = 0; i <= 18; ++i)
        ring.push_back(onCircle(cx, cy, outer, 90.0 + 10.0 * i));
    for (int i = 18; i >= 0; --i)
        ring.push_back(onCircle(cx, cy, inner, 90.0 + 10.0 * i));
    d.push_back(polygon(ring, rgb(140, 130, 118), rgb(40, 35, 30), 1));

    // Every second of twelve 15-degree sectors is a darker stone.
    const Rgba stone = rgb(95, 85, 75);
    for (int sector = 1; sector < 12; sector += 2) {
        const double from = 90.0 + 15.0 * sector;
        const double to = from + 15.0;
        d.push_back(polygon({onCircle(cx, cy, outer, from), onCircle(cx, cy, outer, to), onCircle(cx, cy, inner, to),
                             onCircle(cx, cy, inner, from)},
                            stone, stone, 1));
    }
    return d;
}

} // namespace layrail::scenery
