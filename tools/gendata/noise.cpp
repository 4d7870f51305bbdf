#include "noise.h"

#include <cmath>

namespace gendata {

std::uint32_t HashText(const std::string& text) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : text) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

std::uint32_t HashInts(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    std::uint32_t h =
        a * 0x27d4eb2du ^ (b + 0x165667b1u) * 0x9E3779B1u ^ (c + 0x61C88647u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

std::uint32_t Rng::Next() {
    // xorshift32 with a final multiply for better low bits.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ * 0x9E3779BBu;
}

namespace {

float Lattice(int x, int y, std::uint32_t seed, int period) {
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    return static_cast<float>(
               HashInts(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) >> 8) *
           (1.0f / 16777216.0f);
}

float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed, int period) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const float a = Lattice(ix, iy, seed, period);
    const float b = Lattice(ix + 1, iy, seed, period);
    const float c = Lattice(ix, iy + 1, seed, period);
    const float d = Lattice(ix + 1, iy + 1, seed, period);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves, int period) {
    float sum = 0;
    float amplitude = 1;
    float total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * ValueNoise(x, y, seed + static_cast<std::uint32_t>(o) * 101u, period);
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2;
        y *= 2;
        if (period > 0) period *= 2;
    }
    return sum / total;
}

}  // namespace gendata
