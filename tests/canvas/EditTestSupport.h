#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/Joints.h"
#include "catalog/TrackCatalog.h"
#include "document/Layout.h"
#include "document/LayoutCheck.h"
#include "document/WorldConnectors.h"

namespace layrail::edittest {

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

inline PlacedPiece& piece(Layout& layout, int id) { return *layout.findPiece(id); }

inline Connector worldConnector(Layout& layout, int id, int index)
{
    const PlacedPiece& p = piece(layout, id);
    return worldConnectors(p, catalogPiece(p.article))[static_cast<size_t>(index)];
}

inline bool joined(const Layout& layout, int a, int ac, int b, int bc)
{
    const PlacedPiece* pa = layout.findPiece(a);
    const PlacedPiece* pb = layout.findPiece(b);
    return pa && pb && !pa->isOpen(ac) && !pb->isOpen(bc) && pa->joints[ac].target == b &&
           pa->joints[ac].targetConnector == bc && pb->joints[bc].target == a && pb->joints[bc].targetConnector == ac;
}

inline std::vector<int> selectedIds(const Layout& layout)
{
    std::vector<int> ids;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            ids.push_back(p.id);
    return ids;
}

// Joints symmetric, articles known, ids unique.
inline ::testing::AssertionResult consistent(const Layout& layout)
{
    const std::vector<std::string> problems = findLayoutProblems(layout);
    if (problems.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const std::string& p : problems)
        failure << p << "\n";
    return failure;
}

} // namespace layrail::edittest
