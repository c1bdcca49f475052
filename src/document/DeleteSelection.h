#pragma once

#include "document/Layout.h"

namespace layrail {

// Removes the selected pieces (a selected turntable takes the pieces joined to it along), every
// helix one of whose stubs goes, and the selected scenery items, labels, dimension lines and
// shapes. Grade runs anchored on removed pieces move to the first surviving neighbour of the gap
// or are dropped; joints into the gap are opened. Records one undo snapshot first.
void deleteSelection(Layout& layout);

} // namespace layrail
