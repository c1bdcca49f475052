#pragma once

#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

// The run along a piece that its grade climbs over: the catalog length, or for a curve the
// chord's run along the piece heading.
double effectiveLength(const CatalogPiece& piece);

// Height of a placed piece at one of its connectors, following its grade and direction.
double heightAtConnector(const PlacedPiece& piece, const CatalogPiece& catalogPiece, int connector);

// Carries the elevation from the target piece across a fresh joint to the new piece: the new piece
// starts at the target connector's height and, when the target anchors a grade run, continues
// the run, which then moves its anchor to the new piece. A flat bridge ends the run.
void continueGrade(Layout& layout, int newPiece, int targetPiece, int targetConnector, int ownConnector);

} // namespace layrail
