#include <time.h>

#include "common/clock.hpp"

namespace karvelo {
namespace {

DateTime fromTm(const struct tm& t) {
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min,
            t.tm_sec > 59 ? 59 : t.tm_sec};
}

class PosixClock final : public Clock {
public:
    DateTime localTime() override {
        const time_t now = ::time(nullptr);
        struct tm t {};
        ::localtime_r(&now, &t);
        return fromTm(t);
    }
    DateTime universalTime() override {
        const time_t now = ::time(nullptr);
        struct tm t {};
        ::gmtime_r(&now, &t);
        return fromTm(t);
    }
    std::uint32_t tickCount() override {
        struct timespec ts {};
        ::clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<std::uint32_t>(ts.tv_sec * 1000ull + ts.tv_nsec / 1000000);
    }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() { return std::make_unique<PosixClock>(); }

}  // namespace karvelo
