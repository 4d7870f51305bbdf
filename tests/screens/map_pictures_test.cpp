#include <gtest/gtest.h>

#include "screens/map_pictures.h"

namespace {

using screens::TileName;

TEST(MapPictures, TileNamesFollowPrefixAndCode) {
    EXPECT_EQ(TileName(0, 101), "m2_coast1e.jpg");
    EXPECT_EQ(TileName(1, 318), "m2blue_corner5sw.jpg");
    EXPECT_EQ(TileName(3, 0), "m2_water1.jpg");  // the sea whatever the prefix
    EXPECT_EQ(TileName(0, 100), "m2_coast1n.jpg");
    EXPECT_EQ(TileName(2, 119), "m2green_coast5w.jpg");
    EXPECT_EQ(TileName(4, 205), "m2cyan_middle6.jpg");
    EXPECT_EQ(TileName(0, 300), "m2_corner1ne.jpg");
    EXPECT_EQ(TileName(0, 403), "m2_end1w.jpg");
    EXPECT_EQ(TileName(0, 423), "m2_end6w.jpg");
    EXPECT_EQ(TileName(0, 501), "m2_semiend1ew.jpg");
    EXPECT_EQ(TileName(0, 502), "m2_semiend2ns.jpg");
    EXPECT_EQ(TileName(0, 600), "m2_special1_a.jpg");
    EXPECT_EQ(TileName(1, 631), "m2blue_special8_d.jpg");
    EXPECT_EQ(TileName(0, 632), "m2_mountain1ne.jpg");
    EXPECT_EQ(TileName(0, 633), "m2_mountain1nw.jpg");
    EXPECT_EQ(TileName(0, 635), "m2_mountain1sw.jpg");
    // Codes in no table: the prefix and the extension alone.
    for (int code : {1, 99, 120, 206, 320, 424, 504, 636, -5}) {
        EXPECT_EQ(TileName(3, code), "m2red_.jpg") << code;
    }
}

TEST(MapPictures, SiteIconsByKindOwnerAndCountdown) {
    using screens::SiteIconName;
    EXPECT_EQ(SiteIconName(-1, 0, 0), "d2_icon_theme.bmp");
    EXPECT_EQ(SiteIconName(-3, 2, 5), "d2_icon_theme.bmp");
    EXPECT_EQ(SiteIconName(1, 0, 0), "d2_icon_village.bmp");
    EXPECT_EQ(SiteIconName(1, 4, 0), "d2_icon_village_cyan.bmp");
    EXPECT_EQ(SiteIconName(1, 1, 2), "d2_icon_village_grey.bmp");  // grey whatever the owner
    EXPECT_EQ(SiteIconName(1, 0, 1), "d2_icon_village_grey.bmp");
    // An owner that is no lord (a damaged file) draws the neutral village.
    EXPECT_EQ(SiteIconName(1, 5, 0), "d2_icon_village.bmp");
    EXPECT_EQ(SiteIconName(1, -1, 0), "d2_icon_village.bmp");
    EXPECT_EQ(SiteIconName(9, 1, 0), "d2_icon_event.bmp");
    EXPECT_EQ(screens::SpawnIconName(5), "d2_icon_stone.bmp");
    EXPECT_EQ(screens::SpawnIconName(6), "");
}

TEST(MapPictures, HourglassAndArmyPlaces) {
    using screens::HourglassName;
    EXPECT_EQ(HourglassName(0), "hourglass_0of100_sm.jpg");
    EXPECT_EQ(HourglassName(1), "hourglass_25of100_sm.jpg");
    EXPECT_EQ(HourglassName(3), "hourglass_75of100_sm.jpg");
    EXPECT_EQ(HourglassName(4), "hourglass_100of100_sm.jpg");
    EXPECT_EQ(HourglassName(100), "hourglass_100of100_sm.jpg");
    const auto alone = screens::PlaceArmy(3, 4, 2, false);
    EXPECT_EQ(alone.left, 150);
    EXPECT_EQ(alone.top, 50);
    EXPECT_EQ(alone.size, 50);
    const auto lord1 = screens::PlaceArmy(1, 4, 2, true);
    EXPECT_EQ(lord1.left, 152);
    EXPECT_EQ(lord1.top, 51);
    const auto lord4 = screens::PlaceArmy(4, 4, 2, true);
    EXPECT_EQ(lord4.left, 195);
    EXPECT_EQ(lord4.top, 90);
    EXPECT_EQ(lord4.size, 35);
    // A castle picture sits 8 pixels into its field: (1, 1) at (8, 8), (12, 11) at (558, 508).
    EXPECT_EQ(screens::CastleMarkerPlace(1, 1).left, 8);
    EXPECT_EQ(screens::CastleMarkerPlace(1, 1).top, 8);
    EXPECT_EQ(screens::CastleMarkerPlace(12, 11).left, 558);
    EXPECT_EQ(screens::CastleMarkerPlace(12, 11).top, 508);
}

}  // namespace
