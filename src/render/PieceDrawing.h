#pragma once

#include <set>
#include <vector>

#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"

namespace layrail {

struct PieceStyle {
    Colour fill;
    Colour outline;
};

// Fill and outline of a placed piece: selection, system, level and own colour, elevation tint, tunnel shading.
PieceStyle pieceStyle(const std::set<int>& helixSet, const Layout& layout, const PlacedPiece& piece,
                      const CatalogPiece& catalogPiece, bool selected, bool inTunnel);

// The track bed of a piece at a pose. connectors: its connectors' world positions; placed: the joint
// table behind them, or null for a piece that is not on the layout.
void drawPieceBody(DrawTarget& target, const CanvasView& view, const Pose& pose, const CatalogPiece& catalogPiece,
                   const PieceStyle& style, bool selected, const std::vector<Point>& connectors,
                   const PlacedPiece* placed);

// World positions of a piece's connectors, replacing the contents of out.
void connectorPositions(std::vector<Point>& out, const Pose& pose, const CatalogPiece& catalogPiece);

// A radius around the piece's origin, in mm, that holds all of its track bed.
double pieceReach(const CatalogPiece& catalogPiece);

// Where a piece's label and circuit marker go: the middle of its length, or of its arc.
Point pieceMiddle(const Pose& pose, const CatalogPiece& catalogPiece);

} // namespace layrail

namespace layrail {

// One filled circle per connector: orange when free, green when joined.
void drawJoinDots(DrawTarget& target, const CanvasView& view, const PlacedPiece& piece,
                  const std::vector<Point>& connectors);

} // namespace layrail
