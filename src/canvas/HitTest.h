#pragma once

#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {

// Whether a world point lies on a piece's track, with the catalog's tolerances.
bool pointOnPiece(const PlacedPiece& piece, const CatalogPiece& catalogPiece, Point world);

// Each hit test takes the mouse in window pixels and returns the id of what lies under it, or -1.
// Records on hidden levels are never hit; among several hits the highest level wins.

// Ties on level height go to the piece whose origin is nearest the mouse, then to the later piece.
int hitPiece(const Layout& layout, const CanvasView& view, double mouseX, double mouseY);
int hitHelix(const Layout& layout, const CanvasView& view, double mouseX, double mouseY);
int hitScenery(const Layout& layout, const CanvasView& view, double mouseX, double mouseY);
// The first label whose text box (4 px left to 120 px right, 4 px above to 24 px below) holds the mouse.
int hitLabel(const Layout& layout, const CanvasView& view, double mouseX, double mouseY);

// The piece a helix stands for when it is clicked: its first existing stub, or -1.
int helixStandIn(const Layout& layout, int helixId);

// The level a helix sits on: the level of its stubs.
int helixLevel(const Layout& layout, const Helix& helix);

} // namespace layrail
