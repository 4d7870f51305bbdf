// marchholt-console [--seed N] [SCRIPT]: the real program on the headless backend, driven by a
// script from SCRIPT or standard input. Exit status 0 when the script ran to its end with no
// failed expect, 1 when an expect failed or a command could not be carried out, 2 for a
// malformed script (found before it runs, or at a call or set it cannot mean, where it stops)
// or an option out of range.
// With --record FILE the run is written to FILE as it goes, a script that replays it.
// marchholt-console --autoplay SCENARIO --rounds N [--seed S] [--passive LORD] [--difficulty D]:
// a game of computer lords alone, or against one lord that holds still (see app/autoplay.h);
// exit status 0 when every invariant held.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/autoplay.h"
#include "app/autoplay_pressure.h"
#include "app/console_runner.h"
#include "app/explorer.h"
#include "app/game.h"
#include "app/script.h"
#include "app/script_registry.h"
#include "app/script_shrinker.h"
#include "app/session_recorder.h"
#include "platform/application.h"
#include "platform/files.h"

namespace {

constexpr const char* kUsage =
    "usage: marchholt-console [--seed N] [--desktop WxH] [--record FILE] [--shots DIR]\n"
    "                         [SCRIPT]\n"
    "       marchholt-console --autoplay SCENARIO --rounds N [--seed S] [--passive LORD]\n"
    "                         [--difficulty D]\n"
    "       marchholt-console --explore SCENARIO --actions N [--seed S] [--tutorial]\n"
    "       marchholt-console --shrink SCRIPT [--seed S] [--seconds N]\n"
    "\n"
    "Runs Marchholt without a window and feeds it a script, one command a line, from SCRIPT\n"
    "or standard input; prints the transcript. Exit status 0 when the script ran to its end\n"
    "with no failed expect, 1 when an expect failed or a command could not be carried out,\n"
    "2 for a malformed script.\n"
    "\n"
    "  --seed N     seed the random generator with N (0 to 4294967295) instead of the clock;\n"
    "               a script whose first command is `seed N` starts with that seed instead\n"
    "  --desktop WxH  the size of the pretend desktop (default 1440x900); below 1440 wide the\n"
    "               game draws on its 1024x768 canvas\n"
    "  --record FILE  write the run to FILE as it goes: the seed, then every command;\n"
    "               `marchholt-console FILE` replays it to the same transcript\n"
    "  --shots DIR  `screenshot PATH` writes below DIR instead of the current folder; a\n"
    "               script never writes outside it, nor over a file that is not a PNG\n"
    "  --autoplay SCENARIO  play a new game of SCENARIO with every lord a computer lord and\n"
    "               print one line per round; --rounds N rounds at most (1 to 1000000,\n"
    "               default 100)\n"
    "  --passive LORD  with --autoplay: lord LORD (one the scenario has) stands for a player\n"
    "               who never moves, builds or hires; its battles are fought automatically.\n"
    "               Prints each battle and each city or castle taken between lords, the round\n"
    "               of the first battle against LORD and the round its castle fell; the game\n"
    "               ends when it falls\n"
    "  --difficulty D  with --autoplay: the difficulty value of every lord: 1 (Very easy),\n"
    "               3 (Easy), 5 (Medium-Easy), 7 (Medium), 9 (Medium-Difficult),\n"
    "               10 (Difficult) or 12 (God-like); default 1\n"
    "  --explore SCENARIO  random play through the real windows: a new game of SCENARIO, then\n"
    "               --actions N things a player could do (default 1000), each followed by\n"
    "               checks of the tables, the screens, the saves and the way out; prints a\n"
    "               summary, or the failure with a script that replays it (exit status 1)\n"
    "  --tutorial   with --explore: start the tutorial from the main menu (it plays on\n"
    "               desertofdarkness only) and print the furthest step it reached\n"
    "  --shrink SCRIPT  shorten a script that fails at its last command: drop commands while\n"
    "               it still fails there alike, for --seconds N (1 to 3600, default 120);\n"
    "               prints the short script\n"
    "  --help       print this help and exit\n";

// The most rounds --autoplay plays, and the most actions of --explore.
constexpr std::int64_t kMostRounds = 1'000'000;
constexpr std::int64_t kMostActions = 10'000'000;

// The number of an option, or a message and false when it is not a whole number in range.
bool OptionNumber(const char* option, const char* text, std::int64_t least, std::int64_t most,
                  std::int64_t& value) {
    if (app::ParseWholeNumber(text, least, most, value)) return true;
    std::fprintf(stderr,
                 "marchholt-console: %s wants a whole number from %lld to %lld, not \"%s\"\n",
                 option, static_cast<long long>(least), static_cast<long long>(most), text);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::string scriptPath, autoplay, explore, shrink, recordPath, shotFolder;
    std::int64_t shrinkSeconds = 120;
    std::int64_t actions = 1000;
    bool tutorial = false;
    std::int64_t seed = -1;
    std::int64_t rounds = 100;
    std::int64_t passive = 0, difficulty = 1;
    bool passiveGiven = false, difficultyGiven = false;
    int desktopW = 1440, desktopH = 900;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            if (!OptionNumber("--seed", argv[++i], 0, app::kLargestSeed, seed)) return 2;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--record") == 0 && i + 1 < argc) {
            recordPath = argv[++i];
        } else if (std::strcmp(argv[i], "--shots") == 0 && i + 1 < argc) {
            shotFolder = argv[++i];
        } else if (std::strcmp(argv[i], "--autoplay") == 0 && i + 1 < argc) {
            autoplay = argv[++i];
        } else if (std::strcmp(argv[i], "--explore") == 0 && i + 1 < argc) {
            explore = argv[++i];
        } else if (std::strcmp(argv[i], "--actions") == 0 && i + 1 < argc) {
            if (!OptionNumber("--actions", argv[++i], 1, kMostActions, actions)) return 2;
        } else if (std::strcmp(argv[i], "--shrink") == 0 && i + 1 < argc) {
            shrink = argv[++i];
        } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            if (!OptionNumber("--seconds", argv[++i], 1, 3600, shrinkSeconds)) return 2;
        } else if (std::strcmp(argv[i], "--tutorial") == 0) {
            tutorial = true;
        } else if (std::strcmp(argv[i], "--desktop") == 0 && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &desktopW, &desktopH) != 2 || desktopW < 640 ||
                desktopH < 480 || desktopW > 16384 || desktopH > 16384) {
                std::fprintf(stderr, "marchholt-console: --desktop wants WxH, e.g. 1024x768\n");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--passive") == 0 && i + 1 < argc) {
            if (!OptionNumber("--passive", argv[++i], 1, logic::kLords, passive)) return 2;
            passiveGiven = true;
        } else if (std::strcmp(argv[i], "--difficulty") == 0 && i + 1 < argc) {
            const char* text = argv[++i];
            if (!app::ParseWholeNumber(text, 0, 100, difficulty) ||
                !app::IsDifficultyValue(static_cast<int>(difficulty))) {
                std::fprintf(stderr, "marchholt-console: --difficulty wants %s, not \"%s\"\n",
                             app::DifficultyChoices().c_str(), text);
                return 2;
            }
            difficultyGiven = true;
        } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            if (!OptionNumber("--rounds", argv[++i], 1, kMostRounds, rounds)) return 2;
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            std::fprintf(stderr, "%s", kUsage);
            return 2;
        } else {
            scriptPath = argv[i];
        }
    }
    if (!recordPath.empty() && (!explore.empty() || !shrink.empty() || !autoplay.empty())) {
        std::fprintf(stderr, "marchholt-console: --record records a script's run only\n");
        return 2;
    }
    if ((passiveGiven || difficultyGiven) && autoplay.empty()) {
        std::fprintf(stderr, "marchholt-console: --passive and --difficulty go with --autoplay\n");
        return 2;
    }
    if (!explore.empty()) {
        app::ExploreOptions options;
        options.scenario = explore;
        options.actions = static_cast<int>(actions);
        options.seed = seed >= 0 ? static_cast<unsigned>(seed) : 1u;
        options.tutorial = tutorial;
        options.desktopWidth = desktopW;
        options.desktopHeight = desktopH;
        options.program = std::filesystem::canonical("/proc/self/exe").string();
        return app::RunExplorer(options, stdout);
    }
    if (!shrink.empty()) {
        const app::ReplaySetup setup{std::filesystem::canonical("/proc/self/exe").string(),
                                     seed >= 0 ? static_cast<unsigned>(seed) : 1u, desktopW,
                                     desktopH};
        return app::RunShrink(setup, shrink, static_cast<int>(shrinkSeconds), stdout);
    }
    if (!autoplay.empty()) {
        platform::UseFiles(platform::Files::FromEnvironment(argv[0]));
        app::AutoplayOptions options;
        options.scenario = autoplay;
        options.rounds = static_cast<int>(rounds);
        options.seed = seed >= 0 ? static_cast<unsigned>(seed) : 1u;
        options.passiveLord = static_cast<int>(passive);
        options.difficulty = static_cast<int>(difficulty);
        const int status = app::RunAutoplay(options, stdout);
        std::fflush(stdout);
        return status;
    }
    std::string text, error;
    bool read = false;
    if (scriptPath.empty() || scriptPath == "-") {
        read = app::ReadScriptText(std::cin, text, error);
    } else {
        std::ifstream in(scriptPath);
        if (!in) {
            std::fprintf(stderr, "marchholt-console: cannot read %s\n", scriptPath.c_str());
            return 2;
        }
        read = app::ReadScriptText(in, text, error);
    }
    std::vector<app::ScriptCommand> script;
    if (!read || !app::ParseScript(text, script, error)) {
        std::fprintf(stderr, "marchholt-console: %s\n", error.c_str());
        return 2;
    }

    // A script that begins with a seed starts the game with it, as a recording does: the draws
    // made before its first command come from that seed too.
    if (!script.empty() && script.front().verb == "seed") {
        seed = script.front().number;
        script.erase(script.begin());
    }
    if (!recordPath.empty() && seed < 0) seed = app::SeedFromClock();

    platform::UseFiles(platform::Files::FromEnvironment(argv[0]));
    platform::AppOptions options;
    options.headless = true;
    options.desktopWidth = desktopW;
    options.desktopHeight = desktopH;
    platform::Application application(options);
    if (!application.Init(error)) {
        std::fprintf(stderr, "marchholt-console: %s\n", error.c_str());
        return 1;
    }
    auto print = [](const std::string& line) { std::fprintf(stdout, "%s\n", line.c_str()); };
    application.SetTraceSink(print);

    app::ScriptRegistry registry;
    app::ConsoleRunner runner(application, registry, std::move(script), print);
    runner.SetScreenshotFolder(shotFolder);
    app::SessionRecorder recorder(application);
    if (!recordPath.empty()) {
        if (!recorder.Open(recordPath, error)) {
            std::fprintf(stderr, "marchholt-console: %s\n", error.c_str());
            return 2;
        }
        recorder.Start(static_cast<unsigned>(seed), desktopW, desktopH);
        runner.OnCommand([&recorder](const app::ScriptCommand& cmd) { recorder.Command(cmd); });
    }
    application.SetIdleHook([&runner] { return runner.OnIdle(); });
    app::GameOptions game;
    game.registry = &registry;
    game.fixedSeed = seed >= 0;
    game.seed = static_cast<unsigned>(seed);
    const int status = app::RunMarchholt(application, game);
    std::fflush(stdout);
    if (runner.Refused()) {
        std::fprintf(stderr, "marchholt-console: %s\n", runner.Refusal().c_str());
        return 2;
    }
    if (status != 0) return status;
    return runner.Failed() ? 1 : 0;
}
