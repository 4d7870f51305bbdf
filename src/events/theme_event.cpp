// The theme events at theme sites.
#include "events/theme_event.h"

namespace logic {

void ThemeEvent(int site, int lord) {
    // Not built yet: the theme events of each scenario theme.
    (void)site;
    (void)lord;
}

}  // namespace logic
