// The map event dispatcher: after a step that started no battle, the site on the current lord's
// field runs its handler (a city's window or computer visit, a place's or a theme's event).
#pragma once

namespace logic {

// The site on the current lord's army field runs its handler; then its icon is redrawn.
void VisitSite();

}  // namespace logic
