// The self-played game: every lord a computer lord, the turns passed as Timer1 would pass them,
// the invariants checked after every computer step and every automatic battle.
#include "app/autoplay.h"
#include "rules/fixed_answer_dialogs.h"

#include <optional>
#include <string>

#include "app/autoplay_invariants.h"
#include "app/autoplay_pressure.h"
#include "app/autoplay_report.h"
#include "campaign/computer_goals.h"
#include "campaign/turn_cycle.h"
#include "events/theme_rules.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/view_hooks.h"
#include "state/checked_scenario.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/reset.h"
#include "state/scenario_files.h"

namespace app {

namespace Lord = state::Lord;

namespace {

// Turns a round may take at most before the run counts as stuck.
constexpr int kTurnsPerRound = 8;

// Checks the invariants whenever the status screen would be refreshed: after every computer
// step and every automatic battle.
class InvariantWatch final : public logic::CampaignScreens {
  public:
    bool tookPart[logic::kLords + 1] = {};
    std::string broken;
    PressureWatch* pressure = nullptr;
    void RefreshComputerStatus() override {
        if (broken.empty()) broken = BrokenInvariant(tookPart);
        if (pressure != nullptr) pressure->StatusRefreshed();
    }
};

int CastlesHeld(int p) {
    const state::GameState& g = state::G();
    int n = 0;
    for (int q = 1; q <= logic::kLords; ++q) {
        const auto& l = g.lord[q];
        if (logic::OnMap(l[Lord::castleX], l[Lord::castleY]) &&
            g.field[l[Lord::castleX]][l[Lord::castleY]][state::Field::owner] == p)
            ++n;
    }
    return n;
}

int CitiesHeld(int p) {
    int n = 0;
    for (int r = 1; r <= 10; ++r) {
        const auto& s = state::G().mapSite[r];
        n += s[state::MapSite::active] > 0 && s[state::MapSite::kind] == logic::SiteKind::city &&
             s[state::MapSite::owner] == p;
    }
    return n;
}

int LordsInGame() {
    int n = 0;
    for (int p = 1; p <= logic::kLords; ++p)
        n += logic::InGame(p);
    return n;
}

std::string RoundLine(int round, const bool (&wasIn)[logic::kLords + 1]) {
    std::string line = "round " + std::to_string(round) + ":";
    for (int p = 1; p <= logic::kLords; ++p) {
        if (!wasIn[p]) continue;
        if (!logic::InGame(p)) {
            line += " | lord " + std::to_string(p) + " left the game";
            continue;
        }
        line += " | lord " + std::to_string(p) +
                " gold=" + std::to_string(state::G().lord[p][Lord::gold]) +
                " army=" + std::to_string(logic::ArmyStrength(p)) +
                " castles=" + std::to_string(CastlesHeld(p)) +
                " cities=" + std::to_string(CitiesHeld(p));
    }
    return line;
}

// 0 when the game started, else the exit status: 1 when the scenario did not load, 2 when the
// passive lord or the difficulty is none it can have.
int StartGame(const AutoplayOptions& options, std::FILE* out, std::FILE* err) {
    state::GameState& g = state::G();
    g.modSetting[1] = 0;
    state::ResetGameState(g);
    const state::LoadResult result = state::LoadCheckedScenario(
        options.scenario, [](state::GameState& gs) { state::ScenarioSetup(gs); }, g);
    if (!result.Ok()) {
        std::fprintf(out, "cannot load %s: %s\n", options.scenario.c_str(),
                     result.status == state::LoadStatus::notFound ? state::kScenarioNotFoundText
                                                                  : result.message.c_str());
        return 1;
    }
    if (!IsDifficultyValue(options.difficulty)) {
        std::fprintf(err, "marchholt-console: --difficulty wants %s, not %d\n",
                     DifficultyChoices().c_str(), options.difficulty);
        return 2;
    }
    if (options.passiveLord != 0 && !logic::InGame(options.passiveLord)) {
        std::string lords;
        for (int p = 1; p <= logic::kLords; ++p) {
            if (logic::InGame(p)) lords += (lords.empty() ? "" : ", ") + std::to_string(p);
        }
        std::fprintf(err, "marchholt-console: --passive wants a lord of %s (%s), not %d\n",
                     options.scenario.c_str(), lords.c_str(), options.passiveLord);
        return 2;
    }
    for (int p = 1; p <= logic::kLords; ++p)
        g.lord[p][Lord::controller] = logic::kComputerController;
    state::SetDifficulty(options.difficulty, g);
    g.modSetting[1] = 1;
    g.gameOver = false;
    state::SeedRandom(options.seed);
    return 0;
}

void PrintEvents(PressureWatch* pressure, std::FILE* out) {
    if (pressure == nullptr) return;
    for (const std::string& line : pressure->TakeEvents())
        std::fprintf(out, "%s\n", line.c_str());
}

// "result: lord P won in round R", or what every lord left in the game holds after the last
// round.
std::string ResultLine(int winner, int endRound, int rounds) {
    if (winner != 0)
        return "result: lord " + std::to_string(winner) + " won in round " +
               std::to_string(endRound);
    std::string line = "result: no end after " + std::to_string(rounds) + " rounds";
    for (int p = 1; p <= logic::kLords; ++p) {
        if (!logic::InGame(p)) continue;
        line += "; lord " + std::to_string(p) + " holds " + std::to_string(CastlesHeld(p)) +
                " castles, " + std::to_string(CitiesHeld(p)) + " cities";
    }
    return line;
}

}  // namespace

int RunAutoplay(const AutoplayOptions& options, std::FILE* out, std::FILE* err) {
    if (const int refused = StartGame(options, out, err); refused != 0) return refused;
    state::GameState& g = state::G();
    const ScenarioSize size = MeasureScenario();
    const bool hasMainPlace = HasMainThemePlace();
    InvariantWatch watch;
    ThemeWatch themeWatch;
    // Nobody watches: notices pass, offers and questions are declined, a choice takes its first
    // option.
    logic::FixedAnswerDialogs dialogs({logic::kOfferSecond, logic::kAnswerNo, 1});
    logic::InstallDialogs(&dialogs);
    logic::Hooks().Clear();
    logic::Hooks().SetScreens(&watch);
    logic::Hooks().SetWatch(&themeWatch);

    bool wasIn[logic::kLords + 1] = {};
    for (int p = 1; p <= logic::kLords; ++p)
        wasIn[p] = watch.tookPart[p] = logic::InGame(p);
    std::optional<PressureWatch> pressureWatch;
    if (options.passiveLord != 0) pressureWatch.emplace(options.passiveLord);
    PressureWatch* pressure = pressureWatch ? &*pressureWatch : nullptr;
    watch.pressure = pressure;
    // Every turn, the first one inside the first round's preparation too.
    const auto turn = [pressure](auto passTurn) {
        if (pressure != nullptr) pressure->BeforeTurn();
        passTurn();
        if (pressure != nullptr) pressure->AfterTurn();
    };
    // A new game applies the theme's start values with the theme's introduction, while the
    // human waits for the first turn. Here the first lord is a computer lord that acts inside
    // the first round's preparation, so the values come before it.
    logic::ApplyThemeStartValues(size.theme);
    if (pressure != nullptr) pressure->SetRound(1);
    turn([] { logic::PrepareFirstRound(); });
    int round = 1, winner = 0, endRound = 0, lostRound = 0;
    std::string broken;
    while (round <= options.rounds && broken.empty()) {
        // One round: the turns until the turn wraps back to the first lord in the game.
        int turns = 0;
        int last = g.currentLord;
        if (pressure != nullptr) pressure->SetRound(round);
        while (!g.gameOver && turns < kTurnsPerRound) {
            turn([] { logic::Timer1Tick(); });
            ++turns;
            broken = watch.broken.empty() ? BrokenInvariant(watch.tookPart) : watch.broken;
            if (!broken.empty() || LordsInGame() <= 1) break;
            if (pressure != nullptr && pressure->CastleFellRound() != 0) break;
            if (g.currentLord <= last) break;
            last = g.currentLord;
        }
        std::fprintf(out, "%s\n", RoundLine(round, wasIn).c_str());
        PrintEvents(pressure, out);
        for (int p = 1; p <= logic::kLords; ++p)
            wasIn[p] = logic::InGame(p);
        if (!broken.empty()) break;
        // The passive lord stands for the player, whose game is lost with the castle.
        if (pressure != nullptr && pressure->CastleFellRound() != 0) {
            lostRound = round;
            break;
        }
        if (turns >= kTurnsPerRound) {
            broken = "the turn did not come round";
            break;
        }
        if (LordsInGame() <= 1 || g.gameOver) {
            for (int p = 1; p <= logic::kLords; ++p) {
                if (logic::InGame(p)) winner = p;
            }
            endRound = round;
            break;
        }
        ++round;
    }
    logic::Hooks().Clear();
    logic::InstallDialogs(nullptr);

    const std::string report =
        SizeLine(options.scenario, size) + "\n" + ThemeLines(size.theme, hasMainPlace, themeWatch);
    if (!broken.empty()) {
        std::fprintf(out, "invariant broken in round %d: %s\n", round, broken.c_str());
        std::fprintf(out, "%s\nresult: invariant broken in round %d\n", report.c_str(), round);
        return 1;
    }
    if (lostRound != 0) {
        std::fprintf(out, "summary: the castle of lord %d fell in round %d\n", options.passiveLord,
                     lostRound);
    } else if (winner != 0) {
        std::fprintf(out, "summary: lord %d won in round %d\n", winner, endRound);
    } else {
        std::string held =
            "summary: no winner after " + std::to_string(options.rounds) + " rounds;";
        for (int p = 1; p <= logic::kLords; ++p) {
            if (!logic::InGame(p)) continue;
            held += " lord " + std::to_string(p) + " holds " + std::to_string(CastlesHeld(p)) +
                    " castles and " + std::to_string(CitiesHeld(p)) + " cities;";
        }
        std::fprintf(out, "%s\n", held.c_str());
    }
    std::fprintf(out, "%s\n", report.c_str());
    if (pressure != nullptr) std::fprintf(out, "%s\n", pressure->SummaryLines().c_str());
    if (lostRound != 0)
        std::fprintf(out, "result: lord %d lost its castle in round %d\n", options.passiveLord,
                     lostRound);
    else
        std::fprintf(out, "%s\n", ResultLine(winner, endRound, options.rounds).c_str());
    return 0;
}

}  // namespace app
