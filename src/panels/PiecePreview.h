#pragma once

#include "catalog/TrackCatalog.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {

constexpr int kPreviewWidth = 80;
constexpr int kPreviewHeight = 55;
// The popup's top-left corner relative to the pointer's screen position.
constexpr int kPreviewOffsetX = 8;
constexpr int kPreviewOffsetY = -27;

// Pixels per millimetre that fit the piece into the popup, between 0.05 and 3.
double previewScale(const CatalogPiece& piece);
// The popup's view: the piece's length centred across it, connector 0 on its middle line.
CanvasView previewView(const CatalogPiece& piece);
// A new placed piece at the origin, heading 0, with every connector open.
PlacedPiece previewPiece(const CatalogPiece& piece);

} // namespace layrail
