#pragma once

#include "LayoutGenerator.h"
#include "document/Layout.h"

namespace layrail::bench {

constexpr int kFrameWidth3D = 1000;
constexpr int kFrameHeight3D = 700;

// Ovals laid out about as wide as deep: 1,000 pieces fit the widest view, 10,000 spread far beyond it.
inline const Layout& thousandPieceLayout()
{
    static const Layout layout = makeOvalGrid(1000, 7);
    return layout;
}

inline const Layout& tenThousandPieceLayout()
{
    static const Layout layout = makeOvalGrid(10000, 22);
    return layout;
}

inline const Layout& emptyLayout3D()
{
    static const Layout layout = [] {
        Layout l;
        l.ensureDefaultLevel();
        return l;
    }();
    return layout;
}

} // namespace layrail::bench
