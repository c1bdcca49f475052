#pragma once

#include <vector>

#include "catalog/Geometry.h"

namespace layrail {

// Triangles covering a polygon outline (concave, and self-crossing by the odd winding rule), three
// points per triangle. An outline with fewer than three points, or one the tessellator rejects, gives
// no triangles.
std::vector<Point> triangulate(const std::vector<Point>& outline);

} // namespace layrail
