// The conquest choice of a city.
#include "battle/conquered_city.h"

#include "dungeon/theme_finds.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/themes.h"
#include "state/value_ranges.h"

namespace logic {

namespace Lord = state::Lord;
namespace Site = state::MapSite;

namespace {

// The garrison of soldiers, fast melee and archers a city keeps by its size (3 and above alike).
constexpr int kGarrison[4][3] = {{2, 0, 1}, {6, 0, 3}, {12, 2, 4}, {18, 3, 6}};

void AcceptSurrender(int site, int lord) {
    auto& s = state::G().mapSite[site];
    LordRecord(lord)[Lord::honor] = state::AddSaturated(LordRecord(lord)[Lord::honor], 2);
    s[Site::owner] = lord;
    s[Site::countdown] = 0;
    s[Site::size] = state::AddWithin(s[Site::size], 1, 0, state::kCountLimit);
    const int size = s[Site::size];
    const int row = size < 0 ? 0 : size > 3 ? 3 : size;
    for (int k = 0; k < 3; ++k)
        s[Site::garrison + k] = kGarrison[row][k];
    s[Site::garrison + 3] = 0;
}

// False when the lord's honor is too low.
bool Pillage(int site, int lord) {
    state::GameState& g = state::G();
    auto& l = LordRecord(lord);
    if (l[Lord::honor] < 10) {
        UI().ShowShortNotice("You do not have enough honor for this evil action.", "Continue");
        return false;
    }
    g.mapSite.ClearRows(site, site);
    l[Lord::honor] = state::AddSaturated(l[Lord::honor], -10);
    const int amount = 4000 + state::Random(7000);
    l[Lord::gold] = state::AddSaturated(l[Lord::gold], amount);
    UI().ShowNotice(
        "m1_book.jpg", "Pillage",
        "You pillage and burn the town. You find " + std::to_string(amount) + " gold in valuables.",
        "Continue");
    if (g.mapSetting[state::MapSetting::theme] == state::kDemonPactTheme) DemonGift();
    return true;
}

}  // namespace

void ConqueredCity(int site, int lord) {
    if (!state::InRange(site, 1, 10) || !ValidLord(lord)) return;
    for (;;) {
        const int choice = UI().AskOffer(
            "m1_village1.jpg", "Conquered",
            "With their defenders slain the chieftain of the settlement bows his knee before you "
            "and hands over the city keys to you.",
            "Accept surrender (+2 honor)", "Pillage && burn town (-10 honor)");
        if (choice == kOfferSecond) {
            if (Pillage(site, lord)) break;
            continue;
        }
        // A dialog closed without a choice (the program is closing) takes the surrender, so
        // that the choice cannot ask forever.
        AcceptSurrender(site, lord);
        break;
    }
    // The city is the lord's own now: its window offers taxes and trade, no attack.
    if (state::G().mapSite[site][Site::active] > 0) Hooks().Screens().ShowCity(site);
}

}  // namespace logic
