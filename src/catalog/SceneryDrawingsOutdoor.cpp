#include "catalog/SceneryDrawings.h"

#include "catalog/Geometry.h"
#include "catalog/SceneryDraw.h"

#include <cmath>

// Bridges, roads, railway structures, nature and vehicles.
namespace layrail::scenery {

namespace {

const Rgba kRail = rgb(80, 80, 80);
const Rgba kAsphalt = rgb(90, 90, 95);
const Rgba kMarking = rgb(240, 240, 240);
const Rgba kSteel = rgb(70, 90, 120);
const Rgba kSteelEdge = rgb(40, 55, 80);
const Rgba kWindow = rgb(170, 210, 235);

// Two rails along x, centred on y.
void rails(Drawing& d, double y, double from, double to)
{
    d.push_back(line(from, y - 7, to, y - 7, kRail, 2));
    d.push_back(line(from, y + 7, to, y + 7, kRail, 2));
}

// A deck between two steel girders with cross bracing in every bay.
Drawing trussDeck(double span, double depth, double girder)
{
    Drawing d;
    d.push_back(rect(0, girder, span, depth - 2 * girder, rgb(115, 115, 120), rgb(65, 65, 70), 1));
    d.push_back(rect(0, 0, span, girder, kSteel, kSteelEdge, 1));
    d.push_back(rect(0, depth - girder, span, girder, kSteel, kSteelEdge, 1));
    const int bays = 8;
    const double bay = span / bays;
    for (int i = 0; i < bays; ++i) {
        const double x = bay * i;
        d.push_back(line(x, girder, x + bay, depth - girder, rgb(60, 75, 100, 160), 1));
        d.push_back(line(x, depth - girder, x + bay, girder, rgb(60, 75, 100, 160), 1));
    }
    rails(d, depth / 2.0, 0, span);
    return d;
}

// A point of the roundhouse fan: r from the turntable centre below the footprint, phi degrees off the axis.
Point fan(double r, double phi)
{
    return Point{193.0 + r * std::sin(degToRad(phi)), 470.0 - r * std::cos(degToRad(phi))};
}

} // namespace

Drawing trussBridgeScenery()
{
    return trussDeck(188, 64, 8);
}

Drawing steelTrussBridge()
{
    return trussDeck(188, 80, 10);
}

Drawing archBridgeScenery()
{
    Drawing d;
    const Rgba stone = rgb(140, 130, 115);
    d.push_back(rect(114, 0, 12, 64, stone));
    d.push_back(rect(234, 0, 12, 64, stone));
    d.push_back(rect(0, 10, 360, 44, rgb(170, 160, 145), rgb(110, 100, 90), 1));
    d.push_back(rect(0, 4, 360, 6, rgb(150, 140, 125), rgb(110, 100, 90), 1));
    d.push_back(rect(0, 54, 360, 6, rgb(150, 140, 125), rgb(110, 100, 90), 1));
    rails(d, 32, 0, 360);
    return d;
}

Drawing levelCrossing(int tracks)
{
    Drawing d;
    const double depth = 80.0 * tracks;
    d.push_back(rect(30, 0, 60, depth, kAsphalt));
    for (int t = 0; t < tracks; ++t) {
        const double y = 40.0 + 80.0 * t;
        d.push_back(rect(0, y - 10, 120, 20, rgb(130, 110, 90)));
        rails(d, y, 0, 120);
        d.push_back(rect(30, y - 10, 60, 20, rgb(110, 110, 110), rgb(70, 70, 70), 1));
    }
    const Rgba barrier = rgb(220, 40, 40);
    d.push_back(line(30, 16, 90, 16, barrier, 3));
    d.push_back(line(30, depth - 16, 90, depth - 16, barrier, 3));
    d.push_back(ellipse(20, 12, 8, 8, kMarking, rgb(60, 60, 60), 1));
    d.push_back(ellipse(92, depth - 20, 8, 8, kMarking, rgb(60, 60, 60), 1));
    return d;
}

Drawing roadStraight()
{
    Drawing d;
    d.push_back(rect(0, 0, 188, 60, rgb(85, 85, 90)));
    d.push_back(line(0, 4, 188, 4, kMarking, 1));
    d.push_back(line(0, 56, 188, 56, kMarking, 1));
    for (double x = 8; x < 188; x += 36)
        d.push_back(line(x, 30, x + 20, 30, kMarking, 2));
    return d;
}

Drawing turntable()
{
    Drawing d;
    d.push_back(ellipse(0, 0, 278, 278, rgb(120, 110, 95), rgb(60, 55, 45), 2));
    d.push_back(ellipseOutline(10, 10, 258, 258, rgb(90, 85, 75), 1));
    d.push_back(rect(0, 124, 278, 30, rgb(80, 80, 85), rgb(40, 40, 45), 1));
    d.push_back(line(0, 132, 278, 132, rgb(180, 180, 180), 2));
    d.push_back(line(0, 146, 278, 146, rgb(180, 180, 180), 2));
    d.push_back(ellipse(129, 129, 20, 20, rgb(60, 60, 65), rgb(30, 30, 35), 1));
    return d;
}

Drawing roundhouse()
{
    Drawing d;
    const Rgba wall = rgb(100, 50, 40);
    // Three 15-degree stalls fanning out from the turntable, whose centre lies beyond the near edge.
    std::vector<Point> outline;
    for (int i = 0; i <= 6; ++i)
        outline.push_back(fan(460, -22.5 + 7.5 * i));
    for (int i = 6; i >= 0; --i)
        outline.push_back(fan(200, -22.5 + 7.5 * i));
    d.push_back(polygon(outline, rgb(165, 90, 70), wall, 1));
    for (double phi : {-7.5, 7.5}) {
        const Point a = fan(200, phi), b = fan(460, phi);
        d.push_back(line(a.x, a.y, b.x, b.y, wall, 2));
    }
    for (double phi : {-15.0, 0.0, 15.0}) {
        const Point vent0 = fan(240, phi), vent1 = fan(420, phi);
        d.push_back(line(vent0.x, vent0.y, vent1.x, vent1.y, rgb(120, 60, 45), 3));
        const Point track0 = fan(135, phi), track1 = fan(200, phi);
        d.push_back(line(track0.x, track0.y, track1.x, track1.y, rgb(90, 80, 70), 2));
    }
    return d;
}

Drawing waterTower()
{
    Drawing d;
    d.push_back(ellipse(3, 3, 44, 44, rgb(120, 85, 60), rgb(70, 50, 35), 1));
    d.push_back(ellipse(10, 10, 30, 30, rgb(90, 90, 95), rgb(50, 50, 55), 1));
    d.push_back(ellipse(21, 21, 8, 8, rgb(60, 60, 65)));
    d.push_back(line(40, 25, 50, 25, rgb(50, 50, 55), 3));
    return d;
}

Drawing coalingTower()
{
    Drawing d;
    d.push_back(rect(25, 0, 30, 10, rgb(60, 55, 50)));
    d.push_back(rect(10, 10, 60, 60, rgb(90, 85, 80), rgb(50, 45, 40), 1));
    d.push_back(line(10, 40, 70, 40, rgb(50, 45, 40), 2));
    d.push_back(line(40, 70, 40, 80, rgb(40, 40, 40), 3));
    d.push_back(ellipse(55, 62, 20, 14, rgb(30, 30, 30)));
    return d;
}

Drawing smallTree()
{
    Drawing d;
    d.push_back(ellipse(0, 0, 34, 34, rgb(60, 130, 50), rgb(40, 90, 35), 1));
    d.push_back(ellipse(6, 5, 16, 16, rgb(85, 160, 70)));
    d.push_back(ellipse(15, 14, 14, 14, rgb(50, 115, 45)));
    return d;
}

Drawing largeTree()
{
    Drawing d;
    d.push_back(ellipse(0, 0, 57, 57, rgb(55, 120, 45), rgb(35, 85, 30), 1));
    d.push_back(ellipse(8, 6, 26, 26, rgb(80, 150, 65)));
    d.push_back(ellipse(30, 8, 18, 18, rgb(70, 140, 60)));
    d.push_back(ellipse(26, 24, 24, 24, rgb(45, 105, 40)));
    return d;
}

Drawing conifer()
{
    Drawing d;
    d.push_back(ellipse(0, 0, 23, 40, rgb(30, 85, 45), rgb(20, 60, 30), 1));
    d.push_back(polygon({{11.5, 2}, {21, 20}, {11.5, 38}, {2, 20}}, rgb(40, 100, 55)));
    d.push_back(ellipse(9.5, 18, 4, 4, rgb(90, 60, 35)));
    return d;
}

Drawing treeGroup()
{
    Drawing d;
    const Rgba edge = rgb(35, 85, 30);
    d.push_back(ellipse(0, 10, 50, 50, rgb(60, 130, 50), edge, 1));
    d.push_back(ellipse(40, 0, 42, 42, rgb(85, 155, 65), edge, 1));
    d.push_back(ellipse(75, 30, 30, 50, rgb(30, 85, 45), rgb(20, 60, 30), 1));
    d.push_back(ellipse(10, 20, 18, 18, rgb(90, 165, 75)));
    return d;
}

Drawing bush()
{
    Drawing d;
    d.push_back(ellipse(0, 0, 23, 17, rgb(70, 140, 60), rgb(45, 100, 40), 1));
    d.push_back(ellipse(3, 3, 9, 7, rgb(95, 170, 80)));
    d.push_back(ellipse(11, 7, 9, 7, rgb(60, 125, 50)));
    return d;
}

Drawing car()
{
    Drawing d;
    d.push_back(polygon({{3, 0}, {47, 0}, {50, 3}, {50, 17}, {47, 20}, {3, 20}, {0, 17}, {0, 3}}, rgb(200, 40, 40),
                        rgb(120, 20, 20), 1));
    d.push_back(rect(16, 3, 18, 14, rgb(170, 30, 30)));
    d.push_back(polygon({{34, 3}, {39, 4}, {39, 16}, {34, 17}}, kWindow, rgb(60, 60, 60), 1));
    d.push_back(polygon({{12, 4}, {16, 3}, {16, 17}, {12, 16}}, kWindow));
    d.push_back(ellipse(46, 2, 3, 3, rgb(250, 240, 180)));
    d.push_back(ellipse(46, 15, 3, 3, rgb(250, 240, 180)));
    return d;
}

Drawing truck()
{
    Drawing d;
    d.push_back(rect(0, 0, 58, 25, rgb(60, 90, 160), rgb(35, 55, 100), 1));
    d.push_back(line(0, 12.5, 58, 12.5, rgb(45, 70, 130), 1));
    d.push_back(line(58, 12.5, 60, 12.5, rgb(40, 40, 40), 2));
    d.push_back(rect(60, 1, 20, 23, rgb(230, 230, 230), rgb(90, 90, 90), 1));
    d.push_back(rect(74, 3, 4, 19, kWindow));
    return d;
}

Drawing parkingLot()
{
    Drawing d;
    d.push_back(rect(0, 0, 250, 120, rgb(95, 95, 100), rgb(60, 60, 65), 1));
    d.push_back(line(0, 48, 250, 48, kMarking, 1));
    d.push_back(line(0, 72, 250, 72, kMarking, 1));
    // Two rows of five spaces on either side of the aisle.
    for (double x : {50.0, 100.0, 150.0, 200.0}) {
        d.push_back(line(x, 0, x, 48, kMarking, 1));
        d.push_back(line(x, 72, x, 120, kMarking, 1));
    }
    d.push_back(text(125, 60, 18, "P", kMarking));
    return d;
}

Drawing pedestrianZone()
{
    Drawing d;
    d.push_back(rect(0, 0, 115, 57, rgb(205, 190, 165), rgb(150, 135, 110), 1));
    const Rgba joint = rgb(185, 170, 145);
    for (double x : {19.0, 38.0, 57.0, 76.0, 95.0})
        d.push_back(line(x, 0, x, 57, joint, 1));
    for (double y : {19.0, 38.0})
        d.push_back(line(0, y, 115, y, joint, 1));
    d.push_back(ellipse(10, 10, 16, 16, rgb(80, 140, 60), rgb(60, 100, 45), 1));
    d.push_back(ellipse(89, 31, 16, 16, rgb(80, 140, 60), rgb(60, 100, 45), 1));
    d.push_back(rect(45, 24, 25, 8, rgb(140, 100, 60), rgb(90, 65, 40), 1));
    return d;
}

Drawing viaductPier()
{
    Drawing d;
    d.push_back(rect(0, 0, 40, 60, rgb(175, 172, 165), rgb(110, 108, 100), 1));
    d.push_back(rectOutline(4, 4, 32, 52, rgb(130, 128, 120), 1));
    d.push_back(line(4, 30, 36, 30, rgb(140, 138, 130), 1));
    return d;
}

Drawing retainingWall()
{
    Drawing d;
    const Rgba joint = rgb(120, 112, 100);
    d.push_back(rect(0, 0, 188, 30, rgb(150, 140, 128), rgb(95, 88, 78), 1));
    d.push_back(rect(0, 0, 188, 6, rgb(175, 168, 155)));
    d.push_back(line(0, 18, 188, 18, joint, 1));
    // Courses of blocks laid in bond: the lower joints sit half a block along.
    const double block = 188.0 / 8.0;
    for (int k = 1; k < 8; ++k) {
        d.push_back(line(block * k, 6, block * k, 18, joint, 1));
        d.push_back(line(block * k - block / 2.0, 18, block * k - block / 2.0, 30, joint, 1));
    }
    return d;
}

} // namespace layrail::scenery
