// The backpack: item bonuses by hero level, the item windows, potions, the equipped weapon and
// the placing of found items.
#include "dungeon/items.h"

#include <algorithm>

#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Hero = state::Hero;
namespace ItemTable = state::ItemTable;
namespace ItemText = state::ItemText;
namespace HeroGear = state::HeroGear;

namespace {

constexpr const char* kStrengthNames[5] = {"-", "Lesser", "Greater", "Master", "Legendary"};
constexpr int kPotionHealing[4] = {20, 40, 60, 0};  // strength 4 heals BaseMaxHealth

DungeonView& View() {
    return Hooks().Dungeon();
}

void PutIntoSlot(int slot, int item) {
    auto& gear = state::G().heroGear[HeroLord()][static_cast<std::size_t>(slot)];
    gear[HeroGear::present] = 1;
    gear[HeroGear::item] = item;
}

void EmptySlot(int slot) {
    auto& gear = state::G().heroGear[HeroLord()][static_cast<std::size_t>(slot)];
    gear[HeroGear::present] = 0;
    gear[HeroGear::item] = 0;
}

void EquipIfUnarmed(int slot, int item) {
    if (IsWeapon(item) && EquippedItem() == kNoItem) state::G().equippedSlot = slot;
}

std::string KindLabel(int kind) {
    return kind == ItemKind::slashWeapon    ? "Smash/Slash Weapon"
           : kind == ItemKind::thrustWeapon ? "Thrust/Shoot Weapon"
                                            : "Item";
}

std::string RarityLabel(int rarity) {
    return rarity == 1 ? "Epic" : rarity == 2 ? "Rare" : "Common";
}

void DrinkPotion(int slot, int item) {
    auto& hero = HeroRecord();
    const int strength = std::clamp(ItemField(item, ItemTable::healStrength), 1, 4);
    const int healing = strength == 4 ? hero[Hero::baseMaxHealth] : kPotionHealing[strength - 1];
    hero[Hero::health] = state::AddWithin(hero[Hero::health], healing, state::kLowestHeroHealth,
                                          state::kHighestHeroHealth);
    RecomputeItemBonuses();
    EmptySlot(slot);
    DrawHeroStatus();
}

}  // namespace

int ItemBonus(int itemLevel, int strength, int heroLevel) {
    if (strength <= 0) return 0;
    return std::max(0, itemLevel + strength - heroLevel);
}

void RecomputeItemBonuses() {
    state::GameState& g = state::G();
    for (int lord = 1; lord <= kLords; ++lord) {
        auto& hero = g.hero[lord];
        int sum = 0;
        for (int slot = 1; slot <= kBackpackSlots; ++slot) {
            const int item = GearItem(lord, slot);
            if (item == kNoItem) continue;
            sum += ItemBonus(ItemField(item, ItemTable::itemLevel),
                             ItemField(item, ItemTable::healthStrength), hero[Hero::level]);
        }
        hero[Hero::itemHealthBonus] = 5 * sum;
        const int max = hero[Hero::baseMaxHealth] + hero[Hero::itemHealthBonus];
        if (hero[Hero::health] > max) hero[Hero::health] = max;
    }
}

std::string StrengthLabel(int itemLevel, int strength) {
    if (!state::InRange(strength, 1, 4)) return "-";
    return std::string(kStrengthNames[strength]) + " (" + std::to_string(itemLevel + strength) +
           ")";
}

ItemDetailView DescribeItem(int item) {
    ItemDetailView d;
    if (!state::InRange(item, 0, 500)) return d;
    const auto& text = state::G().itemText[item];
    const int level = ItemField(item, ItemTable::itemLevel);
    const int rarity = ItemField(item, ItemTable::rarity);
    d.name = text[ItemText::fullName];
    d.picture = text[ItemText::picture] + ".jpg";
    d.kindLabel = KindLabel(ItemField(item, ItemTable::itemKind));
    d.rarityLabel = RarityLabel(rarity);
    d.largeRarity = rarity == 1 || rarity == 2;
    d.level = level;
    d.hit = StrengthLabel(level, ItemField(item, ItemTable::hitStrength));
    d.damage = StrengthLabel(level, ItemField(item, ItemTable::damageStrength));
    d.health = StrengthLabel(level, ItemField(item, ItemTable::healthStrength));
    d.heal = StrengthLabel(level, ItemField(item, ItemTable::healStrength));
    return d;
}

