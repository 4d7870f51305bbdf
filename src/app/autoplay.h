// A game played by computer lords alone, headless: marchholt-console --autoplay.
#pragma once

#include <cstdio>
#include <string>

namespace app {

struct AutoplayOptions {
    std::string scenario;  // base name of a scenario
    int rounds = 100;
    unsigned seed = 1;
};

// Plays the scenario with every taking-part lord a computer lord for the given rounds or until
// one lord is left, printing one line per round, a summary, the scenario's size, the use of its
// theme places and a result line to out. Returns 0 when it ran to
// its end with every invariant holding, 1 otherwise.
int RunAutoplay(const AutoplayOptions& options, std::FILE* out);

}  // namespace app
