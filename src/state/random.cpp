#include "state/random.h"

#include <chrono>
#include <limits>
#include <random>

namespace state {

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}

}  // namespace

std::int32_t Random(std::int32_t n) {
    if (n <= 0) return 0;
    // Our own reduction instead of std::uniform_int_distribution, whose output is not the same
    // across standard libraries: draws below 2^32 mod n are thrown away so that every result
    // is equally likely, then the draw is reduced modulo n.
    const auto range = static_cast<std::uint32_t>(n);
    const std::uint32_t reject = (0u - range) % range;
    std::uint32_t draw = 0;
    do {
        draw = static_cast<std::uint32_t>(Generator()());
    } while (draw < reject);
    return static_cast<std::int32_t>(draw % range);
}

std::int32_t RandomBetween(std::int32_t a, std::int32_t b) {
    if (b <= a) return a;
    const std::int64_t width = static_cast<std::int64_t>(b) - a;
    if (width > std::numeric_limits<std::int32_t>::max()) {
        return static_cast<std::int32_t>(a + static_cast<std::int64_t>(Generator()() % width));
    }
    return a + Random(static_cast<std::int32_t>(width));
}

void SeedRandom(std::uint32_t seed) {
    Generator().seed(seed);
}

}  // namespace state
