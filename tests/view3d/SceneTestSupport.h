#pragma once

#include <gtest/gtest.h>

#include <string>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/Layout.h"
#include "document/WorldConnectors.h"
#include "view3d/Camera.h"
#include "view3d/Mesh.h"
#include "view3d/Scene.h"

namespace layrail::scenetest {

inline Layout layoutWithLevel()
{
    Layout layout;
    layout.ensureDefaultLevel();
    return layout;
}

inline const CatalogPiece& catalogPiece(const std::string& article)
{
    const CatalogPiece* p = TrackCatalog::instance().find(article);
    if (p == nullptr)
        ADD_FAILURE() << "missing article " << article;
    return *p;
}

// Appends a piece with the next id and returns that id.
inline int lay(Layout& layout, const std::string& article, double x, double y, double heading, int level = 1)
{
    PlacedPiece p;
    p.id = layout.takeId();
    p.article = article;
    p.x = x;
    p.y = y;
    p.heading = heading;
    p.level = level;
    layout.pieces.push_back(p);
    return p.id;
}

inline void join(Layout& layout, int a, int connectorA, int b, int connectorB)
{
    layout.findPiece(a)->setJoint(connectorA, b, connectorB);
    layout.findPiece(b)->setJoint(connectorB, a, connectorA);
}

// Lays a piece joined by its connector 0 to the target's connector, and returns its id.
inline int attach(Layout& layout, int target, int targetConnector, const std::string& article)
{
    const PlacedPiece& t = *layout.findPiece(target);
    const Connector at = worldConnectors(t, catalogPiece(t.article))[static_cast<std::size_t>(targetConnector)];
    const Pose pose = poseOnConnector(catalogPiece(article), 0, at);
    const int id = lay(layout, article, pose.x, pose.y, pose.heading, t.level);
    join(layout, target, targetConnector, id, 0);
    return id;
}

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
