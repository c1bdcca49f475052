#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/TrackTypes.h"
#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// The catalog entry of a placed piece, null when its article is unknown.
const CatalogPiece* catalogPieceOf(const PlacedPiece& piece);

// A connector is free when nothing is joined there, or when the joined piece no longer exists.
bool connectorFree(const Layout& layout, const PlacedPiece& piece, int connector);

// True when a piece other than pieceId holds a joint to that piece's connector.
bool connectorHeldByOther(const Layout& layout, int pieceId, int connector);

// World connectors whose open flag also counts joints to missing pieces as open.
std::vector<Connector> worldConnectorsOf(const Layout& layout, const PlacedPiece& piece,
                                         const CatalogPiece& catalogPiece);

// Grows a joint table with free entries up to the catalog's connector count.
void growJoints(PlacedPiece& piece, const CatalogPiece& catalogPiece);

// Writes a joint on both pieces; skipped when either is missing. Old partners of both connectors
// are released first, so joints stay symmetric.
void joinBoth(Layout& layout, int pieceA, int connectorA, int pieceB, int connectorB);

// Frees a connector on both sides.
void unjoin(Layout& layout, int pieceId, int connector);

// Appends a piece with the next id after recording the edit's snapshot; returns the id.
int addPiece(Layout& layout, EditSnapshot& snapshot, PlacedPiece piece);

// Position of every piece in the layout's list, by id.
std::unordered_map<int, size_t> pieceIndex(const Layout& layout);

// "Pieces: " and the count, for status field 1.
std::string piecesStatus(const Layout& layout);

} // namespace layrail
