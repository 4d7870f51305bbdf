#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_text.h"
#include "terrain_grid.h"

namespace {

using namespace scenarios;

// A map from 11 rows of text; rows left out are filled with land.
MapText Map(std::vector<std::string> rows) {
    std::string text;
    rows.resize(kRows, std::string(kColumns, '.'));
    for (const std::string& r : rows)
        text += r + "\n";
    return ParseMapText(text, "map.txt");
}

tiles::Kind KindAt(const MapText& m, int x, int y) {
    return tiles::ShapeOf(DeriveTileCode(m.grid, x, y)).kind;
}

// Every pair of neighbours agrees on the side they share: a land tile draws sea on a side
// exactly when the neighbour there is water, so the sea band runs on from tile to tile.
void ExpectContinuousCoast(const MapText& m) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int code = DeriveTileCode(m.grid, x, y);
            if (code == tiles::kWater) continue;
            const int sea = tiles::ShapeOf(code).seaSides;
            const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
            const int side[4] = {tiles::kNorth, tiles::kEast, tiles::kSouth, tiles::kWest};
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                const bool water = OnMap(nx, ny) && DeriveTileCode(m.grid, nx, ny) == tiles::kWater;
                EXPECT_EQ((sea & side[d]) != 0, water)
                    << "field " << x << "," << y << " side " << d;
            }
        }
    }
}

TEST(TileDerivation, EachShapeOfCoastGetsItsFamily) {
    const MapText m = Map({
        "~~~~~~~~~~~~",  // y1
        "~....~~.~~..",  // y2: a strip x 8 from y 2 to y 4; a tongue at x 11..12
        "~....~~.~~~~",  // y3
        "~....~~.~~~~",  // y4
        "~~~~~~~~~~~~",  // y5
    });
    EXPECT_EQ(KindAt(m, 1, 1), tiles::Kind::Water);
    EXPECT_EQ(KindAt(m, 2, 2), tiles::Kind::Corner);  // sea north and west
    EXPECT_EQ(KindAt(m, 3, 2), tiles::Kind::Coast);   // sea north only
    EXPECT_EQ(KindAt(m, 5, 2), tiles::Kind::Corner);  // sea north and east
    EXPECT_EQ(KindAt(m, 3, 3), tiles::Kind::Middle);  // no sea around
    EXPECT_EQ(KindAt(m, 2, 3), tiles::Kind::Coast);   // sea west only
    EXPECT_EQ(KindAt(m, 8, 2), tiles::Kind::End);     // top of the strip, joined south
    EXPECT_EQ(tiles::ShapeOf(DeriveTileCode(m.grid, 8, 2)).seaSides,
              tiles::kNorth | tiles::kEast | tiles::kWest);
    EXPECT_EQ(KindAt(m, 8, 3), tiles::Kind::Semiend);  // the middle of the strip
    EXPECT_EQ(tiles::ShapeOf(DeriveTileCode(m.grid, 8, 3)).seaSides, tiles::kEast | tiles::kWest);
    EXPECT_EQ(KindAt(m, 8, 4), tiles::Kind::End);   // joined to the north
    EXPECT_EQ(KindAt(m, 11, 2), tiles::Kind::End);  // joined to the east
    EXPECT_EQ(tiles::ShapeOf(DeriveTileCode(m.grid, 11, 2)).seaSides,
              tiles::kNorth | tiles::kSouth | tiles::kWest);
    EXPECT_EQ(KindAt(m, 12, 2), tiles::Kind::Semiend);  // the map edge counts as land
    ExpectContinuousCoast(m);
}

