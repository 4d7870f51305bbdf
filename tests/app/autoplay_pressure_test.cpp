// Tests of the passive lord of a self-played game: it holds still in its own turn, the computer
// lords' battles against it are automatic, and the report names the rounds of the first battle
// against it, of its castle's fall and of the contacts between the computer lords.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/autoplay.h"
#include "app/autoplay_pressure.h"
#include "campaign/campaign_fixture.h"
#include "campaign/movement.h"
#include "campaign/turn_cycle.h"
#include "rules/sites.h"
#include "scenario_source.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/scenario_files.h"
#include "state/temp_folders.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace MapSite = state::MapSite;

// The status refresh after every computer step and automatic battle goes to the watch.
class LookingScreens final : public logic::CampaignScreens {
  public:
    app::PressureWatch* watch = nullptr;
    void RefreshComputerStatus() override {
        if (watch != nullptr) watch->StatusRefreshed();
    }
};

// Four computer lords with the troop table and battle plans of a new game.
class PressureTest : public CampaignTest {
  protected:
    void SetUp() override {
        CampaignTest::SetUp();
        NewGameBattlePlans(true);
        auto& g = state::G();
        for (int p = 1; p <= 4; ++p) {
            g.lord[p][Lord::controller] = logic::kComputerController;
            g.lord[p][Lord::moveRange] = 99;  // a keep: every field in range
        }
        logic::Hooks().SetScreens(&screens);
    }

    // Lord 1 rich enough to build and hire, with the turn about to pass to it.
    void RichLordOneIsNext() {
        auto& g = state::G();
        g.lord[1][Lord::gold] = 20000;
        g.lord[1][Lord::honor] = 500;
        for (int r = Lord::wood; r <= Lord::gems; ++r)
            g.lord[1][r] = 500;
        g.currentLord = 4;
    }

    LookingScreens screens;
};

TEST_F(PressureTest, ThePassiveLordHoldsStillInItsTurnAndIsAComputerLordAfterIt) {
    // The same turn without the watch: the rich lord builds, hires or moves.
    RichLordOneIsNext();
    state::SeedRandom(7);
    const auto before = std::make_unique<state::GameState>(state::G());
    logic::Timer1Tick();
    ASSERT_EQ(state::G().currentLord, 1);
    EXPECT_NE(state::G().lord[1], before->lord[1]);

    state::G() = *before;
    state::SeedRandom(7);
    app::PressureWatch watch(1);
    ASSERT_EQ(app::LordToMoveNext(), 1);
    watch.BeforeTurn();
    EXPECT_TRUE(logic::IsHuman(1));
    logic::Timer1Tick();
    watch.AfterTurn();
    const auto& g = state::G();
    ASSERT_EQ(g.currentLord, 1);
    EXPECT_TRUE(logic::IsComputer(1));
    EXPECT_EQ(g.lord[1][Lord::gold], 20000);
    for (int b = 1; b <= 9; ++b)
        EXPECT_EQ(g.lord[1][Lord::Built(b)], 0) << "building " << b;
    EXPECT_EQ(g.army[1], before->army[1]);

    // Lord 2's turn comes next: the passive lord stays a computer lord through it, and lord 2
    // plays as ever.
    ASSERT_EQ(app::LordToMoveNext(), 2);
    watch.BeforeTurn();
    EXPECT_TRUE(logic::IsComputer(1));
    logic::Timer1Tick();
    watch.AfterTurn();
    EXPECT_EQ(g.currentLord, 2);
    EXPECT_EQ(g.army[1][Army::x], 1);
    EXPECT_EQ(g.army[1][Army::y], 1);
}

TEST_F(PressureTest, TheNextLordSkipsLordsOutOfTheGameAndWraps) {
    auto& g = state::G();
    g.currentLord = 2;
    g.lord[3][Lord::inGame] = 0;
    EXPECT_EQ(app::LordToMoveNext(), 4);
    g.currentLord = 4;
    g.lord[1][Lord::inGame] = 0;
    EXPECT_EQ(app::LordToMoveNext(), 2);
    g.currentLord = 0;  // a damaged turn starts the search before lord 1
    EXPECT_EQ(app::LordToMoveNext(), 2);
    for (int p = 1; p <= 4; ++p)
        g.lord[p][Lord::inGame] = 0;
    EXPECT_EQ(app::LordToMoveNext(), 0);
}

