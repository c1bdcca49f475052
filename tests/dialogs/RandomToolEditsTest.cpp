#include <gtest/gtest.h>

#include <random>

#include "support/ReferenceCheck.h"
#include "ToolEditOperations.h"
#include "document/History.h"

using namespace layrail;
using namespace layrail::randomedit;

namespace {

::testing::AssertionResult sound(const Layout& layout)
{
    const std::vector<std::string> problems = referenceProblems(layout);
    if (problems.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const std::string& p : problems)
        failure << p << "\n";
    return failure;
}

} // namespace

// Random sequences of the tools' and dialogs' edits mixed with undo and redo: the layout stays
// sound after every step, each edit records exactly one snapshot, and undoing it right away gives
// back the layout as it was (redo as it became).
TEST(RandomToolEdits, EveryStepKeepsTheLayoutSoundAndUndoable)
{
    const std::vector<NamedOperation>& operations = toolEditOperations();
    std::vector<int> edits(operations.size(), 0);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        Layout layout = makeToolTestLayout();
        ASSERT_TRUE(sound(layout));
        for (int step = 0; step < 150; ++step) {
            const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
            if (roll < 12) {
                undo(layout);
                ASSERT_TRUE(sound(layout)) << "seed " << seed << " step " << step << " after undo";
                continue;
            }
            if (roll < 20) {
                redo(layout);
                ASSERT_TRUE(sound(layout)) << "seed " << seed << " step " << step << " after redo";
                continue;
            }
            const size_t index = std::uniform_int_distribution<size_t>(0, operations.size() - 1)(rng);
            const NamedOperation& op = operations[index];
            const std::string before = layoutFingerprint(layout);
            const size_t snapshots = layout.undoStack.size();
            const bool edited = op.run(layout, rng);
            const std::string where =
                std::string("seed ") + std::to_string(seed) + " step " + std::to_string(step) + " " + op.name;
            ASSERT_TRUE(sound(layout)) << where;
            if (!edited) {
                ASSERT_EQ(layout.undoStack.size(), snapshots) << where << " recorded a snapshot without an edit";
                continue;
            }
            ++edits[index];
            if (snapshots < kUndoLimit) {
                ASSERT_EQ(layout.undoStack.size(), snapshots + 1) << where;
            }
            if (std::uniform_int_distribution<int>(0, 2)(rng) == 0) {
                const std::string after = layoutFingerprint(layout);
                ASSERT_TRUE(undo(layout));
                ASSERT_EQ(layoutFingerprint(layout), before) << where << ": undo";
                ASSERT_TRUE(redo(layout));
                ASSERT_EQ(layoutFingerprint(layout), after) << where << ": redo";
            }
        }
    }
    // Every operation that can edit did so somewhere, so none of them was tested idle only.
    for (size_t i = 0; i < operations.size(); ++i) {
        const std::string name = operations[i].name;
        if (name != "level add" && name != "level edit") {
            EXPECT_GT(edits[i], 0) << name;
        }
    }
}
