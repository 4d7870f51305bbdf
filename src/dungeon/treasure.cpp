// The found-item, preview and gold windows, and where found gold goes.
#include "dungeon/treasure.h"

#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/theme_finds.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"

namespace logic {

namespace Hero = state::Hero;
namespace ItemTable = state::ItemTable;

namespace {

struct GoldClass {
    const char* title;
    const char* picture;
    int n;  // the value is 2 * (a draw in [0, n) + b)
    int b;
    const char* text;
};

constexpr GoldClass kGoldTable[kGoldClasses + 1] = {
    {},
    {"Gold coins!", "m1_treasure_fewcoins.jpg", 16, 10,
     "On the  floor you find a couple of gold coins. Surely they are worth more than they "
     "look..."},
    {"Gold coins!", "m1_treasure_somecoins.jpg", 51, 50,
     "You lucky one! Quickly you search the room for more of those coins."},
    {"Purple gem!", "m1_purplegem.jpg", 151, 50,
     "A fine gem...your gem...but oh my, you know you have to sell it to support your troops."},
    {"Bag of gold", "m1_treasure_manycoins.jpg", 251, 100,
     "In a small bag you find a couple of valuable gold coins of an unknown currency. The metal "
     "feels cold ... ice cold."},
    {"Green gem!", "m1_greengem.jpg", 400, 100,
     "You find a green gem. A strange light seems to glow from within the stone."},
    {"Elvish necklace!", "m1_necklace.jpg", 800, 300,
     "Its an elvish necklace! You cannot believe your luck. Its one of the most valuable pieces "
     "of jewelry known!"},
    {"Bag of jewels!", "m1_treasure_bagofgems.jpg", 1400, 300,
     "Silently you watch the beauty of these master pieces. Undoubtedly they are worth a lot."},
    {"Blood gem!", "m1_bloodgem.jpg", 2000, 500,
     "Dark magic has been used to create this frighteningly treasure."},
    {"Treasure chest!", "m1_openchest.jpg", 4000, 1000,
     "A chest full of gold coins! Just what you need to pay soldiers...many soldiers."},
};

bool ShowableItem(int item) {
    return state::InRange(item, 0, 500) &&
           state::InRange(ItemField(item, ItemTable::itemKind), 1, 3);
}

}  // namespace

int ItemSaleValue(int item) {
    const int strengths =
        ItemField(item, ItemTable::hitStrength) + ItemField(item, ItemTable::damageStrength) +
        ItemField(item, ItemTable::healthStrength) + ItemField(item, ItemTable::healStrength);
    return 40 * ItemField(item, ItemTable::itemLevel) * strengths;
}

void ShowFoundItem(int item) {
    if (!ShowableItem(item)) return;
    const int value = ItemSaleValue(item);
    state::G().itemTable[item][ItemTable::itemValue] = value;
    Hooks().Dungeon().OpenFoundItem(item, DescribeItem(item), value);
    ClearScratchSlot();
}

bool SellFoundItem(int item) {
    if (!state::InRange(item, 0, 500)) return true;
    if (TutorialAt(TutorialStep::keepItem)) {
        UI().ShowShortNotice("Tutorial: No, please choose \"Keep for yourself\" at this time.");
        return false;
    }
    Hooks().Sound().PlayPayment();
    AddGold(ItemField(item, ItemTable::itemValue));
    DrawHeroStatus();
    return true;
}

bool KeepFoundItem(int item) {
    return AddFoundItem(item);
}

void PreviewItem(int item) {
    if (!ShowableItem(item)) return;
    Hooks().Dungeon().OpenPreview(item, DescribeItem(item));
}

int GoldValue(int goldClass) {
    if (!state::InRange(goldClass, 1, kGoldClasses)) return 0;
    const GoldClass& c = kGoldTable[goldClass];
    return 2 * (state::Random(c.n) + c.b);
}

void ShowGoldTreasure(int goldClass) {
    if (!state::InRange(goldClass, 1, kGoldClasses)) return;
    const GoldClass& c = kGoldTable[goldClass];
    Hooks().Sound().PlayPayment();
    GoldFindView view;
    view.title = c.title;
    view.picture = c.picture;
    view.text = c.text;
    view.value = GoldValue(goldClass);
    AddGold(view.value);
    DrawHeroStatus();
    Hooks().Dungeon().OpenGoldTreasure(view);
}

void AddGold(int amount) {
    if (state::G().inDungeon == 1) {
        HeroRecord()[Hero::goldCarried] =
            state::AddSaturated(HeroRecord()[Hero::goldCarried], amount);
    } else {
        LordRecord(HeroLord())[state::Lord::gold] =
            state::AddSaturated(LordRecord(HeroLord())[state::Lord::gold], amount);
        Hooks().View().DrawStatusBar();
    }
}

void HandOutRoomTreasure(bool afterWonDuel) {
    ThemeFind(HeroLord(), afterWonDuel);
    if (state::G().inDungeon != 1) return;
    const auto* room = HeroRoom();
    if (room == nullptr) return;
    const int t = (*room)[state::Room::treasure];
    if (t > 0 && ValidItem(t)) {
        ShowFoundItem(t);
    } else if (t < 0 && t >= -kGoldClasses) {
        ShowGoldTreasure(-t);
    }
}

}  // namespace logic
