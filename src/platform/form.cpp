#include "platform/form.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/key_names.h"

namespace platform {

Form::Form(Application& app, std::string className, int width, int height)
    : Control(nullptr, std::move(className)), app_(app) {
    SetBounds(0, 0, width, height);
    SetVisible(false);
    app_.RegisterForm(this);
}

Form::~Form() {
    app_.UnregisterForm(this);
}

void Form::SetColor(Color color) {
    color_ = color;
    Invalidate();
}

void Form::SetFullCanvas(bool full) {
    fullCanvas_ = full;
    if (full) SetBounds(0, 0, app_.CanvasWidth(), app_.CanvasHeight());
}

void Form::PlaceAt(int x, int y) {
    placed_ = true;
    SetPosition(x, y);
}

void Form::Centre() {
    if (fullCanvas_) {
        SetBounds(0, 0, app_.CanvasWidth(), app_.CanvasHeight());
        return;
    }
    SetPosition((app_.CanvasWidth() - Width()) / 2, (app_.CanvasHeight() - Height()) / 2);
}

void Form::Show() {
    if (!Visible()) {
        for (const auto& hook : openingHooks_)
            hook();
    }
    if (!placed_) Centre();
    if (Visible()) {
        app_.RaiseForm(this);
        return;
    }
    SetVisible(true);
    app_.FormShown(this);
    if (OnShow) OnShow();
}

void Form::Hide() {
    if (!Visible()) return;
    SetVisible(false);
    app_.FormHidden(this);
}

int Form::ShowModal() {
    return app_.RunModal(*this);
}

void Form::Close() {
    if (closing_) return;
    closing_ = true;
    bool allowed = !OnCloseQuery || OnCloseQuery();
    closing_ = false;
    if (!allowed) {
        modalResult_ = mrNone;
        return;
    }
    if (modal_ && modalResult_ == mrNone) modalResult_ = mrCancel;
    Hide();
    if (OnClose) OnClose();
}

void Form::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone) Close();
}

void Form::BindKeys(std::vector<std::string> keys, std::string what, Control& control) {
    for (std::string& key : keys)
        key = CanonicalKeyName(key).value_or(key);
    keyBindings_.push_back({std::move(keys), std::move(what), &control});
}

const Form::KeyBinding* Form::BindingOf(const std::string& key) const {
    // A key bound to several controls acts on the first that is shown and enabled now.
    const KeyBinding* found = nullptr;
    for (const KeyBinding& binding : keyBindings_) {
        if (std::find(binding.keys.begin(), binding.keys.end(), key) == binding.keys.end())
            continue;
        if (binding.control->Showing() && binding.control->Enabled()) return &binding;
        if (!found) found = &binding;
    }
    return found;
}

std::vector<std::pair<std::string, std::string>> Form::Describe() {
    std::vector<std::pair<std::string, std::string>> out;
    if (!caption_.empty()) out.emplace_back("caption", caption_);
    std::string buttons;
    std::function<void(Control&)> walk = [&](Control& c) {
        for (auto& child : c.Children()) {
            if (!child->Visible()) continue;
            if (dynamic_cast<SpeedButton*>(child.get()) && !child->Caption().empty()) {
                if (!buttons.empty()) buttons += "|";
                buttons += DisplayCaption(child->Caption());
            }
            walk(*child);
        }
    };
    walk(*this);
    if (!buttons.empty()) out.emplace_back("buttons", buttons);
    return out;
}

void Form::Paint(Canvas& canvas, const Rect& screen) {
    canvas.Fill(screen, color_);
    if (!fullCanvas_) {
        canvas.Frame(screen, colors::kGold, 2);
    }
}

// ---------------------------------------------------------------------------------------------

Timer::Timer(Application& app, int intervalMs, bool enabled) : app_(app), intervalMs_(intervalMs) {
    app_.RegisterTimer(this);
    SetEnabled(enabled);
}

Timer::~Timer() {
    app_.UnregisterTimer(this);
}

void Timer::SetInterval(int ms) {
    intervalMs_ = ms;
    if (enabled_) app_.ArmTimer(this);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) app_.ArmTimer(this);
}

}  // namespace platform
