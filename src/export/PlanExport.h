#pragma once

#include <string>

#include "document/Layout.h"
#include "export/ExportOptions.h"

namespace layrail {

// Writes the plan to the file in the options' format, drawn by the plan renderer: a PNG picture at
// the chosen resolution, or an SVG or PDF whose lines and texts stay vectors. The file is written
// whole or not at all (a failure leaves any file of that name as it was). Returns the error text,
// empty on success.
std::string exportPlan(const Layout& layout, const PlanExportOptions& options, const std::string& path);

} // namespace layrail
