#pragma once

#include <vector>

#include "catalog/TrackTypes.h"
#include "view3d/Strip.h"
#include "view3d/TrackMesh.h"

namespace layrail {

enum class BridgeStyle { None, Truss, Arch, Ramp };

// Which superstructure a catalog piece carries.
BridgeStyle bridgeStyle(const CatalogPiece& piece);

// The centre lines of a piece's track in its local frame; the turntable's is its bridge, the bumper's the
// track up to its stop.
std::vector<Strip> pieceStrips(const CatalogPiece& piece, Sampling sampling = Sampling::Track);

// A turntable of pit radius `radius` centred on the origin: the pit, its rim and the bridge with its track,
// for every detail level.
void addTurntableModel(TrackMeshParts& parts, double radius);

// A catalog piece as the 3D view draws it: its track, its superstructure, or the bumper and turntable
// models, in the piece's local frame.
TrackMesh buildPieceMesh(const CatalogPiece& piece);

} // namespace layrail
