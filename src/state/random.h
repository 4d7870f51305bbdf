// The program's one random generator. Every draw of the game goes through it, so a game replays
// exactly for a given seed (the console and the tests seed it).
#pragma once

#include <cstdint>

namespace state {

// A uniform integer in [0, n); 0 when n <= 0.
std::int32_t Random(std::int32_t n);

// A uniform integer in [a, b): a draw in [0, b - a) shifted by a; a when b <= a.
std::int32_t RandomBetween(std::int32_t a, std::int32_t b);

// Restarts the sequence. The generator is seeded from the clock on first use otherwise.
void SeedRandom(std::uint32_t seed);

}  // namespace state
