// The travelling sorcerer, who curses the computer lords' heroes, and the magic shrine, which
// turns magic dust into an item; both serve the human only.
#include <algorithm>

#include "dungeon/room_content.h"
#include "dungeon/treasure.h"
#include "events/places.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/int_math.h"

namespace logic {

namespace Lord = state::Lord;

namespace {

constexpr int kCurseGold = 2000;
constexpr int kCurseHonor = 6;
constexpr int kCurseLevels = 2;

constexpr const char* kSorcererTitle = "Travelling sorcerer";
constexpr const char* kSorcererText =
    "You meet a travelling sorcerer. He offers to curse your enemies for you for 2000 gold "
    "coins and a voodoo doll (all enemy lords lose two experience levels, you lose 6 honor "
    "points).";

constexpr const char* kShrineTitle = "Magic shrine";
constexpr const char* kShrineNoDust =
    "You come to a magic shrine. A sign says: \"Know, traveller, that this shrine will turn "
    "dust to gold.\" You wonder what kind of dust it means, propably magic dust.";
constexpr const char* kShrineDust =
    "You come to a magic shrine. A sign says: \"Know, traveller, that this shrine will turn "
    "dust to gold.\" Maybe...you think...its the magic dust you found in the dungeon.";
constexpr const char* kShrineTreasure =
    "The dust begins to shimmer. It gets stronger and stronger until you are bathed in dazzling "
    "light. Suddenly everything stops and as you open your eyes you find a treasure on the "
    "altar.";

void Redraw() {
    Hooks().View().DrawStatusBar();
    Hooks().View().DrawMap(true, false);
}

// Every other lord that is alive and played by the computer loses two hero levels, down to 1.
void CurseComputerLords(int lord) {
    for (int q = 1; q <= kLords; ++q) {
        if (q == lord || !InGame(q) || !IsComputer(q)) continue;
        auto& level = LordRecord(q)[Lord::heroLevel];
        level = std::max(1, level - kCurseLevels);
    }
}

}  // namespace

void VisitSorcerer(int, int lord) {
    if (!IsHuman(lord)) return;
    auto& l = LordRecord(lord);
    if (l[Lord::voodooDoll] <= 0) {
        UI().ShowNotice(kPlacePicture, kSorcererTitle, kSorcererText);
        UI().ShowNotice("honor.jpg", kSorcererTitle,
                        "Unfortunately you do not have a voodoo doll. You can find it in "
                        "dungeons.");
    } else if (l[Lord::honor] < kCurseHonor) {
        UI().ShowNotice(kPlacePicture, kSorcererTitle, kSorcererText);
        UI().ShowNotice("honor.jpg", kSorcererTitle,
                        "Unfortunately you do not have enough honor. Maybe he can help you "
                        "later.");
    } else if (l[Lord::gold] < kCurseGold) {
        UI().ShowNotice(kPlacePicture, kSorcererTitle, kSorcererText);
        UI().ShowNotice(kPlacePicture, kSorcererTitle,
                        "Unfortunately you do not have enough gold.");
    } else if (UI().AskOffer(kPlacePicture, kSorcererTitle, kSorcererText,
                             "Accept (-6 honor, -2000 gold)", "Reject") == kOfferAction) {
        l[Lord::voodooDoll] = 0;
        l[Lord::gold] = state::AddSaturated(l[Lord::gold], -kCurseGold);
        l[Lord::honor] = state::AddSaturated(l[Lord::honor], -kCurseHonor);
        CurseComputerLords(lord);
    }
    Redraw();
}

void VisitShrine(int, int lord) {
    if (!IsHuman(lord)) return;
    auto& l = LordRecord(lord);
    if (l[Lord::magicDust] <= 0) {
        UI().ShowNotice(kPlacePicture, kShrineTitle, kShrineNoDust);
    } else if (UI().AskOffer(kPlacePicture, kShrineTitle, kShrineDust, "Scatter the dust",
                             "Leave") == kOfferAction) {
        l[Lord::magicDust] = 0;
        UI().ShowNotice(kPlacePicture, kShrineTitle, kShrineTreasure);
        // The found item belongs to this lord's hero; the hero is on the map, so a sale goes
        // to the treasury and a kept item to the backpack.
        state::G().dungeonLord = lord;
        const int item = RandomItemOfHeroLevel();
        // No item of the hero's level in the catalogue: the altar stays empty.
        if (item > 0) ShowFoundItem(item);
    }
    Redraw();
}

}  // namespace logic
