// The witch hut (an evil talisman) and the ritual place (a soulstone): the human pays honor for
// the dark gift, or destroys the place for honor. Both serve the human only.
#include <string>

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

struct DarkPlace {
    const char* title;         // of the offer
    const char* waitingTitle;  // of the notice while the countdown runs
    const char* text;
    const char* giftOption;
    const char* destroyOption;
    int honorPrice;
    int flagSlot;
    const char* giftText;
    const char* destroyText;
    const char* waitingBefore;  // the countdown goes between these two
    const char* waitingAfter;
};

constexpr int kDarkCountdown = 20;
constexpr int kDestroyHonor = 4;

constexpr DarkPlace kWitchHut = {
    "Witch hut:",
    "Witch hut",
    "Your scouts report a strange hut ahead. An evil witch is living there and the peasants "
    "accuse her of cursing their crops and cattle.",
    "Get an evil talisman (Once +25% battle bonus, -5 honor)",
    "Burn the hut and the witch (+4 honor)",
    5,
    Lord::evilTalisman,
    "The witch giggles when she hands you the evil talisman (+25% battle bonus at the next "
    "battle)",
    "You burn the hut and the witch. The flames throw frighteningly shadows and you shiver "
    "thinking about this cruel death.",
    "You find an abandoned witch hut. Nearby peasants tell you the witch will be back in ",
    " turns.",
};

constexpr DarkPlace kRitualPlace = {
    "Soulstone:",
    "Soulstone",
    "On a clearing you find a ritual place. You see several heads on spears and dried blood "
    "covers a large stone in the middle. A sign says: \"Traveller! Pay tribute to the darkness "
    "and your fallen shall rise again.\"",
    "Sacrifice (-10 honor, After the next battle the dead will rise)",
    "Destroy the ritual place (+4 honor)",
    10,
    Lord::soulstone,
    "You make the sacrifice (please do not ask for details about what you did exactly).",
    "After the ritual place has been destroyed you feel relieved. A bit less evil in your "
    "realm.",
    "On a clearing you find a ritual place. You see several heads on spears and dried blood is "
    "everywhere. A sign says: \"Temporarily closed for ",
    " turns.\". You wonder what that means...",
};

void VisitDarkPlace(const DarkPlace& place, int site, int lord) {
    if (!IsHuman(lord)) return;
    auto& s = state::G().mapSite[site];
    auto& l = LordRecord(lord);
    if (s[Site::countdown] > 0) {
        UI().ShowNotice(
            kPlacePicture, place.waitingTitle,
            place.waitingBefore + std::to_string(s[Site::countdown]) + place.waitingAfter);
        return;
    }
    const int choice = UI().AskChoice(kPlacePicture, place.title, place.text, place.giftOption,
                                      place.destroyOption);
    if (choice == 1) {
        if (l[Lord::honor] < place.honorPrice) {
            UI().ShowShortNotice(kNotEnoughHonor);
            return;
        }
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -std::int64_t{place.honorPrice});
        l[place.flagSlot] = 1;
        s[Site::countdown] = kDarkCountdown;
        Hooks().View().DrawStatusBar();
        UI().ShowShortNotice(place.giftText);
    } else if (choice == 2) {
        UI().ShowShortNotice(place.destroyText);
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], kDestroyHonor);
        RemoveSite(site);
    }
}

}  // namespace

void VisitWitchHut(int site, int lord) {
    VisitDarkPlace(kWitchHut, site, lord);
}

void VisitRitualPlace(int site, int lord) {
    VisitDarkPlace(kRitualPlace, site, lord);
}

}  // namespace logic
