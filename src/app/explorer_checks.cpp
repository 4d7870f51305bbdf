// The checks of random play, as console operations.
#include "app/explorer_checks.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/autoplay_invariants.h"
#include "app/script_registry.h"
#include "app/way_out.h"
#include "platform/application.h"
#include "rules/lords.h"
#include "screens/game_screens.h"
#include "screens/shown_values.h"
#include "screens/tfcampaign1.h"
#include "state/game_state.h"
#include "state/saved_game_check.h"
#include "state/saved_games.h"

namespace app {

namespace {

// Whether a game is running: the strategic window is open and the game is not over.
bool GameRunning(screens::GameScreens& screens) {
    return screens.Campaign().Visible() && !state::G().gameOver;
}

std::string TablesFault() {
    const state::GameState& g = state::G();
    // A lord out of the game took part when its army is gone (a fallen castle takes it); a lord
    // that never took part keeps the untouched record of the scenario.
    bool tookPart[logic::kLords + 1] = {};
    for (int p = 1; p <= logic::kLords; ++p)
        tookPart[p] = logic::InGame(p) || g.army[p][state::Army::present] <= 0;
    if (std::string broken = BrokenInvariant(tookPart); !broken.empty()) return broken;
    // Between the death blow in a dungeon and the answer to its message the hero lies dead
    // inside; nothing can be saved then, and everything else must still hold.
    if (g.inDungeon == 1 && logic::ValidLord(g.dungeonLord) &&
        g.hero[g.dungeonLord][state::Hero::health] <= 0) {
        auto alive = std::make_unique<state::GameState>(g);
        alive->hero[g.dungeonLord][state::Hero::health] = 1;
        return state::SavedGameFault(*alive);
    }
    return state::SavedGameFault(g);
}

std::string SlotsFault() {
    auto scratch = std::make_unique<state::GameState>();
    for (int slot = state::kFirstSlot; slot <= state::kAutoSlot; ++slot) {
        if (!state::SlotExists(slot)) continue;
        std::string error;
        if (!state::LoadGame(slot, error, *scratch))
            return "slot " + std::to_string(slot) + " does not load: " + error;
    }
    return {};
}

// Plays the way out in a copy of the whole program (a child process) and tells how it ended.
std::string GoOnFault(platform::Application& app, const ScriptRegistry& registry) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return "cannot make a pipe for the copy of the game";
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return "cannot copy the running game (fork)";
    }
    if (child == 0) {
        close(pipeEnds[0]);
        // The copy prints nothing: the transcript is the original's.
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, STDOUT_FILENO);
        alarm(120);  // a way out that hangs in the program itself ends the copy
        app.SetTraceSink(nullptr);
        auto wayOut = std::make_shared<WayOut>(app, registry);
        const int out = pipeEnds[1];
        app.SetIdleHook([wayOut, out] {
            if (wayOut->OnIdle()) return true;
            const std::string result = wayOut->Passed() ? std::string() : wayOut->Failure();
            const ssize_t written = write(out, result.data(), result.size());
            _exit(written == static_cast<ssize_t>(result.size()) && wayOut->Passed() ? 0 : 1);
        });
        return {};  // the copy goes on in its message loop with the way out
    }
    close(pipeEnds[1]);
    std::string message;
    char buffer[512];
    ssize_t n = 0;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
    if (!message.empty()) return message;
    if (WIFSIGNALED(status))
        return std::string("the copy of the game ended with signal ") + strsignal(WTERMSIG(status));
    return "the copy of the game ended without reaching the main menu";
}

ScriptRegistry::Operation Check(std::function<std::string()> fault) {
    return [fault = std::move(fault)](const CallArgs&, std::string& result, std::string& error) {
        error = fault();
        result = "held";
        return error.empty();
    };
}

}  // namespace

void RegisterExplorerChecks(ScriptRegistry& registry, screens::GameScreens& screens) {
    registry.AddCall("CheckShownValues", {}, Check([&screens] {
                         std::string faults;
                         for (const std::string& f : screens::ShownValueFaults(screens))
                             faults += (faults.empty() ? "" : "; ") + f;
                         return faults;
                     }));
    registry.AddCall("CheckTables", {}, Check([&screens] {
                         return GameRunning(screens) ? TablesFault() : std::string();
                     }));
    registry.AddCall("CheckSlots", {}, Check([] { return SlotsFault(); }));
    registry.AddCall("CheckGoOn", {}, Check([&screens, &registry] {
                         return GameRunning(screens) ? GoOnFault(screens.App(), registry)
                                                     : std::string();
                     }));
}

}  // namespace app
