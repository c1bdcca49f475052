#include "canvas/PieceRoutes.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace layrail {

namespace {

constexpr double kArcStep = 7.5; // degrees
constexpr double kStraightTurn = 0.01;
constexpr double kMinBumperLength = 10.0;

// From the origin along x to the connector: a straight run, then an arc that turns onto the
// connector's heading. Where no such shape meets the connector, a straight line to it.
Route routeTo(const Connector& end)
{
    double turn = std::fmod(end.heading, 360.0);
    if (turn > 180.0)
        turn -= 360.0;
    if (turn <= -180.0)
        turn += 360.0;
    const Route direct{{0.0, 0.0}, {end.x, end.y}};
    if (std::fabs(turn) < kStraightTurn || (turn > 0.0) != (end.y > 0.0))
        return direct;
    const double angle = degToRad(std::fabs(turn));
    const double radius = std::fabs(end.y) / (1.0 - std::cos(angle));
    const double run = end.x - radius * std::sin(angle);
    if (!std::isfinite(radius) || run < -0.5)
        return direct;
    const double side = end.y > 0.0 ? 1.0 : -1.0;
    Route route{{0.0, 0.0}};
    if (run > kStraightTurn)
        route.push_back({run, 0.0});
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(turn) / kArcStep)));
    for (int i = 1; i <= steps; ++i) {
        const double phi = angle * i / steps;
        route.push_back({std::max(run, 0.0) + radius * std::sin(phi), side * radius * (1.0 - std::cos(phi))});
    }
    route.back() = {end.x, end.y};
    return route;
}

std::vector<Route> buildRoutes(const CatalogPiece& piece)
{
    const std::vector<Connector>& c = piece.connectors;
    switch (piece.kind) {
    case PieceKind::Turntable:
        return {};
    case PieceKind::Bumper:
        return {Route{{0.0, 0.0}, {std::max(piece.length, kMinBumperLength), 0.0}}};
    case PieceKind::Crossing:
    case PieceKind::DoubleSlip:
        if (c.size() >= 4)
            return {Route{{c[0].x, c[0].y}, {c[1].x, c[1].y}}, Route{{c[2].x, c[2].y}, {c[3].x, c[3].y}}};
        break;
    default:
        break;
    }
    std::vector<Route> routes;
    for (size_t k = 1; k < c.size(); ++k)
        routes.push_back(routeTo(c[k]));
    if (routes.empty() && piece.length > 0.0)
        routes.push_back(Route{{0.0, 0.0}, {piece.length, 0.0}});
    return routes;
}

} // namespace

const std::vector<Route>& pieceRoutes(const CatalogPiece& piece)
{
    // Catalog pieces live as long as the program, so their addresses are keys.
    static std::unordered_map<const CatalogPiece*, std::vector<Route>> cache;
    auto it = cache.find(&piece);
    if (it == cache.end())
        it = cache.emplace(&piece, buildRoutes(piece)).first;
    return it->second;
}

} // namespace layrail
