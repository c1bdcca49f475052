#pragma once

#include <string>
#include <vector>

#include "catalog/Geometry.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

// What the Track list's preview popup should do after a mouse motion.
enum class HoverAction { Unchanged, Show, Hide };

struct HoverResult {
    HoverAction action = HoverAction::Unchanged;
    const CatalogPiece* piece = nullptr; // set for Show
};

// What a double-click or a drag on a Track list row asks for.
enum class TrackRowAction { None, PlacePiece, PlaceHelix };

struct TrackRowRequest {
    TrackRowAction action = TrackRowAction::None;
    std::string id; // the article number or the helix kit id
};

// A double-clicked helix row puts its helix here, in layout millimetres.
inline constexpr Point kHelixRowCentre{500.0, 500.0};

// An empty key does nothing; "@helix:" keys name a kit, every other key an article.
TrackRowRequest trackRowRequest(const std::string& key);

// The palette's mouse bookkeeping. A double-click suppresses drags until the next left-button
// press, so the button still held after it does not start a second placement.
class PalettePointer {
public:
    bool dragSuppressed() const { return dragSuppressed_; }
    int hoverIndex() const { return hoverIndex_; }

    // Left button down on the Track list: drags allowed again; the caller hides the popup.
    void leftDown();
    // Left button down on the Scenery or Signals list: only drags are allowed again.
    void sceneryLeftDown() { dragSuppressed_ = false; }
    // A Track list double-click: drags suppressed; the caller hides the popup.
    void doubleClicked();
    // Pointer left the Track list, or a drag started: the caller hides the popup.
    void forgetHover() { hoverIndex_ = -1; }

    bool mayStartDrag(bool leftIsDown, bool dragging) const
    {
        return leftIsDown && dragging && !dragSuppressed_;
    }

    // Motion over the Track list; row is the hit row or -1.
    HoverResult hover(int row, const std::vector<std::string>& keys, const TrackCatalog& catalog);

private:
    bool dragSuppressed_ = false;
    int hoverIndex_ = -1;
};

} // namespace layrail
