// The computer lords' path search leaves both path lists exactly as the plain search over the
// tables does: on random maps with water, castles and low scores, from the target to the army,
// full lists and dropped entries included.
#include <gtest/gtest.h>

#include <random>

#include "campaign/campaign_fixture.h"
#include "campaign/computer_path.h"
#include "rules/lords.h"
#include "state/ai_plan.h"
#include "state/game_state.h"

namespace camptest {
namespace {

namespace AIPlan = state::AIPlan;
namespace Field = state::Field;
namespace Lord = state::Lord;
using PlanList = state::Records<1, AIPlan::kEntries>;

// The search written plainly over the tables: every lookup a scan of the 48 entries.
int Find(const PlanList& list, int x, int y) {
    for (int i = 1; i <= AIPlan::kEntries; ++i) {
        if (list[i][AIPlan::used] != 0 && list[i][AIPlan::x] == x && list[i][AIPlan::y] == y)
            return i;
    }
    return 0;
}

bool Add(PlanList& list, int x, int y, int length) {
    for (int i = 1; i <= AIPlan::kEntries; ++i) {
        auto& e = list[i];
        if (e[AIPlan::used] != 0) continue;
        e[AIPlan::used] = 1;
        e[AIPlan::x] = x;
        e[AIPlan::y] = y;
        e[AIPlan::length] = length;
        return true;
    }
    return false;
}

void PlainSearch(int lord, int tx, int ty) {
    state::GameState& g = state::G();
    PlanList& open = g.aiPlanA;
    PlanList& closed = g.aiPlanB;
    open.ClearRows(1, AIPlan::kEntries);
    closed.ClearRows(1, AIPlan::kEntries);
    const int ax = g.army[lord][state::Army::x], ay = g.army[lord][state::Army::y];
    const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
    Add(open, tx, ty, 0);
    for (int round = 0; round < 10000; ++round) {
        int first = 0;
        for (int i = 1; i <= AIPlan::kEntries; ++i) {
            if (open[i][AIPlan::used] != 0 &&
                (first == 0 || open[i][AIPlan::length] < open[first][AIPlan::length]))
                first = i;
        }
        if (first == 0) break;
        const int x = open[first][AIPlan::x], y = open[first][AIPlan::y];
        const int length = open[first][AIPlan::length];
        open[first][AIPlan::used] = 0;
        Add(closed, x, y, length);
        if (x == ax && y == ay) continue;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + dx[d], ny = y + dy[d];
            if (!logic::OnMap(nx, ny) || Find(open, nx, ny) || Find(closed, nx, ny)) continue;
            bool castle = false;
            for (int p = 1; p <= 4; ++p)
                castle = castle || logic::CastleAt(p, nx, ny);
            if (g.field[nx][ny][Field::walkable] <= 0 || castle || g.aiFieldScore[nx][ny] < -99)
                continue;
            Add(open, nx, ny, length + 1);
        }
    }
}

using ComputerPathListsTest = CampaignTest;

TEST_F(ComputerPathListsTest, TheSearchLeavesBothListsAsThePlainSearchDoes) {
    state::GameState& g = state::G();
    std::mt19937 random(7);
    const auto roll = [&](int n) { return std::uniform_int_distribution<int>(1, n)(random); };
    int fullClosedLists = 0, reachedArmies = 0;
    for (int map = 0; map < 300; ++map) {
        // From an open map to one mostly under water, with scores that forbid some tiles.
        const int waterChance = map % 5 * 12;
        for (int x = 1; x <= Field::kColumns; ++x) {
            for (int y = 1; y <= Field::kRows; ++y) {
                g.field[x][y][Field::walkable] = roll(100) > waterChance ? 1 : 0;
                g.aiFieldScore[x][y] = roll(10) == 1 ? -100 - roll(50) : roll(200) - 99;
            }
        }
        for (int p = 1; p <= 4; ++p) {
            g.lord[p][Lord::castleX] = roll(12);
            g.lord[p][Lord::castleY] = roll(11);
        }
        PlaceArmy(2, roll(12), roll(11));
        const int tx = roll(12), ty = roll(11);

        PlainSearch(2, tx, ty);
        const PlanList open = g.aiPlanA, closed = g.aiPlanB;
        // Stale values the search must overwrite.
        g.aiPlanA[5][AIPlan::x] = 99;
        g.aiPlanB[48][AIPlan::used] = 1;
        logic::SearchPath(2, tx, ty);
        for (int i = 1; i <= AIPlan::kEntries; ++i) {
            for (int slot : {AIPlan::used, AIPlan::x, AIPlan::y, AIPlan::length}) {
                ASSERT_EQ(g.aiPlanA[i][slot], open[i][slot]) << "map " << map << " open " << i;
                ASSERT_EQ(g.aiPlanB[i][slot], closed[i][slot]) << "map " << map << " closed " << i;
            }
        }
        fullClosedLists += closed[48][AIPlan::used];
        const int ax = g.army[2][state::Army::x], ay = g.army[2][state::Army::y];
        reachedArmies += Find(closed, ax, ay) != 0 ? 1 : 0;
    }
    // Both kinds of search came up: lists that filled and searches that reached the army.
    EXPECT_GT(fullClosedLists, 30);
    EXPECT_GT(reachedArmies, 30);
}

}  // namespace
}  // namespace camptest
