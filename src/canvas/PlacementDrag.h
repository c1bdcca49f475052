#pragma once

#include <string>

#include "canvas/SnapCandidates.h"
#include "catalog/Geometry.h"
#include "document/ConnectorMatching.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {

// A catalog piece dragged from the palette; snap.found means it will drop at the snapped pose.
struct PaletteDrag {
    bool active = false;
    std::string article;
    Pose ghost;
    SnapResult snap;
};

struct SceneryDrag {
    bool active = false;
    std::string item;
    Pose ghost;
};

struct HelixPlacement {
    bool active = false;
    std::string kit;
    Point centre;
};

// At most one of the three drags is active at a time.
struct PlacementState {
    PaletteDrag palette;
    SceneryDrag scenery;
    HelixPlacement helix;
    SnapCandidates candidates;

    bool active() const { return palette.active || scenery.active || helix.active; }
};

// Each begin puts the ghost under the window point (300, 200) and ends any other drag; false when
// the article, item or kit is unknown (nothing starts). The window then takes the focus, captures
// the mouse and refreshes.
bool beginPaletteDrag(PlacementState& state, const std::string& article, const CanvasView& view);
bool beginSceneryDrag(PlacementState& state, const std::string& item, const CanvasView& view);
bool beginHelixPlacement(PlacementState& state, const std::string& kit, const CanvasView& view);

// Mouse motion during a drag: the ghost follows the world point; a palette ghost snaps to the open
// connectors of pieces on visible levels while the layout's snap switch is on.
void updateSnap(PlacementState& state, const Layout& layout, Point world);

// Wheel during a drag: 30 degrees a notch, 15 with Shift, backwards for a negative rotation.
void turnGhostByWheel(PlacementState& state, const Layout& layout, int wheelRotation, bool shift);
// R key or right click during a drag: a piece turns by 30 degrees, a scenery item by 15.
void turnGhostByStep(PlacementState& state, const Layout& layout);

// Escape: ends every drag and forgets the snap.
void cancelDrag(PlacementState& state);

// Where the palette ghost is drawn: the snapped pose when snapped.
Pose paletteGhostPose(const PaletteDrag& drag);

} // namespace layrail
