// Operations that only choose: clicks, the rubber band, Select All, clearing, the snap switch.
#include "RandomEdits.h"
#include "WorldSupport.h"
#include "document/SelectionFlags.h"
#include "canvas/Selection.h"

namespace layrail::randomedit {

namespace {

void select(EditWorld& world, Rng& rng, StepReport& report)
{
    switch (rng.below(5)) {
    case 0:
        selectAllPiecesAndScenery(world.layout);
        report.did = "all";
        break;
    case 1:
        clearSelectionAndClipboard(world.layout, world.clipboard);
        report.did = "clear";
        break;
    case 2: {
        const Point a = pickPoint(world.layout, rng);
        const Point b = pickPoint(world.layout, rng);
        rubberBandSelect(world.layout, world.clipboard, world.view, a.x, a.y, b.x, b.y);
        report.did = "band " + describe(a) + " to " + describe(b);
        break;
    }
    default: {
        const int id = pickPiece(world.layout, rng);
        if (id != -1)
            clickPiece(world, rng, id);
        report.did = "click on piece " + std::to_string(id);
        break;
    }
    }
}

void snapSwitch(EditWorld& world, Rng&, StepReport& report)
{
    world.layout.snapOn = !world.layout.snapOn;
    report.did = world.layout.snapOn ? "on" : "off";
}

} // namespace

LAYRAIL_RANDOM_EDIT("select", 10, select);
LAYRAIL_RANDOM_EDIT("snap-switch", 1, snapSwitch);

} // namespace layrail::randomedit
