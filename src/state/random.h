// The program's one random generator. Every draw of the game goes through it, so a game replays
// exactly for a given seed (the console and the tests seed it).
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <map>
#include <optional>

namespace state {

// A uniform integer in [0, n); 0 when n <= 0.
std::int32_t Random(std::int32_t n);

// A uniform integer in [a, b): a draw in [0, b - a) shifted by a; a when b <= a.
std::int32_t RandomBetween(std::int32_t a, std::int32_t b);

// Restarts the sequence. The generator is seeded from the clock on first use otherwise.
void SeedRandom(std::uint32_t seed);

// For tests that put a chance rule at its edge: while an object of this class lives, a draw of
// Random(n) for an n given a value here returns the next of those values instead of the
// generator's; every other draw comes from the generator as ever. One at a time.
class ScriptedDraws {
  public:
    ScriptedDraws();
    ~ScriptedDraws();
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    // The next draws of Random(n), in order; each must lie in [0, n) (std::out_of_range else).
    void Then(std::int32_t n, std::initializer_list<std::int32_t> values);
    // How many draws of Random(n) came from the script, and how many of its values are left.
    int Taken(std::int32_t n) const;
    int Left(std::int32_t n) const;

    // The next scripted value for a draw of Random(n), if there is one.
    std::optional<std::int32_t> Next(std::int32_t n);

  private:
    std::map<std::int32_t, std::deque<std::int32_t>> left_;
    std::map<std::int32_t, int> taken_;
};

}  // namespace state
