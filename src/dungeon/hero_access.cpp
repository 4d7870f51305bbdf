// Checked access to the hero, the backpack, the rooms and the catalogues.
#include "dungeon/hero_access.h"

#include <cstdio>

#include "rules/lords.h"
#include "state/int_math.h"
#include "state/item_table.h"

namespace logic {

namespace Hero = state::Hero;
namespace Room = state::Room;
namespace ItemTable = state::ItemTable;

int HeroLord() {
    const state::GameState& g = state::G();
    if (ValidLord(g.dungeonLord)) return g.dungeonLord;
    const int c = CurrentLordChecked();
    return c != 0 ? c : 1;
}

state::RecordOf<100>& HeroRecord() {
    return state::G().hero[HeroLord()];
}

int MaxHealth() {
    const auto& h = HeroRecord();
    return state::Saturate(std::int64_t{h[Hero::baseMaxHealth]} + h[Hero::itemHealthBonus]);
}

bool OnBoard(int x, int y) {
    return state::InRange(x, 1, Room::kColumns) && state::InRange(y, 1, Room::kRows);
}

state::RecordOf<100>* RoomAt(int x, int y) {
    return OnBoard(x, y) ? &state::G().room[x][static_cast<std::size_t>(y)] : nullptr;
}

state::RecordOf<100>* HeroRoom() {
    auto& h = HeroRecord();
    if (auto* room = RoomAt(h[Hero::posX], h[Hero::posY])) return room;
    // Off the board: back to the arrival stairway, or failing that to any room.
    for (int pass = 0; pass < 2; ++pass) {
        for (int x = 1; x <= Room::kColumns; ++x) {
            for (int y = 1; y <= Room::kRows; ++y) {
                auto* r = RoomAt(x, y);
                if ((*r)[Room::exists] != 1) continue;
                if (pass == 0 && (*r)[Room::stairs] != 2) continue;
                h[Hero::posX] = x;
                h[Hero::posY] = y;
                return r;
            }
        }
    }
    return nullptr;
}

bool ValidItem(int item) {
    return state::InRange(item, 1, 500) && state::G().itemTable[item][ItemTable::exists] > 0;
}

bool ValidMonster(int monster) {
    return state::InRange(monster, 0, 100);
}

int SlotItem(int slot) {
    return GearItem(HeroLord(), slot);
}

int GearItem(int lord, int slot) {
    if (!ValidLord(lord) || !state::InRange(slot, 0, kBackpackSlots)) return kNoItem;
    const auto& gear = state::G().heroGear[lord][static_cast<std::size_t>(slot)];
    if (gear[state::HeroGear::present] != 1) return kNoItem;
    const int item = gear[state::HeroGear::item];
    return state::InRange(item, 0, 500) ? item : kNoItem;
}

int EquippedItem() {
    const int slot = state::G().equippedSlot;
    if (!state::InRange(slot, 1, kBackpackSlots)) return kNoItem;
    const int item = SlotItem(slot);
    if (item == kNoItem) return kNoItem;
    const int kind = ItemField(item, ItemTable::itemKind);
    return kind == state::ItemKind::slashWeapon || kind == state::ItemKind::thrustWeapon ? item
                                                                                         : kNoItem;
}

int EquippedKind() {
    const int item = EquippedItem();
    return item == kNoItem ? 0 : ItemField(item, ItemTable::itemKind);
}

int ItemField(int item, int field) {
    return state::InRange(item, 0, 500) ? state::G().itemTable[item][field] : 0;
}

int MonsterField(int monster, int field) {
    return ValidMonster(monster) ? state::G().monsterTable[monster][field] : 0;
}

std::string HeroPicture(int lord, const std::string& suffix) {
    return "hero" + std::to_string(ValidLord(lord) ? lord : 1) + suffix;
}

std::string HealthPicture(int health, int maxHealth) {
    const int h = health * 100;
    const int m = maxHealth * 100;
    const int d = m / 8;
    int n = 1;
    if (h <= 0) {
        n = 0;
    } else if (h >= m) {
        n = 9;
    } else {
        // Health8 for M - d <= H < M, down to Health2 for M - 7d <= H < M - 6d.
        for (int k = 1; k <= 7; ++k) {
            if (h >= m - k * d) {
                n = 9 - k;
                break;
            }
        }
    }
    return "Health" + std::to_string(n) + ".jpg";
}

std::string ExperiencePicture(int xp, int xpNext) {
    const int t = xpNext / 10;
    int n = 1;
    for (int k = 1; k <= 9; ++k) {
        if (xp >= xpNext - k * t) {
            n = 11 - k;
            break;
        }
    }
    char name[16];
    std::snprintf(name, sizeof name, "XP%02d.jpg", n);
    return name;
}

}  // namespace logic
