#pragma once

#include <string>
#include <vector>

#include "canvas/GapReport.h"
#include "catalog/Geometry.h"

namespace layrail {

// A part of the plan, in mm.
struct PlanArea {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};

// One row of the "Check Layout" list: what, where, by how much, and what to show on the plan.
struct GapFinding {
    std::string kind;         // "Open end", "Near miss", "Gap to fill", "Low crossing", "Steep grade"
    std::string where;        // "x 120.0, y -35.5"
    std::string details;      // the figures
    std::vector<Point> spots; // marked on the plan
    PlanArea area;            // the plan zooms to it
};

// The report's rows: near misses and gaps first, then low crossings, steep grades and open ends.
std::vector<GapFinding> gapFindings(const Layout& layout, const GapReport& report);

// "12 open ends, 1 near miss, 0 gaps to fill, 1 low crossing, 0 steep grades".
std::string gapSummary(const GapReport& report);

} // namespace layrail
