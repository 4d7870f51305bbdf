// A game played by computer lords alone, headless: marchholt-console --autoplay.
#pragma once

#include <cstdio>
#include <string>

namespace app {

struct AutoplayOptions {
    std::string scenario;  // base name of a scenario
    int rounds = 100;
    unsigned seed = 1;
    // The difficulty value every lord gets (1 "Very easy" to 12 "God-like").
    int difficulty = 1;
    // A lord that holds still as a human who never acts, and whose pressure is reported; 0 for
    // none.
    int passiveLord = 0;
};

// Plays the scenario with every taking-part lord a computer lord for the given rounds or until
// one lord is left, printing one line per round, a summary, the scenario's size, the use of its
// theme places and a result line to out. With a passive lord it also prints the battles and
// conquests between lords after each round and the passive lord's pressure lines, and it ends
// when that lord's castle falls. Returns 0 when it ran to its end with every invariant holding,
// 1 otherwise, and 2 with a message to err when the passive lord or the difficulty is none the
// scenario has.
int RunAutoplay(const AutoplayOptions& options, std::FILE* out, std::FILE* err = stderr);

}  // namespace app