std::string ReplaceLevelLine(int item) {
    return RarityLabel(ItemField(item, ItemTable::rarity)) + " - Level " +
           std::to_string(ItemField(item, ItemTable::itemLevel)) + " - " +
           KindLabel(ItemField(item, ItemTable::itemKind));
}

std::string ReplaceStrengthLine(const std::string& label, int itemLevel, int strength) {
    return label + ": " + StrengthLabel(itemLevel, strength);
}

bool IsPotion(int item) {
    return ItemField(item, ItemTable::itemKind) == ItemKind::other &&
           ItemField(item, ItemTable::hitStrength) == 0 &&
           ItemField(item, ItemTable::healStrength) > 0;
}

bool IsWeapon(int item) {
    const int kind = ItemField(item, ItemTable::itemKind);
    return kind == ItemKind::slashWeapon || kind == ItemKind::thrustWeapon;
}

void ShowItemDetail(int slot) {
    DuelPause pause;
    const int item = SlotItem(slot);
    if (item == kNoItem) {
        UI().ShowShortNotice(
            "This is an empty inventory slot. If you find new items, they will appear here.");
        return;
    }
    const auto& text = state::G().itemText[item];
    if (IsPotion(item)) {
        const int answer = UI().AskOffer(
            text[ItemText::picture] + ".jpg", text[ItemText::fullName],
            "If you use this potion (by left clicking on it) the item is removed from your "
            "backpack and your health will be restored to some degree.",
            "Use this item", "Back");
        if (answer == kOfferAction) DrinkPotion(slot, item);
        return;
    }
    std::string weaponButton;
    if (IsWeapon(item) && slot >= 1)
        weaponButton = slot == state::G().equippedSlot ? "Unequip" : "Use weapon";
    View().OpenItemDetail(slot, DescribeItem(item), weaponButton);
}

void ShowWeaponDetail() {
    if (EquippedItem() == kNoItem) {
        DuelPause pause;
        UI().ShowShortNotice(
            "This is an empty inventory slot. If you find new items, they will appear here.");
        return;
    }
    ShowItemDetail(state::G().equippedSlot);
}

void UseWeapon(int slot) {
    if (!state::InRange(slot, 1, kBackpackSlots) || !IsWeapon(SlotItem(slot))) return;
    state::G().equippedSlot = slot;
    DrawHeroStatus();
}

void Unequip() {
    state::G().equippedSlot = 0;
    DrawHeroStatus();
}

bool AddFoundItem(int item) {
    if (!state::InRange(item, 0, 500)) return true;
    for (int slot = 1; slot <= kBackpackSlots; ++slot) {
        if (SlotItem(slot) != kNoItem) continue;
        PutIntoSlot(slot, item);
        EquipIfUnarmed(slot, item);
        AdvanceTutorial(TutorialStep::keepItem);
        RecomputeItemBonuses();
        DrawHeroStatus();
        return true;
    }
    const bool closes = View().OpenReplaceWindow(item);
    ClearScratchSlot();
    return closes;
}

bool ReplaceWithItem(int slot, int item) {
    if (!state::InRange(item, 0, 500)) return true;
    if (!state::InRange(slot, 1, kBackpackSlots)) slot = 1;
    if (slot == state::G().equippedSlot) state::G().equippedSlot = 0;
    PutIntoSlot(slot, item);
    EquipIfUnarmed(slot, item);
    RecomputeItemBonuses();
    DrawHeroStatus();
    return true;
}

bool UseItemNow(int item) {
    if (!state::InRange(item, 0, 500)) return true;
    PutIntoSlot(HeroGear::kScratchGear, item);
    ShowItemDetail(HeroGear::kScratchGear);
    return SlotItem(HeroGear::kScratchGear) == kNoItem;
}

bool CarriesItem(int lord, int item) {
    for (int slot = 1; slot <= kBackpackSlots; ++slot) {
        if (GearItem(lord, slot) == item && item != kNoItem) return true;
    }
    return false;
}

void ClearScratchSlot() {
    for (int lord = 1; lord <= kLords; ++lord) {
        auto& gear = state::G().heroGear[lord][HeroGear::kScratchGear];
        gear[HeroGear::present] = 0;
        gear[HeroGear::item] = 0;
    }
}

}  // namespace logic
