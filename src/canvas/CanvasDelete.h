#pragma once

#include "canvas/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// The partner each selected pair piece was laid with joins the selection (see pairPartnerOf).
void selectPairPartners(Layout& layout);

// Delete or Backspace on the canvas once checkDelete allowed it (and its question was answered
// Yes): pair partners join the selection, then the document's delete removes everything selected.
EditResult deleteFromCanvas(Layout& layout);

} // namespace layrail
