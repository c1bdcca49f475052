#include "canvas/Tunnels.h"

#include <algorithm>
#include <deque>
#include <unordered_set>

#include "document/Joints.h"
#include "document/WorldConnectors.h"

namespace layrail {

namespace {

int connectorCount(const PlacedPiece& piece)
{
    const CatalogPiece* cat = catalogPieceOf(piece);
    return cat ? static_cast<int>(cat->connectors.size()) : static_cast<int>(piece.joints.size());
}

// The selected pieces joined to the piece, one entry per joint (a piece joined twice counts twice).
std::vector<int> selectedNeighbours(const Layout& layout, const PlacedPiece& piece,
                                    const std::unordered_set<int>& selected)
{
    std::vector<int> out;
    for (const Joint& j : piece.joints)
        if (j.target != piece.id && selected.count(j.target) != 0 && layout.findPiece(j.target) != nullptr)
            out.push_back(j.target);
    return out;
}

bool oneChain(const Layout& layout, const std::vector<const PlacedPiece*>& pieces,
              const std::unordered_set<int>& selected)
{
    std::unordered_set<int> reached{pieces.front()->id};
    std::deque<const PlacedPiece*> queue{pieces.front()};
    while (!queue.empty()) {
        const PlacedPiece* p = queue.front();
        queue.pop_front();
        for (int next : selectedNeighbours(layout, *p, selected))
            if (reached.insert(next).second)
                queue.push_back(layout.findPiece(next));
    }
    return reached.size() == selected.size();
}

// The first connector of an end piece that leads out of the selection: open, or joined outside.
int outwardConnector(const Layout& layout, const PlacedPiece& piece, const std::unordered_set<int>& selected)
{
    for (int c = 0; c < connectorCount(piece); ++c)
        if (connectorFree(layout, piece, c) || selected.count(piece.joints[static_cast<size_t>(c)].target) == 0)
            return c;
    return -1;
}

// A portal at the connector, facing out of the tunnel, on the level of the track it marks.
SceneryItem portalAt(Layout& layout, const PlacedPiece& piece, int connector)
{
    const Connector world = worldConnectors(piece, *catalogPieceOf(piece))[static_cast<size_t>(connector)];
    SceneryItem portal;
    portal.id = layout.takeId();
    portal.item = kTunnelPortalItem;
    portal.x = world.x;
    portal.y = world.y;
    portal.heading = world.heading;
    portal.level = piece.level;
    return portal;
}

} // namespace

TunnelAnalysis analyseTunnel(const Layout& layout)
{
    TunnelAnalysis result;
    std::vector<const PlacedPiece*> pieces;
    std::unordered_set<int> selected;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected && selected.insert(p.id).second)
            pieces.push_back(&p);
    }
    if (pieces.size() < 2 || !oneChain(layout, pieces, selected))
        return result;

    for (const Tunnel& t : layout.tunnels) {
        const std::unordered_set<int> covered(t.coveredPieces.begin(), t.coveredPieces.end());
        if (covered.size() == selected.size() &&
            std::all_of(covered.begin(), covered.end(), [&](int id) { return selected.count(id) != 0; })) {
            result.canAct = true;
            result.inTunnel = true;
            result.tunnelId = t.id;
            return result;
        }
    }
    for (const Tunnel& t : layout.tunnels)
        for (int id : t.coveredPieces)
            if (selected.count(id) != 0)
                return result;

    std::vector<const PlacedPiece*> ends;
    for (const PlacedPiece* p : pieces)
        if (selectedNeighbours(layout, *p, selected).size() < 2)
            ends.push_back(p);
    if (ends.size() != 2)
        return result;
    const int connectorA = outwardConnector(layout, *ends[0], selected);
    const int connectorB = outwardConnector(layout, *ends[1], selected);
    if (connectorA == -1 || connectorB == -1)
        return result;

    result.canAct = true;
    result.anchorA = ends[0]->id;
    result.anchorB = ends[1]->id;
    result.connectorA = connectorA;
    result.connectorB = connectorB;
    result.covered.assign(selected.begin(), selected.end());
    std::sort(result.covered.begin(), result.covered.end());
    return result;
}

const char* tunnelToolLabel(const TunnelAnalysis& analysis)
{
    return analysis.inTunnel ? "Remove Tunnel" : "Tunnel";
}

EditResult toggleTunnel(Layout& layout)
{
    const TunnelAnalysis analysis = analyseTunnel(layout);
    EditResult result;
    if (!analysis.canAct)
        return result;
    EditSnapshot snapshot(layout);

    if (analysis.inTunnel) {
        if (std::none_of(layout.tunnels.begin(), layout.tunnels.end(),
                         [&](const Tunnel& t) { return t.id == analysis.tunnelId; }))
            return result;
        snapshot.record();
        removeTunnel(layout, analysis.tunnelId);
        result.changes.content = true;
        return result;
    }

    const PlacedPiece* a = layout.findPiece(analysis.anchorA);
    const PlacedPiece* b = layout.findPiece(analysis.anchorB);
    if (a == nullptr || b == nullptr || catalogPieceOf(*a) == nullptr || catalogPieceOf(*b) == nullptr)
        return result;
    snapshot.record();
    const SceneryItem portalA = portalAt(layout, *a, analysis.connectorA);
    const SceneryItem portalB = portalAt(layout, *b, analysis.connectorB);
    layout.scenery.push_back(portalA);
    layout.scenery.push_back(portalB);

    Tunnel tunnel;
    tunnel.id = layout.takeId();
    tunnel.portalA = portalA.id;
    tunnel.portalB = portalB.id;
    tunnel.anchorA = analysis.anchorA;
    tunnel.anchorB = analysis.anchorB;
    tunnel.coveredPieces = analysis.covered;
    layout.tunnels.push_back(tunnel);
    result.changes.content = true;
    return result;
}

} // namespace layrail
