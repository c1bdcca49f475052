#pragma once

#include <string>

#include "canvas/PlacementDrag.h"
#include "catalog/Articles.h"
#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// Left press during a palette drag: places the piece (joined when snapped, with its elevation
// continued, a turntable's spoke extensions and a pair piece's partner), or refuses with the
// incompatibility message. Ends the drag either way.
EditResult dropPiece(Layout& layout, PlacementState& state);

// Left press during a scenery drag; a roundhouse near a turntable lines up with it.
EditResult dropScenery(Layout& layout, PlacementState& state);

// Double-click on a piece: a copy joined at its free far end (else at its free origin end).
EditResult clonePiece(Layout& layout, int pieceId);

// Palette double-click with pieces selected: a new piece joined to the selected piece with the
// largest id, at its connector 1 or else its first free connector.
EditResult autoConnect(Layout& layout, const std::string& article);

} // namespace layrail
