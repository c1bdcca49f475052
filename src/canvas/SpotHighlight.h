#pragma once

#include <vector>

#include "canvas/GapFindings.h"
#include "catalog/Geometry.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"

namespace layrail {

// Spots the canvas marks over the plan, such as the two ends of a gap the check found.
constexpr double kSpotRingRadius = 14.0; // pixels
constexpr Colour kSpotRing{230, 0, 140, 255};

// A view that shows the whole area centred in a window of the given size, no closer than actual
// size times four.
CanvasView viewOnto(const PlanArea& area, int width, int height);

// A ring around each spot, drawn over everything else.
void paintSpots(DrawTarget& target, const CanvasView& view, const std::vector<Point>& spots);

} // namespace layrail
