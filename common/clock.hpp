#pragma once
// The clock: local and universal date and time, and a millisecond tick counter.
#include <cstdint>
#include <memory>

#include "common/dates.hpp"

namespace karvelo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime localTime() = 0;
    virtual DateTime universalTime() = 0;
    // Milliseconds since an arbitrary start; wraps like GetTickCount.
    virtual std::uint32_t tickCount() = 0;
};

std::unique_ptr<Clock> makeSystemClock();

}  // namespace karvelo
