#pragma once

#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"
#include "render/RenderSupport.h"

namespace layrail {

// The baseboard edge and a length label beside every edge of at least 10 mm; textScale multiplies
// the labels (RenderOptions::textScale).
void drawBaseboardEdges(DrawTarget& target, const CanvasView& view, const Layout& layout, double textScale = 1.0);
// An arrow at the anchor of each grade run, climbing orange, falling blue.
void drawGradeArrows(DrawTarget& target, const CanvasView& view, const Layout& layout, const WorldRect& visible);
// Labels and dimension lines; showSelection off draws the selected ones like the others.
void drawLabels(DrawTarget& target, const CanvasView& view, const Layout& layout, int width, int height,
                bool showSelection);
void drawDimensionLines(DrawTarget& target, const CanvasView& view, const Layout& layout, const WorldRect& visible,
                        bool showSelection, double textScale = 1.0);
// A font of a fixed size multiplied by a text scale, at least 1 point.
FontSpec fixedFont(int size, double textScale, bool bold = false);

} // namespace layrail
