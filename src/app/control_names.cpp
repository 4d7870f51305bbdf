// Finds controls by the words console commands name them with, and names them so.
#include "app/control_names.h"

#include <functional>

#include "platform/application.h"
#include "platform/control.h"
#include "platform/form.h"

namespace app {

using platform::Control;

Control* FindControl(platform::Application& app, const std::string& name) {
    platform::Form* form = app.InputForm();
    if (!form) return nullptr;
    Control* byName = form->Name() == name ? form : form->Find(name);
    if (byName && byName->Showing()) return byName;
    // The visible button whose caption reads so.
    std::function<Control*(Control&)> walk = [&](Control& c) -> Control* {
        for (auto& child : c.Children()) {
            if (!child->Visible()) continue;
            const bool button = dynamic_cast<platform::SpeedButton*>(child.get()) ||
                                dynamic_cast<platform::RadioButton*>(child.get());
            if (button && platform::DisplayCaption(child->Caption()) == name) return child.get();
            if (Control* inner = walk(*child)) return inner;
        }
        return nullptr;
    };
    return walk(*form);
}

std::string ConsoleName(platform::Application& app, Control& control) {
    if (FindControl(app, control.Name()) == &control) return control.Name();
    const std::string caption = platform::DisplayCaption(control.Caption());
    if (!caption.empty() && FindControl(app, caption) == &control) return caption;
    return {};
}

}  // namespace app
