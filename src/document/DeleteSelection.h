#pragma once

#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// The one delete, for Delete or Backspace on the canvas and Edit > Delete alike, once the locks
// allowed it (and the graded-track question was answered Yes). What goes: the selected pieces with
// the partner each selected pair piece was laid with (never a piece of a neighbouring pair) and the
// pieces joined to a selected turntable; every helix one of whose stubs goes, with a tunnel over
// it; the selected scenery items, labels, dimension lines and shapes. Grade runs anchored on
// removed pieces move to the first surviving neighbour of the gap or are dropped; joints into the
// gap are opened. Records one undo snapshot first; with nothing selected nothing changes.
EditResult deleteSelection(Layout& layout);

} // namespace layrail
