#pragma once

#include <string>

#include "catalog/TrackTypes.h"
#include "document/ConnectorMatching.h"
#include "document/Layout.h"

namespace layrail {

// A real with exactly 4 decimals; values that round to zero print as 0.0000, never -0.0000.
std::string cliReal(double value);

// One catalog piece: article, system, kind, length, radius, angle, flags, connectors, TAB separated.
std::string catalogLine(const CatalogPiece& piece);

// The one-line census of a layout read by the check command.
std::string layoutSummary(const Layout& layout, const std::string& name);

std::string snapLine(const SnapResult& snap);
std::string compatLine(const CompatibilityResult& compat);

} // namespace layrail