TEST_F(PressureTest, AnAttackOnThePassiveLordIsAnAutomaticBattleReportedWithItsRound) {
    app::PressureWatch watch(1);
    screens.watch = &watch;
    // A battle the passive lord holds: a weak attacker.
    watch.SetRound(12);
    PlaceArmy(2, 2, 1, 1);
    TurnOf(2);
    logic::MoveArmy(1, 1);
    EXPECT_FALSE(hooks.Has("ShowBattlePanel"));
    EXPECT_FALSE(state::G().battleStarted);
    EXPECT_TRUE(logic::InGame(1));
    EXPECT_EQ(watch.FirstBattleRound(), 12);
    EXPECT_EQ(watch.CastleFellRound(), 0);

    // A later attack with a strong army takes the castle; the first battle stays round 12.
    watch.SetRound(30);
    PlaceArmy(3, 2, 1, 60);
    TurnOf(3);
    logic::MoveArmy(1, 1);
    watch.AfterTurn();
    EXPECT_FALSE(logic::InGame(1));
    EXPECT_EQ(watch.FirstBattleRound(), 12);
    EXPECT_EQ(watch.CastleFellRound(), 30);
    // Battles against the passive lord are no contacts between computer lords.
    EXPECT_EQ(watch.ContactBattles(), 0);
    EXPECT_EQ(watch.CastlesTaken(), 0);
    EXPECT_EQ(watch.FirstContactRound(), 0);
    EXPECT_EQ(
        watch.TakeEvents(),
        (std::vector<std::string>{"battle in round 12: lord 2 attacked lord 1, lord 1 won",
                                  "battle in round 30: lord 3 attacked lord 1, lord 3 won",
                                  "castle taken in round 30: lord 3 took the castle of lord 1"}));
    EXPECT_TRUE(watch.TakeEvents().empty());
    EXPECT_EQ(watch.SummaryLines(),
              "first battle against lord 1: round 12\n"
              "castle of lord 1 fell: round 30\n"
              "contacts between computer lords: 0 battles, 0 cities taken, 0 castles taken, first "
              "contact: none");
}

TEST_F(PressureTest, ContactsAreBattlesAndConquestsBetweenTheOtherLords) {
    auto& g = state::G();
    auto& city = g.mapSite[1];
    city[MapSite::active] = 1;
    city[MapSite::kind] = logic::SiteKind::city;
    city[MapSite::x] = 6;
    city[MapSite::y] = 6;
    city[MapSite::owner] = 0;
    app::PressureWatch watch(1);
    screens.watch = &watch;

    // A neutral city taken is no contact.
    watch.SetRound(3);
    city[MapSite::owner] = 2;
    watch.AfterTurn();
    EXPECT_EQ(watch.CitiesTaken(), 0);
    EXPECT_EQ(watch.FirstContactRound(), 0);

    // Lord 3 meets lord 2's army in the field.
    watch.SetRound(5);
    PlaceArmy(2, 7, 7, 3);
    g.field[7][7][state::Field::owner] = 2;  // an army holds the field it stands on
    PlaceArmy(3, 8, 7, 30);
    TurnOf(3);
    logic::MoveArmy(7, 7);
    EXPECT_EQ(watch.ContactBattles(), 1);
    EXPECT_EQ(watch.FirstContactRound(), 5);

    // Lord 3 takes lord 2's city.
    watch.SetRound(9);
    city[MapSite::owner] = 3;
    watch.AfterTurn();
    EXPECT_EQ(watch.CitiesTaken(), 1);
    EXPECT_EQ(watch.FirstContactRound(), 5);
    EXPECT_EQ(watch.FirstBattleRound(), 0);
    EXPECT_EQ(watch.TakeEvents(),
              (std::vector<std::string>{
                  "battle in round 5: lord 3 attacked lord 2, lord 3 won",
                  "city taken in round 9: lord 3 took the city at 6,6 from lord 2"}));
    EXPECT_EQ(watch.SummaryLines(),
              "first battle against lord 1: none\n"
              "castle of lord 1 fell: none\n"
              "contacts between computer lords: 1 battles, 1 cities taken, 0 castles taken, first "
              "contact: round 5");
}

TEST(Difficulty, OnlyTheValuesOfTheDifficultyScreenAreDifficulties) {
    for (int v : {1, 3, 5, 7, 9, 10, 12})
        EXPECT_TRUE(app::IsDifficultyValue(v)) << v;
    for (int v : {0, 2, 4, 6, 8, 11, 13, -7})
        EXPECT_FALSE(app::IsDifficultyValue(v)) << v;
    EXPECT_EQ(app::DifficultyChoices(),
              "1 (Very easy), 3 (Easy), 5 (Medium-Easy), 7 (Medium), 9 (Medium-Difficult), 10 "
              "(Difficult) or 12 (God-like)");
}

}  // namespace
}  // namespace camptest

