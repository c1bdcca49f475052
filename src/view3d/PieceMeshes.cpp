#include "view3d/PieceMeshes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "view3d/BridgeModels.h"
#include "view3d/ModelShapes.h"

namespace layrail {

namespace {

int sideOf(double y) { return y < 0.0 ? -1 : 1; }

const Connector* connector(const CatalogPiece& piece, std::size_t i)
{
    return i < piece.connectors.size() ? &piece.connectors[i] : nullptr;
}

bool isOneOf(const std::string& article, std::initializer_list<const char*> articles)
{
    return std::any_of(articles.begin(), articles.end(), [&](const char* a) { return article == a; });
}

// A curved turnout: the inner arc from the origin, and a straight that carries the same arc further
// along to the outer exit.
std::vector<Strip> curvedTurnoutStrips(const CatalogPiece& piece, Sampling sampling)
{
    const Connector* inner = connector(piece, 1);
    const Connector* outer = connector(piece, 2);
    if (inner == nullptr || piece.radius <= 0.0)
        return {straightStrip({0, 0}, {std::max(10.0, piece.length), 0}, sampling)};
    const int bend = sideOf(inner->y);
    const double angle = std::fabs(piece.angle);
    std::vector<Strip> strips{curveStrip({0, 0}, 0.0, piece.radius, angle, bend, sampling)};
    if (outer != nullptr) {
        const double run = std::max(0.0, outer->x - std::sin(degToRad(angle)) * piece.radius);
        if (run > 0.0)
            strips.push_back(straightStrip({0, 0}, {run, 0}, sampling));
        strips.push_back(curveStrip({run, 0}, 0.0, piece.radius, angle, bend, sampling));
    }
    return strips;
}

// The buffer stop closing a bumper of `length` at its far end.
Mesh bufferStop(double length)
{
    constexpr Rgb beamTop{0.66f, 0.24f, 0.18f};
    constexpr Rgb beamSide{0.50f, 0.17f, 0.12f};
    constexpr Rgb post{0.32f, 0.24f, 0.18f};
    const double thick = std::min(8.0, 0.3 * length);
    const double x = length - thick;
    Mesh m;
    shapes::box(m, {x, -14.0, 8.0}, {thick, 28.0, 7.0}, beamTop, beamSide);
    for (double y : {-10.0, 10.0}) {
        shapes::box(m, {x, y - 2.0, kBallastTop}, {thick, 4.0, 6.0}, post, post);
        shapes::beam(m, {x + thick / 2.0, y, 12.0}, {std::max(0.0, x - 0.6 * length), y, kBallastTop + 1.0}, 2.5,
                     post);
    }
    return m;
}

// The pit, its rim and the bridge of a turntable of pit radius r, without the track on the bridge.
Mesh turntablePit(double r)
{
    constexpr int kSegments = 48;
    // The pit floor lies above the baseboard, which would otherwise hide it, even when a scenery item's
    // model is drawn a millimetre lower.
    constexpr double kFloor = 1.0;
    constexpr double kRim = 3.0;
    constexpr Rgb floor{0.30f, 0.28f, 0.25f};
    constexpr Rgb wall{0.55f, 0.52f, 0.48f};
    constexpr Rgb rim{0.66f, 0.63f, 0.58f};
    Mesh m;
    const std::uint32_t centre = m.addVertex({0, 0, kFloor}, {0, 0, 1}, floor);
    for (int k = 0; k < kSegments; ++k) {
        const double a = 2.0 * kPi * k / kSegments, b = 2.0 * kPi * (k + 1) / kSegments, mid = (a + b) / 2.0;
        const Vec3 pa{r * std::cos(a), r * std::sin(a), 0.0}, pb{r * std::cos(b), r * std::sin(b), 0.0};
        const Vec3 ua = pa * (1.0 + 8.0 / r), ub = pb * (1.0 + 8.0 / r);
        const Vec3 low{0, 0, kFloor}, up{0, 0, kRim};
        m.addTriangle(centre, m.addVertex(pa + low, {0, 0, 1}, floor), m.addVertex(pb + low, {0, 0, 1}, floor));
        // The pit wall faces inward; the rim around it is a low stone ring.
        m.addQuad(pa + low, pb + low, pb + up, pa + up, {-std::cos(mid), -std::sin(mid), 0.0}, wall);
        m.addQuad(pa + up, ua + up, ub + up, pb + up, {0, 0, 1}, rim);
        m.addQuad(ua, ub, ub + up, ua + up, {std::cos(mid), std::sin(mid), 0.0}, scaled(rim, 0.8f));
    }
    // The bridge: its two side girders, the pivot and the operator's cabin.
    for (double y : {-17.5, 15.0})
        shapes::box(m, {-r + 2.0, y, kFloor}, {2.0 * r - 4.0, 2.5, 9.0}, bridges::kSteel, bridges::kSteelDark);
    shapes::cylinder(m, {0, 0, kFloor}, 10.0, 0.8, bridges::kSteelDark, 16);
    shapes::box(m, {r - 40.0, 17.5, kFloor}, {20.0, 12.0, 24.0}, {0.55f, 0.25f, 0.2f}, {0.72f, 0.68f, 0.58f});
    return m;
}

double turntableRadius(const CatalogPiece& piece) { return piece.radius > 0.0 ? piece.radius : 139.0; }

} // namespace

void addTurntableModel(TrackMeshParts& parts, double radius)
{
    parts.addStructure(turntablePit(radius));
    addTrackSection(parts, straightStrip({-radius, 0}, {radius, 0}));
    addDistantBed(parts, straightStrip({-radius, 0}, {radius, 0}, Sampling::Coarse));
}

BridgeStyle bridgeStyle(const CatalogPiece& piece)
{
    if (!piece.bridge)
        return BridgeStyle::None;
    if (piece.kind == PieceKind::Curve)
        return BridgeStyle::Ramp;
    if (isOneOf(piece.article, {"74620", "7262", "62620", "89759"}))
        return BridgeStyle::Truss;
    if (isOneOf(piece.article, {"74623", "74613", "74618", "7569", "7267", "62623", "62613", "8976"}))
        return BridgeStyle::Ramp;
    return BridgeStyle::Arch;
}

std::vector<Strip> pieceStrips(const CatalogPiece& piece, Sampling sampling)
{
    const double length = piece.length;
    const bool curved = piece.radius > 0.0;
    switch (piece.kind) {
    case PieceKind::Straight:
        return {straightStrip({0, 0}, {length, 0}, sampling)};
    case PieceKind::Curve:
        if (piece.connectors.size() >= 2 && curved)
            return {curveStrip({0, 0}, 0.0, piece.radius, std::fabs(piece.angle), sideOf(piece.connectors[1].y),
                               sampling)};
        break;
    case PieceKind::LeftTurnout:
    case PieceKind::RightTurnout: {
        std::vector<Strip> strips{straightStrip({0, 0}, {length, 0}, sampling)};
        for (std::size_t branch : {std::size_t{2}, std::size_t{3}})
            if (const Connector* c = connector(piece, branch); c != nullptr && curved)
                strips.push_back(curveStrip({0, 0}, 0.0, piece.radius, std::fabs(piece.angle), sideOf(c->y), sampling));
        return strips;
    }
    case PieceKind::CurvedTurnout:
    case PieceKind::ParallelCurvedTurnout:
        return curvedTurnoutStrips(piece, sampling);
    case PieceKind::Crossing:
    case PieceKind::DoubleSlip: {
        std::vector<Strip> strips{straightStrip({0, 0}, {length, 0}, sampling)};
        const Connector* near = connector(piece, 2);
        const Connector* far = connector(piece, 3);
        if (near == nullptr || far == nullptr)
            return strips;
        strips.push_back(straightStrip({near->x, near->y}, {far->x, far->y}, sampling));
        if (piece.kind == PieceKind::DoubleSlip && curved) {
            // The two slip curves mirror each other through the crossing's centre.
            const double angle = std::fabs(piece.angle);
            strips.push_back(curveStrip({0, 0}, 0.0, piece.radius, angle, sideOf(far->y), sampling));
            strips.push_back(curveStrip({length, 0}, 180.0, piece.radius, angle, sideOf(far->y), sampling));
        }
        return strips;
    }
    case PieceKind::Bumper:
        return {straightStrip({0, 0}, {std::max(10.0, length), 0}, sampling)};
    case PieceKind::Turntable: {
        const double r = turntableRadius(piece);
        return {straightStrip({-r, 0}, {r, 0}, sampling)};
    }
    }
    return {straightStrip({0, 0}, {std::max(10.0, length), 0}, sampling)};
}

TrackMesh buildPieceMesh(const CatalogPiece& piece)
{
    TrackMeshParts parts;
    if (piece.kind == PieceKind::Turntable) {
        addTurntableModel(parts, turntableRadius(piece));
        return parts.finish();
    }
    const std::vector<Strip> strips = pieceStrips(piece, Sampling::Track);
    for (const Strip& strip : strips)
        addTrackSection(parts, strip);
    for (const Strip& strip : pieceStrips(piece, Sampling::Coarse))
        addDistantBed(parts, strip);
    Mesh structure;
    switch (bridgeStyle(piece)) {
    case BridgeStyle::Truss:
        bridges::truss(structure, piece.length);
        break;
    case BridgeStyle::Arch:
        bridges::arch(structure, piece.length);
        break;
    case BridgeStyle::Ramp:
        bridges::ramp(structure, strips.front());
        break;
    case BridgeStyle::None:
        break;
    }
    if (piece.kind == PieceKind::Bumper)
        structure.append(bufferStop(std::max(10.0, piece.length)));
    parts.addStructure(structure);
    return parts.finish();
}

} // namespace layrail
