#include "canvas/CanvasDelete.h"

#include "document/DeleteSelection.h"
#include "document/Joints.h"
#include "document/SelectionFlags.h"

namespace layrail {

namespace {

bool isPairPiece(const PlacedPiece& piece)
{
    const CatalogPiece* cat = catalogPieceOf(piece);
    return cat != nullptr && cat->pair;
}

} // namespace

void selectPairPartners(Layout& layout)
{
    std::vector<int> partners;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected || !isPairPiece(p))
            continue;
        for (const Joint& j : p.joints)
            if (const PlacedPiece* other = layout.findPiece(j.target); other != nullptr && isPairPiece(*other))
                partners.push_back(other->id);
    }
    for (int id : partners)
        layout.findPiece(id)->selected = true;
}

EditResult deleteFromCanvas(Layout& layout)
{
    EditResult result;
    if (!anythingSelected(layout))
        return result;
    selectPairPartners(layout);
    deleteSelection(layout);
    result.changes = Changes::ofEdit();
    result.status = piecesStatus(layout);
    return result;
}

} // namespace layrail
