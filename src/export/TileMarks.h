#pragma once

#include <string>

#include "export/ExportPages.h"
#include "render/DrawTarget.h"

namespace layrail {

// The marks that turn the sheets of a true-scale template into one plan: corner marks around the
// printed area, a dashed line where each printed neighbouring sheet's area begins, registration
// crosses in the shared strips (they fall on the same spot of the plan on both sheets), the neighbours' page
// numbers in the margins and a caption. In the page's units; drawn after the plan.
void drawTileMarks(DrawTarget& target, const ExportPage& page, int scaleDenominator);

// "Page 2 of 6 (row 1, column 2) - scale 1:1 - ..." under the printed area.
std::string tileCaption(const ExportPage& page, int scaleDenominator);

} // namespace layrail
