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

void RegisterEvents(ScriptRegistry& r) {
    r.AddCall("SiteAt", Ints<2>([](int x, int y) { return logic::SiteAt(x, y); }));
    r.AddCall("AnySiteOfKind",
              Ints<1>([](int kind) { return logic::AnySiteOfKind(kind) ? 1 : 0; }));
    r.AddCall("LastSiteOfKind", Ints<1>([](int kind) { return logic::LastSiteOfKind(kind); }));
    r.AddCall("VisitSite", Ints<0>([] { logic::VisitSite(); }));
    r.AddCall("ShowThemeIntro", Ints<0>([] { logic::ShowThemeIntro(); }));
    r.AddCall("SetupThemeDisplay", Ints<0>([] { logic::SetupThemeDisplay(); }));
    r.AddCall("UpdateThemeDisplay", Ints<0>([] { logic::UpdateThemeDisplay(); }));
}

}  // namespace app
