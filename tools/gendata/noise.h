// Deterministic randomness for painting and composing: a small seeded generator and smooth
// value noise. Nothing depends on the clock or on addresses, so the same sources always give
// the same pictures and sounds.
#pragma once

#include <cstdint>
#include <string>

namespace gendata {

// 32-bit FNV-1a of a text; used to give every file its own fixed seed.
std::uint32_t HashText(const std::string& text);
std::uint32_t HashInts(std::uint32_t a, std::uint32_t b, std::uint32_t c = 0);

class Rng {
  public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t Next();
    // Uniform in [0, 1).
    float Unit() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }
    float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
    int Int(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

  private:
    std::uint32_t state_;
};

// Smooth value noise in [0, 1) on a unit lattice. With a period above 0 the noise repeats every
// `period` lattice cells in both directions (tiles that meet seamlessly use this).
float ValueNoise(float x, float y, std::uint32_t seed, int period = 0);
// Fractal sum of octaves, normalised to [0, 1). Each octave doubles the frequency (and the
// period, so a periodic sum stays periodic with the base period).
float Fbm(float x, float y, std::uint32_t seed, int octaves, int period = 0);

}  // namespace gendata
