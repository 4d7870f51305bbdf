#include <gtest/gtest.h>

#include <filesystem>

#include "campaign/campaign_fixture.h"
#include "campaign/turn_cycle.h"
#include "platform/files.h"
#include "rules/game_end.h"
#include "state/game_state.h"
#include "support/temp_dir.h"

namespace camptest {
namespace {

namespace Lord = state::Lord;

const char* kVictoryText =
    "With the other lords defeated you become the new king of the empire. But ... there are "
    "rumors about a new threat from the north, far beyond the mountains. However this is a "
    "different story to be told at a different time.";
const char* kScenarioUnlocked = "Congratulations! A new scenario has become available!";
const char* kDifficultyUnlocked = "Congratulations! A new difficulty level has become available!";

// The progress file goes to a temporary user folder.
class GameEndTest : public CampaignTest {
  protected:
    void SetUp() override {
        CampaignTest::SetUp();
        std::filesystem::create_directories(folder.Path() / "data");
        std::filesystem::create_directories(folder.Path() / "user");
        platform::UseFiles(platform::Files(folder.Path() / "data", folder.Path() / "user"));
    }
    void TearDown() override {
        platform::UseFiles(platform::Files());
        CampaignTest::TearDown();
    }
    void DefeatComputers() {
        for (int p = 2; p <= 4; ++p)
            state::G().lord[p][Lord::inGame] = 0;
    }
    bool ProgressWritten() const {
        return std::filesystem::exists(folder.Path() / "user" / "GeneralData.int");
    }
    testsupport::TempDir folder;
};

TEST_F(GameEndTest, TheGameGoesOnWhileAComputerLordIsLeft) {
    state::G().lord[2][Lord::inGame] = 0;
    state::G().lord[3][Lord::inGame] = 0;
    EXPECT_FALSE(logic::CheckGameEnd());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(state::G().gameOver);
}

TEST_F(GameEndTest, LosingTheHumanCastleIsDefeatEvenWithComputersLeft) {
    auto& g = state::G();
    g.lord[1][Lord::inGame] = 0;
    EXPECT_TRUE(logic::CheckGameEnd());
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().kind, "TFGameOver");
    EXPECT_EQ(dialogs.Last().title, "Game lost!");
    EXPECT_EQ(dialogs.Last().picture, "m2_defeat.jpg");
    EXPECT_EQ(dialogs.Last().text,
              "With your castle conquered, your men scattered and your head placed on a spear "
              "your adventures have finally come to an end. Next time defend your castle and do "
              "not forget to crawl enough dungeons for gold.");
    EXPECT_LT(hooks.IndexOf("DisableAllTimers"), hooks.IndexOf("PlayReward 1"));
    EXPECT_TRUE(g.gameOver);
    EXPECT_TRUE(g.returnToMenu);
    EXPECT_TRUE(hooks.Has("CloseStrategicWindow"));
    EXPECT_FALSE(ProgressWritten());
}

TEST_F(GameEndTest, VictoryUnlocksTheNextScenarioAndDifficulty) {
    auto& g = state::G();
    DefeatComputers();
    g.playedScenario = 3;
    g.scenariosUnlocked = 3;
    g.difficultyUnlocked = 5;
    g.lord[1][Lord::difficulty] = 9;  // above the unlocked level: unlocks the level after it
    EXPECT_TRUE(logic::CheckGameEnd());
    ASSERT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_EQ(dialogs.Shown()[0].title, "Victory!");
    EXPECT_EQ(dialogs.Shown()[0].picture, "m2_victory.jpg");
    EXPECT_EQ(dialogs.Shown()[0].text, kVictoryText);
    EXPECT_EQ(dialogs.Shown()[1].text, kScenarioUnlocked);
    EXPECT_EQ(dialogs.Shown()[2].text, kDifficultyUnlocked);
    EXPECT_EQ(g.scenariosUnlocked, 4);
    EXPECT_EQ(g.difficultyUnlocked, 10);
    EXPECT_EQ(hooks.Count("PlayReward 3"), 1);
    EXPECT_EQ(hooks.Count("PlayReward 1"), 2);
    EXPECT_TRUE(ProgressWritten());
    EXPECT_TRUE(g.gameOver);
    EXPECT_TRUE(hooks.Has("CloseStrategicWindow"));
}

TEST_F(GameEndTest, VictoryUnlocksOnlyWhatIsDue) {
    auto& g = state::G();
    DefeatComputers();
    // An older scenario, and a difficulty equal to the unlocked one: the next level only.
    g.playedScenario = 2;
    g.scenariosUnlocked = 5;
    g.difficultyUnlocked = 5;
    g.lord[1][Lord::difficulty] = 5;
    logic::CheckGameEnd();
    EXPECT_EQ(g.scenariosUnlocked, 5);
    EXPECT_EQ(g.difficultyUnlocked, 6);
    EXPECT_FALSE(dialogs.ShownText(kScenarioUnlocked));
    EXPECT_TRUE(dialogs.ShownText(kDifficultyUnlocked));

    // An easier difficulty, and everything at the last level: nothing more.
    g.gameOver = false;
    g.lord[1][Lord::difficulty] = 3;
    logic::CheckGameEnd();
    EXPECT_EQ(g.difficultyUnlocked, 6);
    g.playedScenario = 12;
    g.scenariosUnlocked = 12;
    g.difficultyUnlocked = 12;
    g.lord[1][Lord::difficulty] = 12;
    const size_t before = dialogs.Shown().size();
    logic::CheckGameEnd();
    EXPECT_EQ(dialogs.Shown().size(), before + 1);
    EXPECT_EQ(g.scenariosUnlocked, 12);
    EXPECT_EQ(g.difficultyUnlocked, 12);
}

TEST_F(GameEndTest, AProgressFileThatCannotBeWrittenIsReported) {
    auto& g = state::G();
    DefeatComputers();
    g.playedScenario = 1;
    g.scenariosUnlocked = 1;
    // A folder in the file's place makes the write fail.
    std::filesystem::create_directories(folder.Path() / "user" / "GeneralData.int");
    logic::CheckGameEnd();
    EXPECT_EQ(g.scenariosUnlocked, 2);
    bool reported = false;
    for (const auto& call : hooks.calls)
        reported = reported || call.rfind("ReportError ", 0) == 0;
    EXPECT_TRUE(reported);
    EXPECT_TRUE(dialogs.ShownText(kScenarioUnlocked));
}

}  // namespace
}  // namespace camptest
