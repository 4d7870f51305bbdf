// The backpack, the replace window, potions, item bonuses by level, the treasure windows and the
// level-up.
#include <algorithm>

#include "dungeon/dungeon_fixture.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/progression.h"
#include "dungeon/treasure.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/random.h"

namespace dungeontest {
namespace {

namespace Hero = state::Hero;
namespace Lord = state::Lord;

TEST_F(DungeonTest, TheFirstWeaponIsEquippedAndAFullBackpackAsksWhatToReplace) {
    auto& g = state::G();
    AddItem(1, 1, 1, 2);  // slash weapon
    AddItem(2, 2, 1, 2);  // thrust weapon
    AddItem(3, 3, 1, 2, 1);
    AddItem(4, 3, 1, 3, 0, 0, 0, 2);  // potion
    EXPECT_TRUE(logic::AddFoundItem(3));
    EXPECT_EQ(g.equippedSlot, 0);
    EXPECT_TRUE(logic::AddFoundItem(1));
    EXPECT_EQ(g.equippedSlot, 2);
    EXPECT_TRUE(logic::AddFoundItem(2));
    EXPECT_EQ(g.equippedSlot, 2);  // a second weapon is not equipped
    EXPECT_TRUE(logic::AddFoundItem(4));
    EXPECT_EQ(view.status.backpack[2].picture, "m1_item1_g.jpg");
    EXPECT_EQ(view.status.weapon.caption, "I1");

    // Full: "Back" keeps the found-item window open.
    EXPECT_FALSE(logic::AddFoundItem(3));
    EXPECT_TRUE(view.Has("OpenReplaceWindow 3"));
    // Replacing the equipped weapon with an item leaves the hero unarmed.
    view.replaceAnswer = 2;
    EXPECT_TRUE(logic::AddFoundItem(3));
    EXPECT_EQ(g.equippedSlot, 0);
    EXPECT_EQ(logic::EquippedItem(), logic::kNoItem);
    // Replacing with a weapon equips it.
    view.replaceAnswer = 1;
    EXPECT_TRUE(logic::AddFoundItem(2));
    EXPECT_EQ(g.equippedSlot, 1);
    EXPECT_TRUE(logic::CarriesItem(1, 2));
    EXPECT_FALSE(logic::CarriesItem(1, 1));

    // "Use now" drinks a potion at once from the scratch slot; nothing stays behind there.
    g.hero[1][Hero::health] = 5;
    view.replaceAnswer = -1;
    dialogs.Answer(logic::kOfferAction);
    EXPECT_TRUE(logic::AddFoundItem(4));
    EXPECT_EQ(g.hero[1][Hero::health], 25);
    EXPECT_EQ(logic::SlotItem(0), logic::kNoItem);
    // Looking at a non-potion with "Use now" keeps the replace window and clears the scratch slot.
    EXPECT_FALSE(logic::AddFoundItem(3));
    EXPECT_EQ(logic::SlotItem(0), logic::kNoItem);
}

TEST_F(DungeonTest, PotionsHealByStrengthAndEmptyTheirSlot) {
    auto& g = state::G();
    const int healing[5] = {0, 20, 40, 60, 30};
    for (int s = 1; s <= 4; ++s) {
        AddItem(10 + s, 3, 1, 3, 0, 0, 0, s);
        Give(1, 10 + s);
        g.hero[1][Hero::baseMaxHealth] = 30;
        g.hero[1][Hero::health] = -50;
        dialogs.Answer(logic::kOfferAction);
        logic::ShowItemDetail(1);
        EXPECT_EQ(dialogs.Last().buttons, (std::vector<std::string>{"Use this item", "Back"}));
        EXPECT_EQ(g.hero[1][Hero::health], -50 + healing[s]) << s;
        EXPECT_EQ(logic::SlotItem(1), logic::kNoItem);
    }
    // A strength-4 potion never heals above the maximum.
    AddItem(20, 3, 1, 3, 0, 0, 0, 4);
    Give(1, 20);
    g.hero[1][Hero::health] = 10;
    dialogs.Answer(logic::kOfferAction);
    logic::ShowItemDetail(1);
    EXPECT_EQ(g.hero[1][Hero::health], 30);
    // An item with a hit strength is no potion: its window shows, nothing is drunk.
    AddItem(21, 3, 1, 3, 1, 0, 0, 3);
    Give(2, 21);
    logic::ShowItemDetail(2);
    EXPECT_TRUE(view.Has("OpenItemDetail 2 Item 21 []"));
    EXPECT_EQ(logic::SlotItem(2), 21);
    logic::ShowItemDetail(3);
    EXPECT_EQ(dialogs.Last().text,
              "This is an empty inventory slot. If you find new items, they will appear here.");
    logic::ShowWeaponDetail();
    EXPECT_EQ(dialogs.Last().text,
              "This is an empty inventory slot. If you find new items, they will appear here.");
}

TEST_F(DungeonTest, WeaponsAreEquippedAndUnequippedFromTheirWindow) {
    auto& g = state::G();
    AddItem(1, 2, 1, 2);
    AddItem(3, 3, 1, 2, 1);
    Give(1, 1);
    Give(2, 3);
    view.itemDetailAnswer = "Use weapon";
    logic::ShowItemDetail(1);
    EXPECT_EQ(g.equippedSlot, 1);
    logic::UseWeapon(2);  // not a weapon: nothing changes
    EXPECT_EQ(g.equippedSlot, 1);
    view.itemDetailAnswer = "Unequip";
    logic::ShowWeaponDetail();
    EXPECT_TRUE(view.Has("OpenItemDetail 1 Item 1 [Unequip]"));
    EXPECT_EQ(g.equippedSlot, 0);
}

TEST_F(DungeonTest, HealthItemsHelpLessAsTheHeroGrows) {
    auto& g = state::G();
    AddItem(1, 3, 2, 2, 0, 0, 2);  // Greater health at level 2: total 4
    Give(1, 1);
    g.hero[1][Hero::level] = 3;
    g.hero[1][Hero::baseMaxHealth] = 35;
    logic::RecomputeItemBonuses();
    EXPECT_EQ(g.hero[1][Hero::itemHealthBonus], 5);
    g.hero[1][Hero::health] = 40;
    g.hero[1][Hero::level] = 4;
    logic::RecomputeItemBonuses();
    EXPECT_EQ(g.hero[1][Hero::itemHealthBonus], 0);
    EXPECT_EQ(g.hero[1][Hero::health], 35);  // clamped, never raised
    EXPECT_EQ(logic::ItemBonus(1, 1, 2), 0);
    EXPECT_EQ(logic::ItemBonus(2, 1, 1), logic::ItemBonus(1, 2, 1));
    EXPECT_EQ(logic::ItemBonus(5, 0, 1), 0);
}

TEST_F(DungeonTest, ItemLabelsAndTheFoundItemWindow) {
    auto& g = state::G();
    AddItem(1, 3, 5, 1, 1, 0, 2, 0);
    EXPECT_EQ(logic::ItemSaleValue(1), 600);
    const logic::ItemDetailView d = logic::DescribeItem(1);
    EXPECT_EQ(d.kindLabel, "Item");
    EXPECT_EQ(d.rarityLabel, "Epic");
    EXPECT_TRUE(d.largeRarity);
    EXPECT_EQ(d.hit, "Lesser (6)");
    EXPECT_EQ(d.damage, "-");
    EXPECT_EQ(d.health, "Greater (7)");
    EXPECT_EQ(logic::ReplaceLevelLine(1), "Epic - Level 5 - Item");
    EXPECT_EQ(logic::ReplaceStrengthLine("Hit %", 5, 1), "Hit %: Lesser (6)");
    EXPECT_EQ(logic::ReplaceStrengthLine("Heal", 5, 0), "Heal: -");
    AddItem(2, 2, 1, 3, 0, 4);
    EXPECT_EQ(logic::DescribeItem(2).kindLabel, "Thrust/Shoot Weapon");
    EXPECT_EQ(logic::DescribeItem(2).damage, "Legendary (5)");
    EXPECT_EQ(logic::DescribeItem(2).rarityLabel, "Common");
    AddItem(3, 1, 4, 2);
    EXPECT_EQ(logic::ItemSaleValue(3), 0);

    // Selling in a dungeon adds the stored value to the gold carried.
    g.inDungeon = 1;
    view.foundItemAnswer = "sell";
    logic::ShowFoundItem(1);
    EXPECT_TRUE(view.Has("OpenFoundItem 1 Item 1 600"));
    EXPECT_EQ(g.itemTable[1][state::ItemTable::itemValue], 600);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 600);
    EXPECT_FALSE(logic::CarriesItem(1, 1));
    // Sold outside a dungeon (a shop or a shrine) it goes to the treasury.
    g.inDungeon = 0;
    logic::ShowFoundItem(1);
    EXPECT_EQ(g.lord[1][Lord::gold], 600);
    logic::PreviewItem(2);
    EXPECT_TRUE(view.Has("OpenPreview 2 Item 2"));
}

// A gold find of class k is 2 x (a draw in [0, n) + b): the draws 0 and n - 1 give the class's
// lowest and highest value.
TEST_F(DungeonTest, GoldClassesGiveEvenValuesInTheirRanges) {
    auto& g = state::G();
    g.inDungeon = 1;
    const int n[10] = {0, 16, 51, 151, 251, 400, 800, 1400, 2000, 4000};
    const int low[10] = {0, 20, 100, 100, 200, 200, 600, 600, 1000, 2000};
    const int high[10] = {0, 50, 200, 400, 700, 998, 2198, 3398, 4998, 9998};
    for (int k = 1; k <= 9; ++k) {
        state::ScriptedDraws draws;
        draws.Then(n[k], {0, n[k] - 1});
        EXPECT_EQ(logic::GoldValue(k), low[k]) << k;
        EXPECT_EQ(logic::GoldValue(k), high[k]) << k;
        EXPECT_EQ(draws.Taken(n[k]), 2) << k;
    }
    EXPECT_EQ(logic::GoldValue(0), 0);
    EXPECT_EQ(logic::GoldValue(10), 0);
    {
        // The window shows the value drawn, and the hero carries it.
        state::ScriptedDraws draws;
        draws.Then(4000, {3999});
        logic::ShowGoldTreasure(9);
        EXPECT_EQ(draws.Taken(4000), 1);
    }
    EXPECT_EQ(view.gold.title, "Treasure chest!");
    EXPECT_EQ(view.gold.picture, "m1_openchest.jpg");
    EXPECT_EQ(view.gold.value, 9998);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 9998);
    logic::ShowGoldTreasure(1);
    EXPECT_EQ(view.gold.text,
              "On the  floor you find a couple of gold coins. Surely they are worth more than "
              "they look...");
}

