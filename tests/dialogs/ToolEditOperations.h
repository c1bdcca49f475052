#pragma once

#include <random>
#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail::randomedit {

// Each operation makes one random edit of its kind on the layout, the way the canvas or a dialog
// would, and returns true when it recorded an undo snapshot. Its choices come from the generator's
// own numbers (not the standard distributions), so a seed replays alike everywhere. Operations
// that find nothing to work on (no shape to drag, a single level to remove) leave the layout as it
// is.
using EditOperation = bool (*)(Layout&, std::mt19937&);

bool randomMeasure(Layout& layout, std::mt19937& rng);
bool randomPolygon(Layout& layout, std::mt19937& rng);
bool randomBaseboardDrawing(Layout& layout, std::mt19937& rng);
bool randomShapeDrag(Layout& layout, std::mt19937& rng);
bool randomShapeProperties(Layout& layout, std::mt19937& rng);
bool randomDimensionDrag(Layout& layout, std::mt19937& rng);
bool randomLevelOutlineDrag(Layout& layout, std::mt19937& rng);
bool randomSceneryResize(Layout& layout, std::mt19937& rng);
bool randomSceneryScale(Layout& layout, std::mt19937& rng);
bool randomBaseboardShape(Layout& layout, std::mt19937& rng);
bool randomLevelAdd(Layout& layout, std::mt19937& rng);
bool randomLevelEdit(Layout& layout, std::mt19937& rng);
bool randomLevelRemoval(Layout& layout, std::mt19937& rng);
// Gives the levels content: a straight joined to a random open end, on a random level.
bool randomPieceLaying(Layout& layout, std::mt19937& rng);

struct NamedOperation {
    const char* name;
    EditOperation run;
};
const std::vector<NamedOperation>& toolEditOperations();

// A small layout with something of every kind: two levels with outlines, track joined across them,
// a tunnel, a helix, grade runs, a platform, shapes and a dimension line.
Layout makeToolTestLayout();

// Everything undo and redo must restore, selection flags left out (a press selects before the
// edit's snapshot is taken).
std::string layoutFingerprint(const Layout& layout);

} // namespace layrail::randomedit
