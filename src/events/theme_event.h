// The events of the scenario's theme at its theme sites (kinds -1, -2 and -3).
#pragma once

namespace logic {

// Not built yet: the theme events; a theme site does nothing until they exist.
void ThemeEvent(int site, int lord);

}  // namespace logic
