#include "canvas/RotateJoints.h"

#include <unordered_map>
#include <vector>

#include "canvas/AutoJoin.h"
#include "document/Joints.h"
#include "document/JointGeometry.h"

namespace layrail {

namespace {

struct Broken {
    int piece;
    int connector;
};

// Joints of a turned piece into an unturned one; those between two turned pieces turned with them.
std::vector<Broken> brokenJoints(const Layout& layout)
{
    const std::unordered_map<int, size_t> index = pieceIndex(layout);
    std::vector<Broken> broken;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        const CatalogPiece* cat = catalogPieceOf(p);
        for (size_t c = 0; c < p.joints.size(); ++c) {
            const Joint& j = p.joints[c];
            const auto found = index.find(j.target);
            if (found == index.end())
                continue;
            const PlacedPiece& other = layout.pieces[found->second];
            if (other.selected)
                continue;
            const CatalogPiece* otherCat = catalogPieceOf(other);
            const bool known = cat != nullptr && otherCat != nullptr && c < cat->connectors.size() &&
                               j.targetConnector >= 0 &&
                               j.targetConnector < static_cast<int>(otherCat->connectors.size());
            if (!known || !connectorsMeet(worldConnectorAt(p, *cat, static_cast<int>(c)),
                                          worldConnectorAt(other, *otherCat, j.targetConnector)))
                broken.push_back({p.id, static_cast<int>(c)});
        }
    }
    return broken;
}

} // namespace

void rejoinAfterTurn(Layout& layout)
{
    for (const Broken& b : brokenJoints(layout))
        unjoin(layout, b.piece, b.connector);
    std::vector<int> turned;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            turned.push_back(p.id);
    autoJoin(layout, turned);
}

} // namespace layrail
