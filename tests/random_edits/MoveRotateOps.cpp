// Operations that carry the selection: moving it with the mouse and the three rotations.
#include <cmath>

#include "RandomEdits.h"
#include "WorldSupport.h"
#include "canvas/Locks.h"
#include "canvas/Move.h"
#include "canvas/Rotate.h"

namespace layrail::randomedit {

namespace {

int selectedPieceId(const Layout& layout, Rng& rng)
{
    std::vector<int> ids;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            ids.push_back(p.id);
    return ids.empty() ? -1 : rng.pick(ids);
}

// The refusal or question before a move, answered as a user might.
bool moveAllowed(EditWorld& world, Rng& rng, StepReport& report)
{
    const GateCheck gate = checkMoveStart(world.layout, world.gradeMoveConfirmed);
    if (gate.gate == Gate::Refused) {
        report.did = "refused: " + gate.message.title;
        return false;
    }
    if (gate.gate == Gate::Ask) {
        if (rng.chance(0.3)) {
            report.did = "answered No";
            return false;
        }
        world.gradeMoveConfirmed = true;
    }
    return true;
}

// A press on a selected piece, a few motions, a release: the last motion aims a free end of the
// selection at an open end of the other track most of the time, so that the move snaps.
void move(EditWorld& world, Rng& rng, StepReport& report)
{
    Layout& layout = world.layout;
    const int pressed = pickPiece(layout, rng);
    if (pressed == -1) {
        report.did = "no piece";
        return;
    }
    clickPiece(world, rng, pressed);
    if (rng.chance(0.3))
        clickPiece(world, rng, pickPiece(layout, rng));
    const int grabbed = selectedPieceId(layout, rng);
    if (grabbed == -1) {
        report.did = "nothing selected";
        return;
    }
    MoveDrag drag;
    const PlacedPiece& at = *layout.findPiece(grabbed);
    pressOnPiece(drag, world.view, at.x, at.y);
    if (!moveAllowed(world, rng, report)) {
        cancelMove(drag);
        return;
    }
    beginMove(layout, drag);

    Point travel{rng.uniform(-400.0, 400.0), rng.uniform(-400.0, 400.0)};
    const std::vector<OpenEnd> from = openEnds(layout, 1);
    const std::vector<OpenEnd> to = openEnds(layout, 0);
    if (!from.empty() && !to.empty() && rng.chance(0.7)) {
        const OpenEnd& a = rng.pick(from);
        const OpenEnd& b = rng.pick(to);
        travel = {b.world.x - a.world.x + rng.uniform(-10.0, 10.0), b.world.y - a.world.y + rng.uniform(-10.0, 10.0)};
    }
    const int motions = rng.between(1, 3);
    for (int i = 1; i <= motions; ++i) {
        const double share = i == motions ? 1.0 : rng.uniform(0.0, 1.0);
        dragMove(layout, drag, {drag.pressWorld.x + travel.x * share, drag.pressWorld.y + travel.y * share});
    }
    const bool snapped = drag.snap.found;
    endMove(layout, drag);
    report.did = "moved by " + describe(travel) + (snapped ? ", snapped" : "");
}

void rotateWheel(EditWorld& world, Rng& rng, StepReport& report)
{
    if (rng.chance(0.7))
        selectSome(world, rng);
    const int notch = rng.chance(0.5) ? 120 : -120;
    const bool shift = rng.chance(0.4);
    const EditResult r = rotateSelectionByWheel(world.layout, notch, shift);
    report.did = std::string(notch > 0 ? "+" : "-") + (shift ? "5" : "15") + " degrees" +
                 (r.message.empty() ? "" : ", refused: " + r.message.title);
}

void rotateStep(EditWorld& world, Rng& rng, StepReport& report)
{
    if (rng.chance(0.7))
        selectSome(world, rng);
    const EditResult r = rotateSelectionStep(world.layout);
    report.did = r.message.empty() ? (r.changed() ? "turned" : "nothing") : "refused: " + r.message.title;
}

void rotateDrag(EditWorld& world, Rng& rng, StepReport& report)
{
    if (rng.chance(0.7))
        selectSome(world, rng);
    RotateDrag drag;
    const Point press = pickPoint(world.layout, rng);
    const EditResult begun = beginRotateDrag(world.layout, drag, world.view, press.x, press.y);
    if (!drag.active) {
        report.did = begun.message.empty() ? "nothing selected" : "refused: " + begun.message.title;
        return;
    }
    const int motions = rng.between(1, 4);
    for (int i = 0; i < motions; ++i) {
        const double angle = rng.uniform(-3.2, 3.2);
        const double radius = rng.uniform(20.0, 400.0);
        updateRotateDrag(world.layout, drag, world.view, drag.centre.x + radius * std::cos(angle),
                         drag.centre.y + radius * std::sin(angle));
    }
    report.did = "turned to " + rotationReadout(drag);
    endRotateDrag(drag);
}

} // namespace

LAYRAIL_RANDOM_EDIT("move", 8, move);
LAYRAIL_RANDOM_EDIT("rotate-wheel", 4, rotateWheel);
LAYRAIL_RANDOM_EDIT("rotate-step", 3, rotateStep);
LAYRAIL_RANDOM_EDIT("rotate-drag", 3, rotateDrag);

} // namespace layrail::randomedit
