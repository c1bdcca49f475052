#include <cmath>
#include <unordered_set>

#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"
#include "view3d/SceneParts.h"

// Tunnel tubes: an earth-coloured half ring carried along the covered track.
namespace layrail::sceneparts {

namespace {

constexpr int kRingVertices = 15;
constexpr double kHalfWidth = 60.0;
constexpr double kHeight = 90.0;

struct PathPoint {
    Vec3 position;
    // Across the direction of travel, horizontal.
    double crossX = 0.0;
    double crossY = 0.0;
};

int coveredNeighbours(const Layout& layout, const PlacedPiece& piece, const std::unordered_set<int>& covered)
{
    int count = 0;
    for (const Joint& joint : piece.joints)
        if (joint.target != -1 && covered.count(joint.target) != 0 && layout.findPiece(joint.target) != nullptr)
            ++count;
    return count;
}

// The covered pieces in the order the track runs, from an end of the chain.
std::vector<const PlacedPiece*> chainOf(const Layout& layout, const Tunnel& tunnel)
{
    const std::unordered_set<int> covered(tunnel.coveredPieces.begin(), tunnel.coveredPieces.end());
    const PlacedPiece* start = nullptr;
    for (int id : tunnel.coveredPieces) {
        const PlacedPiece* piece = layout.findPiece(id);
        if (piece == nullptr)
            continue;
        if (start == nullptr)
            start = piece;
        if (coveredNeighbours(layout, *piece, covered) <= 1) {
            start = piece;
            break;
        }
    }
    std::vector<const PlacedPiece*> chain;
    std::unordered_set<int> visited;
    for (const PlacedPiece* piece = start; piece != nullptr;) {
        chain.push_back(piece);
        visited.insert(piece->id);
        const PlacedPiece* next = nullptr;
        for (const Joint& joint : piece->joints) {
            if (joint.target != -1 && covered.count(joint.target) != 0 && visited.count(joint.target) == 0) {
                next = layout.findPiece(joint.target);
                if (next != nullptr)
                    break;
            }
        }
        piece = next;
    }
    return chain;
}

// The height of a piece's connector: its origin at z, the others along its grade.
double connectorHeight(const PlacedPiece& piece, const CatalogPiece& c, int connector)
{
    if (connector == 0)
        return piece.z;
    double run = c.length;
    if (c.radius > 0.0 && c.connectors.size() >= 2 && c.connectors[1].x > 1.0)
        run = c.connectors[1].x;
    return piece.z + (piece.rev ? -1.0 : 1.0) * std::sin(degToRad(piece.grade)) * run;
}

PathPoint pathPoint(const Connector& at, double z, double travel)
{
    const double h = degToRad(travel);
    return {{at.x, -at.y, z}, -std::sin(h), -std::cos(h)};
}

bool leavesChain(const PlacedPiece& piece, int connector, const std::unordered_set<int>& covered)
{
    return piece.isOpen(connector) || covered.count(piece.joints[static_cast<std::size_t>(connector)].target) == 0;
}

// The points where the track enters the tunnel, crosses from piece to piece and leaves it again, each
// with its height and its direction of travel. Following the joints rather than the pieces' origins
// keeps the tube whole whichever way each piece was laid.
std::vector<PathPoint> tunnelPath(const Layout& layout, const Tunnel& tunnel)
{
    const std::vector<const PlacedPiece*> chain = chainOf(layout, tunnel);
    const std::unordered_set<int> covered(tunnel.coveredPieces.begin(), tunnel.coveredPieces.end());
    const TrackCatalog& catalog = TrackCatalog::instance();
    std::vector<PathPoint> path;
    int entry = -1;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const PlacedPiece& piece = *chain[i];
        const CatalogPiece* c = catalog.find(piece.article);
        if (c == nullptr)
            return {};
        const std::vector<Connector> ends = worldConnectors(piece, *c);
        if (i == 0) {
            for (const Connector& end : ends)
                if (leavesChain(piece, end.index, covered)) {
                    entry = end.index;
                    path.push_back(pathPoint(end, connectorHeight(piece, *c, end.index), end.heading + 180.0));
                    break;
                }
        }
        for (const Connector& end : ends) {
            const bool toNext = i + 1 < chain.size() && !piece.isOpen(end.index) &&
                                piece.joints[static_cast<std::size_t>(end.index)].target == chain[i + 1]->id;
            const bool exit = i + 1 == chain.size() && leavesChain(piece, end.index, covered) &&
                              !(i == 0 && end.index == entry);
            if (toNext || exit) {
                path.push_back(pathPoint(end, connectorHeight(piece, *c, end.index), end.heading));
                break;
            }
        }
    }
    return path;
}

} // namespace

void addTunnels(Scene& scene, const Layout& layout)
{
    Mesh& mesh = scene.tunnels;
    for (const Tunnel& tunnel : layout.tunnels) {
        if (tunnel.coveredPieces.empty())
            continue;
        const std::vector<PathPoint> path = tunnelPath(layout, tunnel);
        std::uint32_t previous = 0;
        for (std::size_t p = 0; p < path.size(); ++p) {
            const PathPoint& point = path[p];
            const std::uint32_t first = static_cast<std::uint32_t>(mesh.vertexCount());
            for (int k = 0; k < kRingVertices; ++k) {
                const double a = k * kPi / (kRingVertices - 1);
                const double c = std::cos(a), s = std::sin(a);
                const Vec3 position =
                    point.position + Vec3{c * kHalfWidth * point.crossX, c * kHalfWidth * point.crossY, s * kHeight};
                const Rgb colour{static_cast<float>(0.55 - 0.15 * s), static_cast<float>(0.46 + 0.09 * s),
                                 static_cast<float>(0.36 - 0.04 * s)};
                mesh.addVertex(position, {c * point.crossX, c * point.crossY, s}, colour);
            }
            if (p > 0) {
                for (std::uint32_t k = 0; k + 1 < kRingVertices; ++k) {
                    mesh.addTriangle(previous + k, first + k, first + k + 1);
                    mesh.addTriangle(previous + k, first + k + 1, previous + k + 1);
                }
            }
            previous = first;
        }
    }
}

} // namespace layrail::sceneparts
