// The game's entry point. The only command-line option is --windowed.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/game.h"
#include "platform/application.h"
#include "platform/files.h"

int main(int argc, char** argv) {
    platform::AppOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
            options.windowed = true;
        } else {
            std::fprintf(stderr, "usage: marchholt [--windowed]\n");
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
