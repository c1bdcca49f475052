#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "document/Joints.h"
#include "document/Layout.h"
#include "document/LayoutCheck.h"
#include "render/CanvasView.h"
#include "support/LayoutBuilding.h"

namespace layrail::edittest {

using test::catalogPiece;
using test::lay;
using test::withLevel;
using test::worldConnector;

// Three C-Track straights joined end to end along the x axis from the origin.
inline std::array<int, 3> layJoinedStraights(Layout& layout)
{
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = lay(layout, "24188", 188.3, 0, 0);
    const int c = lay(layout, "24188", 376.6, 0, 0);
    joinBoth(layout, a, 1, b, 0);
    joinBoth(layout, b, 1, c, 0);
    return {a, b, c};
}

inline Level level(int id, double height, bool visible = true)
{
    Level l;
    l.id = id;
    l.height = height;
    l.visible = visible;
    return l;
}

inline PlacedPiece& piece(Layout& layout, int id) { return *layout.findPiece(id); }

inline void selectPieces(Layout& layout, const std::vector<int>& ids)
{
    for (int id : ids)
        piece(layout, id).selected = true;
}

// Appends a scenery item with the next id and returns a copy of it.
inline SceneryItem addScenery(Layout& layout, const std::string& item, double x = 0.0, double y = 0.0,
                              bool selected = false)
{
    SceneryItem s;
    s.id = layout.takeId();
    s.item = item;
    s.x = x;
    s.y = y;
    s.selected = selected;
    layout.scenery.push_back(s);
    return s;
}

inline std::vector<int> helixStubs(const Helix& h) { return {h.bottomR1, h.bottomR2, h.topR1, h.topR2}; }

// Four stubs of one helix at (500, 500) and the helix record.
inline Helix addHelix(Layout& layout)
{
    Helix h;
    h.id = layout.takeId();
    h.cx = 500;
    h.cy = 500;
    h.bottomR1 = lay(layout, "24188", 500, 140, 0);
    h.bottomR2 = lay(layout, "24188", 500, 62.5, 0);
    h.topR1 = lay(layout, "24188", 500, 860, 0);
    h.topR2 = lay(layout, "24188", 500, 937.5, 0);
    for (int id : helixStubs(h))
        piece(layout, id).helix = h.id;
    layout.helices.push_back(h);
    return h;
}

// One pixel per millimetre with the origin at the window's corner.
inline CanvasView unitView()
{
    CanvasView v;
    v.zoom = 1.0;
    v.panX = 0.0;
    v.panY = 0.0;
    return v;
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
