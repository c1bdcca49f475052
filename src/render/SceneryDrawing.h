#pragma once

#include "catalog/SceneryCatalog.h"
#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"

namespace layrail {

// A scenery item from its catalog drawing; drawn as selected, it is tinted blue and outlined by its
// footprint.
void drawSceneryItem(DrawTarget& target, const CanvasView& view, const SceneryItem& item, const SceneryDef& def,
                     bool selected);

// A radius around the item's position, in mm, that holds its whole footprint.
double sceneryReach(const SceneryItem& item, const SceneryDef& def);

} // namespace layrail
