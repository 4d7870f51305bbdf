// The theme places that are done once: the Eldest who forges the Ring Of Kings (theme 10), the
// Gate Of Hell closed with six remains (theme 12) and the vampires' tombs (theme 16).
#include "events/theme_common.h"
#include "events/theme_events.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"

namespace logic {

namespace {

namespace Lord = state::Lord;

constexpr int kRingIron = 30;
constexpr int kRingGems = 10;
constexpr int kRemainsToClose = 6;

void BuyRing(int lord, int site) {
    auto& l = LordRecord(lord);
    RemoveSite(site);
    l[Lord::iron] = state::AddSaturated(l[Lord::iron], -kRingIron);
    l[Lord::gems] = state::AddSaturated(l[Lord::gems], -kRingGems);
    l[Lord::themeCounter] = 1;
}

}  // namespace

void TheEldest(int lord, int site) {
    auto& l = LordRecord(lord);
    if (IsComputer(lord) && l[Lord::iron] >= kRingIron && l[Lord::gems] >= kRingGems) {
        BuyRing(lord, site);
        TellHumanAbout(lord, "\"Ring Of Kings\"",
                       "Oh no! One of your enemies has bought the \"Ring Of Kings\" from the "
                       "Eldest!");
    }
    if (!IsHuman(lord)) return;
    const int answer = UI().AskOffer(
        "m1_elf.jpg", "The Eldest:",
        "You meet the waiting messenger of the Eldest. He demands 30 units of iron and 10 units of "
        "gems. In exchange he offers to create you a magic ring that reduces your troop costs by "
        "25%.",
        "Accept offer", "Leave");
    if (answer != kOfferAction) return;
    if (l[Lord::iron] < kRingIron) {
        UI().ShowShortNotice("You do not have enough iron!", "Continue");
    } else if (l[Lord::gems] < kRingGems) {
        UI().ShowShortNotice("You do not have enough gems!", "Continue");
    } else {
        BuyRing(lord, site);
        UI().ShowNotice("m1_magicring_demon.jpg", "Ring Of Kings",
                        "In exchange for the goods you receive the Ring Of Kings. You will now be "
                        "able to hire troops at 25% less.",
                        "Continue");
    }
}

void GateOfHell(int lord, int site) {
    if (!IsHuman(lord)) return;
    const int answer = UI().AskOffer("m1_book.jpg", "Gate Of Hell",
                                     "You have found the gate. Its a large red shimmering field on "
                                     "the top of a small hill. To close it you need 6 remains of "
                                     "Lords Of The Pit.",
                                     "Close the gate", "Leave");
    if (answer != kOfferAction) return;
    auto& remains = LordRecord(lord)[Lord::themeCounter];
    if (remains < kRemainsToClose) {
        UI().ShowShortNotice(
            "You do not have enough remains of Lords Of The Pit. You can find "
            "them in dungeons.",
            "Continue");
        return;
    }
    RemoveSite(site);
    remains = 0;
    UI().ShowNotice("m1_book.jpg", "Gate closed",
                    "You throw all six vessels through the gate. At first nothing happens, but "
                    "suddenly large red flames leap out of the gate and the door to hell "
                    "disappears.",
                    "Continue");
}

void Tombs(int lord, int site) {
    if (!IsHuman(lord)) return;
    const int answer = UI().AskOffer(
        "m1_vampire.jpg", "Tombs",
        "The moon shines a cold light on the ancestral tombs. Your men are too afraid to accompany "
        "you, but you press on. Suddenly you see a dark figure flying in the sky and coming closer "
        "very fast. It is time for a decision.",
        "Attack", "Leave");
    if (answer != kOfferAction || !StartSetPieceDuel(lord, SetPiece::vampire)) return;
    RemoveSite(site);
    UI().ShowNotice("m1_village1.jpg", "Curse lifted!",
                    "You have defeated the monster and have lifted the curse. The village close to "
                    "the graveyard will pay taxes again.",
                    "Continue");
    LordRecord(lord)[Lord::honor] = state::AddSaturated(LordRecord(lord)[Lord::honor], 6);
}

}  // namespace logic
