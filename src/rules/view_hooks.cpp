// The one registry of the views the rules reach.
#include "rules/view_hooks.h"

namespace logic {

ViewHooks& Hooks() {
    static ViewHooks hooks;
    return hooks;
}

const char* ViewHooks::MissingView() const {
    struct Installed {
        const char* name;
        bool present;
    };
    const Installed views[] = {
        {"the map view", view_ != nullptr},
        {"the turn timers", timers_ != nullptr},
        {"the campaign windows", screens_ != nullptr},
        {"the sounds", sounds_ != nullptr},
        {"the tutorial panels", tutorial_ != nullptr},
        {"the battle panel", battleView_ != nullptr},
        {"the dungeon window", dungeon_ != nullptr},
        {"the theme windows", theme_ != nullptr},
    };
    for (const Installed& v : views) {
        if (!v.present) return v.name;
    }
    return "";
}

}  // namespace logic
