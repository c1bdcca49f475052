#pragma once

#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"

namespace layrail {

// The top and left rulers of the canvas, in the layout's length unit.
void drawRulers(DrawTarget& target, const CanvasView& view, LengthUnit unit, int width, int height);

} // namespace layrail
