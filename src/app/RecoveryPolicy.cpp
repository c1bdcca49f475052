#include "app/RecoveryPolicy.h"

#include <algorithm>

namespace layrail {

void RecoveryPolicy::changed(Clock::time_point at)
{
    if (!waitingSince_)
        waitingSince_ = at;
}

void RecoveryPolicy::wrote(Clock::time_point at, bool succeeded)
{
    lastWrite_ = at;
    if (succeeded)
        waitingSince_.reset();
}

void RecoveryPolicy::cleared() { waitingSince_.reset(); }

std::optional<RecoveryPolicy::Clock::time_point> RecoveryPolicy::nextWrite() const
{
    if (!waitingSince_)
        return std::nullopt;
    if (!lastWrite_)
        return *waitingSince_;
    return std::max(*waitingSince_, *lastWrite_ + interval_);
}

bool RecoveryPolicy::due(Clock::time_point now) const
{
    const auto next = nextWrite();
    return next && now >= *next;
}

} // namespace layrail
