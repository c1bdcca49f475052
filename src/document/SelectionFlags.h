#pragma once

#include "document/Layout.h"

namespace layrail {

// Select All marks every placed piece and every scenery item.
void selectAllPiecesAndScenery(Layout& layout);

// Clears the selected flag of pieces, scenery items, labels, dimension lines and shapes.
void deselectAll(Layout& layout);

// What enables Delete in the menu.
bool anyPieceOrScenerySelected(const Layout& layout);

bool anythingSelected(const Layout& layout);

// A piece counts as graded above this grade in degrees, either way.
constexpr double kGradedThreshold = 0.001;

// A selected piece is graded: moving and deleting it asks first.
bool selectionHasGrade(const Layout& layout);

} // namespace layrail
