#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

#include "RandomEdits.h"
#include "document/Joints.h"

namespace layrail::randomedit {
namespace {

constexpr std::size_t kStepsPerSeed = 200;
constexpr std::uint64_t kSeeds = 16;

class RandomEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Of this process alone: test runs side by side must not read each other's saved files.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = std::filesystem::temp_directory_path() /
                  ("layrail_random_edits_" + test + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string folder() const { return folder_.string(); }

private:
    std::filesystem::path folder_;
};

std::string failureText(std::uint64_t seed, const RunResult& run, const std::vector<Step>& shortest,
                        const std::string& folder)
{
    std::string text = "seed " + std::to_string(seed) + ", after step " + std::to_string(run.failedStep + 1) + ":\n";
    for (const std::string& p : run.problems)
        text += "  " + p + "\n";
    text += "shortest failing sequence: random_edits --replay \"" + formatSteps(shortest) + "\"\n";
    for (const std::string& line : runSteps(shortest, folder, true).log)
        text += "  " + line + "\n";
    return text;
}

// A few thousand steps over fixed seeds; make soak runs as many as one likes.
TEST_F(RandomEdits, FixedSeedsKeepTheLayoutTrueAfterEveryStep)
{
    std::size_t steps = 0;
    for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
        const std::vector<Step> plan = planSteps(seed, kStepsPerSeed);
        const RunResult run = runSteps(plan, folder());
        steps += run.stepsRun;
        if (!run.ok)
            ADD_FAILURE() << failureText(seed, run, shrinkFailure(plan, folder()), folder());
    }
    EXPECT_EQ(steps, kSeeds * kStepsPerSeed);
}

TEST_F(RandomEdits, TheFixedSeedsDrawEveryOperation)
{
    std::map<std::string, int> drawn;
    for (std::uint64_t seed = 1; seed <= kSeeds; ++seed)
        for (const Step& step : planSteps(seed, kStepsPerSeed))
            ++drawn[step.operation];
    for (const Operation& op : operations()) {
        if (op.weight > 0) {
            EXPECT_GE(drawn[op.name], 5) << op.name;
        }
    }
}

// Joins a piece to one that does not exist; never drawn, only named by the test below.
void breakAJoint(EditWorld& world, Rng&, StepReport& report)
{
    if (world.layout.pieces.empty()) {
        PlacedPiece p;
        p.id = world.layout.takeId();
        p.article = "24188";
        world.layout.pieces.push_back(p);
    }
    world.layout.pieces.front().setJoint(0, 999999, 0);
    report.did = "joined piece " + std::to_string(world.layout.pieces.front().id) + " to nothing";
}
LAYRAIL_RANDOM_EDIT("break-a-joint", 0, breakAJoint);

TEST_F(RandomEdits, AFailureShrinksToAShortReplayableSequence)
{
    std::vector<Step> plan = planSteps(7, 60);
    plan.insert(plan.begin() + 40, Step{"break-a-joint", 1});
    const RunResult run = runSteps(plan, folder());
    ASSERT_FALSE(run.ok);

    const std::vector<Step> shortest = shrinkFailure(plan, folder());
    ASSERT_FALSE(runSteps(shortest, folder()).ok);
    EXPECT_EQ(shortest.size(), 1u);
    EXPECT_EQ(shortest.back().operation, "break-a-joint");

    std::vector<Step> replayed;
    std::string error;
    ASSERT_TRUE(parseSteps(formatSteps(shortest), replayed, error)) << error;
    ASSERT_EQ(replayed.size(), shortest.size());
    EXPECT_EQ(replayed.back().operation, "break-a-joint");
    EXPECT_FALSE(parseSteps("nosuch:1", replayed, error));
    EXPECT_FALSE(parseSteps("move:12x", replayed, error));
}

} // namespace
} // namespace layrail::randomedit
