// The wait window TFMessage6 while a dungeon floor is made: "Creating random dungeon" with a line
// of dots, a 100 ms tick that drives the floor's generation, and at least 3 seconds on screen.
#pragma once

#include <cstdint>

#include "platform/form.h"

namespace screens {

class ScreenServices;

class DungeonWait {
  public:
    // Uses the wait form of the message windows.
    DungeonWait(ScreenServices& screens, platform::Form& form);

    // Modal until the floor is ready and the window has been shown long enough.
    void Run();
    // One tick: the dots grow, the floor's generation goes on.
    void Tick();
    platform::Timer& TickTimer() { return timer_; }

  private:
    platform::Application& app_;
    platform::Form& form_;
    platform::Label* dots_ = nullptr;
    platform::Timer timer_;
    std::int64_t openedMs_ = 0;
    int dotCount_ = 0;
    bool done_ = false;
};

}  // namespace screens
