// Writes a game down as it is played, as a console script that replays it: the seed first, then
// every input of the player (or every command of a console run) with the time between them
// as `wait`. Each line is flushed as it is written, so a crash leaves all input up to the last.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/script.h"
#include "platform/input_observer.h"

namespace platform {
class Application;
}

namespace app {

// A seed for the random generator from the clock, as the game draws one when none is given.
unsigned SeedFromClock();

class SessionRecorder final : public platform::InputObserver {
  public:
    explicit SessionRecorder(platform::Application& app) : app_(app) {}
    ~SessionRecorder() override;
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // Creates (or empties) the file. False with the reason when it cannot be written.
    bool Open(const std::string& path, std::string& error);
    // The first lines: the seed the game starts with, and the desktop size that replays alike.
    void Start(unsigned seed, int desktopWidth, int desktopHeight);
    // A console command as it runs: written as it is, with no wait of its own.
    void Command(const ScriptCommand& command);

    // The player's input in the real window, as the console's commands.
    void WaitingForInput() override;
    void Pressed(platform::Control& control, platform::MouseButton button, int clicks) override;
    void Released(platform::Control& control, platform::MouseButton button,
                  bool overPressed) override;
    void Edited(platform::Control& control) override;
    void EnterEscape(bool enter) override;
    void KeyPressed(const std::string& name) override;
    void CloseRequested() override;

  private:
    // The time since the last input as waits, then the command.
    void Input(const std::string& verb, std::vector<std::string> args);
    // An input on a control, named as the console finds it; a comment when no name finds it.
    void OnControl(const std::string& verb, platform::Control& control);
    void Write(const std::string& line);

    platform::Application& app_;
    std::FILE* file_ = nullptr;
    bool timeStarted_ = false;
    std::int64_t lastMs_ = 0;
    // The control a press was written down for as a click: its release is part of that click.
    platform::Control* clickedAtPress_ = nullptr;
    // The edit box and text written last, so that a key that changes nothing writes nothing.
    const platform::Control* lastEdit_ = nullptr;
    std::string lastText_;
};

}  // namespace app
