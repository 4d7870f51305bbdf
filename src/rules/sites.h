// The map sites as the events see them: which site stands on a field, whether a kind exists,
// and the removal of a used-up site.
#pragma once

namespace logic {

inline constexpr int kSiteRows = 10;

// Site kinds.
namespace SiteKind {
enum : int {
    city = 1,
    sorcerer = 2,
    shrine = 3,
    crusaderCamp = 4,
    archerCamp = 5,
    soldierCamp = 6,
    settlers = 7,
    witchHut = 8,
    ritualPlace = 9,
    mainTheme = -1,    // the theme's main event
    secondTheme = -2,  // the theme's secondary events
    thirdTheme = -3,
};
}

// The first active site (lowest index) on (x, y); 0 if none.
int SiteAt(int x, int y);
// Whether any active site has the kind.
bool AnySiteOfKind(int kind);
// The highest index of an active site of the kind; 0 if none.
int LastSiteOfKind(int kind);
// The site is gone for good (active 0; it keeps its kind).
void RemoveSite(int site);

}  // namespace logic
