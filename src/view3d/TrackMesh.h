#pragma once

#include <cstdint>

#include "view3d/Mesh.h"
#include "view3d/Strip.h"

namespace layrail {

// How much of a piece a view draws: everything close up; far away the sides of rails and sleepers, and
// then the sleepers themselves, are smaller than a pixel and are left out.
enum class TrackDetail { Full, NoSides, NoSleepers };

// A piece's mesh with its triangles ordered so that each detail level draws a leading part of the
// indices: first the ballast, rail tops and structures, then the sleeper tops, then the small sides.
struct TrackMesh {
    Mesh mesh;
    std::uint32_t bedIndices = 0;
    std::uint32_t sleeperIndices = 0;
    // A sphere around every vertex, in the piece's local frame, for culling.
    Vec3 centre;
    double radius = 0.0;

    std::uint32_t indexCount(TrackDetail detail) const;
};

// Collects a piece's triangles by the detail level that still draws them.
struct TrackMeshParts {
    Mesh bed;
    Mesh sleeperTops;
    Mesh sides;

    TrackMesh finish() const;
};

// Cross-section sizes, millimetres.
constexpr double kBallastHalfWidth = 18.7;
constexpr double kBallastTop = 2.0;
constexpr double kSleeperSpacing = 13.0;
constexpr double kFirstSleeper = 6.5;
constexpr double kSleeperHalfLength = 13.0;
constexpr double kSleeperHalfWidth = 1.75;
constexpr double kSleeperTop = 4.2;
constexpr double kRailOffset = 8.25;
constexpr double kRailHalfWidth = 0.6;
constexpr double kRailTop = 6.7;

constexpr Rgb kBallastTopColour{0.76f, 0.74f, 0.70f};
constexpr Rgb kBallastSideColour{0.58f, 0.56f, 0.52f};
constexpr Rgb kSleeperTopColour{0.38f, 0.27f, 0.16f};
constexpr Rgb kSleeperSideColour{0.28f, 0.18f, 0.10f};
constexpr Rgb kRailTopColour{0.74f, 0.74f, 0.78f};
constexpr Rgb kRailSideColour{0.52f, 0.52f, 0.56f};

// Ballast bed, sleepers and rails along a strip.
void addTrackSection(TrackMeshParts& parts, const Strip& strip);

// A block extruded along a strip between two offsets across it (from `inner` to `outer`) and two
// heights, relative to the strip. The top goes to `top`, the two long sides to `sides` when given.
void addStripBand(Mesh& top, Mesh* sides, const Strip& strip, double inner, double outer, double z0, double z1,
                  Rgb topColour, Rgb sideColour);

// Arc-length positions of the sleepers along a strip.
std::vector<double> sleeperPositions(const Strip& strip);

} // namespace layrail
