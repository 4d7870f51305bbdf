// The places that turn quest objects and honor into special troops: the Cauldrons Of Doom
// (theme 6), the elves who serve the bearer of their holy bow (theme 7) and the dark altars that
// breed dragons (theme 8) or summon demons (theme 17).
#include "dungeon/items.h"
#include "events/theme_common.h"
#include "events/theme_events.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"

namespace logic {

namespace {

namespace Lord = state::Lord;

constexpr int kAltarCountdown = 15;
constexpr int kSummonedBand = 3;
constexpr int kHonorPrice = 10;

bool HonorAbove9(int lord) {
    return LordRecord(lord)[Lord::honor] > 9;
}

void SetCountdown(int site, int turns) {
    SiteRecord(site)[state::MapSite::countdown] = turns;
}

// The two dark altars differ only in their texts and in the troop they grant.
struct DarkAltar {
    const char* action;
    const char* coolingDown;  // before the countdown; " turns left)" follows
    const char* refusal;
    SpecialTroop troop;
    const char* picture;
    const char* title;
    const char* success;
};

constexpr DarkAltar kDragonAltar{
    "Breed dragon (-10 honor)",
    "Breed dragon (",
    "You need to collect dragon eggs in dungeons to breed dragons!",
    kDragons,
    "m1_dragon.jpg",
    "Dragon!",
    "The necromancers use dark magic to breed one mighty dragon for your army!"};

constexpr DarkAltar kDemonAltar{"Summon demons (-10 honor)",
                                "Summon (",
                                "You need to collect soul shards in dungeons to summon demons!",
                                kNightscares,
                                "m1_nightscare.jpg",
                                "Demons!",
                                "The necromancers use dark magic to summon demons for your army!"};

void UseDarkAltar(const DarkAltar& altar, int lord, int site) {
    auto& l = LordRecord(lord);
    // A computer lord pays the honor without looking at it.
    if (IsComputer(lord) && l[Lord::themeCounter] > 0 && Countdown(site) == 0) {
        SetCountdown(site, kAltarCountdown);
        l[Lord::themeCounter] -= 1;
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kHonorPrice);
        GrantSpecial(lord, 1, altar.troop);
    }
    if (!IsHuman(lord)) return;
    const int countdown = Countdown(site);
    const bool open = countdown <= 0;
    const std::string action = !open && l[Lord::themeCounter] > 0
                                   ? altar.coolingDown + std::to_string(countdown) + " turns left)"
                                   : std::string(altar.action);
    const int answer = UI().AskOffer(
        "m1_book.jpg", "Dark altar",
        "You are standing in front of a black altar covered over and over with skulls of all sizes "
        "- apparently a necromancers altar. A couple of men in black robes stand at its sides. Do "
        "you wish their services?",
        action, "Leave", open);
    if (answer != kOfferAction || !open) return;
    if (l[Lord::themeCounter] <= 0) {
        UI().ShowShortNotice(altar.refusal, "Continue");
    } else if (HonorAbove9(lord)) {
        SetCountdown(site, kAltarCountdown);
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kHonorPrice);
        l[Lord::themeCounter] -= 1;
        GrantSpecial(lord, 1, altar.troop);
        UI().ShowNotice(altar.picture, altar.title, altar.success, "Continue");
    } else {
        UI().ShowShortNotice("You do not have enough honor!", "Continue");
    }
}

}  // namespace

void CauldronOfDoom(int lord, int site) {
    auto& l = LordRecord(lord);
    if (IsComputer(lord) && l[Lord::themeCounter] > 0 && HonorAbove9(lord) &&
        Countdown(site) == 0) {
        SetCountdown(site, kAltarCountdown);
        l[Lord::themeCounter] -= 1;
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kHonorPrice);
        GrantSpecial(lord, kSummonedBand, kSkeletonKnights);
    }
    if (!IsHuman(lord)) return;
    const int choice = UI().AskChoice(
        "m1_book.jpg", "Cauldrons Of Doom:",
        "The closer you come to the cauldron the darker the sky gets and the more the air smells. "
        "You feel sick. The cauldron itself is completely black and a disgusting green slime "
        "broils in it.",
        "Summon skeleton knights (1 blood vial, 10 honor)", "Destroy cauldron (+10 honor)");
    if (choice == 1) {
        // The human's summon does not look at the countdown.
        if (!HonorAbove9(lord)) {
            UI().ShowShortNotice("You do not have enough honor!", "Continue");
        } else if (l[Lord::themeCounter] <= 0) {
            UI().ShowShortNotice(
                "You need blood vials, which you can find by killing level 10 boss monsters.",
                "Continue");
        } else {
            SetCountdown(site, kAltarCountdown);
            l[Lord::themeCounter] -= 1;
            l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kHonorPrice);
            GrantSpecial(lord, kSummonedBand, kSkeletonKnights);
            UI().ShowNotice("m1_book.jpg", "Summoning",
                            "In a dark ritual you are able to hire three batallions of skeleton "
                            "knights - strong fast melee units.",
                            "Continue");
        }
    } else if (choice == 2) {
        UI().ShowNotice("m1_book.jpg", "Cauldron of Doom",
                        "As you touch the cauldron to empty it on the ground you suddenly feel a "
                        "cold presence behind you!",
                        "Continue");
        if (!StartSetPieceDuel(lord, SetPiece::lichLord)) return;
        UI().ShowNotice("m1_book.jpg", "Cauldron of Doom",
                        "Finally you can empty the cauldron. It does not take long until the sky "
                        "clears up and the land begins to heal itself.",
                        "Continue");
        RemoveSite(site);
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], 10);
    }
}

void Elves(int lord, int site) {
    auto& l = LordRecord(lord);
    // A computer lord that found a bow pays the honor without looking at it.
    if (IsComputer(lord) && l[Lord::themeCounter] > 0 && Countdown(site) == 0) {
        SetCountdown(site, kAltarCountdown);
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kHonorPrice);
        GrantSpecial(lord, kSummonedBand, kElvishArchers);
    }
    if (!IsHuman(lord)) return;
    const int countdown = Countdown(site);
    const bool open = countdown <= 0;
    const bool hasBow = CarriesItem(lord, state::ItemTable::kSpecialWeaponRow);
    const std::string action = !open && hasBow
                                   ? "Demand help (" + std::to_string(countdown) + " turns left)"
                                   : std::string("Demand help (-10 honor)");
    const int answer = UI().AskOffer(
        "m1_elf.jpg", "Elves",
        "You have come to a large river. From the other side a voice calls out telling you to "
        "stop. Beyond the river the sacred elvish wood begins that may not be entered without "
        "permission.",
        action, "Leave", open);
    if (answer != kOfferAction || !open) return;
    if (!hasBow) {
        UI().ShowShortNotice(
            "You have not found their holy bow and they deny their help to anyone not carrying it.",
            "Continue");
    } else if (HonorAbove9(lord)) {
        SetCountdown(site, kAltarCountdown);
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kHonorPrice);
        GrantSpecial(lord, kSummonedBand, kElvishArchers);
        UI().ShowNotice("m1_elf.jpg", "Elvish archers", "The elves agree to your commands.",
                        "Continue");
    } else {
        UI().ShowShortNotice("You do not have enough honor!", "Continue");
    }
}

void DragonAltar(int lord, int site) {
    UseDarkAltar(kDragonAltar, lord, site);
}

void DemonAltar(int lord, int site) {
    UseDarkAltar(kDemonAltar, lord, site);
}

}  // namespace logic
