// What a lord's army finds on a spawn field: resources, the travelling trader, or a dungeon
// entrance with its reward for those who do not enter.
#include "campaign/spawn_fields.h"
#include "campaign/trading.h"
#include "campaign/tutorial_grants.h"
#include "dungeon/exploration.h"
#include "dungeon/progression.h"
#include "dungeon/theme_finds.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/themes.h"

namespace logic {

namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;

namespace {

struct ResourceFind {
    int kind;
    int slot;  // the lord's resource
    const char* picture;
    const char* title;
    const char* text;
};

constexpr ResourceFind kResourceFinds[] = {
    {SpawnKind::wood, Lord::wood, "wood.jpg", "Wood!",
     "You come to a small forest. A band of lumberjacks have felled some trees and are just "
     "cutting up the pieces. In the name of the kingdom you confiscate the wood."},
    {SpawnKind::iron, Lord::iron, "iron.jpg", "Iron!",
     "You encounter a group of miners transporting their melted iron from the forge to their "
     "homes. In the name of the kingdom you confiscate the ingots."},
    {SpawnKind::stone, Lord::stone, "stone.jpg", "Stones!",
     "You come to a local quarry. The locals flee when they see your army approaching. In the "
     "name of the kingdom you take their days work with you."},
};

// The hero-level roll's chance in percent by difficulty level 0..12; 10 for any other level.
constexpr int kLevelUpChance[13] = {20, 20, 25, 30, 35, 40, 40, 40, 40, 45, 50, 65, 75};
constexpr int kMaxComputerHeroLevel = 8;

// Themes whose dungeons hold a single theme find.
bool SingleFindTheme(int theme) {
    return theme == state::kCauldronsTheme || theme == state::kBowTheme ||
           theme == state::kGatesOfHellTheme;
}

void PickUpResource(int lord, int slot, const ResourceFind& find) {
    if (IsHuman(lord)) {
        Hooks().Sound().Play(sound::Effect::Event);
        UI().ShowNotice(find.picture, find.title, find.text, "Continue");
    }
    auto& amount = LordRecord(lord)[find.slot];
    amount = state::AddSaturated(amount, 2 + state::Random(2));
    ClearSpawnSlot(slot);
    // The tutorial waits for wood, then for iron.
    if (IsHuman(lord) && find.kind == SpawnKind::wood)
        AdvanceTutorial(TutorialStep::woodField, ArrangeTutorialStep);
    if (IsHuman(lord) && find.kind == SpawnKind::iron)
        AdvanceTutorial(TutorialStep::ironField, ArrangeTutorialStep);
}

void MeetTrader(int lord, int slot) {
    TradeOffer offer = RollTrader();
    if (IsHuman(lord)) {
        Hooks().Sound().Play(sound::Effect::Event);
        UI().ShowNotice("m1_book.jpg", "Travelling trader!",
                        "You meet a travelling trader. Maybe you can trade some goods with him...",
                        "Continue");
        Hooks().Screens().OpenTrading(offer);
    } else {
        ComputerTrade(lord, offer);
    }
    ClearSpawnSlot(slot);
}

void FindDungeon(int lord, int slot) {
    if (!IsHuman(lord)) {
        ClearSpawnSlot(slot);
        DungeonReward(lord);
        return;
    }
    const int answer = UI().AskOffer(
        "enterthedungeon.jpg", "Dungeon",
        "You have found the entrance to a cursed dungeon. Mighty enemies and great treasures "
        "await you in the darkness. Your men are afraid - you need to enter the dungeon alone.",
        "Enter dungeon", "Leave");
    if (answer == kOfferAction) {
        ClearSpawnSlot(slot);
        state::G().enteringDungeon = true;
        EnterDungeon();
    } else if (answer == kOfferCheat) {
        ClearSpawnSlot(slot);
        DungeonReward(lord);
    }
}

}  // namespace

bool DungeonEntranceUnderArmy() {
    const int c = CurrentLordChecked();
    if (c == 0) return false;
    const auto& a = ArmyRecord(c);
    const int slot = SpawnFieldAt(a[state::Army::x], a[state::Army::y]);
    return slot != 0 && state::G().spawnField[slot][SpawnField::kind] == SpawnKind::dungeon;
}

void PickUpField() {
    const int c = CurrentLordChecked();
    if (c == 0) return;
    const auto& a = ArmyRecord(c);
    const int slot = SpawnFieldAt(a[state::Army::x], a[state::Army::y]);
    if (slot == 0) return;
    const int kind = state::G().spawnField[slot][SpawnField::kind];
    bool found = true;
    if (kind == SpawnKind::trader) {
        MeetTrader(c, slot);
    } else if (kind == SpawnKind::dungeon) {
        FindDungeon(c, slot);
    } else {
        found = false;
        for (const ResourceFind& find : kResourceFinds) {
            if (find.kind != kind) continue;
            PickUpResource(c, slot, find);
            found = true;
        }
    }
    if (!found) return;
    Hooks().View().DrawStatusBar();
    Hooks().View().DrawSpawnField(slot);
}

int DungeonGoldByLevel(int h) {
    if (h == 2 || h == 3) return 1000 + state::Random(500);
    if (h == 4 || h == 5) return 1500 + state::Random(2000);
    if (h == 6) return 2000 + state::Random(3000);
    if (h >= 7 && h <= 9) return 2500 + state::Random(4000);
    if (h > 9) return 0;
    return 500 + state::Random(250);
}

int ScaleByDifficulty(int g, int level) {
    switch (level) {
        case 0:
        case 1:
            return g / 4;
        case 2:
            return g / 3;
        case 3:
            return g / 2;
        case 4:
            return g - g / 3;
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
            return g - g / (level - 1);
        case 11:
            return g + g / 3;
        case 12:
            return g + g / 2;
        default:
            return g;
    }
}

void ComputerHeroLevelUpChance(int lord) {
    if (!ValidLord(lord)) return;
    auto& l = LordRecord(lord);
    const int d = l[Lord::difficulty];
    const int chance = d >= 0 && d <= 12 ? kLevelUpChance[d] : 10;
    if (state::Random(100) >= chance) return;
    if (IsHuman(lord)) {
        // The human hero rises through the level-up screen.
        LevelUp(lord);
    } else if (l[Lord::heroLevel] < kMaxComputerHeroLevel) {
        l[Lord::heroLevel] += 1;
    }
}

void DungeonReward(int lord) {
    if (!ValidLord(lord)) return;
    auto& l = LordRecord(lord);
    const int h = l[Lord::heroLevel];
    l[Lord::gold] = state::AddSaturated(
        l[Lord::gold], ScaleByDifficulty(DungeonGoldByLevel(h), l[Lord::difficulty]));
    int honor = 0;
    if (h == 0 || h == 1)
        honor = 2;
    else if (h == 2 || h == 3)
        honor = 3;
    else if (h >= 4 && h <= 9)
        honor = 4;
    l[Lord::honor] = state::AddSaturated(l[Lord::honor], honor);
    ComputerHeroLevelUpChance(lord);
    const int finds = SingleFindTheme(state::G().mapSetting[state::MapSetting::theme]) ? 1 : 5;
    for (int i = 0; i < finds; ++i)
        ThemeFind(lord, false);
}

}  // namespace logic
