// The target choice and the path search of the computer lords. The two path lists hold 48
// entries each; an entry that finds its list full is dropped and the search goes on, so a
// search on a large open map can end before it reaches the army.
#include "campaign/computer_path.h"

#include <array>
#include <bit>
#include <cstdint>

#include "campaign/movement.h"
#include "campaign/tile_value.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/ai_plan.h"

namespace logic {

namespace AIPlan = state::AIPlan;
namespace Army = state::Army;
namespace Field = state::Field;
namespace Lord = state::Lord;

namespace {

constexpr int kNotWalkable = -100000;
constexpr int kAvoid = -10000;
constexpr int kCloseDistance = 3;
constexpr int kSearchRounds = 10000;
// Tiles valued below this are not crossed on the way.
constexpr int kLowestCrossed = -99;

// North, east, south, west.
constexpr int kDx[4] = {0, 1, 0, -1};
constexpr int kDy[4] = {-1, 0, 1, 0};

using PlanList = state::Records<1, AIPlan::kEntries>;

// A tile's value by its distance from the army: 1 x4, 2 x2, 3 as is, then divided.
int ScaleByDistance(int v, int d) {
    static constexpr int kDivisor[11] = {1, 1, 1, 1, 2, 3, 4, 5, 5, 5, 5};
    if (d == 0) return kAvoid;
    if (d == 1) return v * 4;
    if (d == 2) return v * 2;
    if (d > 10) return v / 6;
    return v / kDivisor[d];
}

bool EnemyNearCastle(int lord) {
    const auto& l = LordRecord(lord);
    for (int p = 1; p <= kLords; ++p) {
        if (p == lord || !InGame(p)) continue;
        const auto& a = ArmyRecord(p);
        if (a[Army::present] > 0 && OnMap(a[Army::x], a[Army::y]) &&
            StepDistance(l[Lord::castleX], l[Lord::castleY], a[Army::x], a[Army::y]) <
                kCloseDistance)
            return true;
    }
    return false;
}

bool AnyCastleAt(int x, int y) {
    for (int p = 1; p <= kLords; ++p) {
        if (CastleAt(p, x, y)) return true;
    }
    return false;
}

int Find(const PlanList& list, int x, int y) {
    for (int i = 1; i <= AIPlan::kEntries; ++i) {
        if (list[i][AIPlan::used] != 0 && list[i][AIPlan::x] == x && list[i][AIPlan::y] == y)
            return i;
    }
    return 0;
}

bool MayCross(int x, int y) {
    const state::GameState& g = state::G();
    return g.field[x][y][Field::walkable] > 0 && !AnyCastleAt(x, y) &&
           g.aiFieldScore[x][y] >= kLowestCrossed;
}

// One path list while the search runs: its 48 entries, which of them are used, and where each
// tile stands in it. A tile stands in a list at most once: it is added only when it is in
// neither list, and the closed list never gives an entry back.
class SearchList {
  public:
    struct Entry {
        int used = 0, x = 0, y = 0, length = 0;
    };

    int IndexOf(int x, int y) const { return index_[x][y]; }

    // The tile goes into the first free entry; false (the tile is dropped) when the list is
    // full.
    bool Add(int x, int y, int length) {
        const std::uint64_t free = ~used_ & kAllEntries;
        if (free == 0) return false;
        const int i = std::countr_zero(free) + 1;
        entries_[i] = {1, x, y, length};
        used_ |= Bit(i);
        byParity_[length & 1] |= Bit(i);
        index_[x][y] = i;
        return true;
    }

    // The entry taken next: the first of the shortest, or 0 when the list is empty. The open
    // list only ever holds two lengths, the shortest and one more, so the first entry of the
    // shortest one's parity is the first of the shortest.
    int FirstShortest() const {
        const int even = First(byParity_[0]), odd = First(byParity_[1]);
        if (even == 0 || odd == 0) return even + odd;
        return entries_[even].length < entries_[odd].length ? even : odd;
    }

    // The entry is freed; its tile and length stay in it, as in the table.
    void Free(int i) {
        Entry& e = entries_[i];
        e.used = 0;
        used_ &= ~Bit(i);
        byParity_[e.length & 1] &= ~Bit(i);
        index_[e.x][e.y] = 0;
    }

    const Entry& operator[](int i) const { return entries_[i]; }

    void WriteTo(PlanList& list) const {
        for (int i = 1; i <= AIPlan::kEntries; ++i) {
            auto& row = list[i];
            row[AIPlan::used] = entries_[i].used;
            row[AIPlan::x] = entries_[i].x;
            row[AIPlan::y] = entries_[i].y;
            row[AIPlan::length] = entries_[i].length;
        }
    }

