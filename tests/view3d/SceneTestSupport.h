#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document/Layout.h"
#include "support/LayoutBuilding.h"
#include "view3d/Camera.h"
#include "view3d/Mesh.h"
#include "view3d/Scene.h"

namespace layrail::scenetest {

using test::attach;
using test::catalogPiece;
using test::join;
using test::lay;
using test::withLevel;

inline Level level(int id, double height, bool visible = true)
{
    Level l;
    l.id = id;
    l.name = "Level " + std::to_string(id);
    l.height = height;
    l.visible = visible;
    return l;
}

inline SceneryItem& addScenery(Layout& layout, const std::string& item, double x, double y, double heading = 0.0)
{
    SceneryItem s;
    s.id = layout.takeId();
    s.item = item;
    s.x = x;
    s.y = y;
    s.heading = heading;
    layout.scenery.push_back(s);
    return layout.scenery.back();
}

inline LayoutShape square(double x0, double y0, double size, double height = 0.0, int shapeLevel = 1)
{
    LayoutShape shape;
    shape.points = {{x0, y0}, {x0 + size, y0}, {x0 + size, y0 + size}, {x0, y0 + size}};
    shape.height = height;
    shape.level = shapeLevel;
    return shape;
}

// Sum of the triangle areas of a mesh projected on the ground plane.
inline double groundArea(const Mesh& mesh)
{
    double area = 0.0;
    for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        const Vec3 a = mesh.position(mesh.indices[t]), b = mesh.position(mesh.indices[t + 1]),
                   c = mesh.position(mesh.indices[t + 2]);
        area += std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2.0;
    }
    return area;
}

inline ::testing::AssertionResult near3(Vec3 a, Vec3 b, double tolerance)
{
    if (length(a - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") is not within "
                                         << tolerance << " of (" << b.x << ", " << b.y << ", " << b.z << ")";
}

} // namespace layrail::scenetest
