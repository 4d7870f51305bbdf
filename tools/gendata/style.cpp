#include "style.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace gendata {

Rgb LordColour(int lord) {
    switch (lord) {
        case 1:
            return {0.20f, 0.36f, 0.74f};
        case 2:
            return {0.22f, 0.56f, 0.24f};
        case 3:
            return {0.76f, 0.16f, 0.13f};
        case 4:
            return {0.14f, 0.66f, 0.72f};
        default:
            return {0.5f, 0.5f, 0.5f};
    }
}

void Parchment(Canvas& c, float vignette) {
    const std::uint32_t s = c.seed;
    const float w = c.W();
    const float h = c.H();
    c.Each([&](float x, float y, Rgb& p) {
        const float stain = Fbm(x * 0.035f, y * 0.035f, s, 4);
        const float fibre = ValueNoise(x * 0.6f, y * 0.08f, s + 5);
        Rgb col = Mix(pal::kParchment, pal::kParchmentDark,
                      std::clamp((stain - 0.35f) * 1.2f, 0.0f, 0.8f));
        col = col * (0.97f + 0.05f * fibre);
        const float dx = (x / w - 0.5f) * 2;
        const float dy = (y / h - 0.5f) * 2;
        const float v = std::clamp(dx * dx * dx * dx + dy * dy * dy * dy, 0.0f, 1.0f);
        p = Mix(col, Rgb{0.55f, 0.40f, 0.22f}, v * vignette);
    });
}

void Sky(Canvas& c, Rgb top, Rgb bottom, float horizon, bool clouds) {
    const std::uint32_t s = c.seed + 17;
    c.Each([&](float x, float y, Rgb& p) {
        if (y > horizon + 1) return;
        const float t = std::clamp(y / std::max(horizon, 1.0f), 0.0f, 1.0f);
        Rgb col = Mix(top, bottom, t);
        if (clouds) {
            const float n = Fbm(x * 0.025f, y * 0.06f, s, 4);
            const float k = std::clamp((n - 0.55f) * 3.0f, 0.0f, 1.0f) * (1.0f - t * 0.5f);
            col = Mix(col, Mix(pal::kWhite, bottom, 0.3f), k * 0.7f);
        }
        p = Mix(p, col, 0.92f);
    });
}

void Ground(Canvas& c, Rgb colour, float horizon) {
    const std::uint32_t s = c.seed + 23;
    c.Each([&](float x, float y, Rgb& p) {
        const float edge = horizon + 3.0f * (Fbm(x * 0.03f, 0.5f, s, 3) - 0.5f) * 2;
        if (y < edge) return;
        const float t = std::clamp((y - horizon) / std::max(c.H() - horizon, 1.0f), 0.0f, 1.0f);
        const float n = Fbm(x * 0.05f, y * 0.08f, s + 1, 4);
        Rgb col = colour * (0.85f + 0.3f * n) * (1.05f - 0.2f * t);
        const float aa = c.PixelUnits();
        p = Mix(p, col, std::clamp((y - edge) / aa, 0.0f, 1.0f));
    });
}

void DungeonWall(Canvas& c, float lx, float ly) {
    const std::uint32_t s = c.seed + 31;
    const float diag = std::hypot(c.W(), c.H());
    c.Each([&](float x, float y, Rgb& p) {
        const float rowH = 11.0f;
        const int row = static_cast<int>(std::floor(y / rowH));
        const float off = (row % 2) * 8.0f;
        const float bw = 16.0f;
        const float bx = std::fmod(x + off + 1000.0f, bw);
        const float by = std::fmod(y, rowH);
        const int col = static_cast<int>(std::floor((x + off) / bw));
        const float mortar = std::min(std::min(bx, bw - bx), std::min(by, rowH - by));
        const float tone =
            0.8f + 0.35f *
                       static_cast<float>(HashInts(static_cast<std::uint32_t>(row),
                                                   static_cast<std::uint32_t>(col), s) %
                                          100) /
                       100.0f;
        const float n = Fbm(x * 0.15f, y * 0.15f, s, 3);
        Rgb col3 = pal::kStoneDark * (tone * (0.8f + 0.4f * n));
        if (mortar < 1.0f) col3 = col3 * 0.55f;
        const float d = std::hypot(x - lx, y - ly) / diag;
        const float light = std::clamp(1.25f - d * 2.2f, 0.15f, 1.1f);
        p = col3 * light * Rgb{1.05f, 0.92f, 0.78f};
    });
}

void Finish(Image& img, std::uint32_t seed, float vignette) {
    const float w = static_cast<float>(img.Width());
    const float h = static_cast<float>(img.Height());
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            Rgb& p = img.At(x, y);
            const float grain = static_cast<float>(HashInts(static_cast<std::uint32_t>(x),
                                                            static_cast<std::uint32_t>(y), seed) %
                                                   1000) /
                                    1000.0f -
                                0.5f;
            p = p * (1.0f + 0.035f * grain);
            const float dx = (static_cast<float>(x) + 0.5f) / w * 2 - 1;
            const float dy = (static_cast<float>(y) + 0.5f) / h * 2 - 1;
            const float v = std::clamp((dx * dx + dy * dy) * 0.5f, 0.0f, 1.0f);
            p = p * (1.0f - vignette * v * v);
            // A warm, slightly faded print.
            p = Mix(p, p * Rgb{1.03f, 0.99f, 0.9f}, 0.5f);
        }
    }
}

}  // namespace gendata
