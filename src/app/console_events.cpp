// The map events and the theme presentation as console operations: the site look-ups, the
// dispatcher for the current lord on its army's field, and the theme introduction and display.
#include "app/console_events.h"

#include <string>

#include "app/script_registry.h"
#include "campaign/visit_site.h"
#include "events/theme_display.h"
#include "events/theme_intro.h"
#include "rules/sites.h"

namespace app {

namespace {

// An operation on one whole number whose result the transcript shows.
template <typename Fn>
ScriptRegistry::Call OneInt(Fn fn) {
    return Takes({kNumber}, [fn](const CallArgs& a, std::string& result, std::string& error) {
        int v = 0;
        if (!IntArg(a, 0, v, error)) return false;
        result = std::to_string(fn(v));
        return true;
    });
}

template <typename Fn>
ScriptRegistry::Call NoArgs(Fn fn) {
    return Takes({}, [fn](const CallArgs&, std::string&, std::string&) {
        fn();
        return true;
    });
}

}  // namespace

void RegisterEvents(ScriptRegistry& r) {
    r.AddCall("SiteAt", {kNumber, kNumber},
              [](const CallArgs& a, std::string& result, std::string& error) {
                  int x = 0, y = 0;
                  if (!IntArg(a, 0, x, error) || !IntArg(a, 1, y, error)) return false;
                  result = std::to_string(logic::SiteAt(x, y));
                  return true;
              });
    r.AddCall("AnySiteOfKind", OneInt([](int kind) { return logic::AnySiteOfKind(kind) ? 1 : 0; }));
    r.AddCall("LastSiteOfKind", OneInt([](int kind) { return logic::LastSiteOfKind(kind); }));
    r.AddCall("VisitSite", NoArgs([] { logic::VisitSite(); }));
    r.AddCall("ShowThemeIntro", NoArgs([] { logic::ShowThemeIntro(); }));
    r.AddCall("SetupThemeDisplay", NoArgs([] { logic::SetupThemeDisplay(); }));
    r.AddCall("UpdateThemeDisplay", NoArgs([] { logic::UpdateThemeDisplay(); }));
}

}  // namespace app
