#include "campaign/spawn_fields.h"

#include "campaign/movement.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"

namespace logic {

namespace SpawnField = state::SpawnField;

namespace {

constexpr int kSlots = state::SpawnField::kUsedRows;
constexpr int kAttempts = 10;
constexpr int kPlacementTries = 1001;
// Two sites of one kind stand at least this far apart.
constexpr int kSpacing = 3;

// The kind drawn from d in [0, 140): upper bounds of each kind's range.
struct KindRange {
    int last;
    int kind;
};
constexpr KindRange kKindDraw[] = {{30, SpawnKind::wood},
                                   {60, SpawnKind::iron},
                                   {80, SpawnKind::trader},
                                   {110, SpawnKind::dungeon},
                                   {139, SpawnKind::stone}};

state::RecordOf<100>& Slot(int s) {
    return state::G().spawnField[s];
}

int DrawKind() {
    const int d = state::Random(140);
    for (const KindRange& r : kKindDraw) {
        if (d <= r.last) return r.kind;
    }
    return SpawnKind::stone;
}

bool OtherSiteAt(int slot, int x, int y) {
    for (int s = 1; s <= kSlots; ++s) {
        if (s != slot && Slot(s)[SpawnField::present] > 0 && Slot(s)[SpawnField::x] == x &&
            Slot(s)[SpawnField::y] == y)
            return true;
    }
    return false;
}

// A castle or army of a lord in the game, or an active map site, stands on (x, y).
bool Occupied(int x, int y) {
    for (int p = 1; p <= kLords; ++p) {
        if (!InGame(p)) continue;
        if (CastleAt(p, x, y) || ArmyAt(p, x, y)) return true;
    }
    const auto& sites = state::G().mapSite;
    for (int r = 1; r <= 10; ++r) {
        if (sites[r][state::MapSite::active] > 0 && sites[r][state::MapSite::x] == x &&
            sites[r][state::MapSite::y] == y)
            return true;
    }
    return false;
}

bool TooClose(int slot) {
    const auto& me = Slot(slot);
    for (int s = 1; s <= kSlots; ++s) {
        const auto& other = Slot(s);
        if (s == slot || other[SpawnField::present] <= 0 ||
            other[SpawnField::kind] != me[SpawnField::kind])
            continue;
        if (StepDistance(me[SpawnField::x], me[SpawnField::y], other[SpawnField::x],
                         other[SpawnField::y]) < kSpacing)
            return true;
    }
    return false;
}

// Rolls a position until one is free (or the tries run out).
void PlaceOnMap(int slot) {
    auto& me = Slot(slot);
    for (int t = 0; t < kPlacementTries && (me[SpawnField::x] == 0 || me[SpawnField::y] == 0);
         ++t) {
        const int x = 1 + state::Random(12);
        const int y = 1 + state::Random(11);
        me[SpawnField::x] = x;
        me[SpawnField::y] = y;
        if ((*FieldAt(x, y))[state::Field::walkable] <= 0 || OtherSiteAt(slot, x, y)) {
            ClearSpawnSlot(slot);
        } else {
            me[SpawnField::present] = 1;
            me[SpawnField::roundsLeft] = 7 + state::Random(7);
        }
        if (Occupied(x, y)) ClearSpawnSlot(slot);
    }
}

void PlaceSite(int slot) {
    auto& me = Slot(slot);
    // A slot freed earlier may still hold its old place; it is placed from scratch.
    ClearSpawnSlot(slot);
    for (int t = 0; t < kPlacementTries && me[SpawnField::present] <= 0; ++t) {
        me[SpawnField::kind] = DrawKind();
        PlaceOnMap(slot);
        if (me[SpawnField::present] > 0 && TooClose(slot)) ClearSpawnSlot(slot);
    }
}

}  // namespace

const char* SpawnPicture(int kind) {
    switch (kind) {
        case SpawnKind::wood:
            return "d2_icon_wood.bmp";
        case SpawnKind::iron:
            return "d2_icon_iron.bmp";
        case SpawnKind::trader:
            return "d2_icon_trader.bmp";
        case SpawnKind::dungeon:
            return "d2_icon_dungeon.bmp";
        case SpawnKind::stone:
            return "d2_icon_stone.bmp";
        default:
            return "";
    }
}

int SpawnFieldAt(int x, int y) {
    for (int s = 1; s <= kSlots; ++s) {
        if (Slot(s)[SpawnField::present] > 0 && Slot(s)[SpawnField::x] == x &&
            Slot(s)[SpawnField::y] == y)
            return s;
    }
    return 0;
}

int FreeSpawnSlot() {
    for (int s = 1; s <= kSlots; ++s) {
        if (Slot(s)[SpawnField::present] <= 0) return s;
    }
    return 0;
}

void ClearSpawnSlot(int slot) {
    if (slot < 1 || slot > kSlots) return;
    auto& me = Slot(slot);
    me[SpawnField::present] = 0;
    me[SpawnField::x] = 0;
    me[SpawnField::y] = 0;
}

void SpawnFields(bool ageFirst) {
    if (ageFirst) {
        for (int s = 1; s <= kSlots; ++s) {
            auto& me = Slot(s);
            if (me[SpawnField::present] <= 0) continue;
            me[SpawnField::roundsLeft] = state::AddSaturated(me[SpawnField::roundsLeft], -1);
            if (me[SpawnField::roundsLeft] < 1) {
                ClearSpawnSlot(s);
                Hooks().View().DrawSpawnField(s);
            }
        }
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int slot = FreeSpawnSlot();
        if (slot == 0) continue;
        if (state::Random(650) >= 250) continue;
        PlaceSite(slot);
        Hooks().View().DrawSpawnField(slot);
    }
}

}  // namespace logic
