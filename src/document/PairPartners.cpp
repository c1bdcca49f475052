#include "document/PairPartners.h"

#include <vector>

#include "document/Joints.h"

namespace layrail {

namespace {

bool isPairPiece(const PlacedPiece& piece)
{
    const CatalogPiece* cat = catalogPieceOf(piece);
    return cat != nullptr && cat->pair && cat->connectors.size() >= 2;
}

// The pair piece of the same article joined at `own` with its connector `theirs`, or null.
const PlacedPiece* linked(const Layout& layout, const PlacedPiece& piece, int own, int theirs)
{
    if (piece.isOpen(own))
        return nullptr;
    const Joint& j = piece.joints[static_cast<size_t>(own)];
    const PlacedPiece* other = layout.findPiece(j.target);
    if (other == nullptr || other == &piece || j.targetConnector != theirs || other->article != piece.article ||
        !isPairPiece(*other))
        return nullptr;
    return other;
}

const PlacedPiece* following(const Layout& layout, const PlacedPiece& piece) { return linked(layout, piece, 1, 0); }
const PlacedPiece* preceding(const Layout& layout, const PlacedPiece& piece) { return linked(layout, piece, 0, 1); }

// How many pieces come before this one in its run; a closed ring counts from its smallest id.
size_t positionInRun(const Layout& layout, const PlacedPiece& piece)
{
    std::vector<const PlacedPiece*> before;
    for (const PlacedPiece* p = preceding(layout, piece); p != nullptr; p = preceding(layout, *p)) {
        if (p == &piece) {
            size_t smallest = 0;
            for (size_t k = 0; k < before.size(); ++k)
                if (before[k]->id < before[smallest]->id)
                    smallest = k;
            return piece.id < before[smallest]->id ? 0 : smallest + 1;
        }
        before.push_back(p);
        if (before.size() > layout.pieces.size())
            break;
    }
    return before.size();
}

} // namespace

int pairPartnerOf(const Layout& layout, int pieceId)
{
    const PlacedPiece* piece = layout.findPiece(pieceId);
    if (piece == nullptr || !isPairPiece(*piece))
        return -1;
    const PlacedPiece* next = following(layout, *piece);
    const PlacedPiece* previous = preceding(layout, *piece);
    if (next == nullptr || previous == nullptr) {
        const PlacedPiece* only = next != nullptr ? next : previous;
        return only != nullptr ? only->id : -1;
    }
    const bool nextFollowsOn = next->id == piece->id + 1;
    const bool previousFollowsOn = piece->id == previous->id + 1;
    if (nextFollowsOn != previousFollowsOn)
        return nextFollowsOn ? next->id : previous->id;
    return positionInRun(layout, *piece) % 2 == 0 ? next->id : previous->id;
}

} // namespace layrail