TEST_F(DungeonTest, ExperienceRaisesOneLevelAndLosesTheSurplus) {
    auto& g = state::G();
    g.inDungeon = 1;
    g.hero[1][Hero::xp] = 390;
    g.hero[1][Hero::health] = 3;
    logic::AddXP(55);
    EXPECT_EQ(g.hero[1][Hero::level], 2);
    EXPECT_EQ(g.hero[1][Hero::xp], 0);
    EXPECT_EQ(g.hero[1][Hero::xpNext], 600);
    EXPECT_EQ(g.hero[1][Hero::baseMaxHealth], 30);
    EXPECT_EQ(g.hero[1][Hero::health], 30);
    EXPECT_EQ(g.lord[1][Lord::heroLevel], 2);
    EXPECT_EQ(view.levelUp.heading, "You reached a new experience level!");
    EXPECT_EQ(view.levelUp.line, "Stronger! Health, hit chances and battle bonus increase...");
    EXPECT_EQ(view.levelUp.heroPicture, "hero1.jpg");
    logic::AddXP(5000);  // one level per check
    EXPECT_EQ(g.hero[1][Hero::level], 3);

    g.hero[1][Hero::level] = 7;
    g.hero[1][Hero::xpNext] = 1600;
    logic::AddXP(1600);
    EXPECT_EQ(g.hero[1][Hero::level], 8);
    EXPECT_EQ(view.levelUp.line, "CONGRATULATIONS! You have reached the maximum player level!!!!");
    logic::AddXP(100000);
    EXPECT_EQ(g.hero[1][Hero::level], 8);
    EXPECT_EQ(view.Count("OpenLevelUp 8"), 1);

    // Another lord's hero rises the same way, and its lord's record follows.
    g.hero[2][Hero::level] = 4;
    logic::LevelUp(2);
    EXPECT_EQ(g.hero[2][Hero::level], 5);
    EXPECT_EQ(g.lord[2][Lord::heroLevel], 5);
}

}  // namespace
}  // namespace dungeontest
