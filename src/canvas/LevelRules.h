#pragma once

#include "document/Layout.h"

namespace layrail {

// A level the layout does not know counts as visible at height 0, so its records stay reachable.
bool levelVisible(const Layout& layout, int levelId);
double levelHeight(const Layout& layout, int levelId);

// Where new records go: the visible level with the greatest height (the first on equal heights),
// else the active level.
int topVisibleLevel(const Layout& layout);

} // namespace layrail
