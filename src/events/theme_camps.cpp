// The theme places that can end in a battle against an event army: the orc camps (theme 2),
// the crusader camps (theme 15), the graveyards (theme 9) and Morduls Citadel with the
// captive princess (theme 13).
#include "events/theme_common.h"
#include "events/theme_events.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "state/int_math.h"

namespace logic {

namespace {

namespace Lord = state::Lord;

constexpr int kCampCountdownOrcs = 15;
constexpr int kCampCountdownCrusaders = 30;
constexpr int kCampBattleTroops = 14;
constexpr int kGraveyardTroops = 16;
constexpr int kCitadelTroops = 24;
constexpr int kCrusaderPrice = 1500;

bool HonorAbove9(int lord) {
    return LordRecord(lord)[Lord::honor] > 9;
}

// The computer rule of both camps: a lord of honor and a hero of level 6 or more gets a band.
void ComputerJoinsCamp(int lord, SpecialTroop troop) {
    auto& l = LordRecord(lord);
    if (!HonorAbove9(lord) || l[Lord::heroLevel] <= 5) return;
    l[Lord::honor] = state::AddSaturated(l[Lord::honor], -10);
    GrantSpecial(lord, RandomBand(), troop);
}

std::string TurnsCaption(const char* before, int countdown) {
    return before + std::to_string(countdown) + " turns.";
}

}  // namespace

void OrcCamp(int lord, int site) {
    if (IsComputer(lord)) ComputerJoinsCamp(lord, kOrcs);
    if (!IsHuman(lord)) return;
    const int countdown = Countdown(site);
    const bool chieftainThere = countdown <= 0;
    const int choice = UI().AskChoice(
        "m1_orc.jpg", "Orc camp:",
        "You have come to the camp of a band of orcs - evil murderous creatures having come from "
        "far across the ocean in their black sailed boats. If you win a duel against their "
        "chieftain they might follow you.",
        chieftainThere ? "Duel orc chieftain to hire orcs (Level 6 monster, -10 honor)"
                       : TurnsCaption("No chieftain in the camp for ", countdown),
        "Destroy orc camp (Battle vs. 14 orc batallions, +6 honor)", chieftainThere);
    if (choice == 1 && chieftainThere) {
        if (!HonorAbove9(lord)) {
            UI().ShowShortNotice("You do not have enough honor points!", "Continue");
            return;
        }
        UI().ShowNotice("m1_orc.jpg", "Duel",
                        "You challenge the orc chieftain! Your men and the orcs form a circle and "
                        "both of you enter it for a fight!",
                        "Continue");
        if (!StartSetPieceDuel(lord, SetPiece::orcChieftain)) return;
        SiteRecord(site)[state::MapSite::countdown] = kCampCountdownOrcs;
        LordRecord(lord)[Lord::honor] = state::AddSaturated(LordRecord(lord)[Lord::honor], -10);
        GrantSpecial(lord, RandomBand(), kOrcs);
        UI().ShowNotice("m1_orc.jpg", "Orcs",
                        "Looking down on their chieftain lying in his own green blood some of the "
                        "orcs join your army in hopes for some murder && pillaging.",
                        "Continue");
    } else if (choice == 2) {
        StartEventBattle(kCampBattleTroops, kOrcs.kind, kOrcs.troopClass, kOrcBattle, site);
    }
}

void CrusaderCamp(int lord, int site) {
    if (IsComputer(lord)) ComputerJoinsCamp(lord, kCrusaders);
    if (!IsHuman(lord)) return;
    const int countdown = Countdown(site);
    const bool forHire = countdown <= 0;
    const int choice = UI().AskChoice(
        "m1_knight.jpg", "Crusader camp:",
        "You have come to the camp of an army of crusaders - soldiers from far across the ocean "
        "who have come to pillage the land. Defeat them or ally with them. It\u00b4s your choice.",
        forHire ? "Hire crusaders (1500 Gold, -10 honor)"
                : TurnsCaption("No crusaders for hire for ", countdown),
        "Attack (Battle vs. 14 crusader batallions, +gold+honor)", forHire);
    if (choice == 1 && forHire) {
        auto& l = LordRecord(lord);
        if (!HonorAbove9(lord)) {
            UI().ShowShortNotice("You do not have enough honor points!", "Continue");
        } else if (l[Lord::gold] < kCrusaderPrice) {
            UI().ShowShortNotice("Sorry, but you do not have enough gold...", "Continue");
        } else {
            l[Lord::honor] = state::AddSaturated(l[Lord::honor], -10);
            l[Lord::gold] = state::AddSaturated(l[Lord::gold], -kCrusaderPrice);
            GrantSpecial(lord, RandomBand(), kCrusaders);
            SiteRecord(site)[state::MapSite::countdown] = kCampCountdownCrusaders;
            RedrawStatus();
            UI().ShowNotice("m1_knight.jpg", "Crusaders hired",
                            "You hire the crusaders. A new batallion is expected in some time (30 "
                            "turns). Soon the word spreads about your treachery and you lose "
                            "honor.",
                            "Continue");
        }
    } else if (choice == 2) {
        StartEventBattle(kCampBattleTroops, kCrusaders.kind, kCrusaders.troopClass, kCrusaderBattle,
                         site);
    }
}

void Graveyard(int lord, int site) {
    if (!IsHuman(lord)) return;
    const int answer = UI().AskOffer(
        "m1_skeleton.jpg", "Graveyard",
        "As your men take positions at the gate to the graveyard a thick mist lies across the "
        "graves. And then you see it: Moving figures stumbling closer (16 skeleton knight "
        "units).",
        "Attack (+ 6 honor)", "Leave");
    if (answer != kOfferAction) return;
    StartEventBattle(kGraveyardTroops, kSkeletonKnights.kind, kSkeletonKnights.troopClass,
                     kUndeadBattle, site);
}

void MordulsCitadel(int lord, int site) {
    if (!IsHuman(lord)) return;
    UI().ShowNotice("m1_book.jpg", "Morduls Citadel",
                    "Morduls Citadel is located high on the cliffs. Its made of black stone, a "
                    "color giving you the deepest feelings of hopelessness you ever felt in your "
                    "life. At the top of the highest tower you can see a strange red light. Truly "
                    "a frighteningly sight.",
                    "Continue");
    const int answer = UI().AskOffer("m1_book.jpg", "Morduls Citadel",
                                     "You now need to decide whether you wish to attack the "
                                     "citadel. Mordul has summoned an army of 24 skeleton knights "
                                     "to fight for him.",
                                     "Attack", "Leave");
    if (answer != kOfferAction) return;
    StartEventBattle(kCitadelTroops, kSkeletonKnights.kind, kSkeletonKnights.troopClass,
                     kUndeadBattle, site);
}

}  // namespace logic
