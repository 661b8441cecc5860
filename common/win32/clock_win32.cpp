#include <windows.h>

#include "common/clock.hpp"

namespace karvelo {
namespace {

DateTime fromSystemTime(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

class Win32Clock final : public Clock {
public:
    DateTime localTime() override {
        SYSTEMTIME t{};
        GetLocalTime(&t);
        return fromSystemTime(t);
    }
    DateTime universalTime() override {
        SYSTEMTIME t{};
        GetSystemTime(&t);
        return fromSystemTime(t);
    }
    std::uint32_t tickCount() override { return GetTickCount(); }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() { return std::make_unique<Win32Clock>(); }

}  // namespace karvelo
