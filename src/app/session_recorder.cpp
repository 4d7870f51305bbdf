// Writes the seed and then the player's input or the console's commands as a replayable script.
#include "app/session_recorder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "app/control_names.h"
#include "platform/application.h"

namespace app {

namespace {

using platform::Control;
using platform::MouseButton;

// Whether a control does anything with the mouse or the keyboard.
bool Interactive(Control& c) {
    return c.HitTestable() || c.WantsKeyboard() || dynamic_cast<platform::SpeedButton*>(&c) ||
           dynamic_cast<platform::RadioButton*>(&c) || dynamic_cast<platform::ComboBox*>(&c);
}

// Whether a control acts when its left button goes down (a move target) rather than when it is
// clicked: such a press is written down at once, before it opens any window.
bool ActsOnPress(Control& c) {
    return c.OnMouseDown && !c.OnClick && !c.OnDblClick && !c.WantsKeyboard() &&
           !dynamic_cast<platform::SpeedButton*>(&c) && !dynamic_cast<platform::RadioButton*>(&c) &&
           !dynamic_cast<platform::ComboBox*>(&c);
}

}  // namespace

unsigned SeedFromClock() {
    return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
}

SessionRecorder::~SessionRecorder() {
    if (file_) std::fclose(file_);
}

bool SessionRecorder::Open(const std::string& path, std::string& error) {
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void SessionRecorder::Write(const std::string& line) {
    if (!file_) return;
    std::fputs(line.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

void SessionRecorder::Start(unsigned seed, int desktopWidth, int desktopHeight) {
    Write("seed " + std::to_string(seed));
    const std::string desktop = std::to_string(desktopWidth) + "x" + std::to_string(desktopHeight);
    Write("# played on a " + desktop + " desktop; replay: marchholt-console --desktop " + desktop +
          " FILE");
}

void SessionRecorder::Command(const ScriptCommand& command) {
    Write(FormatCommand(command));
}

void SessionRecorder::Input(const std::string& verb, std::vector<std::string> args) {
    for (const std::string& word : args) {
        if (word.find('\n') == std::string::npos) continue;
        // A line break cannot stand inside a script's word.
        std::string shown = verb;
        for (std::string w : args) {
            std::replace(w.begin(), w.end(), '\n', ' ');
            shown += " " + w;
        }
        Write("# not replayable (a line break in a word): " + shown);
        return;
    }
    const std::int64_t now = app_.GetClock().NowMs();
    if (!timeStarted_) {
        timeStarted_ = true;
        lastMs_ = now;
    }
    for (std::int64_t gap = now - lastMs_; gap > 0; gap -= kLongestWaitMs)
        Write("wait " + std::to_string(std::min(gap, kLongestWaitMs)));
    lastMs_ = std::max(lastMs_, now);
    ScriptCommand command;
    command.verb = verb;
    command.args = std::move(args);
    Write(FormatCommand(command));
}

void SessionRecorder::OnControl(const std::string& verb, Control& control) {
    const std::string name = ConsoleName(app_, control);
    if (name.empty()) {
        platform::Form* form = control.OwnerForm();
        Write("# " + verb + " on " + (form ? form->ClassName() + "." : std::string()) +
              control.Name() + ", which no console name finds");
        return;
    }
    Input(verb, {name});
}

void SessionRecorder::WaitingForInput() {
    // Time starts when the program first waits for the player, as a replay's first command
    // runs when the console first waits for the script.
    if (timeStarted_) return;
    timeStarted_ = true;
    lastMs_ = app_.GetClock().NowMs();
}

void SessionRecorder::Pressed(Control& control, MouseButton button, int clicks) {
    clickedAtPress_ = nullptr;
    if (!Interactive(control)) return;
    if (button == MouseButton::Right) {
        if (control.HitTestable()) OnControl("rclick", control);
        return;
    }
    if (button != MouseButton::Left) return;
    if (clicks == 2) {
        OnControl("dblclick", control);
        clickedAtPress_ = &control;
    } else if (ActsOnPress(control)) {
        OnControl("click", control);
        clickedAtPress_ = &control;
    }
}

void SessionRecorder::Released(Control& control, MouseButton button, bool overPressed) {
    Control* atPress = std::exchange(clickedAtPress_, nullptr);
    if (button != MouseButton::Left || !overPressed || atPress == &control) return;
    if (Interactive(control)) OnControl("click", control);
}

void SessionRecorder::Edited(Control& control) {
    auto* edit = dynamic_cast<platform::Edit*>(&control);
    if (!edit || (lastEdit_ == edit && lastText_ == edit->Text())) return;
    lastEdit_ = edit;
    lastText_ = edit->Text();
    const std::string name = ConsoleName(app_, control);
    if (name.empty()) {
        OnControl("type", control);  // the comment
        return;
    }
    Input("type", {name, edit->Text()});
}

void SessionRecorder::EnterEscape(bool enter) {
    Input("key", {enter ? "Enter" : "Escape"});
}

void SessionRecorder::KeyPressed(const std::string& name) {
    Input("key", {name});
}

void SessionRecorder::CloseRequested() {
    Input("close", {});
}

}  // namespace app
