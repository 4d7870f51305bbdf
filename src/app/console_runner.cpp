#include "app/console_runner.h"

#include <functional>

#include "app/control_names.h"
#include "app/screenshot_path.h"
#include "platform/application.h"
#include "platform/driver.h"
#include "platform/key_names.h"
#include "platform/trace.h"

namespace app {

using platform::Control;

ConsoleRunner::ConsoleRunner(platform::Application& app, const ScriptRegistry& registry,
                             std::vector<ScriptCommand> script,
                             std::function<void(const std::string&)> out)
    : app_(app), registry_(registry), script_(std::move(script)), out_(std::move(out)) {}

void ConsoleRunner::Print(const std::string& text) {
    out_(std::to_string(app_.GetClock().NowMs()) + " " + text);
}

void ConsoleRunner::Fail(const ScriptCommand& cmd, const std::string& why) {
    failed_ = true;
    Print("FAIL line " + std::to_string(cmd.line) + ": " + why);
}

void ConsoleRunner::Refuse(const ScriptCommand& cmd, const std::string& why) {
    refusal_ = "line " + std::to_string(cmd.line) + ": " + why;
    quit_ = true;
    app_.Quit();
}

bool ConsoleRunner::OnIdle() {
    if (quit_) return false;
    if (waitUntil_ >= 0) {
        if (app_.AdvanceVirtualTime(waitUntil_)) return true;
        waitUntil_ = -1;
    }
    if (next_ >= script_.size()) return false;
    // A copy: a command that opens a window runs the next ones inside it, and those may add to
    // the script.
    const ScriptCommand cmd = script_[next_++];
    if (onCommand_) onCommand_(cmd);
    Run(cmd);
    return !quit_;
}

Control* ConsoleRunner::Find(const std::string& name) {
    return FindControl(app_, name);
}

Control* ConsoleRunner::Target(const ScriptCommand& cmd, const std::string& name) {
    platform::Form* form = app_.InputForm();
    if (!form) {
        Fail(cmd, "no form takes input");
        return nullptr;
    }
    Control* byName = form->Name() == name ? form : form->Find(name);
    Control* found = Find(name);
    if (!found) {
        if (byName) {
            Fail(cmd, QuoteExcerpt(name) + " is hidden");
        } else if (app_.FindForm(name) || [&] {
                       for (platform::Form* f : app_.AllForms()) {
                           if (f->Find(name)) return true;
                       }
                       return false;
                   }()) {
            Fail(cmd, QuoteExcerpt(name) + " is not on the form that takes input (" +
                          form->ClassName() + ")");
        } else {
            Fail(cmd, "no control or button " + QuoteExcerpt(name) + " on " + form->ClassName());
        }
        return nullptr;
    }
    if (!found->Enabled()) {
        Fail(cmd, QuoteExcerpt(name) + " is disabled");
        return nullptr;
    }
    return found;
}

void ConsoleRunner::ShowForm() {
    platform::Form* form = app_.InputForm();
    if (!form) {
        Print("show (no form)");
        return;
    }
    Print("form " + form->ClassName() + " caption=" + platform::Quote(form->Caption()));
    std::function<void(Control&, int)> walk = [&](Control& c, int depth) {
        for (auto& child : c.Children()) {
            if (!child->Visible()) continue;
            std::string line(static_cast<size_t>(depth) * 2, ' ');
            line += child->Name() + " " + child->Kind();
            std::string caption = child->Caption();
            if (!caption.empty()) line += " caption=" + platform::Quote(caption);
            if (auto* pic = dynamic_cast<platform::Picture*>(child.get())) {
                if (!pic->FileName().empty())
                    line += " picture=" + platform::Quote(pic->FileName());
            }
            if (!child->Enabled()) line += " disabled";
            Print("  " + line);
            walk(*child, depth + 1);
        }
    };
    walk(*form, 0);
}

void ConsoleRunner::Run(const ScriptCommand& cmd) {
    const std::string& v = cmd.verb;
    const auto& a = cmd.args;
    if (v == "click" || v == "rclick" || v == "dblclick" || v == "hover") {
        Control* c = Target(cmd, a[0]);
        if (!c) return;
        if (v == "click") platform::Driver(app_).ClickControl(*c);
        if (v == "rclick") platform::Driver(app_).ClickControl(*c, platform::MouseButton::Right);
        if (v == "dblclick") platform::Driver(app_).DoubleClickControl(*c);
        if (v == "hover") platform::Driver(app_).HoverControl(*c);
    } else if (v == "type") {
        Control* c = Target(cmd, a[0]);
        if (!c) return;
        auto* edit = dynamic_cast<platform::Edit*>(c);
        if (!edit) {
            Fail(cmd, QuoteExcerpt(a[0]) + " is not an edit box");
            return;
        }
        platform::Driver(app_).TypeText(*edit, a[1]);
    } else if (v == "key") {
        // A name of several words may come unquoted: key Keypad 8.
        std::string name = a[0];
        for (std::size_t i = 1; i < a.size(); ++i)
            name += " " + a[i];
        const std::optional<std::string> key = platform::CanonicalKeyName(name);
        if (!key) {
            Fail(cmd, "unknown key " + QuoteExcerpt(name) +
                          " (keys by their names: Return, Right, Keypad 8, F1)");
            return;
        }
        platform::Driver(app_).PressKey(*key);
    } else if (v == "close") {
        platform::Driver(app_).RequestClose();
    } else if (v == "wait") {
        waitUntil_ = app_.GetClock().NowMs() + cmd.number;
    } else if (v == "get") {
        std::string value, error;
        if (!registry_.Get(a[0], value, error)) {
            Fail(cmd, error);
            return;
        }
        Print("get " + a[0] + " = " + value);
    } else if (v == "set") {
        std::string error;
        switch (registry_.Set(a[0], a[1], error)) {
            case SetResult::stored:
                break;
            case SetResult::failed:
                Fail(cmd, error);
                break;
            case SetResult::refused:
                Refuse(cmd, "set " + a[0] + ": " + error);
                break;
        }
    } else if (v == "expect") {
        std::string value, error;
        if (!registry_.Get(a[0], value, error)) {
            Fail(cmd, error);
            return;
        }
        if (value != a[1]) Fail(cmd, "expected " + a[0] + " = " + a[1] + ", got " + value);
    } else if (v == "call") {
        const ScriptRegistry::Call* call = registry_.FindCall(a[0]);
        if (!call) {
            Fail(cmd, "unknown operation " + QuoteExcerpt(a[0]));
            return;
        }
        std::string result, error;
        CallArgs args(a.begin() + 1, a.end());
        if (!call->Accepts(args, error)) {
            Refuse(cmd, "call " + a[0] + ": " + error);
            return;
        }
        if (!call->run(args, result, error)) {
            Fail(cmd, a[0] + ": " + error);
            return;
        }
        if (!result.empty()) Print("call " + a[0] + " = " + result);
        // An operation is an action like a click: the windows on screen show its result.
        app_.RefreshViews();
    } else if (v == "expect-shown") {
        platform::Form* f = app_.LastShown();
        bool found = false;
        if (f) {
            if (f->Caption().find(a[0]) != std::string::npos) found = true;
            for (const auto& [key, value] : f->Describe()) {
                if (value.find(a[0]) != std::string::npos) found = true;
            }
        }
        if (!found) {
            Fail(cmd, "the form shown last (" + (f ? f->ClassName() : std::string("none")) +
                          ") does not contain " + platform::Quote(a[0]));
        }
    } else if (v == "expect-caption") {
        // What a control on screen shows, shown or not to the player's input (a label).
        // A caption of several lines is written with \n between them.
        Control* c = Find(a[0]);
        std::string shown;
        if (c) {
            for (char ch : c->Caption())
                shown += ch == '\n' ? std::string("\\n") : std::string(1, ch);
        }
        if (!c) {
            Fail(cmd, "no control \"" + a[0] + "\" on screen");
        } else if (shown != a[1]) {
            Fail(cmd, a[0] + " shows " + platform::Quote(c->Caption()) + ", not " +
                          platform::Quote(a[1]));
        }
    } else if (v == "show") {
        ShowForm();
    } else if (v == "screenshot") {
        std::string target, error;
        if (!ScreenshotTarget(shotFolder_, a[0], target, error) ||
            !platform::Driver(app_).Screenshot(target, error))
            Fail(cmd, error);
    } else if (v == "seed") {
        if (registry_.seed) registry_.seed(static_cast<unsigned>(cmd.number));
    } else if (v == "quit") {
        quit_ = true;
        app_.Quit();
    }
}

}  // namespace app
