#include "document/WorldConnectors.h"

namespace layrail {

Point toWorld(const Pose& pose, double localX, double localY)
{
    const double h = degToRad(pose.heading);
    const double c = std::cos(h);
    const double s = std::sin(h);
    return {pose.x + localX * c - localY * s, pose.y + localX * s + localY * c};
}

std::vector<Connector> worldConnectors(const Pose& pose, const CatalogPiece& piece)
{
    std::vector<Connector> out;
    out.reserve(piece.connectors.size());
    const double h = degToRad(pose.heading);
    const double c = std::cos(h);
    const double s = std::sin(h);
    for (const Connector& local : piece.connectors) {
        Connector w;
        w.x = pose.x + local.x * c - local.y * s;
        w.y = pose.y + local.x * s + local.y * c;
        w.heading = normalizeHeading(local.heading + pose.heading);
        w.open = true;
        w.index = local.index;
        out.push_back(w);
    }
    return out;
}

std::vector<Connector> worldConnectors(const PlacedPiece& placed, const CatalogPiece& piece)
{
    std::vector<Connector> out = worldConnectors(Pose{placed.x, placed.y, placed.heading}, piece);
    for (Connector& w : out)
        w.open = placed.isOpen(w.index);
    return out;
}

} // namespace layrail
