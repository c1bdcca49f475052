#pragma once

#include <array>
#include <string>

#include "render/CanvasView.h"
#include "render/DrawTarget.h"
#include "document/EditResult.h"
#include "canvas/PlacementDrag.h"
#include "catalog/Geometry.h"
#include "catalog/HelixKits.h"
#include "document/Layout.h"

namespace layrail {

// The kit a helix or a palette row names: an empty or unknown id means the default kit. Null only
// when the default kit is missing too.
const HelixKit* helixKitOrDefault(const std::string& kitId);

Helix* helixById(Layout& layout, int helixId);
const Helix* helixById(const Layout& layout, int helixId);

// Where a helix's four stubs lie, in record order: inner bottom, outer bottom, inner top, outer
// top. They sit on the helix's local y axis, the bottom ones on one side of the centre, the top
// ones on the other.
std::array<Point, 4> helixStubPositions(double cx, double cy, double heading, const HelixKit& kit);

// A helix of the kit centred at (cx, cy): the record and its four stubs on level 1, the top ones
// at the kit's rise. An unknown kit falls back to the default; without a kit or a stub article in
// the catalog nothing happens. One undo snapshot.
EditResult addHelix(Layout& layout, double cx, double cy, double heading, const std::string& kitId);

// Left press during a helix placement: the helix goes where the ghost is, with heading 0, and the
// placement ends.
EditResult dropHelix(Layout& layout, PlacementState& state);

// The two circles and the cross the canvas shows while a helix placement follows the mouse.
struct HelixGhost {
    Point centre;
    double innerRadius = 0.0;
    double outerRadius = 0.0;
};
constexpr double kHelixGhostCrossPixels = 16.0;
constexpr Colour kHelixGhostColour{0, 150, 200, 255};

// False when no placement is active or it names no kit at all.
bool helixGhost(const PlacementState& state, HelixGhost& ghost);
void drawHelixGhost(DrawTarget& target, const CanvasView& view, const PlacementState& state);

// Removes the helix with its stubs (and any other piece carrying its id): joints into them are
// opened, grade runs anchored on them dropped, and a tunnel covering one of them goes with its
// portals. False when there is no such helix. Records the edit's snapshot before changing anything.
bool removeHelix(Layout& layout, EditSnapshot& snapshot, int helixId);
EditResult removeHelix(Layout& layout, int helixId);

} // namespace layrail
