// The canvas tools' and the dialogs' edits: measuring, polygons and the baseboard drawn on the
// canvas, shape and dimension line drags, resize handles, the baseboard dialog and the level
// manager. The operations themselves live with the tool tests (tests/dialogs/ToolEditOperations.h);
// here they join the run with the other edits.
#include <random>

#include "../dialogs/ToolEditOperations.h"
#include "RandomEdits.h"
#include "WorldSupport.h"
#include "canvas/Placement.h"
#include "canvas/PlacementDrag.h"
#include "document/History.h"

namespace layrail::randomedit {

namespace {

// Runs a tool operation on the world's layout with a generator seeded from the step's own choices,
// and holds it to one undo snapshot for an edit and none without.
void runToolEdit(EditOperation edit, const char* what, EditWorld& world, Rng& rng, StepReport& report)
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(rng.next()));
    const size_t snapshots = world.layout.undoStack.size();
    const bool edited = edit(world.layout, generator);
    report.did = std::string(what) + (edited ? "" : ", nothing recorded");
    const size_t after = world.layout.undoStack.size();
    if (!edited && after != snapshots)
        report.problems.push_back(std::string(what) + " recorded a snapshot without an edit");
    if (edited && snapshots < kUndoLimit && after != snapshots + 1)
        report.problems.push_back(std::string(what) + " recorded " + std::to_string(after - snapshots) +
                                  " snapshots for one edit");
}

// A platform dropped from the palette near the track, so that resize handles find something.
void dropPlatform(EditWorld& world, Rng& rng, StepReport& report)
{
    PlacementState state;
    if (!beginSceneryDrag(state, rng.chance(0.5) ? "platform" : "platform_island", world.view))
        return;
    const Point at = pickPoint(world.layout, rng);
    updateSnap(state, world.layout, at);
    const EditResult result = dropScenery(world.layout, state);
    report.did = result.changed() ? "platform at " + describe(at) : "nothing";
}

} // namespace

// One line per tool operation, as LAYRAIL_RANDOM_EDIT takes them.
#define LAYRAIL_TOOL_EDIT(name, weight, edit)                                                            \
    LAYRAIL_RANDOM_EDIT(name, weight, [](EditWorld& world, Rng& rng, StepReport& report) {              \
        runToolEdit(edit, name, world, rng, report);                                                     \
    })

LAYRAIL_RANDOM_EDIT("drop-platform", 2, dropPlatform);
LAYRAIL_TOOL_EDIT("measure", 3, randomMeasure);
LAYRAIL_TOOL_EDIT("polygon", 3, randomPolygon);
LAYRAIL_TOOL_EDIT("baseboard-drawing", 1, randomBaseboardDrawing);
LAYRAIL_TOOL_EDIT("shape-drag", 3, randomShapeDrag);
LAYRAIL_TOOL_EDIT("shape-properties", 1, randomShapeProperties);
LAYRAIL_TOOL_EDIT("dimension-drag", 2, randomDimensionDrag);
LAYRAIL_TOOL_EDIT("scenery-resize", 3, randomSceneryResize);
LAYRAIL_TOOL_EDIT("scenery-scale", 1, randomSceneryScale);
LAYRAIL_TOOL_EDIT("baseboard-shape", 2, randomBaseboardShape);
LAYRAIL_TOOL_EDIT("level-add", 2, randomLevelAdd);
LAYRAIL_TOOL_EDIT("level-edit", 2, randomLevelEdit);
LAYRAIL_TOOL_EDIT("level-remove", 2, randomLevelRemoval);

} // namespace layrail::randomedit
