#include <algorithm>
#include <cmath>

#include "catalog/Geometry.h"
#include "view3d/ModelShapes.h"
#include "view3d/SceneryRecipes.h"

// Roads, level crossings, trees, vehicles, piers, portals and walls.
namespace layrail::recipes {

using shapes::beam;
using shapes::box;

namespace {

constexpr Rgb kRed{0.82f, 0.14f, 0.12f};

// A thin painted line on a surface at height z.
void marking(Mesh& m, double x, double y, double w, double d, double z)
{
    box(m, {x, y, z}, {w, d, 0.1}, kMarking, kMarking);
}

void tree(Mesh& m, Vec3 at, double trunkRadius, double crownHeight, double crownRadius, Rgb leaves)
{
    shapes::cylinder(m, at, trunkRadius, crownHeight, kBark, 8);
    shapes::crown(m, at + Vec3{0, 0, crownHeight}, crownRadius, 0.9 * crownRadius, 0.55 * crownRadius, leaves, 14);
}

void coniferAt(Mesh& m, Vec3 at, double radius, double height)
{
    shapes::cylinder(m, at, 0.12 * radius, 0.2 * height, kBark, 6);
    shapes::cone(m, at + Vec3{0, 0, 0.15 * height}, radius, 0.5 * height, kNeedles, 12);
    shapes::cone(m, at + Vec3{0, 0, 0.42 * height}, 0.75 * radius, 0.4 * height, scaled(kNeedles, 1.15f), 12);
    shapes::cone(m, at + Vec3{0, 0, 0.66 * height}, 0.5 * radius, 0.34 * height, scaled(kNeedles, 1.3f), 12);
}

} // namespace

// The road crosses the tracks along y; planks between the rails, barriers lowered across the road
// and a warning cross on each side.
void levelCrossing(Mesh& m, double w, double d, int tracks)
{
    const double r0 = 0.25 * w, r1 = 0.75 * w, per = d / tracks;
    box(m, {r0, 0, 0}, {r1 - r0, d, 5}, kAsphalt, kAsphaltSide);
    for (int t = 0; t < tracks; ++t) {
        const double y = per * (t + 0.5);
        box(m, {0, y - 13, 0}, {w, 26, 2}, {0.55f, 0.45f, 0.34f}, {0.45f, 0.36f, 0.27f});
        box(m, {r0, y - 12, 5}, {r1 - r0, 24, 1.5}, {0.55f, 0.55f, 0.56f}, {0.42f, 0.42f, 0.44f});
        for (double rail : {y - 8.25, y + 8.25})
            box(m, {0, rail - 0.6, 2}, {w, 1.2, 4.7}, {0.74f, 0.74f, 0.78f}, {0.52f, 0.52f, 0.56f});
    }
    marking(m, r0 + 2, 0, 1, d, 5);
    marking(m, r1 - 3, 0, 1, d, 5);
    // A barrier on each side of the tracks: a post and a striped arm down across the road.
    const double barrierY[2] = {0.2 * per, d - 0.2 * per};
    const double postX[2] = {r0 - 6, r1 + 2};
    for (int k = 0; k < 2; ++k) {
        box(m, {postX[k], barrierY[k] - 2, 0}, {4, 4, 14}, {0.9f, 0.9f, 0.9f}, {0.7f, 0.7f, 0.7f});
        const double from = k == 0 ? postX[k] + 4 : postX[k], to = k == 0 ? r1 : r0;
        for (int s = 0; s < 6; ++s) {
            const double a = from + (to - from) * s / 6.0, b = from + (to - from) * (s + 1) / 6.0;
            beam(m, {a, barrierY[k], 12}, {b, barrierY[k], 12}, 2.2, s % 2 == 0 ? kRed : kMarking);
        }
        // The St Andrew's cross on its mast, with a red lamp under it.
        const double cx = k == 0 ? 0.2 * w : 0.8 * w, cy = k == 0 ? 0.1 * per : d - 0.1 * per;
        box(m, {cx - 1, cy - 1, 0}, {2, 2, 34}, {0.5f, 0.5f, 0.5f}, {0.4f, 0.4f, 0.4f});
        beam(m, {cx - 7, cy, 36}, {cx + 7, cy, 46}, 1.8, kRed);
        beam(m, {cx - 7, cy, 46}, {cx + 7, cy, 36}, 1.8, kMarking);
        box(m, {cx - 2.5, cy - 2.5, 27}, {5, 5, 5}, kRed, {0.2f, 0.2f, 0.2f});
    }
}

// Asphalt between kerbs, with edge lines and a dashed centre line.
void road(Mesh& m, double w, double d)
{
    box(m, {0, 2, 0}, {w, d - 4, 1.5}, kAsphalt, kAsphaltSide);
    box(m, {0, 0, 0}, {w, 2, 2.5}, kConcrete, kConcreteShade);
    box(m, {0, d - 2, 0}, {w, 2, 2.5}, kConcrete, kConcreteShade);
    marking(m, 0, 0.067 * d - 0.5, w, 1, 1.5);
    marking(m, 0, 0.933 * d - 0.5, w, 1, 1.5);
    for (double x = 0.043 * w; x < w; x += 0.19 * w)
        marking(m, x, d / 2 - 1, std::min(0.106 * w, w - x), 2, 1.5);
}

// Two rows of five bays either side of the aisle, a sign, a lamp and two parked cars.
void parkingLot(Mesh& m, double w, double d)
{
    box(m, {0, 0, 0}, {w, d, 1}, kAsphalt, kAsphaltSide);
    const double bay = w / 5, rowDepth = 0.4 * d;
    marking(m, 0, rowDepth - 0.5, w, 1, 1);
    marking(m, 0, d - rowDepth - 0.5, w, 1, 1);
    for (int k = 1; k < 5; ++k) {
        marking(m, bay * k - 0.5, 0, 1, rowDepth, 1);
        marking(m, bay * k - 0.5, d - rowDepth, 1, rowDepth, 1);
    }
    box(m, {4, d / 2 - 1, 0}, {2, 2, 30}, {0.5f, 0.5f, 0.5f}, {0.4f, 0.4f, 0.4f});
    box(m, {1, d / 2 - 6, 30}, {8, 12, 12}, {0.9f, 0.9f, 0.9f}, {0.15f, 0.3f, 0.7f});
    box(m, {w - 6, d / 2 - 1, 0}, {2, 2, 40}, {0.3f, 0.3f, 0.3f}, {0.25f, 0.25f, 0.25f});
    box(m, {w - 8, d / 2 - 3, 40}, {6, 6, 2.5}, {0.95f, 0.9f, 0.6f}, {0.85f, 0.8f, 0.5f});
    // Cars stand nose in, across the bays.
    const double carLength = std::min(0.4 * w, 0.9 * rowDepth), carWidth = std::min(0.16 * w, 0.8 * bay);
    for (const auto& [column, row] : {std::pair<int, int>{1, 0}, {3, 1}}) {
        Mesh parked;
        car(parked, carLength, carWidth);
        parked.translate({-carLength / 2, -carWidth / 2, 0});
        parked.rotateZ(90);
        parked.translate({bay * (column + 0.5), row == 0 ? rowDepth / 2 : d - rowDepth / 2, 1});
        m.append(parked);
    }
}

// Paving with a bench between two small trees and a street lamp.
void pedestrianZone(Mesh& m, double w, double d)
{
    box(m, {0, 0, 0}, {w, d, 1.5}, {0.80f, 0.75f, 0.65f}, {0.66f, 0.61f, 0.52f});
    for (double x : {0.165 * w, 0.33 * w, 0.496 * w, 0.66 * w, 0.826 * w})
        box(m, {x - 0.3, 0, 1.5}, {0.6, d, 0.1}, {0.72f, 0.67f, 0.57f}, {0.72f, 0.67f, 0.57f});
    tree(m, {0.157 * w, 0.316 * d, 1.5}, 1.5, 16, 8, kLeaf);
    tree(m, {0.843 * w, 0.684 * d, 1.5}, 1.5, 16, 8, kLeafDark);
    box(m, {0.39 * w, 0.42 * d, 1.5}, {0.22 * w, 0.14 * d, 4}, {0.55f, 0.40f, 0.25f}, {0.42f, 0.3f, 0.18f});
    box(m, {0.39 * w, 0.54 * d, 1.5}, {0.22 * w, 1, 8}, {0.55f, 0.40f, 0.25f}, {0.42f, 0.3f, 0.18f});
    box(m, {0.5 * w - 1, 0.85 * d - 1, 1.5}, {2, 2, 36}, {0.3f, 0.3f, 0.3f}, {0.25f, 0.25f, 0.25f});
    box(m, {0.5 * w - 3, 0.85 * d - 3, 37.5}, {6, 6, 2.5}, {0.95f, 0.9f, 0.6f}, {0.85f, 0.8f, 0.5f});
}

// At their catalog sizes the small tree's crown is 13 mm across at 18 mm, the large one's 22 mm at 28 mm.
void deciduousTree(Mesh& m, double w, double d, bool large)
{
    const double s = std::min(w, d) / (large ? 57.0 : 34.0);
    const double r = (large ? 22.0 : 13.0) * s, height = (large ? 28.0 : 18.0) * s;
    const Vec3 at{w / 2, d / 2, 0};
    tree(m, at, (large ? 3.0 : 2.0) * s, height, r, kLeaf);
    shapes::dome(m, at + Vec3{-0.25 * r, -0.2 * r, height + 0.45 * r}, 0.55 * r, 0.6 * r, scaled(kLeaf, 1.15f), 12);
}

void conifer(Mesh& m, double w, double d) { coniferAt(m, {w / 2, d / 2, 0}, 13.0 * w / 23.0, 2.1 * d); }

// A large and a middling broad-leaved tree and a conifer, where the plan shows them.
void treeGroup(Mesh& m, double w, double d)
{
    const double s = std::min(w / 115.0, d / 80.0);
    tree(m, {0.217 * w, 0.44 * d, 0}, 3.0 * s, 26 * s, 22 * s, kLeaf);
    tree(m, {0.53 * w, 0.26 * d, 0}, 2.5 * s, 22 * s, 18 * s, scaled(kLeaf, 1.12f));
    coniferAt(m, {0.78 * w, 0.69 * d, 0}, 13.0 * s, 70 * s);
}

void bush(Mesh& m, double w, double d)
{
    const double r = std::min(w, d) / 2;
    shapes::dome(m, {0.45 * w, 0.5 * d, 0}, 0.9 * r, 1.1 * r, kLeaf, 12);
    shapes::dome(m, {0.7 * w, 0.55 * d, 0}, 0.6 * r, 0.8 * r, kLeafDark, 10);
    shapes::dome(m, {0.25 * w, 0.4 * d, 0}, 0.5 * r, 0.7 * r, scaled(kLeaf, 1.15f), 10);
}

// A red saloon facing +x: body, glazed cabin with its roof, wheels and lamps.
void car(Mesh& m, double w, double d)
{
    constexpr Rgb body{0.80f, 0.16f, 0.15f};
    constexpr Rgb bodyShade{0.62f, 0.12f, 0.11f};
    const double h = 0.9 * d;
    box(m, {0, 0.05 * d, 0.15 * d}, {w, 0.9 * d, 0.42 * h}, body, bodyShade);
    box(m, {0.28 * w, 0.12 * d, 0.15 * d + 0.42 * h}, {0.44 * w, 0.76 * d, 0.36 * h}, body, {0.55f, 0.68f, 0.78f});
    for (double x : {0.14 * w, 0.72 * w})
        for (double y : {0.0, 0.85 * d})
            box(m, {x, y, 0}, {0.14 * w, 0.15 * d, 0.36 * d}, kTyre, kTyre);
    for (double y : {0.12 * d, 0.73 * d})
        box(m, {w, y, 0.3 * d}, {0.4, 0.15 * d, 0.12 * d}, {0.98f, 0.95f, 0.75f}, {0.98f, 0.95f, 0.75f});
}

// A lorry facing +x: a blue box body behind a white cab with its windscreen, on six wheels.
void truck(Mesh& m, double w, double d)
{
    constexpr Rgb cargo{0.30f, 0.42f, 0.72f};
    constexpr Rgb cargoShade{0.24f, 0.35f, 0.63f};
    box(m, {0.03 * w, 0.12 * d, 0.16 * d}, {0.94 * w, 0.76 * d, 0.14 * d}, {0.15f, 0.15f, 0.16f},
        {0.12f, 0.12f, 0.13f});
    box(m, {0, 0, 0.3 * d}, {0.725 * w, d, 0.92 * d}, cargo, cargoShade);
    box(m, {0.75 * w, 0.04 * d, 0.3 * d}, {0.25 * w, 0.92 * d, 0.76 * d}, {0.92f, 0.92f, 0.9f},
        {0.82f, 0.82f, 0.8f});
    box(m, {w, 0.1 * d, 0.66 * d}, {0.5, 0.8 * d, 0.32 * d}, kGlass, kGlass);
    for (double x : {0.08 * w, 0.55 * w, 0.83 * w})
        for (double y : {0.0, 0.84 * d})
            box(m, {x, y, 0}, {0.1 * w, 0.16 * d, 0.34 * d}, kTyre, kTyre);
}

// A concrete pier on its footing, with recessed panels and a capital to carry a deck.
void viaductPier(Mesh& m, double w, double d)
{
    const double h = 1.5 * d;
    box(m, {0, 0, 0}, {w, d, 6}, kConcreteShade, scaled(kConcreteShade, 0.85f));
    box(m, {0.075 * w, 0.05 * d, 6}, {0.85 * w, 0.9 * d, h - 14}, kConcrete, kConcreteShade);
    for (double x : {0.075 * w - 0.6, 0.925 * w})
        box(m, {x, 0.2 * d, 16}, {0.6, 0.6 * d, h - 36}, kConcreteShade, scaled(kConcreteShade, 0.9f));
    box(m, {0, 0, h - 8}, {w, d, 8}, kConcrete, kConcreteShade);
}

// Stone piers either side of each opening, an arch of twelve voussoirs over it and a cap block.
void tunnelPortal(Mesh& m, double w, double d, int openings)
{
    constexpr Rgb pier{0.55f, 0.51f, 0.46f};
    constexpr Rgb pierShade{0.4f, 0.37f, 0.33f};
    constexpr Rgb stoneLight{0.60f, 0.55f, 0.49f};
    constexpr Rgb stoneDark{0.47f, 0.43f, 0.38f};
    const double part = d / openings;
    for (int o = 0; o < openings; ++o) {
        const double y0 = part * o, r = 0.32 * part, cy = y0 + part / 2, cz = 0.55 * part;
        box(m, {0, y0, 0}, {w, part / 2 - r, 0.75 * part}, pier, pierShade);
        box(m, {0, cy + r, 0}, {w, part / 2 - r, 0.75 * part}, pier, pierShade);
        const double blockLength = (r * kPi / 12) * 1.05 + 2;
        for (int i = 0; i < 12; ++i) {
            const double a = (i + 0.5) / 12 * kPi;
            const Vec3 centre{w / 2, cy + r * std::cos(a), cz + r * std::sin(a)};
            const Vec3 along{0, -std::sin(a), std::cos(a)};
            beam(m, centre - along * (blockLength / 2), centre + along * (blockLength / 2), 8,
                 i % 2 == 0 ? stoneLight : stoneDark);
        }
        box(m, {0, cy - 5, 0.75 * part - 4}, {w, 10, 6}, {0.62f, 0.57f, 0.5f}, {0.62f, 0.57f, 0.5f});
    }
}

// Courses of stone blocks laid in bond on a footing, under a projecting coping.
void retainingWall(Mesh& m, double w, double d)
{
    constexpr Rgb stoneA{0.5f, 0.47f, 0.43f};
    constexpr Rgb stoneB{0.56f, 0.53f, 0.48f};
    const double h = 1.6 * d, courses = 4, course = (h - 8) / courses;
    box(m, {0, 0, 0}, {w, d, 4}, stoneA, scaled(stoneA, 0.85f));
    const double block = w / 8;
    for (int c = 0; c < courses; ++c) {
        const double shift = c % 2 == 0 ? 0.0 : block / 2;
        for (double x = -shift; x < w; x += block) {
            const double x0 = std::max(0.0, x), x1 = std::min(w, x + block);
            const bool light = static_cast<int>((x + shift) / block + c) % 2 == 0;
            box(m, {x0 + 0.2, 0.2 * d, 4 + c * course}, {x1 - x0 - 0.4, 0.6 * d, course - 0.4},
                light ? stoneB : stoneA, light ? stoneB : stoneA);
        }
    }
    box(m, {0, 0.1 * d, h - 4}, {w, 0.8 * d, 4}, stoneB, scaled(stoneB, 0.85f));
}

} // namespace layrail::recipes
