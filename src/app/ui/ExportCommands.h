#pragma once

#include "app/ui/CommandTable.h"

namespace layrail {

// File > "Export Plan...": the plan as a PNG, SVG or PDF file.
void exportPlanCommand(CommandContext& context, const CommandCall& call);
// File > "Export Piece List...": the piece count as a CSV file.
void exportPieceListCommand(CommandContext& context, const CommandCall& call);
// Layout > "Check Layout...": the list of open ends, gaps, low crossings and steep grades.
void checkLayoutCommand(CommandContext& context, const CommandCall& call);

} // namespace layrail
