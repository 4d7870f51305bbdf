#include "state/random.h"

#include <chrono>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

namespace state {

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}

// The script of the test that runs now, if any.
ScriptedDraws*& Script() {
    static ScriptedDraws* script = nullptr;
    return script;
}

}  // namespace

ScriptedDraws::ScriptedDraws() {
    if (Script() != nullptr) throw std::logic_error("one scripted draw list at a time");
    Script() = this;
}

ScriptedDraws::~ScriptedDraws() {
    Script() = nullptr;
}

void ScriptedDraws::Then(std::int32_t n, std::initializer_list<std::int32_t> values) {
    for (const std::int32_t v : values) {
        if (v < 0 || v >= n)
            throw std::out_of_range("a draw of Random(" + std::to_string(n) + ") cannot be " +
                                    std::to_string(v));
        left_[n].push_back(v);
    }
}

int ScriptedDraws::Taken(std::int32_t n) const {
    const auto it = taken_.find(n);
    return it == taken_.end() ? 0 : it->second;
}

int ScriptedDraws::Left(std::int32_t n) const {
    const auto it = left_.find(n);
    return it == left_.end() ? 0 : static_cast<int>(it->second.size());
}

std::optional<std::int32_t> ScriptedDraws::Next(std::int32_t n) {
    auto it = left_.find(n);
    if (it == left_.end() || it->second.empty()) return std::nullopt;
    const std::int32_t v = it->second.front();
    it->second.pop_front();
    ++taken_[n];
    return v;
}

std::int32_t Random(std::int32_t n) {
    if (n <= 0) return 0;
    if (ScriptedDraws* script = Script()) {
        if (const std::optional<std::int32_t> v = script->Next(n)) return *v;
    }
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
