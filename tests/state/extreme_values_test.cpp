// Arithmetic on values from files at the ends of the 32-bit range.
#include <gtest/gtest.h>

#include <limits>

#include "state/asset_names.h"
#include "state/int_math.h"

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(ExtremeFileValues, TileCodesOutsideEveryBlockHaveNoTile) {
    EXPECT_EQ(state::TileBaseName(kMin), "");
    EXPECT_EQ(state::TileBaseName(kMax), "");
    EXPECT_EQ(state::TileBaseName(99), "");
    EXPECT_EQ(state::TileBaseName(100), "coast1n");
    EXPECT_EQ(state::TileBaseName(635), "mountain1sw");
    EXPECT_EQ(state::TileBaseName(636), "");
    EXPECT_EQ(state::TileFileName(1, kMin), "m2blue_.jpg");
}

TEST(ExtremeFileValues, SumsHoldAtTheEndsAndDistancesDoNotWrap) {
    EXPECT_EQ(state::AddSaturated(kMax, 1), kMax);
    EXPECT_EQ(state::AddSaturated(kMax - 1, 1), kMax);
    EXPECT_EQ(state::AddSaturated(kMin, -4), kMin);
    EXPECT_EQ(state::AddSaturated(kMin + 3, -4), kMin);
    EXPECT_EQ(state::AddSaturated(kMin + 4, -4), kMin);
    EXPECT_EQ(state::AddSaturated(kMin + 5, -4), kMin + 1);
    EXPECT_EQ(state::AddSaturated(-7, 3), -4);
    EXPECT_EQ(state::Gap(kMin, kMax), 4294967295LL);
    EXPECT_EQ(state::Gap(kMax, kMin), 4294967295LL);
    EXPECT_EQ(state::Gap(3, 12), 9);
}

}  // namespace
