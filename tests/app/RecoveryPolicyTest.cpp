#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/RecoveryPolicy.h"

namespace layrail {
namespace {

using Clock = RecoveryPolicy::Clock;
using std::chrono::seconds;

const Clock::time_point t0{};

TEST(RecoveryPolicy, NothingIsWrittenWithoutAChange)
{
    RecoveryPolicy policy;
    EXPECT_FALSE(policy.waiting());
    EXPECT_FALSE(policy.nextWrite());
    EXPECT_FALSE(policy.due(t0 + seconds(3600)));
}

TEST(RecoveryPolicy, FirstChangeIsWrittenAtOnceLaterOnesAfterTheInterval)
{
    RecoveryPolicy policy;
    policy.changed(t0 + seconds(5));
    EXPECT_TRUE(policy.due(t0 + seconds(5)));
    policy.wrote(t0 + seconds(5), true);
    EXPECT_FALSE(policy.waiting());

    policy.changed(t0 + seconds(6));
    policy.changed(t0 + seconds(20));
    EXPECT_EQ(policy.nextWrite(), t0 + seconds(35));
    EXPECT_FALSE(policy.due(t0 + seconds(34)));
    EXPECT_TRUE(policy.due(t0 + seconds(35)));
    policy.wrote(t0 + seconds(40), true);

    // A change long after the last write goes out at once again.
    policy.changed(t0 + seconds(100));
    EXPECT_EQ(policy.nextWrite(), t0 + seconds(100));
}

TEST(RecoveryPolicy, SavingOrDiscardingDropsWaitingChanges)
{
    RecoveryPolicy policy;
    policy.changed(t0);
    policy.wrote(t0, true);
    policy.changed(t0 + seconds(10));
    policy.cleared();
    EXPECT_FALSE(policy.waiting());
    EXPECT_FALSE(policy.due(t0 + seconds(100)));
    // The interval still counts from the last write.
    policy.changed(t0 + seconds(12));
    EXPECT_EQ(policy.nextWrite(), t0 + seconds(30));
}

TEST(RecoveryPolicy, FailedWriteIsRetriedAfterTheInterval)
{
    RecoveryPolicy policy;
    policy.changed(t0);
    policy.wrote(t0, false);
    EXPECT_TRUE(policy.waiting());
    EXPECT_FALSE(policy.due(t0 + seconds(29)));
    EXPECT_TRUE(policy.due(t0 + seconds(30)));
}

// A window that wakes exactly when the policy asks, fed random edits, saves and failing disks:
// writes are never closer than the interval, each follows a change, and no change waits longer
// than the interval for its write (or for the retry after a failed one).
TEST(RecoveryPolicy, RandomSessionsKeepTheRateAndLoseNoChange)
{
    const auto interval = seconds(30);
    std::mt19937 random(14);
    for (int run = 0; run < 200; ++run) {
        RecoveryPolicy policy(interval);
        std::vector<Clock::time_point> writes;
        // Since when the oldest unwritten change has waited, or the last failed write was tried.
        bool unwritten = false;
        Clock::time_point oldestUnwritten = t0;
        Clock::time_point now = t0;
        for (int step = 0; step < 60; ++step) {
            const auto next = policy.nextWrite();
            const Clock::time_point event = now + seconds(std::uniform_int_distribution<int>(0, 50)(random));
            if (next && *next <= event) {
                now = std::max(now, *next);
                ASSERT_TRUE(policy.due(now));
                ASSERT_TRUE(unwritten);
                const bool ok = std::uniform_int_distribution<int>(0, 9)(random) != 0;
                policy.wrote(now, ok);
                if (!writes.empty()) {
                    ASSERT_GE(now - writes.back(), interval);
                }
                writes.push_back(now);
                ASSERT_LE(now - oldestUnwritten, interval);
                unwritten = !ok;
                oldestUnwritten = now;
                continue;
            }
            now = event;
            if (std::uniform_int_distribution<int>(0, 7)(random) == 0) {
                policy.cleared();
                unwritten = false;
            } else {
                policy.changed(now);
                if (!unwritten)
                    oldestUnwritten = now;
                unwritten = true;
            }
            ASSERT_EQ(policy.waiting(), unwritten);
        }
        EXPECT_FALSE(writes.empty());
    }
}

} // namespace
} // namespace layrail
