// The lazy filling of rooms and the weighted choices of monsters, treasures and items.
#include "dungeon/room_content.h"

#include <cstdlib>

#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/room_events.h"
#include "dungeon/weighted_pick.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/random.h"

namespace logic {

namespace Room = state::Room;
namespace Hero = state::Hero;
namespace MonsterTable = state::MonsterTable;
namespace ItemTable = state::ItemTable;

namespace {

constexpr int kEventChance = 20;
constexpr int kItemTreasureFrom = 70;
constexpr int kMonsterRows = 100;
constexpr int kItemRows = 500;

// Gold classes by monster level band (first class) and by the draw v.
struct GoldBand {
    int lowLevel, highLevel, firstClass, drawRange;
};
constexpr GoldBand kGoldBands[] = {
    {0, 2, 1, 100},
    {3, 4, 2, 100},
    {5, 6, 3, 100},
    {7, 8, 4, 130},
};
// The upper end of each range of v; the class rises by one per range.
constexpr int kGoldDrawRanges[] = {30, 60, 80, 100, 120, 129};

bool TutorialDungeon() {
    return TutorialAt(TutorialStep::firstMove);
}

bool MapHasSite(int kind) {
    for (int s = 1; s <= 10; ++s) {
        if (state::G().mapSite[s][state::MapSite::kind] == kind) return true;
    }
    return false;
}

int LordFlag(int slot) {
    const int c = CurrentLordChecked();
    return c == 0 ? 0 : LordRecord(c)[slot];
}

}  // namespace

int PickRoomMonster(int h) {
    std::vector<Weighted> candidates;
    const auto& table = state::G().monsterTable;
    for (int m = 1; m <= kMonsterRows; ++m) {
        if (table[m][MonsterTable::exists] <= 0) continue;
        const int level = table[m][MonsterTable::monsterLevel];
        if (std::abs(level - h) > 1) continue;
        int w = level == h ? 100 : level == h - 1 ? 75 : 30;
        const int frequency = table[m][MonsterTable::frequency];
        if (frequency == 1) w /= 4;
        if (frequency == 3) w *= 4;
        candidates.push_back({m, w});
    }
    return WeightedPick(candidates);
}

int GoldClassFor(int level, int v) {
    for (const GoldBand& band : kGoldBands) {
        if (level < band.lowLevel || level > band.highLevel) continue;
        for (int i = 0; i < static_cast<int>(std::size(kGoldDrawRanges)); ++i) {
            if (v <= kGoldDrawRanges[i])
                return i < 4 || band.drawRange > 100 ? band.firstClass + i : 0;
        }
    }
    return 0;
}

int PickGuardedTreasure(int level) {
    int t = state::Random(100);
    if (level > 8) t = 100;
    if (t >= kItemTreasureFrom) {
        std::vector<Weighted> candidates;
        const auto& table = state::G().itemTable;
        for (int i = 1; i <= kItemRows; ++i) {
            if (table[i][ItemTable::exists] <= 0) continue;
            const int il = table[i][ItemTable::itemLevel];
            if (std::abs(il - level) > 1) continue;
            int w = il == level ? 100 : il == level + 1 ? 75 : 30;
            const int rarity = table[i][ItemTable::rarity];
            if (rarity == 1) w /= 32;
            if (rarity == 2) w *= 2;
            if (rarity == 3) w *= 8;
            candidates.push_back({i, w});
        }
        return WeightedPick(candidates);
    }
    const int v = state::Random(level <= 6 ? 100 : 130);
    return -GoldClassFor(level, v);
}

int PickRoomEvent() {
    int a = state::Random(100);
    if (a >= 41 && a <= 55) {
        const int b = state::Random(20);
        if (b <= 10 && MapHasSite(2) && LordFlag(state::Lord::voodooDoll) == 0) return 8;
        if (b >= 11 && MapHasSite(3) && LordFlag(state::Lord::magicDust) == 0) return 9;
        a = 1;
    }
    if (a <= 40) {
        const int e = state::Random(50);
        return e <= 10 ? 2 : e <= 20 ? 3 : e <= 30 ? 11 : e <= 40 ? 12 : 13;
    }
    const int e = state::Random(40);
    return e <= 10 ? 4 : e <= 20 ? 5 : e <= 30 ? 6 : 7;
}

int RandomItemOfHeroLevel() {
    const int h = HeroRecord()[Hero::level];
    std::vector<Weighted> candidates;
    const auto& table = state::G().itemTable;
    for (int i = 1; i <= kItemRows; ++i) {
        if (table[i][ItemTable::exists] <= 0 || table[i][ItemTable::itemLevel] != h) continue;
        const int rarity = table[i][ItemTable::rarity];
        const int w = rarity == 1 ? 1 : rarity == 2 ? 100 : rarity == 3 ? 400 : 50;
        candidates.push_back({i, w});
    }
    return WeightedPick(candidates);
}

int PickBoss(int h) {
    const int level = h == kMaxHeroLevel ? 9 : h + 2;
    std::vector<Weighted> candidates;
    const auto& table = state::G().monsterTable;
    for (int m = 1; m <= kMonsterRows; ++m) {
        if (table[m][MonsterTable::exists] <= 0 || table[m][MonsterTable::monsterLevel] != level)
            continue;
        const int frequency = table[m][MonsterTable::frequency];
        candidates.push_back({m, frequency == 1 ? 200 : frequency == 3 ? 5 : 50});
    }
    return WeightedPick(candidates);
}

int PickBossTreasure(int level) {
    std::vector<Weighted> candidates;
    const auto& table = state::G().itemTable;
    for (int i = 1; i <= kItemRows; ++i) {
        if (table[i][ItemTable::exists] <= 0 || table[i][ItemTable::itemLevel] != level) continue;
        const int rarity = table[i][ItemTable::rarity];
        candidates.push_back({i, rarity == 1 ? 3 : rarity == 2 ? 200 : rarity == 3 ? 0 : 50});
    }
    return WeightedPick(candidates);
}

void PopulateRoom(int x, int y) {
    auto* room = RoomAt(x, y);
    if (room == nullptr) return;
    auto& r = *room;
    if (r[Room::monster] == 0 && r[Room::event] == 0 && r[Room::visited] == 0) {
        const int roll = TutorialDungeon() ? 100 : state::Random(100);
        if (roll < kEventChance) {
            r[Room::event] = PickRoomEvent();
        } else {
            const int h = HeroRecord()[Hero::level];
            int m = TutorialDungeon() ? 1 : PickRoomMonster(h);
            if (m != 0 && std::abs(MonsterField(m, MonsterTable::monsterLevel) - h) > 1 &&
                !TutorialDungeon())
                m = 0;
            r[Room::monster] = m;
        }
    }
    const int monster = r[Room::monster];
    const bool monsterHere = monster != 0 && ValidMonster(monster);
    if (monsterHere && r[Room::event] == 0 && r[Room::treasure] == 0)
        r[Room::treasure] = PickGuardedTreasure(MonsterField(monster, MonsterTable::monsterLevel));
    if (monsterHere) StartDuel(monster);
    if (r[Room::event] == 1) {
        BossRoom();
    } else if (state::InRange(r[Room::event], 2, 100)) {
        RunRoomEvent(r[Room::event]);
    }
}

}  // namespace logic
