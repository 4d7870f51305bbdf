// The three camps where troops are hired: crusader knights, mercenary archers and mercenary
// soldiers. A hire blocks the camp for 30 turns.
#include <string>

#include "events/places.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Lord = state::Lord;
namespace Army = state::Army;
namespace Site = state::MapSite;

namespace {

struct Camp {
    int kind;
    const char* title;
    int price;
    int troopSlot;
    int troops;
    const char* offer;
    const char* hireButton;
    const char* hired;
    const char* waiting;  // followed by the countdown and " turns."
};

constexpr Camp kCamps[] = {
    {4, "Crusader camp", 500, Army::fast, 1,
     "You enter a camp of crusaders. Right now there is one batallions of knights available "
     "for hire (for 500 gold). Do you wish to hire them?",
     "Hire (500 gold)",
     "You hire the knights. A new batallion is expected in some time (30 turns).",
     "The camp of crusaders is almost abandoned. A kid tells you a new batallion of knights is "
     "expected in "},
    {5, "Mercenary camp", 400, Army::archers, 1,
     "You have found a mercenary camp. Wandering through the group of tents you take a look at "
     "the mercenaries looking for work. Right now there is one batallion of archers available "
     "for hire (for 400 gold). Do you wish to hire them?",
     "Hire (400 gold)",
     "You hire the archers. A new batallion is expected in some time (30 turns).",
     "The mercenary camp is abandoned. Someone tells you a new batallion of archers is expected "
     "in "},
    {6, "Mercenary camp", 600, Army::soldiers, 2,
     "You have found a mercenary camp. Wandering through the group of tents you take a look at "
     "the mercenaries looking for work. Right now there are two batallions of soldiers "
     "available for hire.",
     "Hire (600 gold)", "You hire the soldiers. New units are expected in some time (30 turns).",
     "The mercenary camp is abandoned. Someone tells you two new batallions of soldiers are "
     "expected in "},
};

const Camp* FindCamp(int kind) {
    for (const Camp& camp : kCamps) {
        if (camp.kind == kind) return &camp;
    }
    return nullptr;
}

void Hire(const Camp& camp, int site, int lord) {
    LordRecord(lord)[Lord::gold] =
        state::AddSaturated(LordRecord(lord)[Lord::gold], -std::int64_t{camp.price});
    auto& troops = ArmyRecord(lord)[camp.troopSlot];
    troops = state::AddWithin(troops, camp.troops, 0, state::kTroopLimit);
    state::G().mapSite[site][Site::countdown] = kCampCountdown;
}

}  // namespace

void VisitCamp(int site, int lord) {
    auto& s = state::G().mapSite[site];
    const Camp* camp = FindCamp(s[Site::kind]);
    if (!camp) return;
    const int gold = LordRecord(lord)[Lord::gold];
    if (IsComputer(lord)) {
        if (gold >= camp->price && s[Site::countdown] == 0) Hire(*camp, site, lord);
        return;
    }
    if (!IsHuman(lord)) return;
    if (s[Site::countdown] > 0) {
        UI().ShowNotice(kPlacePicture, camp->title,
                        camp->waiting + std::to_string(s[Site::countdown]) + " turns.");
        return;
    }
    if (UI().AskChoice(kPlacePicture, camp->title, camp->offer, camp->hireButton) != 1) return;
    if (gold < camp->price) {
        UI().ShowShortNotice(kNotEnoughGold);
        return;
    }
    Hire(*camp, site, lord);
    Hooks().View().DrawStatusBar();
    UI().ShowShortNotice(camp->hired);
}

}  // namespace logic
