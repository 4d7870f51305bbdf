// The canvas in a window of another size: the fit, the mouse mapping, and that redrawing only
// the changed part of the window gives the same pixels as redrawing all of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/viewport.h"

namespace {

using platform::Rect;
using platform::Viewport;

struct Size {
    int w, h;
};

TEST(Viewport, FitKeepsTheAspectCentredInsideTheWindow) {
    const Size canvases[] = {{1440, 900}, {1024, 768}, {800, 600}};
    const Size windows[] = {{1920, 1080}, {1920, 1200}, {1024, 768}, {1280, 1024},
                            {3840, 2160}, {640, 480},   {1441, 901}, {300, 900}};
    for (const Size c : canvases) {
        for (const Size w : windows) {
            const Viewport v = Viewport::Fit(c.w, c.h, w.w, w.h);
            SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " in " +
                         std::to_string(w.w) + "x" + std::to_string(w.h));
            EXPECT_TRUE(v.area.x >= 0 && v.area.y >= 0);
            EXPECT_LE(v.area.x + v.area.w, w.w);
            EXPECT_LE(v.area.y + v.area.h, w.h);
            // One side fills the window; the bars on the other are equal to within a pixel.
            EXPECT_TRUE(v.area.w == w.w || v.area.h == w.h);
            EXPECT_LE(std::abs((w.w - v.area.w) - 2 * v.area.x), 1);
            EXPECT_LE(std::abs((w.h - v.area.h) - 2 * v.area.y), 1);
            // The aspect is kept to within the rounding of one pixel.
            const double want = static_cast<double>(c.w) / c.h;
            EXPECT_NEAR(static_cast<double>(v.area.w) / v.area.h, want, want / v.area.h + 1e-9);
        }
    }
    EXPECT_TRUE(Viewport::Fit(1440, 900, 1440, 900).Unscaled());
    EXPECT_TRUE(Viewport::Fit(1440, 900, 1440, 1000).Unscaled());
    EXPECT_EQ(Viewport::Fit(1440, 900, 1440, 1000).area.y, 50);
    EXPECT_FALSE(Viewport::Fit(1440, 900, 1439, 900).Unscaled());
    // A window without pixels (minimised) gives an empty viewport, not a division by zero.
    EXPECT_EQ(Viewport::Fit(1440, 900, 0, 0).area.w, 0);
}

TEST(Viewport, MousePositionsMapBackToTheCanvas) {
    const Viewport v = Viewport::Fit(1440, 900, 1920, 1080);  // bars left and right
    int x = 0, y = 0;
    v.ToCanvas(v.area.x, v.area.y, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    v.ToCanvas(v.area.x + v.area.w - 1, v.area.y + v.area.h - 1, x, y);
    EXPECT_EQ(x, 1439);
    EXPECT_EQ(y, 899);
    // On the bars the position lies outside the canvas, on the side of the bar.
    v.ToCanvas(v.area.x - 1, 500, x, y);
    EXPECT_LT(x, 0);
    v.ToCanvas(v.area.x + v.area.w, 500, x, y);
    EXPECT_GE(x, 1440);
    // Unscaled with bars: only moved.
    const Viewport moved = Viewport::Fit(1440, 900, 1440, 1000);
    moved.ToCanvas(700, 50 + 300, x, y);
    EXPECT_EQ(x, 700);
    EXPECT_EQ(y, 300);
}

std::vector<std::uint32_t> ScaleAll(const std::vector<std::uint32_t>& canvas, const Viewport& v) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(v.area.w * v.area.h));
    platform::ScaleArea(canvas.data(), v.canvasW, v, v.area, out.data(), v.area.w);
    return out;
}

TEST(Viewport, RedrawingTheChangedAreaMatchesAWholeRedraw) {
    const Size canvas{160, 100};
    const Size windows[] = {{160, 100}, {213, 133}, {400, 250}, {97, 61}, {61, 97}, {333, 100}};
    std::mt19937 rng(7);
    for (const Size w : windows) {
        const Viewport v = Viewport::Fit(canvas.w, canvas.h, w.w, w.h);
        SCOPED_TRACE(std::to_string(w.w) + "x" + std::to_string(w.h));
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(canvas.w * canvas.h));
        for (auto& p : pixels)
            p = rng() | 0xFF000000u;
        const std::vector<std::uint32_t> before = ScaleAll(pixels, v);
        for (int round = 0; round < 20; ++round) {
            Rect changed{static_cast<int>(rng() % canvas.w), static_cast<int>(rng() % canvas.h), 0,
                         0};
            changed.w = 1 + static_cast<int>(rng() % (canvas.w - changed.x));
            changed.h = 1 + static_cast<int>(rng() % (canvas.h - changed.y));
            if (round % 5 == 0) changed = Rect{canvas.w - 1, canvas.h - 1, 1, 1};  // a corner
            std::vector<std::uint32_t> after = pixels;
            for (int y = changed.y; y < changed.y + changed.h; ++y)
                for (int x = changed.x; x < changed.x + changed.w; ++x)
                    after[static_cast<std::size_t>(y * canvas.w + x)] = rng() | 0xFF000000u;
            const std::vector<std::uint32_t> whole = ScaleAll(after, v);

            const Rect area = v.WindowAreaOf(changed);
            ASSERT_GT(area.w, 0);
            ASSERT_GE(area.x, v.area.x);
            ASSERT_LE(area.x + area.w, v.area.x + v.area.w);
            ASSERT_LE(area.y + area.h, v.area.y + v.area.h);
            // Outside the area nothing changed ...
            for (int y = 0; y < v.area.h; ++y) {
                for (int x = 0; x < v.area.w; ++x) {
                    if (area.Contains(v.area.x + x, v.area.y + y)) continue;
                    const auto i = static_cast<std::size_t>(y * v.area.w + x);
                    ASSERT_EQ(whole[i], before[i]) << "pixel " << x << "," << y;
                }
            }
            // ... and inside it the partial redraw gives the whole redraw's pixels.
            std::vector<std::uint32_t> part(static_cast<std::size_t>(area.w * area.h));
            platform::ScaleArea(after.data(), canvas.w, v, area, part.data(), area.w);
            for (int y = 0; y < area.h; ++y) {
                for (int x = 0; x < area.w; ++x) {
                    const auto wi = static_cast<std::size_t>((area.y - v.area.y + y) * v.area.w +
                                                             area.x - v.area.x + x);
                    ASSERT_EQ(part[static_cast<std::size_t>(y * area.w + x)], whole[wi]);
                }
            }
        }
    }
}

TEST(Viewport, AtTheCanvasSizeTheScalerCopiesExactly) {
    const Viewport v = Viewport::Fit(7, 5, 7, 5);
    std::vector<std::uint32_t> pixels(35);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x030507u);
    EXPECT_EQ(ScaleAll(pixels, v), pixels);
    // A solid colour stays that colour at any scale (no darkened edges from the blend).
    std::vector<std::uint32_t> solid(35, 0xFF123456u);
    for (const Viewport s : {Viewport::Fit(7, 5, 20, 13), Viewport::Fit(7, 5, 3, 2)}) {
        for (std::uint32_t p : ScaleAll(solid, s))
            ASSERT_EQ(p, 0xFF123456u);
    }
}

}  // namespace
