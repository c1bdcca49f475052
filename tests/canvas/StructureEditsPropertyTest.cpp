#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "StructureEditSupport.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

Layout startingLayout()
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 200));
    layJoinedStraights(layout);
    return layout;
}

bool currentRunMirrorsTheList(const Layout& layout)
{
    if (layout.gradeRuns.empty())
        return !layout.currentGradeRun.active && layout.currentGradeRun.anchor == -1;
    const GradeRun& last = layout.gradeRuns.back();
    return layout.currentGradeRun.active && layout.currentGradeRun.anchor == last.anchor &&
           layout.currentGradeRun.angle == last.angle && layout.currentGradeRun.connector == last.connector;
}

} // namespace

// Random sequences of the edits on small layouts: after every step the layout is consistent, the
// current run mirrors the run list, and each of these edits records one snapshot exactly when it
// changes something.
TEST(StructureEditsProperty, RandomSequencesKeepTheLayoutConsistent)
{
    const std::vector<NamedEdit> edits = structureEdits();
    std::map<std::string, int> changes;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        Layout layout = startingLayout();
        for (int step = 0; step < 120; ++step) {
            const NamedEdit& e = edits[static_cast<size_t>(randomInt(random, 0, static_cast<int>(edits.size()) - 1))];
            const size_t undoBefore = layout.undoStack.size();
            const EditResult result = e.edit(layout, random);
            if (result.changed())
                ++changes[e.name];

            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step) + " (" + e.name + ")";
            ASSERT_TRUE(consistent(layout)) << where;
            ASSERT_TRUE(currentRunMirrorsTheList(layout)) << where;
            if (e.ownsSnapshotRule) {
                const size_t expected = result.changed() ? std::min(undoBefore + 1, kUndoLimit) : undoBefore;
                ASSERT_EQ(layout.undoStack.size(), expected) << where;
            }
        }
    }
    // The sequences reached every edit doing something, so the checks above were not vacuous.
    for (const NamedEdit& e : edits)
        EXPECT_GT(changes[e.name], 0) << e.name;
}
