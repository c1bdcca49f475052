#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "view3d/Mesh.h"

namespace layrail {

// One sample of a track's centre line: where it is, which way it runs, and which way is across it.
struct StripFrame {
    Vec3 position;
    Vec3 tangent;
    // The tangent turned 90 degrees in the ground plane; zero where the tangent is vertical.
    Vec3 side;
};

// A sampled centre line, in a piece's local millimetres (x along the piece, y to its right, z up).
using Strip = std::vector<StripFrame>;

// Segments of a straight of `length` mm: one per 20 mm, taken as 2 below 3.
int straightSegments(double length);
// Segments of a curve of `angle` degrees: one per 2.5 degrees, taken as 8 below 9.
int curveSegments(double angle);

// How finely a strip is sampled: as the track's cross-section needs, or only as finely as a distant view
// needs to keep its curves round (a straight in one segment, a curve in one per 10 degrees).
enum class Sampling { Track, Coarse };

Strip straightStrip(Point from, Point to, Sampling sampling = Sampling::Track);
// An arc leaving `start` along `heading` (degrees), turning by `angle` degrees toward +y when `bend` is
// positive and toward -y when it is negative, on `radius`.
Strip curveStrip(Point start, double heading, double radius, double angle, int bend,
                 Sampling sampling = Sampling::Track);

} // namespace layrail
