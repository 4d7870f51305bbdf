// How the program was asked to start: the random seed a script may fix.
#pragma once

namespace screens {

struct StartOptions {
    bool fixedSeed = false;  // the console's --seed replaces the clock's seed
    unsigned seed = 0;
};

}  // namespace screens
