// The one source of time: the monotonic clock in the game, a virtual clock in tests and in the
// console, where time moves only when a script says so.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() const = 0;
    virtual bool IsVirtual() const = 0;
};

class MonotonicClock final : public Clock {
  public:
    MonotonicClock();
    std::int64_t NowMs() const override;
    bool IsVirtual() const override { return false; }

  private:
    std::int64_t originNs_;
};

class VirtualClock final : public Clock {
  public:
    std::int64_t NowMs() const override { return nowMs_; }
    bool IsVirtual() const override { return true; }
    // Time never runs backwards: an earlier target is ignored.
    void AdvanceTo(std::int64_t ms) {
        if (ms > nowMs_) nowMs_ = ms;
    }

  private:
    std::int64_t nowMs_ = 0;
};

}  // namespace platform
