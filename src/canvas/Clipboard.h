#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// Copies of the copied pieces and scenery items, as they were when copied.
struct Clipboard {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;

    bool empty() const { return pieces.empty() && scenery.empty(); }
};

// "Copy": the clipboard takes copies of the selected pieces and scenery items.
void copySelection(const Layout& layout, Clipboard& clipboard);

// "Paste" at a world point: the copies are laid with their average position on the point, with
// fresh ids; joints among the pasted pieces follow the new ids, all others are free. The pasted
// pieces and scenery items become the whole selection. A pasted helix stub is plain track: its
// helix record is not copied.
EditResult pasteAt(Layout& layout, const Clipboard& clipboard, Point world);

} // namespace layrail
