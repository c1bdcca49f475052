#include "canvas/CanvasDelete.h"

#include "document/DeleteSelection.h"
#include "document/SelectionFlags.h"
#include "document/Joints.h"
#include "canvas/PairPartners.h"

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
        // Only the piece it was laid with: a neighbouring pair joined to it stays.
        const int partner = pairPartnerOf(layout, p.id);
        if (partner != -1)
            partners.push_back(partner);
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
