#include "platform/viewport.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// Source positions in 16.16 fixed point: the centre of window pixel d maps to
// (d + 0.5) * canvas / area - 0.5 on the canvas.
struct Tap {
    int i0 = 0, i1 = 0;  // the two canvas pixels
    int frac = 0;        // weight of i1, 0..256
};

Tap TapFor(int d, int canvas, int area) {
    const std::int64_t pos =
        ((2 * static_cast<std::int64_t>(d) + 1) * canvas * 65536) / (2 * std::int64_t{area}) -
        32768;
    Tap t;
    if (pos <= 0) return t;  // left of the first pixel's centre: the first pixel
    t.i0 = static_cast<int>(pos >> 16);
    t.frac = static_cast<int>((pos & 0xFFFF) >> 8);
    t.i1 = t.i0 + 1;
    if (t.i1 >= canvas) {
        t.i0 = t.i1 = canvas - 1;
        t.frac = 0;
    }
    return t;
}

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, int f) {
    const std::uint32_t rbA = a & 0x00FF00FFu, gA = (a >> 8) & 0x00FF00FFu;
    const std::uint32_t rbB = b & 0x00FF00FFu, gB = (b >> 8) & 0x00FF00FFu;
    const auto uf = static_cast<std::uint32_t>(f), nf = 256u - uf;
    const std::uint32_t rb = ((rbA * nf + rbB * uf) >> 8) & 0x00FF00FFu;
    const std::uint32_t g = ((gA * nf + gB * uf) >> 8) & 0x00FF00FFu;
    return rb | (g << 8);
}

}  // namespace

Viewport Viewport::Fit(int canvasW, int canvasH, int windowW, int windowH) {
    Viewport v;
    v.canvasW = canvasW;
    v.canvasH = canvasH;
    if (canvasW <= 0 || canvasH <= 0 || windowW <= 0 || windowH <= 0) return v;
    int w = windowW, h = windowH;
    // 64-bit products: a window and a canvas of a few thousand pixels each overflow 32 bits
    // only in theory, but the comparison must not.
    if (std::int64_t{windowW} * canvasH <= std::int64_t{windowH} * canvasW) {
        h = std::max(1, static_cast<int>(std::int64_t{canvasH} * windowW / canvasW));
    } else {
        w = std::max(1, static_cast<int>(std::int64_t{canvasW} * windowH / canvasH));
    }
    v.area = Rect{(windowW - w) / 2, (windowH - h) / 2, w, h};
    return v;
}

void Viewport::ToCanvas(int windowX, int windowY, int& canvasX, int& canvasY) const {
    if (area.w <= 0 || area.h <= 0) {
        canvasX = windowX;
        canvasY = windowY;
        return;
    }
    // Floor division, so that a position left of or above the canvas stays negative.
    auto map = [](int d, int canvas, int size) {
        const std::int64_t n = std::int64_t{d} * canvas;
        return static_cast<int>(n >= 0 ? n / size : -((-n + size - 1) / size));
    };
    canvasX = map(windowX - area.x, canvasW, area.w);
    canvasY = map(windowY - area.y, canvasH, area.h);
}

Rect Viewport::WindowAreaOf(const Rect& canvasArea) const {
    if (area.w <= 0 || area.h <= 0 || canvasArea.w <= 0 || canvasArea.h <= 0) return Rect{};
    if (Unscaled()) {
        return Rect{area.x + canvasArea.x, area.y + canvasArea.y, canvasArea.w, canvasArea.h};
    }
    // A window pixel blends two neighbouring canvas pixels: widen by one and round out.
    auto span = [](int from, int to, int canvas, int size, int& d0, int& d1) {
        from = std::max(0, from - 1);
        to = std::min(canvas, to + 1);
        d0 = static_cast<int>(std::int64_t{from} * size / canvas);
        d1 = static_cast<int>((std::int64_t{to} * size + canvas - 1) / canvas);
        d0 = std::max(0, d0);
        d1 = std::min(size, d1);
    };
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    span(canvasArea.x, canvasArea.x + canvasArea.w, canvasW, area.w, x0, x1);
    span(canvasArea.y, canvasArea.y + canvasArea.h, canvasH, area.h, y0, y1);
    if (x1 <= x0 || y1 <= y0) return Rect{};
    return Rect{area.x + x0, area.y + y0, x1 - x0, y1 - y0};
}

void ScaleArea(const std::uint32_t* src, int srcStride, const Viewport& v, const Rect& windowArea,
               std::uint32_t* out, int outStride) {
    if (v.area.w <= 0 || v.area.h <= 0 || v.canvasW <= 0 || v.canvasH <= 0) return;
    std::vector<Tap> columns(static_cast<std::size_t>(std::max(0, windowArea.w)));
    for (int i = 0; i < windowArea.w; ++i) {
        columns[static_cast<std::size_t>(i)] =
            TapFor(windowArea.x - v.area.x + i, v.canvasW, v.area.w);
    }
    for (int j = 0; j < windowArea.h; ++j) {
        const Tap row = TapFor(windowArea.y - v.area.y + j, v.canvasH, v.area.h);
        const std::uint32_t* r0 = src + static_cast<std::ptrdiff_t>(row.i0) * srcStride;
        const std::uint32_t* r1 = src + static_cast<std::ptrdiff_t>(row.i1) * srcStride;
        std::uint32_t* o = out + static_cast<std::ptrdiff_t>(j) * outStride;
        for (int i = 0; i < windowArea.w; ++i) {
            const Tap& c = columns[static_cast<std::size_t>(i)];
            const std::uint32_t top = Lerp(r0[c.i0], r0[c.i1], c.frac);
            const std::uint32_t bottom = Lerp(r1[c.i0], r1[c.i1], c.frac);
            o[i] = Lerp(top, bottom, row.frac) | 0xFF000000u;
        }
    }
}

}  // namespace platform
