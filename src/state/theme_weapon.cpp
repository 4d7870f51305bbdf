// The values of the scenario's special item by theme.
#include "state/theme_weapon.h"

namespace state {

namespace {

struct SpecialItem {
    int theme;
    const char* fullName;
    const char* picture;
    Int kind;
    Int hit, damage, health, heal;
};

constexpr SpecialItem kSpecialItems[] = {
    {kBowTheme, "\"Bow Of Tir Elgire\"", "m1_bow_demon", 2, 0, 4, 0, 0},
    {kSwordTheme, "\"Sword of Nara\u00b4gul\"", "m1_sword_demon", 1, 4, 0, 0, 0},
};

constexpr Int kSpecialLevel = 10;
constexpr Int kEpic = 1;
constexpr Int kSpecialValue = 4000;

const SpecialItem* SpecialItemOf(int theme) {
    for (const SpecialItem& s : kSpecialItems) {
        if (s.theme == theme) return &s;
    }
    return nullptr;
}

}  // namespace

bool ThemeHasSpecialItem(int theme) {
    return SpecialItemOf(theme) != nullptr;
}

void FillSpecialItemRow(GameState& g) {
    constexpr int row = ItemTable::kSpecialWeaponRow;
    const SpecialItem* s = SpecialItemOf(g.mapSetting[MapSetting::theme]);
    if (s == nullptr) {
        g.itemTable.ClearRows(row, row);
        g.itemText[row].fill(std::string{});
        return;
    }
    auto& text = g.itemText[row];
    text[ItemText::fullName] = s->fullName;
    text[2] = " ";
    text[ItemText::picture] = s->picture;
    text[ItemText::shortName] = "Weapon";
    auto& item = g.itemTable[row];
    item[ItemTable::exists] = 1;
    item[ItemTable::itemKind] = s->kind;
    item[ItemTable::itemLevel] = kSpecialLevel;
    item[ItemTable::rarity] = kEpic;
    item[ItemTable::itemValue] = kSpecialValue;
    item[ItemTable::hitStrength] = s->hit;
    item[ItemTable::damageStrength] = s->damage;
    item[ItemTable::healthStrength] = s->health;
    item[ItemTable::healStrength] = s->heal;
}

}  // namespace state
