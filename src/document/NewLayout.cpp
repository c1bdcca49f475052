#include "document/NewLayout.h"

#include "document/EditSnapshot.h"

namespace layrail {

void startNewLayout(Layout& layout)
{
    EditSnapshot(layout).record();
    layout.pieces.clear();
    layout.scenery.clear();
    layout.labels.clear();
    layout.dimensionLines.clear();
    layout.shapes.clear();
    layout.tunnels.clear();
    layout.helices.clear();
    layout.gradeRuns.clear();
    layout.updateCurrentGradeRun();
    layout.nextId = 1;

    layout.baseboard.vertices.clear();
    layout.levels.clear();
    layout.ensureDefaultLevel();
    layout.activeLevel = 1;
}

} // namespace layrail
