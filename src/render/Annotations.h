#pragma once

#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"
#include "render/RenderSupport.h"

namespace layrail {

// The baseboard edge and a length label beside every edge of at least 10 mm.
void drawBaseboardEdges(DrawTarget& target, const CanvasView& view, const Layout& layout);
// An arrow at the anchor of each grade run, climbing orange, falling blue.
void drawGradeArrows(DrawTarget& target, const CanvasView& view, const Layout& layout, const WorldRect& visible);
// Labels and dimension lines; showSelection off draws the selected ones like the others.
void drawLabels(DrawTarget& target, const CanvasView& view, const Layout& layout, int width, int height,
                bool showSelection);
void drawDimensionLines(DrawTarget& target, const CanvasView& view, const Layout& layout, const WorldRect& visible,
                        bool showSelection);

} // namespace layrail
