#pragma once

#include "document/Layout.h"

namespace layrail {

// The largest id of the shared id space that the content holds (pieces, scenery items, labels,
// dimension lines, shapes, tunnels and helices); 0 when it holds none.
int largestContentId(const Layout& layout);

// Content that comes back from elsewhere (Undo and Redo after New) may hold ids the counter has
// already given out again; the counter moves above every id present, so the next one is new.
void raiseNextIdAboveContent(Layout& layout);

} // namespace layrail
