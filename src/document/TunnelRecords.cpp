#include "document/TunnelRecords.h"

#include <algorithm>

namespace layrail {

bool removeTunnel(Layout& layout, int tunnelId)
{
    auto it = std::find_if(layout.tunnels.begin(), layout.tunnels.end(),
                           [tunnelId](const Tunnel& t) { return t.id == tunnelId; });
    if (it == layout.tunnels.end())
        return false;
    const int portalA = it->portalA;
    const int portalB = it->portalB;
    layout.tunnels.erase(it);
    layout.scenery.erase(
        std::remove_if(layout.scenery.begin(), layout.scenery.end(),
                       [&](const SceneryItem& s) { return s.id != -1 && (s.id == portalA || s.id == portalB); }),
        layout.scenery.end());
    return true;
}

} // namespace layrail