  private:
    static constexpr std::uint64_t kAllEntries = (std::uint64_t{1} << AIPlan::kEntries) - 1;
    static std::uint64_t Bit(int i) { return std::uint64_t{1} << (i - 1); }
    static int First(std::uint64_t mask) { return mask == 0 ? 0 : std::countr_zero(mask) + 1; }

    std::array<Entry, AIPlan::kEntries + 1> entries_{};
    std::uint64_t used_ = 0;
    std::uint64_t byParity_[2] = {0, 0};
    int index_[Field::kColumns + 1][Field::kRows + 1] = {};
};

}  // namespace

MoveTarget ChooseTarget(int lord) {
    MoveTarget t;
    if (!ValidLord(lord)) return t;
    state::GameState& g = state::G();
    const auto& l = LordRecord(lord);
    const auto& a = ArmyRecord(lord);
    int best = 0;
    for (int x = 1; x <= Field::kColumns; ++x) {
        for (int y = 1; y <= Field::kRows; ++y) {
            int& score = g.aiFieldScore[x][y];
            if (g.field[x][y][Field::walkable] <= 0) {
                score = kNotWalkable;
                continue;
            }
            score =
                ScaleByDistance(TileValue(lord, x, y), StepDistance(a[Army::x], a[Army::y], x, y));
            if (StepDistance(l[Lord::castleX], l[Lord::castleY], x, y) > l[Lord::moveRange])
                score = kAvoid;
            if (score >= best) {
                best = score;
                t = {true, x, y, score};
            }
        }
    }
    if (EnemyNearCastle(lord)) t = {};
    return t;
}

void SearchPath(int lord, int targetX, int targetY) {
    state::GameState& g = state::G();
    g.aiPlanA.ClearRows(1, AIPlan::kEntries);
    g.aiPlanB.ClearRows(1, AIPlan::kEntries);
    if (!ValidLord(lord) || !OnMap(targetX, targetY)) return;
    const auto& a = ArmyRecord(lord);
    const int armyX = a[Army::x], armyY = a[Army::y];
    // Which tiles the search may cross does not change while it runs.
    bool crossable[Field::kColumns + 1][Field::kRows + 1] = {};
    for (int x = 1; x <= Field::kColumns; ++x) {
        for (int y = 1; y <= Field::kRows; ++y)
            crossable[x][y] = MayCross(x, y);
    }
    SearchList open, closed;
    open.Add(targetX, targetY, 0);
    for (int round = 0; round < kSearchRounds; ++round) {
        const int first = open.FirstShortest();
        if (first == 0) break;
        const int x = open[first].x, y = open[first].y, length = open[first].length;
        open.Free(first);
        closed.Add(x, y, length);
        if (x == armyX && y == armyY) continue;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + kDx[d], ny = y + kDy[d];
            if (!OnMap(nx, ny) || open.IndexOf(nx, ny) != 0 || closed.IndexOf(nx, ny) != 0)
                continue;
            if (!crossable[nx][ny]) continue;
            open.Add(nx, ny, length + 1);
        }
    }
    open.WriteTo(g.aiPlanA);
    closed.WriteTo(g.aiPlanB);
}

bool NextStep(int lord, int targetX, int targetY, int& x, int& y) {
    if (!ValidLord(lord)) return false;
    const auto& a = ArmyRecord(lord);
    const int ax = a[Army::x], ay = a[Army::y];
    if (StepDistance(ax, ay, targetX, targetY) == 1) {
        x = targetX;
        y = targetY;
        return true;
    }
    const auto& closed = state::G().aiPlanB;
    int best = 0;
    for (int d = 0; d < 4; ++d) {
        const int i = Find(closed, ax + kDx[d], ay + kDy[d]);
        if (i == 0) continue;
        const int length = closed[i][AIPlan::length];
        if (length >= 1 && (best == 0 || length < best)) {
            best = length;
            x = ax + kDx[d];
            y = ay + kDy[d];
        }
    }
    return best != 0;
}

void PortalHome(int lord) {
    if (!ValidLord(lord)) return;
    state::GameState& g = state::G();
    auto& a = ArmyRecord(lord);
    const auto& l = LordRecord(lord);
    if (a[Army::x] == l[Lord::castleX] && a[Army::y] == l[Lord::castleY]) return;
    a[Army::x] = l[Lord::castleX];
    a[Army::y] = l[Lord::castleY];
    a[Army::movesLeft] = 0;
    if (g.portalNoticeShown || !Hooks().View().IsMapShown()) return;
    for (int p = 1; p <= kLords; ++p) {
        if (!IsHuman(p) || !InGame(p)) continue;
        g.portalNoticeShown = true;
        UI().ShowNotice(FactionLogo(lord), "Magic portal!",
                        g.heroName[lord] +
                            " has opened a magic portal and returned to his home castle! You can "
                            "do the same (click on \"Portal\" at the left).",
                        "Continue");
    }
}

}  // namespace logic
