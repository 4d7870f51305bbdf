// How a console command names a control: the control a name finds on the form that takes input,
// and the name that finds a given control there.
#pragma once

#include <string>

namespace platform {
class Application;
class Control;
}  // namespace platform

namespace app {

// The control `click NAME` means on the form that takes input: the form or a showing control of
// that name, else the visible button whose caption reads so. Null when there is none.
platform::Control* FindControl(platform::Application& app, const std::string& name);

// The word that finds this control on the form that takes input: its name, else its caption
// (where the name finds another control, or none). Empty when neither finds it.
std::string ConsoleName(platform::Application& app, platform::Control& control);

}  // namespace app
