#include <cmath>

#include "catalog/Geometry.h"
#include "view3d/ModelShapes.h"
#include "view3d/PieceMeshes.h"
#include "view3d/SceneryRecipes.h"

// Stations, sheds, railway buildings and the turntable, laid out like their plan drawings.
namespace layrail::recipes {

using shapes::box;

namespace {

constexpr Rgb kFrame{0.93f, 0.92f, 0.88f};
constexpr Rgb kStone{0.64f, 0.61f, 0.56f};
constexpr Rgb kStoneShade{0.52f, 0.49f, 0.45f};

// A row of framed windows on a wall running along x, its face at y = face, standing out toward `out`
// (-1 or +1).
void windowsAlongX(Mesh& m, double x0, double x1, double face, int out, int count, double z0, double z1)
{
    const double pitch = (x1 - x0) / count, width = pitch * 0.45;
    for (int k = 0; k < count; ++k) {
        const double cx = x0 + pitch * (k + 0.5);
        box(m, {cx - width / 2 - 1, out > 0 ? face : face - 0.5, z0 - 1}, {width + 2, 0.5, z1 - z0 + 2}, kFrame,
            kFrame);
        box(m, {cx - width / 2, out > 0 ? face : face - 0.9, z0}, {width, 0.9, z1 - z0}, kGlass, kGlass);
    }
}

// The same on a wall running along y with its face at x = face.
void windowsAlongY(Mesh& m, double y0, double y1, double face, int out, int count, double z0, double z1)
{
    const double pitch = (y1 - y0) / count, width = pitch * 0.45;
    for (int k = 0; k < count; ++k) {
        const double cy = y0 + pitch * (k + 0.5);
        box(m, {out > 0 ? face : face - 0.5, cy - width / 2 - 1, z0 - 1}, {0.5, width + 2, z1 - z0 + 2}, kFrame,
            kFrame);
        box(m, {out > 0 ? face : face - 0.9, cy - width / 2, z0}, {0.9, width, z1 - z0}, kGlass, kGlass);
    }
}

// A door on a wall along x, centred on cx.
void doorAlongX(Mesh& m, double cx, double face, int out, double width, double z0, double height)
{
    box(m, {cx - width / 2, out > 0 ? face : face - 1.0, z0}, {width, 1.0, height}, kDoor, kDoor);
}

// Walls on a stone plinth, from (x0, y0) to (x1, y1) and up to `height`.
void walls(Mesh& m, double x0, double y0, double x1, double y1, double height, Rgb top, Rgb side)
{
    box(m, {x0 - 1, y0 - 1, 0}, {x1 - x0 + 2, y1 - y0 + 2, 4}, kStone, kStoneShade);
    box(m, {x0, y0, 4}, {x1 - x0, y1 - y0, height - 4}, top, side);
}

void lampPost(Mesh& m, double x, double y, double z, double height)
{
    box(m, {x - 0.8, y - 0.8, z}, {1.6, 1.6, height}, {0.25f, 0.27f, 0.25f}, {0.2f, 0.22f, 0.2f});
    box(m, {x - 2.0, y - 2.0, z + height}, {4.0, 4.0, 2.5}, {0.95f, 0.9f, 0.6f}, {0.85f, 0.8f, 0.5f});
}

// The platform along the far edge: paving from y0 to the depth, with its yellow safety strip.
void platformEdge(Mesh& m, double w, double y0, double d, double strip)
{
    box(m, {0, y0, 0}, {w, d - y0, 12}, kPavingTop, kPavingSide);
    box(m, {0, d - strip, 12.05}, {w, strip, 0.1}, kSafetyYellow, kSafetyYellow);
}

} // namespace

// A two-storey station with a hipped roof, a lower wing with a gabled roof, a canopy over the path to
// the platform and the platform itself along the far edge.
void smallStation(Mesh& m, double w, double d)
{
    box(m, {0, 0, 0}, {w, 0.857 * d, 1}, {0.79f, 0.77f, 0.73f}, {0.6f, 0.58f, 0.55f});
    platformEdge(m, w, 0.857 * d, d, 6);

    const double x0 = 0.117 * w + 3, x1 = 0.727 * w - 3, y0 = 0.114 * d + 3, y1 = 0.743 * d - 3;
    const double h = 0.42 * d, mid = (x0 + x1) / 2;
    walls(m, x0, y0, x1, y1, h, kPlaster, kPlasterShade);
    box(m, {x0 - 0.8, y0 - 0.8, h / 2 - 1}, {x1 - x0 + 1.6, y1 - y0 + 1.6, 2}, kStone, kStoneShade);
    for (double z0 : {0.12 * h, 0.6 * h}) {
        windowsAlongX(m, x0, x1, y0, -1, 5, z0, z0 + 0.27 * h);
        windowsAlongX(m, x0, x1, y1, +1, 5, z0, z0 + 0.27 * h);
        windowsAlongY(m, y0, y1, x0, -1, 2, z0, z0 + 0.27 * h);
    }
    doorAlongX(m, mid, y0, -1, 16, 1, 0.38 * h);
    doorAlongX(m, mid, y1, +1, 16, 1, 0.38 * h);
    shapes::hippedRoof(m, 0.117 * w, 0.114 * d, 0.727 * w, 0.743 * d, h, h + 0.22 * d, kTileRoof);
    for (double cx : {0.3 * w, 0.55 * w})
        box(m, {cx, 0.4 * d, h + 4}, {7, 7, 0.3 * d}, kBrick, kBrickShade);
    box(m, {mid - 25, y1, h / 2 + 3}, {50, 0.7, 7}, kFrame, {0.2f, 0.2f, 0.22f});

    const double wx0 = 0.727 * w - 1, wx1 = 0.922 * w - 3, wy0 = 0.257 * d + 3, wy1 = 0.6 * d - 3;
    const double wh = 0.28 * d;
    walls(m, wx0, wy0, wx1, wy1, wh, kPlaster, kPlasterShade);
    windowsAlongX(m, wx0, wx1, wy0, -1, 2, 0.3 * wh, 0.7 * wh);
    windowsAlongX(m, wx0, wx1, wy1, +1, 2, 0.3 * wh, 0.7 * wh);
    box(m, {wx1, (wy0 + wy1) / 2 - 7, 1}, {1, 14, 0.6 * wh}, kDoor, kDoor);
    shapes::gableRoofX(m, 0.727 * w, 0.257 * d, 0.922 * w, 0.6 * d, wh, wh + 0.14 * d, {0.7f, 0.37f, 0.29f},
                       kPlasterShade);

    // The canopy from the building to the platform on slim posts.
    const double canopyZ = 0.3 * d;
    for (int k = 0; k <= 4; ++k)
        box(m, {0.14 * w + k * 0.14 * w, 0.83 * d, 1}, {2, 2, canopyZ - 1}, {0.3f, 0.33f, 0.3f},
            {0.24f, 0.27f, 0.24f});
    box(m, {0.12 * w, y1, canopyZ}, {0.62 * w, 0.86 * d - y1, 2}, {0.42f, 0.42f, 0.44f}, {0.32f, 0.32f, 0.34f});
    for (double x : {0.06 * w, 0.94 * w})
        lampPost(m, x, 0.93 * d, 12, 30);
}

// A hall with a slate roof and a clock tower between two gabled wings, a canopy along the track side
// and the platform.
void largeStation(Mesh& m, double w, double d)
{
    box(m, {0, 0, 0}, {w, 0.81 * d, 1}, {0.79f, 0.77f, 0.73f}, {0.6f, 0.58f, 0.55f});
    platformEdge(m, w, 0.81 * d, d, 8);

    const double hx0 = 0.273 * w + 3, hx1 = 0.727 * w - 3, hy0 = 0.108 * d + 3, hy1 = 0.703 * d - 3;
    const double h = 0.5 * d;
    walls(m, hx0, hy0, hx1, hy1, h, kPlaster, kPlasterShade);
    windowsAlongX(m, hx0, hx1, hy0, -1, 6, 0.13 * h, 0.66 * h);
    windowsAlongX(m, hx0, hx1, hy1, +1, 6, 0.13 * h, 0.66 * h);
    windowsAlongX(m, hx0, hx1, hy0, -1, 6, 0.76 * h, 0.9 * h);
    windowsAlongX(m, hx0, hx1, hy1, +1, 6, 0.76 * h, 0.9 * h);
    const double mid = (hx0 + hx1) / 2;
    doorAlongX(m, mid, hy0, -1, 30, 1, 0.44 * h);
    box(m, {mid - 24, hy0 - 12, 0.48 * h}, {48, 12, 2.5}, {0.43f, 0.47f, 0.43f}, {0.33f, 0.37f, 0.33f});
    box(m, {mid - 40, hy0 - 1.2, 0.55 * h}, {80, 1.2, 10}, kFrame, {0.2f, 0.2f, 0.22f});
    shapes::hippedRoof(m, 0.273 * w, 0.108 * d, 0.727 * w, 0.703 * d, h, 0.75 * d, kSlateRoof);

    for (double wx : {0.073 * w, 0.727 * w}) {
        const double x0 = wx + 3, x1 = wx + 0.2 * w - 3, y0 = 0.216 * d + 3, y1 = 0.649 * d - 3;
        const double wh = 0.36 * d;
        walls(m, x0, y0, x1, y1, wh, kPlaster, kPlasterShade);
        for (double z0 : {0.15 * wh, 0.58 * wh}) {
            windowsAlongX(m, x0, x1, y0, -1, 3, z0, z0 + 0.27 * wh);
            windowsAlongX(m, x0, x1, y1, +1, 3, z0, z0 + 0.27 * wh);
        }
        const bool left = wx < 0.5 * w;
        windowsAlongY(m, y0, y1, left ? x0 : x1, left ? -1 : +1, 2, 0.3 * wh, 0.6 * wh);
        shapes::gableRoofX(m, wx, 0.216 * d, wx + 0.2 * w, 0.649 * d, wh, wh + 0.16 * d, kTileRoof, kPlasterShade);
    }

    // The clock tower rises through the hall roof with a clock on each face and a pyramid roof.
    const double tx0 = 0.473 * w, tx1 = 0.527 * w, ty0 = 0.324 * d, ty1 = 0.486 * d;
    const double top = 0.95 * d, clock = top - 0.1 * d;
    box(m, {tx0, ty0, h}, {tx1 - tx0, ty1 - ty0, top - h}, kPlaster, kPlasterShade);
    const double face = 0.6 * std::min(tx1 - tx0, ty1 - ty0);
    const double cx = (tx0 + tx1) / 2, cy = (ty0 + ty1) / 2;
    box(m, {cx - face / 2, ty0 - 0.8, clock - face / 2}, {face, 0.8, face}, kFrame, kFrame);
    box(m, {cx - face / 2, ty1, clock - face / 2}, {face, 0.8, face}, kFrame, kFrame);
    box(m, {tx0 - 0.8, cy - face / 2, clock - face / 2}, {0.8, face, face}, kFrame, kFrame);
    box(m, {tx1, cy - face / 2, clock - face / 2}, {0.8, face, face}, kFrame, kFrame);
    box(m, {cx - 0.6, ty0 - 1.2, clock - 0.6}, {1.2, 0.4, face * 0.4}, {0.1f, 0.1f, 0.1f}, {0.1f, 0.1f, 0.1f});
    shapes::hippedRoof(m, tx0 - 2, ty0 - 2, tx1 + 2, ty1 + 2, top, top + 0.12 * d, kSlateRoof);

    // The platform canopy on a row of posts.
    const double canopyZ = 0.3 * d;
    for (int k = 0; k < 8; ++k)
        box(m, {0.13 * w + k * 0.106 * w, 0.83 * d, 12}, {2.5, 2.5, canopyZ - 12}, {0.3f, 0.33f, 0.3f},
            {0.24f, 0.27f, 0.24f});
    box(m, {0.109 * w, 0.7 * d, canopyZ}, {0.782 * w, 0.16 * d, 3}, {0.43f, 0.47f, 0.43f}, {0.33f, 0.37f, 0.33f});
    for (double x : {0.04 * w, 0.96 * w})
        lampPost(m, x, 0.93 * d, 12, 34);
}

// A brick lower storey, a glazed upper storey under a hipped roof, and the outside stairs to its door.
void signalBox(Mesh& m, double w, double d)
{
    const double x0 = 0.133 * w, x1 = 0.933 * w, y0 = 0.1 * d, y1 = 0.9 * d;
    const double lower = 0.5 * d, upper = lower + 0.3 * d;
    walls(m, x0, y0, x1, y1, lower, kBrick, kBrickShade);
    box(m, {x0 - 1, y0 - 1, lower}, {x1 - x0 + 2, y1 - y0 + 2, upper - lower}, kPlaster, kPlasterShade);
    const double g0 = lower + 0.06 * d, g1 = upper - 0.06 * d;
    windowsAlongX(m, x0, x1, y0 - 1, -1, 4, g0, g1);
    windowsAlongX(m, x0, x1, y1 + 1, +1, 4, g0, g1);
    windowsAlongY(m, y0, y1, x1 + 1, +1, 3, g0, g1);
    shapes::hippedRoof(m, x0 - 3, y0 - 3, x1 + 3, y1 + 3, upper, upper + 0.24 * d, kTileRoof);
    box(m, {0.75 * w, 0.3 * d, upper}, {0.08 * w, 0.1 * d, 0.3 * d}, kBrick, kBrickShade);

    // Stairs climbing along the near end to a door in the upper storey.
    const double sx = 0.133 * w, sy0 = 0.6 * d, sy1 = 0.92 * d;
    constexpr int steps = 6;
    for (int k = 0; k < steps; ++k) {
        const double y = sy1 - (k + 1) * (sy1 - sy0) / steps;
        box(m, {0, y, 0}, {sx, (sy1 - sy0) / steps, lower * (k + 1) / steps}, {0.5f, 0.42f, 0.34f},
            {0.4f, 0.33f, 0.26f});
    }
    box(m, {x0 - 1.8, sy0, lower}, {0.8, 0.2 * d, 0.26 * d}, kDoor, kDoor);
}

// A brick shed with a door per road at its near end, one gabled roof per road with smoke vents along the
// ridge, and the tracks running in through the doors.
void engineShed(Mesh& m, double w, double d, int roads)
{
    const double road = d / roads, front = 0.067 * w, h = 0.75 * road;
    box(m, {front, 0, 0}, {w - front, d, 1}, {0.36f, 0.34f, 0.31f}, {0.3f, 0.28f, 0.26f});
    shapes::wall(m, {front, 1.5}, {w, 1.5}, 3, 0, h, kBrick, kBrickShade);
    shapes::wall(m, {front, d - 1.5}, {w, d - 1.5}, 3, 0, h, kBrick, kBrickShade);
    shapes::wall(m, {w - 1.5, 0}, {w - 1.5, d}, 3, 0, h, kBrick, kBrickShade);
    windowsAlongX(m, front + 20, w - 10, 0, -1, 6, 0.35 * h, 0.7 * h);
    windowsAlongX(m, front + 20, w - 10, d, +1, 6, 0.35 * h, 0.7 * h);

    const double fx = front + 1.5, door = 0.7 * road, rail = 16.5 / 2;
    for (int r = 0; r < roads; ++r) {
        const double y0 = road * r, ym = y0 + road / 2;
        // Front wall on either side of the door, and the lintel over it.
        shapes::wall(m, {fx, y0}, {fx, ym - door / 2}, 3, 0, h, kBrick, kBrickShade);
        shapes::wall(m, {fx, ym + door / 2}, {fx, y0 + road}, 3, 0, h, kBrick, kBrickShade);
        shapes::wall(m, {fx, ym - door / 2}, {fx, ym + door / 2}, 3, 0.82 * h, h, kBrick, kBrickShade);
        if (r > 0)
            for (int k = 0; k < 5; ++k)
                box(m, {front + 30 + k * (w - front - 50) / 4 - 2, y0 - 2, 0}, {4, 4, h}, kBrick, kBrickShade);
        shapes::gableRoofX(m, front - 2, y0 - 1, w + 2, y0 + road + 1, h, h + 0.25 * road, kSlateRoof,
                           kBrickShade);
        for (int k = 0; k < 4; ++k)
            box(m, {front + 40 + k * (w - front - 70) / 3, ym - 4, h + 0.25 * road - 3}, {8, 8, 10},
                {0.2f, 0.2f, 0.22f}, {0.25f, 0.25f, 0.27f});
        for (double y : {ym - rail, ym + rail})
            box(m, {0, y - 0.6, 1}, {w - 12, 1.2, 2.5}, {0.62f, 0.62f, 0.66f}, {0.45f, 0.45f, 0.48f});
        for (int k = 0; k < 3; ++k)
            box(m, {3 + k * 6.5, ym - 13, 0}, {3.5, 26, 1.5}, {0.38f, 0.27f, 0.16f}, {0.28f, 0.18f, 0.1f});
    }
}

// A timber shed on a loading ramp, with sliding doors onto the ramp and a canopy over it.
void goodsShed(Mesh& m, double w, double d)
{
    constexpr Rgb timber{0.64f, 0.48f, 0.33f};
    constexpr Rgb timberShade{0.54f, 0.40f, 0.27f};
    constexpr Rgb roof{0.55f, 0.40f, 0.29f};
    const double ramp = 0.7 * d, h = 0.5 * d;
    box(m, {0, ramp, 0}, {w, d - ramp, 14}, kStone, kStoneShade);
    walls(m, 3, 3, w - 3, ramp - 3, h, timber, timberShade);
    for (double x : {0.2 * w, 0.65 * w}) {
        box(m, {x, ramp - 3.9, 14}, {0.15 * w, 0.9, 0.55 * h}, kDoor, kDoor);
        box(m, {x, 2.1, 4}, {0.15 * w, 0.9, 0.55 * h}, kDoor, kDoor);
    }
    windowsAlongY(m, 3, ramp - 3, 3, -1, 2, 0.4 * h, 0.7 * h);
    windowsAlongY(m, 3, ramp - 3, w - 3, +1, 2, 0.4 * h, 0.7 * h);
    shapes::gableRoofX(m, -2, 0, w + 2, ramp, h, h + 0.2 * d, roof, timberShade);
    box(m, {0, ramp - 1, h - 6}, {w, 0.22 * d, 2}, roof, scaled(roof, 0.8f));
    for (double x : {0.08 * w, 0.45 * w, 0.88 * w})
        box(m, {x, 0.82 * d, 14}, {10, 8, 7}, {0.66f, 0.52f, 0.34f}, {0.5f, 0.38f, 0.24f});
}

// A large flat-roofed hall with wall ribs, a skylight, and a loading dock with roller doors along the back.
void warehouse(Mesh& m, double w, double d)
{
    constexpr Rgb wallTop{0.52f, 0.53f, 0.56f};
    constexpr Rgb wallSide{0.62f, 0.64f, 0.68f};
    constexpr Rgb rib{0.48f, 0.5f, 0.54f};
    const double body = 0.8 * d, h = 0.4 * d;
    box(m, {0, 0, 0}, {w, body, h}, wallTop, wallSide);
    for (double x : {0.2 * w, 0.4 * w, 0.6 * w, 0.8 * w}) {
        box(m, {x - 2, -1.5, 0}, {4, 1.5, h}, rib, rib);
        box(m, {x - 2, body, 0}, {4, 1.5, h}, rib, rib);
    }
    windowsAlongX(m, 0, w, 0, -1, 10, 0.62 * h, 0.8 * h);
    for (double y : {0.0, body - 2})
        box(m, {0, y, h}, {w, 2, 4}, wallSide, rib);
    for (double x : {0.0, w - 2})
        box(m, {x, 0, h}, {2, body, 4}, wallSide, rib);
    box(m, {0.05 * w, 0.35 * d, h}, {0.9 * w, 0.1 * d, 3}, {0.72f, 0.82f, 0.88f}, {0.5f, 0.58f, 0.64f});
    box(m, {0.15 * w, 0.12 * d, h}, {20, 14, 10}, {0.6f, 0.6f, 0.62f}, {0.45f, 0.45f, 0.47f});
    box(m, {0.75 * w, 0.6 * d, h}, {20, 14, 10}, {0.6f, 0.6f, 0.62f}, {0.45f, 0.45f, 0.47f});

    box(m, {0, body, 0}, {w, d - body, 14}, kConcrete, kConcreteShade);
    for (double x : {0.1 * w, 0.45 * w, 0.8 * w})
        box(m, {x, body, 14}, {0.1 * w, 0.8, 0.45 * h}, {0.5f, 0.47f, 0.42f}, {0.46f, 0.43f, 0.38f});
    box(m, {0, body, 0.75 * h}, {w, 0.12 * d, 2}, {0.45f, 0.45f, 0.48f}, {0.36f, 0.36f, 0.38f});
}

// A round brick base carrying a steel tank under a conical roof, with its filling spout.
void waterTower(Mesh& m, double w, double d)
{
    const double s = std::min(w, d);
    const Vec3 c{w / 2, d / 2, 0};
    shapes::cylinder(m, c, 0.44 * s, 0.9 * s, kBrick, 20);
    shapes::cylinder(m, c + Vec3{0, 0, 0.9 * s}, 0.47 * s, 0.06 * s, kStone, 20);
    shapes::cylinder(m, c + Vec3{0, 0, 0.96 * s}, 0.42 * s, 0.48 * s, {0.30f, 0.31f, 0.34f}, 20);
    shapes::cone(m, c + Vec3{0, 0, 1.44 * s}, 0.45 * s, 0.22 * s, {0.44f, 0.45f, 0.48f}, 20);
    shapes::beam(m, {0.85 * w, d / 2, 1.05 * s}, {w, d / 2, 0.75 * s}, 0.06 * s, {0.2f, 0.2f, 0.22f});
    box(m, {c.x - 0.08 * s, c.y - 0.44 * s - 0.6, 0}, {0.16 * s, 1, 0.3 * s}, kDoor, kDoor);
}

// A concrete bunker on four legs with a gabled roof, its bucket elevator, chute and a pile of coal.
void coalingTower(Mesh& m, double w, double d)
{
    const double x0 = 0.125 * w, x1 = 0.875 * w, y0 = 0.125 * d, y1 = 0.875 * d;
    const double legs = 0.45 * d, top = d;
    for (double x : {x0, x1 - 6})
        for (double y : {y0, y1 - 6})
            box(m, {x, y, 0}, {6, 6, legs}, kConcrete, kConcreteShade);
    box(m, {x0, y0, legs}, {x1 - x0, y1 - y0, top - legs}, kConcrete, kConcreteShade);
    windowsAlongX(m, x0, x1, y0, -1, 3, 0.75 * top, 0.88 * top);
    shapes::gableRoofY(m, x0 - 2, y0 - 2, x1 + 2, y1 + 2, top, top + 0.15 * d, kSlateRoof, kConcreteShade);
    box(m, {0.31 * w, 0, 0}, {0.375 * w, 0.125 * d, 1.2 * d}, {0.56f, 0.56f, 0.58f}, {0.46f, 0.46f, 0.48f});
    shapes::beam(m, {0.5 * w, y1, 0.55 * d}, {0.5 * w, d, 0.3 * d}, 4, {0.2f, 0.2f, 0.22f});
    shapes::dome(m, {0.81 * w, 0.86 * d, 0}, 0.12 * std::min(w, d), 6, {0.12f, 0.12f, 0.13f}, 12);
}

// Three brick stalls fanning out from a turntable beyond the near edge, each under its own roof with
// smoke vents, open toward the turntable, with a track running into each.
void roundhouse(Mesh& m, double w, double d)
{
    const double cx = w / 2, cy = 1.37 * d, inner = 0.583 * d, outer = 1.341 * d, h = 0.2 * d;
    auto fan = [&](double r, double deg) {
        return Point{cx + r * std::sin(degToRad(deg)), cy - r * std::cos(degToRad(deg))};
    };
    constexpr Rgb floor{0.36f, 0.34f, 0.31f};
    for (int stall = 0; stall < 3; ++stall) {
        const double a0 = -22.5 + 15.0 * stall, a1 = a0 + 15.0, am = a0 + 7.5;
        shapes::prism(m, {fan(inner, a0), fan(outer, a0), fan(outer, a1), fan(inner, a1)}, 0, 1, floor, floor);
        shapes::wall(m, fan(outer, a0), fan(outer, am), 4, 0, h, kBrick, kBrickShade);
        shapes::wall(m, fan(outer, am), fan(outer, a1), 4, 0, h, kBrick, kBrickShade);
        shapes::wall(m, fan(inner, a0), fan(inner, a1), 4, 0.8 * h, h, kBrick, kBrickShade);
        // The stall's roof: two planes falling from a ridge along its middle.
        const Point ri = fan(inner, am), ro = fan(outer, am);
        const Point l0 = fan(inner - 3, a0), l1 = fan(outer + 3, a0), r0 = fan(inner - 3, a1), r1 = fan(outer + 3, a1);
        const double ridge = h + 0.07 * d;
        const Vec3 inside{ri.x, ri.y, h};
        shapes::quad(m, {l0.x, l0.y, h}, {l1.x, l1.y, h}, {ro.x, ro.y, ridge}, {ri.x, ri.y, ridge}, inside,
                     kSlateRoof);
        shapes::quad(m, {r0.x, r0.y, h}, {r1.x, r1.y, h}, {ro.x, ro.y, ridge}, {ri.x, ri.y, ridge}, inside,
                     scaled(kSlateRoof, 0.85f));
        shapes::triangle(m, {l0.x, l0.y, h}, {r0.x, r0.y, h}, {ri.x, ri.y, ridge}, {ro.x, ro.y, h}, kBrickShade);
        shapes::triangle(m, {l1.x, l1.y, h}, {r1.x, r1.y, h}, {ro.x, ro.y, ridge}, {ri.x, ri.y, h}, kBrickShade);
        for (int k = 1; k <= 3; ++k) {
            const Point v = fan(inner + (outer - inner) * k / 4.0, am);
            box(m, {v.x - 4, v.y - 4, ridge - 4}, {8, 8, 10}, {0.2f, 0.2f, 0.22f}, {0.25f, 0.25f, 0.27f});
        }
        // The track into the stall from the turntable side.
        const double across = degToRad(am);
        const double ox = std::cos(across) * 8.25, oy = std::sin(across) * 8.25;
        const Point t0 = fan(0.394 * d, am), t1 = fan(outer - 10, am);
        for (double side : {-1.0, 1.0})
            shapes::beam(m, {t0.x + side * ox, t0.y + side * oy, 2}, {t1.x + side * ox, t1.y + side * oy, 2}, 1.5,
                         {0.6f, 0.6f, 0.64f});
    }
    for (double a : {-22.5, 22.5})
        shapes::wall(m, fan(inner, a), fan(outer, a), 4, 0, h, kBrick, kBrickShade);
    for (double a : {-7.5, 7.5})
        shapes::wall(m, fan(inner, a), fan(outer, a), 3, 0, h, kBrickShade, kBrickShade);
}

void turntable(Mesh& m, double w, double d)
{
    // The pit and its 8 mm rim fill the footprint.
    TrackMeshParts parts;
    addTurntableModel(parts, std::min(w, d) / 2.0 - 8.0);
    m.append(parts.finish().mesh);
    m.translate({w / 2, d / 2, 0});
}

} // namespace layrail::recipes
