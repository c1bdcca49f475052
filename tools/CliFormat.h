#pragma once

#include <string>
#include <vector>

#include "canvas/GapReport.h"
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

// The gap report, a line per finding, in this order:
//   open piece=ID connector=K x=X y=Y heading=H level=L
//   near a=ID:K b=ID:K distance=D offset=O angle=A fill=ARTICLE+ARTICLE total=T   (fill=- without one)
//   gap a=ID:K b=ID:K distance=D offset=O angle=A fill=ARTICLE+ARTICLE total=T
//   crossing lower=ID upper=ID x=X y=Y lowerz=Z upperz=Z clearance=C headroom=H
//   grade pieces=ID,ID grade=G limit=6.0000 x=X y=Y
std::vector<std::string> gapLines(const GapReport& report);

} // namespace layrail
