#pragma once

#include "catalog/Geometry.h"
#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// A label following the pointer with the left button held.
struct LabelDrag {
    int id = -1;           // the label being dragged, or -1
    Point grab;            // pointer minus label position at the press, mm
    bool recorded = false; // the drag's undo snapshot was taken, with its first real step

    bool active() const { return id != -1; }
};

// Left press on a label: it becomes the only selected label and follows the pointer from here.
void beginLabelDrag(Layout& layout, LabelDrag& drag, int labelId, Point pointerWorld);

// Motion with the button held: the label keeps its grab point under the pointer. The drag's one
// undo snapshot is recorded with its first real step, so a plain click records nothing. Returns
// true when the label moved.
bool dragLabel(Layout& layout, LabelDrag& drag, Point pointerWorld);

// Left button up: the drag ends; its content changed when the label moved.
EditResult endLabelDrag(LabelDrag& drag);

} // namespace layrail
