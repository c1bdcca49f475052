#pragma once

#include <cstdint>

#include "view3d/Mesh.h"
#include "view3d/Strip.h"

namespace layrail {

// How much of a piece a view draws: everything close up; further away the sides of rails and sleepers
// are thinner than a pixel and are left out; further still the sleepers are narrower than one, and the
// rails too, and the piece is drawn as its ballast bed sampled just finely enough for its curves.
enum class TrackDetail { Full, NoSides, Distant };

// A piece's meshes. The near mesh has its triangles ordered so that leaving out the small sides draws a
// leading part of its indices; the distant mesh stands in for it far away.
struct TrackMesh {
    Mesh mesh;
    std::uint32_t withoutSides = 0;
    Mesh distant;
    // A sphere around every vertex, in the piece's local frame, for culling.
    Vec3 centre;
    double radius = 0.0;

    const Mesh& meshFor(TrackDetail detail) const { return detail == TrackDetail::Distant ? distant : mesh; }
    std::uint32_t indexCount(TrackDetail detail) const;
};

// Collects a piece's triangles by the detail level that still draws them.
struct TrackMeshParts {
    // Ballast, sleeper and rail tops, and everything that is not track.
    Mesh surfaces;
    // The sides of sleepers and rails.
    Mesh sides;
    Mesh distant;

    // Adds a mesh that every detail level draws (superstructures, bumpers, the turntable pit).
    void addStructure(const Mesh& structure);
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
// The top of the ballast bed along a coarsely sampled strip, for the distant mesh.
void addDistantBed(TrackMeshParts& parts, const Strip& coarse);

// A block extruded along a strip between two offsets across it (from `inner` to `outer`) and two
// heights, relative to the strip. The top goes to `top`, the two long sides to `sides` when given.
void addStripBand(Mesh& top, Mesh* sides, const Strip& strip, double inner, double outer, double z0, double z1,
                  Rgb topColour, Rgb sideColour);

// Arc-length positions of the sleepers along a strip.
std::vector<double> sleeperPositions(const Strip& strip);

} // namespace layrail
