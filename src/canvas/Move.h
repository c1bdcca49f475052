#pragma once

#include <vector>

#include "canvas/SnapCandidates.h"
#include "catalog/Geometry.h"
#include "document/ConnectorMatching.h"
#include "document/EditResult.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {

// Where a record stood when a drag began.
struct StartPose {
    int id = -1;
    Pose pose;
    size_t index = 0; // where the record stood in its list; checked against the id before use
};

// Dragging the selection: pending after a press on a piece, moving once 5 px were passed and the
// checks allowed it (or at once after a press on a scenery item).
struct MoveDrag {
    bool pending = false;
    bool moving = false;
    double pressX = 0.0; // window pixels
    double pressY = 0.0;
    Point pressWorld;
    std::vector<StartPose> pieces; // selected pieces in layout order
    std::vector<StartPose> scenery;
    std::vector<StartPose> helices; // centre and heading of each helix with a selected piece
    SnapResult snap;                // best snap of a selected piece against the unselected pieces
    int snapPiece = -1;             // the selected piece the snap belongs to
    SnapCandidates candidates;      // unselected pieces on visible levels, gathered once per drag
    bool recorded = false;          // the drag's undo snapshot was taken
};

constexpr double kMoveThresholdPixels = 5.0;

// Left press on a piece (after its selection rules): a move becomes pending.
void pressOnPiece(MoveDrag& drag, const CanvasView& view, double mouseX, double mouseY);

// A pending move starts only once the mouse has gone 5 px from the press point.
bool moveThresholdPassed(const MoveDrag& drag, double mouseX, double mouseY);

// The move starts, after checkMoveStart allowed it: one undo snapshot, pieces joined to a selected
// turntable join the selection, joints between selected and unselected pieces are cleared.
void beginMove(Layout& layout, MoveDrag& drag);

// Left press on a scenery item: its selected scenery items move at once, without checks. The undo
// snapshot is taken with the first real motion, so a plain click records nothing.
void beginSceneryMove(Layout& layout, MoveDrag& drag, const CanvasView& view, double mouseX, double mouseY);

// Mouse motion while moving: every moved record stands at its start plus the mouse travel, then
// the move snap is searched while the snap switch is on.
void dragMove(Layout& layout, MoveDrag& drag, Point mouseWorld);

// Left button up: joins the moved pieces (snap, elevation, the 4 mm auto-join) and ends the drag.
EditResult endMove(Layout& layout, MoveDrag& drag);

// Any other end of a drag (refusal, Escape, lost capture).
void cancelMove(MoveDrag& drag);

} // namespace layrail
