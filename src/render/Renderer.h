#pragma once

#include <set>

#include "catalog/TrackTypes.h"
#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"
#include "render/RenderOptions.h"

namespace layrail {

// Paints the whole layout, in the plan's fixed order, onto a target of the given size in pixels, with
// what the options include (the layout's own view switches are not read).
void renderLayout(const Layout& layout, DrawTarget& target, const CanvasView& view, int width, int height,
                  const RenderOptions& options);

// One piece with its label and join dots. helixSet: ids of helix pieces and their approaches
// (empty outside the renderer).
void drawPlacedPiece(const std::set<int>& helixSet, DrawTarget& target, const Layout& layout,
                     const PlacedPiece& piece, const CatalogPiece& catalogPiece, const CanvasView& view,
                     bool selected, bool showLabels, bool inTunnel);

// The track bed of a piece not yet on the layout (palette drag), in the ghost colours.
void drawGhostPiece(DrawTarget& target, const CanvasView& view, const Pose& pose, const CatalogPiece& catalogPiece);

} // namespace layrail
