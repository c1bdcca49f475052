#pragma once

#include <string>

#include "document/EditResult.h"
#include "catalog/Geometry.h"
#include "document/Layout.h"

namespace layrail {

// What the properties panel shows: at most one of the ids is set; none means the selected pieces.
struct ShownRecord {
    int piece = -1;
    int scenery = -1;
    int helix = -1;
    int shape = -1;
};

// "Apply": the named colour (an index into namedTrackColours) goes onto every selected piece,
// "Default" takes their own colour away; then the whole selection is cleared. One undo snapshot;
// nothing without a selected piece or with an index outside the list.
EditResult applyColour(Layout& layout, int colourIndex);

// Where the next label goes: set when the label tool was clicked on the canvas.
struct PendingLabel {
    bool set = false;
    Point at;
};

// "OK" or Enter in the label box: a label with the text (trailing blanks cut) at the pending
// position, else at (0, 0); the pending position is used up. Empty text does nothing. One undo
// snapshot. The window clears the label box when the result says changed.
EditResult addLabel(Layout& layout, PendingLabel& pending, const std::string& text);

// The level choice: the shown scenery item or shape moves to the level; a shown helix moves with
// its stubs (the upper ones at the level's height plus the rise) and the flat track reachable from
// its top follows at that height; otherwise every selected piece outside a helix moves, flat ones
// to the level's height. The level becomes the active level. A negative id ("(mixed)") or a level
// the layout does not have does nothing. One undo snapshot when anything changes.
EditResult setLevel(Layout& layout, const ShownRecord& shown, int levelId);

} // namespace layrail
