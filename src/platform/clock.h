// The one source of time: the monotonic clock in the game, a virtual clock in tests and in the
// console, where time moves only when a script says so.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() const = 0;
    virtual bool IsVirtual() const = 0;
    // The date and time of day as a saved game records it, "2026-12-10 08:31": the local time
    // for the monotonic clock; for a virtual clock a fixed day plus the virtual time, so that a
    // script gives the same text on every machine.
    virtual std::string DateTimeText() const = 0;
};

class MonotonicClock final : public Clock {
  public:
    MonotonicClock();
    std::int64_t NowMs() const override;
    bool IsVirtual() const override { return false; }
    std::string DateTimeText() const override;

  private:
    std::int64_t originNs_;
};

class VirtualClock final : public Clock {
  public:
    std::int64_t NowMs() const override { return nowMs_; }
    bool IsVirtual() const override { return true; }
    std::string DateTimeText() const override;
    // Time never runs backwards: an earlier target is ignored.
    void AdvanceTo(std::int64_t ms) {
        if (ms > nowMs_) nowMs_ = ms;
    }

  private:
    std::int64_t nowMs_ = 0;
};

// The date and time of the running application's clock; the local time where there is none.
std::string NowDateTimeText();

}  // namespace platform
