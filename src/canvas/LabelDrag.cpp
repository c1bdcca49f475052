#include "canvas/LabelDrag.h"

#include "canvas/Selection.h"

namespace layrail {

namespace {

LayoutLabel* findLabel(Layout& layout, int id)
{
    for (LayoutLabel& label : layout.labels)
        if (label.id == id)
            return &label;
    return nullptr;
}

} // namespace

void beginLabelDrag(Layout& layout, LabelDrag& drag, int labelId, Point pointerWorld)
{
    drag = LabelDrag{};
    const LayoutLabel* label = findLabel(layout, labelId);
    if (label == nullptr)
        return;
    selectOnlyLabel(layout, labelId);
    drag.id = labelId;
    drag.grab = {pointerWorld.x - label->x, pointerWorld.y - label->y};
}

bool dragLabel(Layout& layout, LabelDrag& drag, Point pointerWorld)
{
    LayoutLabel* label = findLabel(layout, drag.id);
    if (label == nullptr)
        return false;
    const double x = pointerWorld.x - drag.grab.x;
    const double y = pointerWorld.y - drag.grab.y;
    if (x == label->x && y == label->y)
        return false;
    EditSnapshot(layout, drag.recorded).record();
    label->x = x;
    label->y = y;
    return true;
}

EditResult endLabelDrag(LabelDrag& drag)
{
    EditResult result;
    result.changes.content = drag.recorded;
    drag = LabelDrag{};
    return result;
}

} // namespace layrail
