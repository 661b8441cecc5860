#pragma once
// A clock that shows what the test sets.
#include "common/clock.hpp"

namespace karvelo::testing {

class FixedClock final : public Clock {
public:
    DateTime local{2012, 12, 28, 9, 5, 7};
    DateTime universal{2012, 12, 28, 8, 5, 7};
    std::uint32_t ticks = 0;

    DateTime localTime() override { return local; }
    DateTime universalTime() override { return universal; }
    std::uint32_t tickCount() override { return ticks; }
};

}  // namespace karvelo::testing
