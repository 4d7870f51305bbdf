// Drawing on the canvas: a see-through fill darkens what lies under it by its alpha, inside its
// rectangle and the clip only.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "platform/canvas.h"
#include "platform/image.h"

namespace {

TEST(Canvas, ASeeThroughFillBlendsWithWhatLiesUnder) {
    platform::Canvas canvas(8, 8);
    canvas.SetClip(platform::Rect{0, 0, 8, 8});
    canvas.Fill(platform::Rect{0, 0, 8, 8}, platform::Color::Rgb(200, 100, 0));
    canvas.SetClip(platform::Rect{0, 0, 6, 8});
    canvas.Fill(platform::Rect{2, 2, 6, 4}, platform::Color{0, 0, 255, 51});  // a fifth
    const platform::ImagePtr shot = canvas.Snapshot();
    auto rgb = [&](int x, int y) {
        const std::uint32_t p = shot->PixelAt(x, y);
        return std::array<int, 3>{static_cast<int>((p >> 16) & 0xFF),
                                  static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
    };
    EXPECT_EQ(rgb(1, 1), (std::array<int, 3>{200, 100, 0}));  // outside the rectangle
    EXPECT_EQ(rgb(3, 3), (std::array<int, 3>{160, 80, 51}));  // 4/5 of under, 1/5 of blue
    EXPECT_EQ(rgb(5, 5), (std::array<int, 3>{160, 80, 51}));
    EXPECT_EQ(rgb(6, 3), (std::array<int, 3>{200, 100, 0}));  // beyond the clip
    EXPECT_EQ(rgb(3, 6), (std::array<int, 3>{200, 100, 0}));  // below the rectangle
}

}  // namespace
