// The battle panel's account of the strikes: the words for each kind and for one or several
// fallen, and only the last lines kept.
#include <gtest/gtest.h>

#include "battle/battle_log.h"
#include "state/game_state.h"

namespace {

TEST(BattleLog, LinesNameTheKindsAndCountTheFallen) {
    using logic::StrikeLine;
    EXPECT_EQ(StrikeLine(true, {2, 0, 2}), "Your archers strike: 2 enemy soldiers fall");
    EXPECT_EQ(StrikeLine(true, {1, 3, 1}),
              "Your fast melee units strike: 1 enemy siege engine falls");
    EXPECT_EQ(StrikeLine(true, {4, 2, 0}), "Your special troops strike: no enemy falls");
    EXPECT_EQ(StrikeLine(false, {0, 2, 3}), "Enemy soldiers strike: 3 of your archers fall");
    EXPECT_EQ(StrikeLine(false, {3, 4, 1}),
              "Enemy siege engines strike: 1 of your special troops falls");
    EXPECT_EQ(StrikeLine(false, {0, 0, 0}), "Enemy soldiers strike: none of yours falls");
}

TEST(BattleLog, KeepsTheLastFourStrikesOldestFirst) {
    state::G() = state::GameState{};
    logic::LogStrikes(true, {{0, 0, 1}, {2, 0, 2}});
    logic::LogStrikes(false, {{0, 0, 3}, {1, 2, 4}, {2, 2, 5}});
    const std::vector<std::string>& log = state::G().battleLog;
    ASSERT_EQ(log.size(), logic::kBattleLogLines);
    EXPECT_EQ(log.front(), "Your archers strike: 2 enemy soldiers fall");
    EXPECT_EQ(log.back(), "Enemy archers strike: 5 of your archers fall");
    logic::ClearBattleLog();
    EXPECT_TRUE(state::G().battleLog.empty());
}

}  // namespace
