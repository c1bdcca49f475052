#pragma once

#include "document/Layout.h"
#include "export/ExportPages.h"

namespace layrail {

// Leaves out of a tiled template the sheets on which the plan draws nothing (grid lines aside),
// except those still needed to join the printed sheets into one piece: a sheet is laid against its
// neighbours by their shared strips, so a gap in the chain would leave the rest without a place.
// The kept sheets are numbered anew, and each learns which of its neighbours are printed. A plan
// with nothing on any sheet keeps them all.
void leaveOutEmptySheets(const Layout& layout, ExportLayoutPlan& plan);

} // namespace layrail
