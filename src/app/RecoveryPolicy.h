#pragma once

#include <chrono>
#include <optional>

namespace layrail {

// Decides when the recovery copy of an unsaved layout is written: only after a change, and
// never more often than once per interval. The first change after a quiet spell is written at
// once, so a crash right after an edit still finds it. It keeps no timer; the window asks it
// when to wake up.
class RecoveryPolicy {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kInterval = std::chrono::seconds(30);

    explicit RecoveryPolicy(Clock::duration interval = kInterval) : interval_(interval) {}

    // The layout changed at `at` and the change is in no file yet.
    void changed(Clock::time_point at);
    // A write was tried at `at`. A failed one keeps the changes waiting, to be tried again
    // one interval later.
    void wrote(Clock::time_point at, bool succeeded);
    // Saved, closed or thrown away: nothing waits any more.
    void cleared();

    bool waiting() const { return waitingSince_.has_value(); }
    // When the waiting changes are due to be written; nothing when none wait.
    std::optional<Clock::time_point> nextWrite() const;
    bool due(Clock::time_point now) const;

private:
    Clock::duration interval_;
    std::optional<Clock::time_point> waitingSince_;
    std::optional<Clock::time_point> lastWrite_;
};

} // namespace layrail
