#include "platform/clock.h"

#include <chrono>
#include <ctime>

#include "platform/application.h"

namespace platform {

namespace {
std::int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A virtual clock's day: 1 January 2026, midnight.
constexpr std::time_t kVirtualDay = 1767225600;

std::string Formatted(const std::tm& t) {
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &t);
    return text;
}

std::string LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Formatted(local);
}

}  // namespace

MonotonicClock::MonotonicClock() : originNs_(SteadyNs()) {}

std::int64_t MonotonicClock::NowMs() const {
    return (SteadyNs() - originNs_) / 1000000;
}

std::string MonotonicClock::DateTimeText() const {
    return LocalNow();
}

std::string VirtualClock::DateTimeText() const {
    const std::time_t at = kVirtualDay + static_cast<std::time_t>(nowMs_ / 1000);
    std::tm utc{};
    gmtime_r(&at, &utc);
    return Formatted(utc);
}

std::string NowDateTimeText() {
    if (Application* app = Application::Instance()) return app->GetClock().DateTimeText();
    return LocalNow();
}

}  // namespace platform
