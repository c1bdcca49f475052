#pragma once

#include <vector>

#include "document/EditResult.h"
#include "document/Layout.h"
#include "document/TunnelRecords.h"

namespace layrail {

constexpr const char* kTunnelPortalItem = "tunnel_portal_single";

// What the Tunnel tool would do with the current selection (selected pieces only).
struct TunnelAnalysis {
    bool canAct = false;   // the tool is enabled
    bool inTunnel = false; // the selection is exactly an existing tunnel: the tool removes it
    int tunnelId = -1;
    int anchorA = -1; // the chain's end pieces, when a new tunnel can be placed
    int anchorB = -1;
    int connectorA = -1; // the outward connector of each end piece
    int connectorB = -1;
    std::vector<int> covered; // the selected piece ids, ascending
};

// A tunnel goes over one unbranched chain of at least two joined pieces with two ends, none of them
// under a tunnel yet; or the selection is exactly the pieces of an existing tunnel.
TunnelAnalysis analyseTunnel(const Layout& layout);

// The tool's label: "Remove Tunnel" over an existing tunnel, else "Tunnel".
const char* tunnelToolLabel(const TunnelAnalysis& analysis);

// The Tunnel tool: places a tunnel with a portal at each outward end connector, or removes the
// selected tunnel with its portals; the pieces stay as they are. One undo snapshot; nothing when
// the analysis cannot act.
EditResult toggleTunnel(Layout& layout);

} // namespace layrail
