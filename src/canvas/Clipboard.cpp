#include "canvas/Clipboard.h"

#include <unordered_map>

#include "document/Joints.h"
#include "document/JointGeometry.h"
#include "document/SelectionFlags.h"

namespace layrail {

void copySelection(const Layout& layout, Clipboard& clipboard)
{
    clipboard = Clipboard{};
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            clipboard.pieces.push_back(p);
    for (const SceneryItem& s : layout.scenery)
        if (s.selected)
            clipboard.scenery.push_back(s);
}

EditResult pasteAt(Layout& layout, const Clipboard& clipboard, Point world)
{
    EditResult result;
    if (clipboard.empty())
        return result;
    double sumX = 0.0;
    double sumY = 0.0;
    for (const PlacedPiece& p : clipboard.pieces) {
        sumX += p.x;
        sumY += p.y;
    }
    for (const SceneryItem& s : clipboard.scenery) {
        sumX += s.x;
        sumY += s.y;
    }
    const double count = static_cast<double>(clipboard.pieces.size() + clipboard.scenery.size());
    const double dx = world.x - sumX / count;
    const double dy = world.y - sumY / count;

    EditSnapshot(layout).record();
    // The copies become the selection, so a Delete right after Paste takes them and nothing else.
    deselectAll(layout);
    // Every copy takes its own id; a joint follows the first copy of the id it names.
    std::unordered_map<int, int> newIds;
    std::vector<int> copyIds;
    for (const PlacedPiece& p : clipboard.pieces) {
        copyIds.push_back(layout.takeId());
        newIds.emplace(p.id, copyIds.back());
    }
    std::vector<PlacedPiece> copies;
    copies.reserve(clipboard.pieces.size());
    for (const PlacedPiece& p : clipboard.pieces) {
        PlacedPiece copy = p;
        copy.id = copyIds[copies.size()];
        copy.x += dx;
        copy.y += dy;
        copy.helix = -1;
        copy.selected = true;
        for (Joint& j : copy.joints) {
            const auto it = newIds.find(j.target);
            j = it == newIds.end() ? Joint{} : Joint{it->second, j.targetConnector};
        }
        copies.push_back(std::move(copy));
    }
    freeJointsThatDoNotHold(copies);
    for (PlacedPiece& copy : copies)
        layout.pieces.push_back(std::move(copy));
    for (const SceneryItem& s : clipboard.scenery) {
        SceneryItem copy = s;
        copy.id = layout.takeId();
        copy.x += dx;
        copy.y += dy;
        copy.selected = true;
        layout.scenery.push_back(copy);
    }
    result.changes = Changes::ofEdit();
    result.status = piecesStatus(layout);
    return result;
}

} // namespace layrail
