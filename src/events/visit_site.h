// The map event dispatcher: after a step that started no battle, the site on the current lord's
// field runs its handler, and the rules that the campaign reaches through its site hooks.
#pragma once

#include "campaign/campaign_hooks.h"

namespace logic {

// The site on the current lord's army field runs its handler; then its icon is redrawn.
void VisitSite();

// The event rules as the campaign reaches them; the other site hooks keep their defaults.
class EventRules : public SiteRules {
  public:
    void VisitSite() override;
};

// Installs the event rules in the hooks registry (the program does this once at start).
void InstallEventRules();

}  // namespace logic
