// The two guardians of a passage: the dragon at the pass (theme 1), which five dragon eggs
// calm, and the efreet at the crossing (theme 14). Either guards a hoard of 10,000 gold, and
// the theme ends once the hoard is taken.
#include "events/theme_common.h"
#include "events/theme_events.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"

namespace logic {

namespace {

namespace Lord = state::Lord;

constexpr int kHoard = 10000;
constexpr int kEggsToCalm = 5;
constexpr int kGuardianHeroLevel = 8;

// The hoard is taken: the site goes and the theme ends.
void TakeHoard(int lord, int site) {
    LordRecord(lord)[Lord::gold] = state::AddSaturated(LordRecord(lord)[Lord::gold], kHoard);
    RemoveSite(site);
    EndTheme();
    RedrawStatus();
}

// A computer lord of hero level 8 beats the guardian on an even chance, else its army flees home.
bool ComputerFightsGuardian(int lord, int site) {
    if (LordRecord(lord)[Lord::heroLevel] != kGuardianHeroLevel) return false;
    if (state::Random(100) < 50) {
        TakeHoard(lord, site);
        return true;
    }
    DriveBack(lord);
    return false;
}

void Flee(int lord, const char* text) {
    UI().ShowShortNotice(text, "Continue");
    DriveBack(lord);
    EndTurn(lord);
}

}  // namespace

void DragonAtThePass(int lord, int site) {
    const int eggs = LordRecord(lord)[Lord::themeCounter];
    if (IsComputer(lord)) {
        if (eggs >= kEggsToCalm) {
            TakeHoard(lord, site);
            TellHumanAbout(lord, "Dragonhoard!",
                           "Oh no! One of your enemies has found the lost dragon eggs in a dungeon "
                           "and calmed the dragon with them. He cleared the path and got 10.000 "
                           "gold coins from the dragonhoard.");
        } else if (ComputerFightsGuardian(lord, site)) {
            TellHumanAbout(lord, "Dragonhoard!",
                           "Oh no! One of your enemies has killed the mighty dragon, cleared the "
                           "way and found 10.000 gold coins in the dragonshoard!");
        }
    }
    if (!IsHuman(lord)) return;
    if (eggs < kEggsToCalm) {
        UI().ShowNotice("m1_dragon.jpg", "Dragon!",
                        "A large dragon is guarding the pass and his roar makes your men flee in "
                        "horror. You have not found all five lost dragon eggs, which somewhat "
                        "limits your options. You can now either duel him or run as fast as you "
                        "can.",
                        "Continue");
        if (UI().AskYesNo("Do you wish to fight the dragon (Level 10 (!) monster)?") !=
            kAnswerYes) {
            Flee(lord,
                 "Your men are so afraid about the dragon they do not stop until you have reached "
                 "your castle.");
            return;
        }
        if (!StartSetPieceDuel(lord, SetPiece::ancientDragon)) return;
        TakeHoard(lord, site);
        UI().ShowNotice("m1_dragontreasure.jpg", "Dragonhoard",
                        "You did it! You slayed the dragon and found his hoard! Your treasury is "
                        "increased by ten thousand gold coins! Your enemies tremble!",
                        "Continue");
        EndTurn(lord);
        return;
    }
    UI().ShowNotice("m1_dragon.jpg", "Dragon!",
                    "A large dragon is guarding the pass and his roar makes your men flee in "
                    "horror. You unwrap the dragon eggs and put them carefully within his reach. "
                    "\"It has been ages since a man helped one of my breed,\" he roars.",
                    "Continue");
    TakeHoard(lord, site);
    UI().ShowNotice("m1_dragontreasure.jpg", "Dragonhoard",
                    "\"My treasure is yours and you are free to take the path.\" The dragon rises "
                    "to the sky with mighty strokes of his wings. In a nearby cave you find his "
                    "hoard - ten thousand gold coins all yours! Congratulations!",
                    "Continue");
    EndTurn(lord);
}

void Efreet(int lord, int site) {
    if (IsComputer(lord) && ComputerFightsGuardian(lord, site)) {
        TellHumanAbout(lord, "Efreet defeated!",
                       "One of your competitors has defeated the efreet, lootet it\u00b4s treasure "
                       "of 10.000 gold coins and is right on the way to your castle!");
    }
    if (!IsHuman(lord) || LordRecord(lord)[Lord::themeCounter] >= kEggsToCalm) return;
    UI().ShowNotice("m2_efreet.jpg", "An efreet",
                    "You have walked into the trap of a mighty efreet. Your men are fleeing in "
                    "horror. You can now either duel him or run as fast as you can.",
                    "Continue");
    if (UI().AskYesNo("Do you wish to fight the efreet (Level 10 (!) monster)?") != kAnswerYes) {
        Flee(lord,
             "Your men are so afraid about the efreet they do not stop until you have reached "
             "your castle.");
        return;
    }
    if (!StartSetPieceDuel(lord, SetPiece::efreet)) return;
    TakeHoard(lord, site);
    UI().ShowNotice("m1_dragontreasure.jpg", "Efreet defeated!",
                    "You did it! You slayed the efreet and found his treasure! You loot ten "
                    "thousand gold coins! Your enemies tremble!",
                    "Continue");
    EndTurn(lord);
}

}  // namespace logic