namespace {

// Self-played games on a shipped scenario compiled from its sources into the user folder.
class PassiveAutoplay : public statetest::TempFolders {
  protected:
    void Compile(const std::string& name) const {
        auto source = std::make_unique<state::GameState>();
        scenarios::ReadSources(std::string(MARCHHOLT_SCENARIO_SOURCES) + "/" + name, *source);
        WriteUserFile(name + ".mod", state::EncodeModule(*source));
        WriteUserFile(name + ".map", state::EncodeMap(*source));
        WriteUserFile(name + ".mon", state::EncodeMonsters(*source));
        WriteUserFile(name + ".itm", state::EncodeItems(*source));
    }
};

std::string Play(const app::AutoplayOptions& options, int& status, std::string* err = nullptr) {
    std::FILE* out = std::tmpfile();
    std::FILE* errFile = std::tmpfile();
    status = app::RunAutoplay(options, out, errFile);
    const auto read = [](std::FILE* f) {
        std::string text;
        std::rewind(f);
        for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f))
            text += static_cast<char>(c);
        std::fclose(f);
        return text;
    };
    std::string text = read(out);
    if (err != nullptr)
        *err = read(errFile);
    else
        std::fclose(errFile);
    return text;
}

// The lord's column of a round line: "lord 1 gold=1000 army=40 castles=1 cities=0".
std::string LordColumn(const std::string& line, int lord) {
    const std::string key = "| lord " + std::to_string(lord) + " ";
    const auto at = line.find(key);
    if (at == std::string::npos) return "";
    return line.substr(at, line.find(" |", at + 2) - at);
}

// A whole game on a shipped map: the passive lord's gold, army and holdings change only in a
// round with a battle against it, and the summary names the rounds the event lines name.
TEST_F(PassiveAutoplay, ThePassiveLordChangesOnlyWhenAttackedAndTheSummaryAgreesWithTheEvents) {
    Compile("showdown");
    int status = 0;
    const std::string text = Play({"showdown", 300, 2, 12, 1}, status);
    ASSERT_EQ(status, 0) << text;
    std::istringstream lines(text);
    std::string line, last = "| lord 1 gold=1000 army=40 castles=1 cities=0";
    int firstBattle = 0, fell = 0, round = 0;
    for (std::string l; std::getline(lines, l);) {
        if (l.rfind("round ", 0) == 0) {
            round = std::stoi(l.substr(6));
            const std::string column = LordColumn(l, 1);
            if (column.empty()) continue;  // left the game
            if (column != last) {
                const std::string battle = "battle in round " + std::to_string(round) + ": ";
                EXPECT_NE(text.find(battle), std::string::npos) << l;
                EXPECT_NE(text.find(" attacked lord 1, ", text.find(battle)), std::string::npos)
                    << l;
            }
            last = column;
        } else if (l.rfind("battle in round ", 0) == 0 &&
                   l.find(" attacked lord 1, ") != std::string::npos && firstBattle == 0) {
            firstBattle = std::stoi(l.substr(16));
            EXPECT_EQ(firstBattle, round);
        } else if (l.rfind("castle taken in round ", 0) == 0 &&
                   l.find("the castle of lord 1") != std::string::npos) {
            fell = std::stoi(l.substr(22));
        }
    }
    ASSERT_NE(firstBattle, 0) << "no attack on the passive lord in 300 rounds";
    EXPECT_NE(text.find("first battle against lord 1: round " + std::to_string(firstBattle) + "\n"),
              std::string::npos);
    if (fell != 0) {
        EXPECT_NE(text.find("castle of lord 1 fell: round " + std::to_string(fell) + "\n"),
                  std::string::npos);
        EXPECT_NE(text.find("result: lord 1 lost its castle in round " + std::to_string(fell)),
                  std::string::npos);
        EXPECT_EQ(round, fell);  // the game ends with the castle
    } else {
        EXPECT_NE(text.find("castle of lord 1 fell: none\n"), std::string::npos);
    }
}

TEST_F(PassiveAutoplay, WithoutAPassiveLordTheReportIsTheSelfPlayedOne) {
    Compile("showdown");
    int status = 0;
    const std::string text = Play({"showdown", 30, 1}, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(text.find("first battle against"), std::string::npos);
    EXPECT_EQ(text.find("contacts between"), std::string::npos);
    EXPECT_EQ(text.find("battle in round"), std::string::npos);
}

TEST_F(PassiveAutoplay, ALordTheScenarioDoesNotHaveAndAWrongDifficultyAreRefused) {
    Compile("showdown");
    int status = 0;
    std::string err;
    Play({"showdown", 10, 1, 7, 2}, status, &err);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err, "marchholt-console: --passive wants a lord of showdown (1, 3), not 2\n");
    Play({"showdown", 10, 1, 8, 1}, status, &err);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err,
              "marchholt-console: --difficulty wants 1 (Very easy), 3 (Easy), 5 (Medium-Easy), 7 "
              "(Medium), 9 (Medium-Difficult), 10 (Difficult) or 12 (God-like), not 8\n");
    EXPECT_EQ(Play({"showdown", 3, 1, 3, 3}, status, &err).empty(), false);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(err, "");
}

}  // namespace
