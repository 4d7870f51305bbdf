#include "platform/clock.h"

#include <chrono>

namespace platform {

namespace {
std::int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

MonotonicClock::MonotonicClock() : originNs_(SteadyNs()) {}

std::int64_t MonotonicClock::NowMs() const {
    return (SteadyNs() - originNs_) / 1000000;
}

}  // namespace platform
