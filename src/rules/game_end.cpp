// The end of the game, with the unlocking of the next scenario and difficulty level.
#include "rules/game_end.h"

#include <algorithm>

#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/progress_file.h"

namespace logic {

namespace {

constexpr int kLastUnlock = 12;

void WriteProgressOrReport() {
    std::string error;
    if (!state::WriteProgress(error)) Hooks().Screens().ReportError(error);
}

void Unlock(const char* text) {
    WriteProgressOrReport();
    Hooks().Sound().PlayReward(1);
    UI().ShowShortNotice(text, "Continue");
}

}  // namespace

void WinGame(const std::string& picture, const std::string& text) {
    state::GameState& g = state::G();
    Hooks().Sound().PlayReward(3);
    UI().ShowGameOver("Victory!", picture, text);
    if (g.scenariosUnlocked == g.playedScenario && g.scenariosUnlocked < kLastUnlock) {
        g.scenariosUnlocked += 1;
        Unlock("Congratulations! A new scenario has become available!");
    }
    const int c = CurrentLordChecked();
    const int d = c != 0 ? LordRecord(c)[state::Lord::difficulty] : 0;
    const int u = g.difficultyUnlocked;
    if (d >= u && u < kLastUnlock) {
        // The highest level there is stays the limit, whatever the lord's stored level.
        g.difficultyUnlocked = std::min(d > u ? d + 1 : u + 1, kLastUnlock);
        Unlock("Congratulations! A new difficulty level has become available!");
    }
    Hooks().Timers().DisableAllTimers();
    g.gameOver = true;
    g.returnToMenu = true;
    Hooks().Screens().CloseStrategicWindow();
}

bool CheckGameEnd() {
    state::GameState& g = state::G();
    const int h = HumanLord();
    if (h > 0 && LordRecord(h)[state::Lord::inGame] == 0) {
        Hooks().Timers().DisableAllTimers();
        Hooks().Sound().PlayReward(1);
        UI().ShowGameOver("Game lost!", "m2_defeat.jpg",
                          "With your castle conquered, your men scattered and your head placed on "
                          "a spear your adventures have finally come to an end. Next time defend "
                          "your castle and do not forget to crawl enough dungeons for gold.");
    } else {
        for (int p = 1; p <= kLords; ++p) {
            if (IsComputer(p) && InGame(p)) return false;
        }
        WinGame("m2_victory.jpg",
                "With the other lords defeated you become the new king of the empire. But ... "
                "there are rumors about a new threat from the north, far beyond the mountains. "
                "However this is a different story to be told at a different time.");
        return true;
    }
    g.gameOver = true;
    g.returnToMenu = true;
    Hooks().Screens().CloseStrategicWindow();
    return true;
}

}  // namespace logic
