#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "view3d/Mesh.h"

// The solids every model is composed of, appended to a mesh in the model's millimetres.
namespace layrail::shapes {

// An axis-aligned block from `origin` to `origin + size`; the top face in `top`, the rest in `side`.
void box(Mesh& mesh, Vec3 origin, Vec3 size, Rgb top, Rgb side);
// An upright cylinder standing on `base`, with its top cap.
void cylinder(Mesh& mesh, Vec3 base, double radius, double height, Rgb colour, int segments);
// A crown tapering from `radius` at `base` to a point `height` above it, with its underside.
void cone(Mesh& mesh, Vec3 base, double radius, double height, Rgb colour, int segments);
// A rounded crown: half an ellipsoid of `radius` across and `height` tall over `base` (hanging below it
// when `height` is negative), closed underneath unless it is one half of a whole crown.
void dome(Mesh& mesh, Vec3 base, double radius, double height, Rgb colour, int segments, bool closed = true);
// A whole crown: a dome over `centre` and a flatter one under it.
void crown(Mesh& mesh, Vec3 centre, double radius, double up, double down, Rgb colour, int segments);
// One flat face, its normal turned away from `inside`.
void quad(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 inside, Rgb colour);
void triangle(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 inside, Rgb colour);
// A bar of square section `thickness` between two points, with its end caps.
void beam(Mesh& mesh, Vec3 a, Vec3 b, double thickness, Rgb colour);
// A straight wall of `thickness` centred on the line from a to b, from z0 to z1.
void wall(Mesh& mesh, Point a, Point b, double thickness, double z0, double z1, Rgb top, Rgb side);
// A vertical prism over a convex or star-shaped footprint given in order, from z0 to z1.
void prism(Mesh& mesh, const std::vector<Point>& footprint, double z0, double z1, Rgb top, Rgb side);
// A gabled roof over the rectangle (x0, y0)-(x1, y1) with its ridge along x, eaves at `eave`, the ridge
// at `ridge`, and the two gable ends closed in `gable`.
void gableRoofX(Mesh& mesh, double x0, double y0, double x1, double y1, double eave, double ridge, Rgb roof,
                Rgb gable);
// The same with the ridge along y.
void gableRoofY(Mesh& mesh, double x0, double y0, double x1, double y1, double eave, double ridge, Rgb roof,
                Rgb gable);
// A hipped roof: four planes rising from the eaves of the rectangle to a ridge along its longer side.
void hippedRoof(Mesh& mesh, double x0, double y0, double x1, double y1, double eave, double ridge, Rgb roof);

} // namespace layrail::shapes
