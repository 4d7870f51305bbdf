// The map event dispatcher: after a step that started no battle, the site on the current lord's
// field runs its handler (the campaign reaches it through its site hook).
#pragma once

#include "campaign/campaign_hooks.h"

namespace logic {

// The site on the current lord's army field runs its handler; then its icon is redrawn.
void VisitSite();

}  // namespace logic
