// A headless application for tests: virtual clock, temporary data and user folders, and an
// idle hook that plays the player's part from a queue of steps.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/files.h"
#include "support/temp_dir.h"
#include "support/test_pictures.h"

namespace testsupport {

class HeadlessApp {
  public:
    // withGameData: read pictures and sounds from the generated data folder (screen tests);
    // otherwise the data folder is an empty temporary one the test fills itself.
    // desktopWidth/Height: the pretend desktop, which sets the canvas size.
    // mirrorWindow: keep what a window would show (Application::ShownPicture).
    explicit HeadlessApp(bool withGameData = false, int desktopWidth = 1440,
                         int desktopHeight = 900, bool mirrorWindow = false);
    ~HeadlessApp();

    platform::Application& App() { return *app_; }
    platform::VirtualClock& Clock() { return clock_; }
    const TempDir& Data() const { return data_; }
    const TempDir& User() const { return user_; }

    // Steps run one at a time whenever the program waits for input.
    void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }
    // A step that lets time pass, firing due timers in order.
    void ThenWait(int ms);
    // The transcript lines recorded so far.
    const std::vector<std::string>& Trace() const { return trace_; }
    bool Traced(const std::string& fragment) const;

  private:
    bool Idle();
    TempDir data_, user_;
    platform::VirtualClock clock_;
    std::unique_ptr<platform::Application> app_;
    std::deque<std::function<void()>> steps_;
    std::vector<std::string> trace_;
    std::int64_t waitUntil_ = -1;
};

}  // namespace testsupport
