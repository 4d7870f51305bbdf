// Runs a console script inside the real program: whenever the program waits for input, in
// whichever message loop is running, the next command is carried out.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/script.h"
#include "app/script_registry.h"

namespace platform {
class Application;
class Control;
}  // namespace platform

namespace app {

class ConsoleRunner {
  public:
    ConsoleRunner(platform::Application& app, const ScriptRegistry& registry,
                  std::vector<ScriptCommand> script, std::function<void(const std::string&)> out);

    // The application's idle hook. False when the script is done.
    bool OnIdle();
    // A command to run after the others (the explorer writes its script as it plays).
    void Append(ScriptCommand command) { script_.push_back(std::move(command)); }
    // Whether a command is still to run or a wait still to pass.
    bool Busy() const { return next_ < script_.size() || waitUntil_ >= 0; }
    // Told of every command just before it runs (the recorder writes it down).
    void OnCommand(std::function<void(const ScriptCommand&)> listener) {
        onCommand_ = std::move(listener);
    }
    // The folder below which `screenshot` writes (the current folder when empty).
    void SetScreenshotFolder(std::string folder) { shotFolder_ = std::move(folder); }
    // The control a command names on the form that takes input, as `click NAME` finds it.
    platform::Control* Find(const std::string& name);

    bool Failed() const { return failed_; }
    // A command the script cannot mean: a call with the wrong arguments, a value a slot cannot
    // hold. The script stops there; Refusal() says which line and why ("line N: ...").
    bool Refused() const { return !refusal_.empty(); }
    const std::string& Refusal() const { return refusal_; }

  private:
    void Run(const ScriptCommand& cmd);
    void Fail(const ScriptCommand& cmd, const std::string& why);
    void Refuse(const ScriptCommand& cmd, const std::string& why);
    void Print(const std::string& text);
    platform::Control* Target(const ScriptCommand& cmd, const std::string& name);
    void ShowForm();

    platform::Application& app_;
    const ScriptRegistry& registry_;
    std::vector<ScriptCommand> script_;
    std::function<void(const std::string&)> out_;
    std::function<void(const ScriptCommand&)> onCommand_;
    size_t next_ = 0;
    std::int64_t waitUntil_ = -1;
    bool failed_ = false;
    std::string refusal_;
    bool quit_ = false;
    std::string shotFolder_;
};

}  // namespace app
