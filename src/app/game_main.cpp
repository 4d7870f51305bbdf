// The game's entry point: reads the few command-line options and runs the game in a window.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/game.h"
#include "platform/application.h"
#include "platform/files.h"

namespace {

constexpr const char* kUsage =
    "usage: marchholt [--windowed] [--help]\n"
    "\n"
    "Marchholt, a fantasy strategy game with dungeon crawling.\n"
    "\n"
    "  --windowed   start in a window instead of full screen\n"
    "  --help       print this help and exit\n"
    "\n"
    "Keys: F11 or Alt+Enter switches between window and full screen at any time;\n"
    "the choice is remembered.\n"
    "\n"
    "Folders:\n"
    "  data (read only)  $MARCHHOLT_DATA, else data/ beside the program,\n"
    "                    else ../share/marchholt relative to it\n"
    "  user (saved games, progress, settings)\n"
    "                    $XDG_DATA_HOME/marchholt, by default ~/.local/share/marchholt\n";

}  // namespace

int main(int argc, char** argv) {
    platform::AppOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
            options.windowed = true;
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
    return app::RunMarchholt(application, app::GameOptions{});
}
