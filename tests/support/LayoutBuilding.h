#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/Layout.h"
#include "document/WorldConnectors.h"

// Building layouts by hand in tests: pieces laid where the test says, joints written as given.
namespace layrail::test {

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

inline Layout withLevel()
{
    Layout layout;
    layout.ensureDefaultLevel();
    return layout;
}

inline Connector worldConnector(const Layout& layout, int id, int index)
{
    const PlacedPiece& p = *layout.findPiece(id);
    return worldConnectors(p, catalogPiece(p.article))[static_cast<std::size_t>(index)];
}

// Writes the joint on both pieces as it stands, whatever they held before.
inline void join(Layout& layout, int a, int connectorA, int b, int connectorB)
{
    layout.findPiece(a)->setJoint(connectorA, b, connectorB);
    layout.findPiece(b)->setJoint(connectorB, a, connectorA);
}

// Lays a piece joined by its connector 0 to the target's connector, on the target's level, and
// returns its id.
inline int attach(Layout& layout, int target, int targetConnector, const std::string& article)
{
    const Pose pose = poseOnConnector(catalogPiece(article), 0, worldConnector(layout, target, targetConnector));
    const int id = lay(layout, article, pose.x, pose.y, pose.heading, layout.findPiece(target)->level);
    join(layout, target, targetConnector, id, 0);
    return id;
}

} // namespace layrail::test
