#include "document/SelectionFlags.h"

#include <algorithm>
#include <cmath>

namespace layrail {

namespace {

template <typename Records>
bool anySelected(const Records& records)
{
    return std::any_of(records.begin(), records.end(), [](const auto& r) { return r.selected; });
}

template <typename Records>
void setSelected(Records& records, bool selected)
{
    for (auto& r : records)
        r.selected = selected;
}

} // namespace

void selectAllPiecesAndScenery(Layout& layout)
{
    setSelected(layout.pieces, true);
    setSelected(layout.scenery, true);
}

void deselectAll(Layout& layout)
{
    setSelected(layout.pieces, false);
    setSelected(layout.scenery, false);
    setSelected(layout.labels, false);
    setSelected(layout.dimensionLines, false);
    setSelected(layout.shapes, false);
}

bool anyPieceOrScenerySelected(const Layout& layout)
{
    return anySelected(layout.pieces) || anySelected(layout.scenery);
}

bool selectionHasGrade(const Layout& layout)
{
    return std::any_of(layout.pieces.begin(), layout.pieces.end(),
                       [](const PlacedPiece& p) { return p.selected && std::fabs(p.grade) > kGradedThreshold; });
}

bool anythingSelected(const Layout& layout)
{
    return anyPieceOrScenerySelected(layout) || anySelected(layout.labels) ||
           anySelected(layout.dimensionLines) || anySelected(layout.shapes);
}

} // namespace layrail
