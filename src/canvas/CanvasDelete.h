#pragma once

#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// The partner each selected pair piece was laid with joins the selection (see pairPartnerOf).
void selectPairPartners(Layout& layout);

// The delete edit, for Delete or Backspace on the canvas and Edit > Delete alike, once checkDelete
// allowed it (and its question was answered Yes): pair partners join the selection, then the
// document's deleteSelection removes everything selected.
EditResult deleteFromCanvas(Layout& layout);

} // namespace layrail
