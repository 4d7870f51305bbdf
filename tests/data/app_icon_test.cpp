// The desktop icon: every size the desktop looks for is written as an RGBA PNG of that size,
// with transparent corners, an opaque middle and an ink-dark edge.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "app_icon.h"
#include "support/temp_dir.h"

namespace {

std::uint32_t BigEndian(const std::vector<unsigned char>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(AppIcon, EverySizeIsAnRgbaPngOfThatSize) {
    testsupport::TempDir dir;
    std::string error;
    ASSERT_TRUE(gendata::WriteAppIcons(dir.Path().string(), error)) << error;
    for (const int size : gendata::kAppIconSizes) {
        const std::string edge = std::to_string(size);
        const auto path = dir.Path() / "hicolor" / (edge + "x" + edge) / "apps" / "marchholt.png";
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_GT(bytes.size(), 33u);
        // The header chunk: width, height, bit depth 8, colour type 6 (RGBA).
        EXPECT_EQ(BigEndian(bytes, 16), static_cast<std::uint32_t>(size)) << path;
        EXPECT_EQ(BigEndian(bytes, 20), static_cast<std::uint32_t>(size)) << path;
        EXPECT_EQ(bytes[24], 8);
        EXPECT_EQ(bytes[25], 6) << path;
    }
}

TEST(AppIcon, CornersAreClearTheMiddleOpaqueAndTheEdgeInkDark) {
    for (const int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const gendata::AppIcon icon = gendata::PaintAppIcon(size);
        ASSERT_EQ(icon.colour.Width(), size);
        ASSERT_EQ(icon.alpha.Height(), size);
        const int last = size - 1;
        for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_FLOAT_EQ(icon.alpha.At(x, y).r, 0.0f);
        EXPECT_FLOAT_EQ(icon.alpha.At(size / 2, size / 2).r, 1.0f);
        // Half-covered pixels on the rim show the ink, not the light parchment around it:
        // the colour must not be thinned by the coverage when the picture is reduced.
        int rim = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const float a = icon.alpha.At(x, y).r;
                if (a <= 0.2f || a >= 0.8f) continue;
                ++rim;
                EXPECT_LT(gendata::Luma(icon.colour.At(x, y)), 0.45f) << x << "," << y;
            }
        }
        EXPECT_GT(rim, 0);
    }
}

}  // namespace
