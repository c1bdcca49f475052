#pragma once

#include <string>

#include "document/Layout.h"

namespace layrail {

// The pointer position for the status bar, in the layout's unit.
std::string pointerStatusText(double x, double y, LengthUnit unit);

// Field 0 after a repaint: while grade runs exist it lists their grades; without runs a left-over
// elevation prompt (starting with "▲") gives way to "Ready"; any other text stays.
std::string elevationStatusText(const Layout& layout, const std::string& current);

} // namespace layrail
