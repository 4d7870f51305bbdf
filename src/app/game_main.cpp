// The game's entry point: reads the few command-line options and runs the game in a window.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/game.h"
#include "app/script.h"
#include "app/session_recorder.h"
#include "platform/application.h"
#include "platform/files.h"

namespace {

constexpr const char* kUsage =
    "usage: marchholt [--windowed] [--seed N] [--record FILE] [--help]\n"
    "\n"
    "Marchholt, a fantasy strategy game with dungeon crawling.\n"
    "\n"
    "  --windowed   start in a window instead of full screen\n"
    "  --seed N     seed the random generator with N (0 to 4294967295) instead of the clock\n"
    "  --record FILE  write the game to FILE as it is played: the seed and every click, key\n"
    "               and typed text with the time between them, a script that\n"
    "               `marchholt-console FILE` replays (attach it to a bug report)\n"
    "  --help       print this help and exit\n"
    "\n"
    "Keys (F1 in the game lists those of the window in front):\n"
    "  every window  Return: the highlighted button   Escape: close or go back\n"
    "                F11 or Alt+Enter: full screen or a window (remembered)\n"
    "                F1: the list of keys\n"
    "  the map       arrows or keypad 8 6 2 4: move the army   H: hire   C: castle\n"
    "                P: portal home   S: skip   O: options   I: how to move\n"
    "  a battle      A: attack   F: flank   D: defend   Space: pause or go on\n"
    "                R: retreat   M: modify the battle commands   U: duel\n"
    "  a dungeon     arrows or keypad 8 6 2 4: next room   E: eat   L: leave   O: options\n"
    "  a duel        1: thrust   2: slash   3: smash   4: strike   5: divine healing\n"
    "                6: retreat\n"
    "\n"
    "Folders:\n"
    "  data (read only)  $MARCHHOLT_DATA, else data/ beside the program,\n"
    "                    else ../share/marchholt relative to it\n"
    "  user (saved games, progress, settings)\n"
    "                    $XDG_DATA_HOME/marchholt, by default ~/.local/share/marchholt\n";

}  // namespace

int main(int argc, char** argv) {
    platform::AppOptions options;
    app::GameOptions game;
    std::string recordPath;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
            options.windowed = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            std::int64_t seed = 0;
            if (!app::ParseWholeNumber(argv[++i], 0, app::kLargestSeed, seed)) {
                std::fprintf(stderr, "marchholt: --seed wants a whole number from 0 to %lld\n",
                             static_cast<long long>(app::kLargestSeed));
                return 2;
            }
            game.fixedSeed = true;
            game.seed = static_cast<unsigned>(seed);
        } else if (std::strcmp(argv[i], "--record") == 0 && i + 1 < argc) {
            recordPath = argv[++i];
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "marchholt: unknown option %s\n\n%s", argv[i], kUsage);
            return 2;
        }
    }
    platform::UseFiles(platform::Files::FromEnvironment(argv[0]));
    platform::Application application(options);
    std::string error;
    if (!application.Init(error)) {
        std::fprintf(stderr, "Marchholt cannot start: %s\n", error.c_str());
        return 1;
    }
    app::SessionRecorder recorder(application);
    if (!recordPath.empty()) {
        if (!recorder.Open(recordPath, error)) {
            std::fprintf(stderr, "marchholt: %s\n", error.c_str());
            return 2;
        }
        // The recording starts with the seed the game uses, drawn here when none was given.
        if (!game.fixedSeed) game.seed = app::SeedFromClock();
        game.fixedSeed = true;
        recorder.Start(game.seed, application.DesktopWidth(), application.DesktopHeight());
        application.SetInputObserver(&recorder);
    }
    return app::RunMarchholt(application, game);
}
