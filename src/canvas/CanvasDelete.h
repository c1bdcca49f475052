#pragma once

#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// Pieces joined to a selected pair piece that are pair pieces themselves join the selection.
void selectPairPartners(Layout& layout);

// The delete edit, for Delete or Backspace on the canvas and Edit > Delete alike, once checkDelete
// allowed it (and its question was answered Yes): pair partners join the selection, then the
// document's deleteSelection removes everything selected.
EditResult deleteFromCanvas(Layout& layout);

} // namespace layrail
