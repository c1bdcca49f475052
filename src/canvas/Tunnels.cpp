#include "canvas/Tunnels.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
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

// The selected pieces by id: the analysis runs on every update of the toolbar, so with thousands
// of pieces selected it must not search the layout for each joint.
using SelectedPieces = std::unordered_map<int, const PlacedPiece*>;

// The selected pieces joined to the piece, one entry per joint (a piece joined twice counts twice).
std::vector<const PlacedPiece*> selectedNeighbours(const PlacedPiece& piece, const SelectedPieces& selected)
{
    std::vector<const PlacedPiece*> out;
    for (const Joint& j : piece.joints) {
        if (j.target == piece.id)
            continue;
        const auto it = selected.find(j.target);
        if (it != selected.end())
            out.push_back(it->second);
    }
    return out;
}

bool oneChain(const std::vector<const PlacedPiece*>& pieces, const SelectedPieces& selected)
{
    std::unordered_set<int> reached{pieces.front()->id};
    std::deque<const PlacedPiece*> queue{pieces.front()};
    while (!queue.empty()) {
        const PlacedPiece* p = queue.front();
        queue.pop_front();
        for (const PlacedPiece* next : selectedNeighbours(*p, selected))
            if (reached.insert(next->id).second)
                queue.push_back(next);
    }
    return reached.size() == selected.size();
}

// The first connector of an end piece that leads out of the selection: open, or joined outside.
int outwardConnector(const Layout& layout, const PlacedPiece& piece, const SelectedPieces& selected)
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
    SelectedPieces selected;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.selected && selected.emplace(p.id, &p).second)
            pieces.push_back(&p);
    }
    if (pieces.size() < 2 || !oneChain(pieces, selected))
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
        if (selectedNeighbours(*p, selected).size() < 2)
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
    for (const PlacedPiece* p : pieces)
        result.covered.push_back(p->id);
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
