#pragma once

#include <string>
#include <vector>

#include "canvas/Move.h"
#include "catalog/Geometry.h"
#include "document/EditResult.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {

// The middle of the bounding box of the selected pieces (origins, connectors, the middle of the arc
// of curves) and scenery footprints: the pivot of Ctrl+wheel rotation.
Point wheelRotationCentre(const Layout& layout);

// Every rotation frees the joints the turn pulled apart and joins the ends that now meet.

// Ctrl+wheel with a selection: 15 degrees a notch (5 with Shift), backwards for a negative rotation,
// about wheelRotationCentre; refused by the locks unless the selection is one whole helix.
EditResult rotateSelectionByWheel(Layout& layout, int wheelRotation, bool shift);

// Alt+right click: 30 degrees about the helix centre (one whole helix) or the first selected
// piece's origin (else the first selected scenery item); refused by the locks otherwise.
EditResult rotateSelectionStep(Layout& layout);

// Alt-drag rotation of the selection about a fixed centre.
struct RotateDrag {
    bool active = false;
    Point centre;
    double startAngle = 0.0; // screen angle from the centre to the press, degrees
    int helixId = -1;        // the whole helix being turned, or -1
    double helixStartHeading = 0.0;
    std::vector<StartPose> pieces;
    std::vector<StartPose> scenery;
    double firstStartHeading = 0.0;
    double displayedHeading = 0.0;
    bool snapped = false; // the heading sits on a multiple of 90 degrees
    bool flash = false;   // the read-out shows green until the 400 ms timer ends it
};

// Alt+left press with a selection: lock check unless it is one whole helix, one undo snapshot.
EditResult beginRotateDrag(Layout& layout, RotateDrag& drag, const CanvasView& view, double mouseX, double mouseY);

// What the window does with its one-shot 400 ms flash timer after a rotation step.
struct RotateStep {
    bool startFlashTimer = false;
    bool stopFlashTimer = false;
};

// Motion with the button held: the selection turns by the screen angle travelled; within 2 degrees
// of a multiple of 90 the heading snaps there and the read-out flashes.
RotateStep updateRotateDrag(Layout& layout, RotateDrag& drag, const CanvasView& view, double mouseX, double mouseY);

// The flash timer ran out.
void endRotateFlash(RotateDrag& drag);
// Left button up; the window stops the flash timer.
void endRotateDrag(RotateDrag& drag);

// "%.1f deg" of the displayed heading.
std::string rotationReadout(const RotateDrag& drag);

} // namespace layrail
