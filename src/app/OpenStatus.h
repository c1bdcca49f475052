#pragma once

#include <string>

#include "document/Layout.h"

namespace layrail {

// Status field 0 after a layout was opened: "Ready", or the grades of its runs.
// Field 1 is the canvas's piecesStatus.
std::string openStatusText(const Layout& layout);

} // namespace layrail