TEST(TileDerivation, MountainsAndFeaturesStayInlandAndKeepTheirPictures) {
    const MapText m = Map({
        "............",
        ".^^^^.......",
        ".^^^^..w....",
        "............",
        "....^^......",
        "....^^......",
    });
    // Two blocks side by side: the quarters alternate ne/nw by the block, not by the row.
    EXPECT_EQ(DeriveTileCode(m.grid, 2, 2), tiles::MountainCode(false, false));
    EXPECT_EQ(DeriveTileCode(m.grid, 3, 2), tiles::MountainCode(true, false));
    EXPECT_EQ(DeriveTileCode(m.grid, 4, 2), tiles::MountainCode(false, false));
    EXPECT_EQ(DeriveTileCode(m.grid, 5, 3), tiles::MountainCode(true, true));
    EXPECT_EQ(DeriveTileCode(m.grid, 6, 6), tiles::MountainCode(true, true));
    EXPECT_EQ(KindAt(m, 8, 3), tiles::Kind::Special);
    EXPECT_EQ(tiles::ShapeOf(DeriveTileCode(m.grid, 8, 3)).variant, 0);  // 'w' is kind 1
    EXPECT_EQ(WalkableFor(m.grid.At(2, 2).terrain), 0);
    EXPECT_EQ(WalkableFor(m.grid.At(8, 3).terrain), 1);
    EXPECT_EQ(WalkableFor(Terrain::Water), 0);
}

TEST(TileDerivation, VariantsAreFixedByPositionAndVary) {
    const MapText m = Map({});
    std::vector<int> codes;
    for (int x = 1; x <= kColumns; ++x)
        codes.push_back(DeriveTileCode(m.grid, x, 5));
    EXPECT_EQ(codes[0], DeriveTileCode(Map({}).grid, 1, 5));
    int different = 0;
    for (std::size_t i = 1; i < codes.size(); ++i)
        different += codes[i] != codes[i - 1];
    EXPECT_GE(different, 6);
}

TEST(MapText, FaultsNameTheLineAndColumn) {
    auto error = [](const std::string& text) {
        try {
            ParseMapText(text, "map.txt");
        } catch (const SourceError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    std::string good;
    for (int y = 0; y < kRows; ++y)
        good += "............\n";
    EXPECT_EQ(error("# legend\n" + good), "accepted");
    std::string bad = "# legend\n" + good;
    bad[9 + 13 + 4] = '?';  // line 3, column 5
    EXPECT_EQ(error(bad), "map.txt:3:5: unknown map character '?'");
    EXPECT_EQ(error("# legend\n..........\n" + good.substr(13)),
              "map.txt:2:1: a map row has 12 fields, this one has 10");
    EXPECT_EQ(error(good.substr(13)), "map.txt:11:1: the map has 11 rows, this one 10");
    std::string mountain = good;
    mountain[13 * 4 + 3] = '^';  // line 5, column 4: a lone mountain
    EXPECT_EQ(error(mountain), "map.txt:5:4: a mountain is not part of a 2 x 2 block");
    std::string coast = good;
    coast[0] = '~';
    coast[1] = 'w';  // a wood next to the sea
    EXPECT_EQ(error(coast), "map.txt:1:2: mountains and features must not touch the sea");
    std::string island = good;
    island.replace(0, 3, "~~~");
    island.replace(13, 3, "~.~");
    island.replace(26, 3, "~~~");
    EXPECT_EQ(error(island), "map.txt:2:2: a one-field island has no tile of its own");
    std::string twice = good;
    twice[0] = '1';
    twice[14] = '1';
    EXPECT_EQ(error(twice), "map.txt:2:2: castle 1 is already at line 1 column 1");
}

TEST(MapText, FormatReadsBackTheSameMap) {
    MapText m = Map({"............", ".^^.........", ".^^..1.wA..."});
    const MapText back = ParseMapText(FormatMapText(m), "map.txt");
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            EXPECT_EQ(back.grid.At(x, y).terrain, m.grid.At(x, y).terrain);
            EXPECT_EQ(back.grid.At(x, y).feature, m.grid.At(x, y).feature);
        }
    }
    EXPECT_EQ(back.castleX[1], 6);
    EXPECT_EQ(back.castleY[1], 3);
    EXPECT_EQ(back.siteX[0], 9);
}

}  // namespace
