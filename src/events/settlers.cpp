// The settlers: for gold their huts become the lord's city (a human may pay more for a larger
// garrison).
#include "events/places.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/int_math.h"

namespace logic {

namespace Lord = state::Lord;
namespace Site = state::MapSite;

namespace {

struct CityOffer {
    int price;
    int size;
};

// The human's two options, in the order of their buttons; a computer lord takes the first.
constexpr CityOffer kOffers[2] = {{6000, 1}, {10000, 2}};

void FoundCity(int site, int lord, const CityOffer& offer) {
    auto& s = state::G().mapSite[site];
    LordRecord(lord)[Lord::gold] =
        state::AddSaturated(LordRecord(lord)[Lord::gold], -std::int64_t{offer.price});
    s[Site::kind] = SiteKind::city;
    s[Site::owner] = lord;
    s[Site::taxes] = 0;
    s[Site::size] = offer.size;
}

}  // namespace

void VisitSettlers(int site, int lord) {
    auto& s = state::G().mapSite[site];
    if (IsComputer(lord)) {
        if (LordRecord(lord)[Lord::gold] >= kOffers[0].price && s[Site::countdown] == 0)
            FoundCity(site, lord, kOffers[0]);
        return;
    }
    if (!IsHuman(lord)) return;
    // The human's offer does not look at the countdown.
    const int choice = UI().AskChoice(
        "d2_scoundrel.jpg", "Settlers:",
        "A band of beggars and scoundrels is living in a collection of huts. They offer their "
        "allegiance to you in return for help.",
        "Build a city (6000 gold)", "Build a city with large garrison (10.000 gold)");
    if (choice != 1 && choice != 2) return;
    const CityOffer& offer = kOffers[choice - 1];
    if (LordRecord(lord)[Lord::gold] < offer.price) {
        UI().ShowShortNotice(kNotEnoughGold);
        return;
    }
    FoundCity(site, lord, offer);
    Hooks().View().DrawStatusBar();
    UI().ShowShortNotice("With your money the settlers are able to build up a city.");
}

}  // namespace logic
