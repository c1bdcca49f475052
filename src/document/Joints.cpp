#include "document/Joints.h"

#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"

namespace layrail {

const CatalogPiece* catalogPieceOf(const PlacedPiece& piece)
{
    return TrackCatalog::instance().find(piece.article);
}

bool connectorFree(const Layout& layout, const PlacedPiece& piece, int connector)
{
    if (piece.isOpen(connector))
        return true;
    return layout.findPiece(piece.joints[static_cast<size_t>(connector)].target) == nullptr;
}

bool connectorHeldByOther(const Layout& layout, int pieceId, int connector)
{
    for (const PlacedPiece& other : layout.pieces) {
        if (other.id == pieceId)
            continue;
        for (const Joint& j : other.joints)
            if (j.target == pieceId && j.targetConnector == connector)
                return true;
    }
    return false;
}

std::vector<Connector> worldConnectorsOf(const Layout& layout, const PlacedPiece& piece,
                                         const CatalogPiece& catalogPiece)
{
    std::vector<Connector> out = worldConnectors(piece, catalogPiece);
    for (Connector& c : out)
        c.open = connectorFree(layout, piece, c.index);
    return out;
}

void growJoints(PlacedPiece& piece, const CatalogPiece& catalogPiece)
{
    if (piece.joints.size() < catalogPiece.connectors.size())
        piece.joints.resize(catalogPiece.connectors.size());
}

namespace {

// Clears the back-reference of whatever the connector is joined to, when it points back here.
void releasePartner(Layout& layout, const PlacedPiece& piece, int connector)
{
    if (piece.isOpen(connector))
        return;
    const Joint j = piece.joints[static_cast<size_t>(connector)];
    PlacedPiece* partner = layout.findPiece(j.target);
    if (partner == nullptr || partner->isOpen(j.targetConnector))
        return;
    Joint& back = partner->joints[static_cast<size_t>(j.targetConnector)];
    if (back.target == piece.id && back.targetConnector == connector)
        back = Joint{};
}

void growToCatalog(PlacedPiece& piece)
{
    if (const CatalogPiece* cat = catalogPieceOf(piece))
        growJoints(piece, *cat);
}

} // namespace

void joinBoth(Layout& layout, int pieceA, int connectorA, int pieceB, int connectorB)
{
    PlacedPiece* a = layout.findPiece(pieceA);
    PlacedPiece* b = layout.findPiece(pieceB);
    if (a == nullptr || b == nullptr || connectorA < 0 || connectorB < 0)
        return;
    releasePartner(layout, *a, connectorA);
    releasePartner(layout, *b, connectorB);
    growToCatalog(*a);
    growToCatalog(*b);
    a->setJoint(connectorA, pieceB, connectorB);
    b->setJoint(connectorB, pieceA, connectorA);
}

void unjoin(Layout& layout, int pieceId, int connector)
{
    PlacedPiece* piece = layout.findPiece(pieceId);
    if (piece == nullptr || piece->isOpen(connector))
        return;
    releasePartner(layout, *piece, connector);
    piece->joints[static_cast<size_t>(connector)] = Joint{};
}

int addPiece(Layout& layout, EditSnapshot& snapshot, PlacedPiece piece)
{
    snapshot.record();
    piece.id = layout.takeId();
    growToCatalog(piece);
    layout.pieces.push_back(std::move(piece));
    return layout.pieces.back().id;
}

std::unordered_map<int, size_t> pieceIndex(const Layout& layout)
{
    std::unordered_map<int, size_t> index;
    index.reserve(layout.pieces.size() * 2);
    for (size_t i = 0; i < layout.pieces.size(); ++i)
        index.emplace(layout.pieces[i].id, i);
    return index;
}

std::string piecesStatus(const Layout& layout)
{
    return "Pieces: " + std::to_string(layout.pieces.size());
}

} // namespace layrail
