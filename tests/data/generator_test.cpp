// The generator's own rules: map tiles that may stand side by side meet without a seam,
// picture names find the right painter and variant, the writers produce valid files, and the
// list of names handed over by the scenario sources is read as documented.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "archetypes.h"
#include "catalog.h"
#include "encode.h"
#include "generate.h"
#include "state/asset_names.h"
#include "support/temp_dir.h"
#include "tile_codes.h"

namespace {

using gendata::Image;

// Every map tile of the plain set, painted once per test.
class TileSet {
  public:
    const Image& operator()(int code) {
        auto it = cache_.find(code);
        if (it == cache_.end()) {
            auto job = gendata::PictureFor(state::TileFileName(0, code));
            it = cache_.emplace(code, job ? job->make() : Image()).first;
        }
        return it->second;
    }

  private:
    std::map<int, Image> cache_;
};

// Mean difference per channel between column/row `a` of one tile and `b` of another.
float EdgeDifference(const Image& first, const Image& second, bool vertical) {
    float sum = 0;
    for (int i = 0; i < 50; ++i) {
        const gendata::Rgb p = vertical ? first.At(i, 49) : first.At(49, i);
        const gendata::Rgb q = vertical ? second.At(i, 0) : second.At(0, i);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / 150.0f;
}

bool SeaOn(int code, int side) {
    return (tiles::ShapeOf(code).seaSides & side) != 0;
}

float Saturation(const Image& img) {
    float sum = 0;
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            const gendata::Rgb p = img.At(x, y);
            sum += std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b});
        }
    }
    return sum / static_cast<float>(img.Width() * img.Height());
}

float RedShare(const Image& img) {
    float red = 0, all = 1e-6f;
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            red += img.At(x, y).r;
            all += img.At(x, y).r + img.At(x, y).g + img.At(x, y).b;
        }
    }
    return red / all;
}

}  // namespace

TEST(GeneratorTiles, NeighboursThatAgreeOnTheirSideMeetWithoutASeam) {
    TileSet Tile;
    std::vector<int> codes = {tiles::kWater};
    for (int code : state::TileCodes()) {
        if (tiles::ShapeOf(code).kind != tiles::Kind::Mountain) codes.push_back(code);
    }
    float worstMatch = 0;
    float bestMismatch = 1;
    for (int a : codes) {
        for (int b : codes) {
            // a to the west of b, then a above b.
            const float h = EdgeDifference(Tile(a), Tile(b), false);
            const float v = EdgeDifference(Tile(a), Tile(b), true);
            if (SeaOn(a, tiles::kEast) == SeaOn(b, tiles::kWest)) {
                worstMatch = std::max(worstMatch, h);
                EXPECT_LT(h, 0.06f) << a << " west of " << b;
            } else {
                bestMismatch = std::min(bestMismatch, h);
            }
            if (SeaOn(a, tiles::kSouth) == SeaOn(b, tiles::kNorth)) {
                worstMatch = std::max(worstMatch, v);
                EXPECT_LT(v, 0.06f) << a << " above " << b;
            } else {
                bestMismatch = std::min(bestMismatch, v);
            }
        }
    }
    // The rule is not vacuous: sides that disagree do show.
    EXPECT_GT(bestMismatch, worstMatch);
    // The four quarters of the mountain fit each other and the land around them.
    const int ne = tiles::MountainCode(true, false), nw = tiles::MountainCode(false, false);
    const int se = tiles::MountainCode(true, true), sw = tiles::MountainCode(false, true);
    const int land = 200;
    EXPECT_LT(EdgeDifference(Tile(nw), Tile(ne), false), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(sw), Tile(se), false), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(nw), Tile(sw), true), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(ne), Tile(se), true), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(land), Tile(nw), false), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(ne), Tile(land), false), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(land), Tile(ne), true), 0.06f);
    EXPECT_LT(EdgeDifference(Tile(se), Tile(land), true), 0.06f);
    // The inner sides of the quarters carry the mountain, so they only fit each other.
    EXPECT_GT(EdgeDifference(Tile(land), Tile(ne), false), 0.06f);
    EXPECT_GT(EdgeDifference(Tile(ne), Tile(land), true), 0.06f);
}

TEST(GeneratorTiles, MarkedTilesAreLighterWithARimInTheLordColour) {
    const Image plain = gendata::PictureFor("m2_middle1.jpg")->make();
    const Image blue = gendata::PictureFor("m2blue_middle1.jpg")->make();
    const Image red = gendata::PictureFor("m2red_middle1.jpg")->make();
    ASSERT_EQ(blue.Width(), 50);
    EXPECT_GT(blue.At(0, 25).b, blue.At(0, 25).r + 0.3f);
    EXPECT_GT(red.At(25, 0).r, red.At(25, 0).b + 0.3f);
    // Inside the rim the tile is the same field, lighter.
    EXPECT_GT(gendata::Luma(blue.At(25, 25)), gendata::Luma(plain.At(25, 25)));
}

TEST(GeneratorNames, ArchetypesFollowTheWordsOfTheName) {
    using Kind = gendata::Archetype::Kind;
    const std::map<std::string, std::pair<Kind, std::string>> cases = {
        {"orc_chief", {Kind::Monster, "orc"}},
        {"m1_skeleton_archer", {Kind::Monster, "skeleton"}},
        {"orc_with_axe", {Kind::Monster, "orc"}},
        {"item_bone_dagger", {Kind::Item, "dagger"}},
        {"m1_rustysword", {Kind::Item, "sword"}},
        {"crossbow_of_doom", {Kind::Item, "crossbow"}},
        {"potion_blue_big", {Kind::Item, "potion_blue"}},
        {"healing_potion", {Kind::Item, "potion_red"}},
        {"fire_efreet", {Kind::Monster, "elemental"}},
        {"m1_lordofthepit", {Kind::Monster, "demon"}},
        {"giant_spider", {Kind::Monster, "spider"}},  // the creature, not its size
    };
    for (const auto& [name, expected] : cases) {
        const gendata::Archetype a = gendata::GuessArchetype(name);
        EXPECT_EQ(a.kind, expected.first) << name;
        EXPECT_EQ(a.name, expected.second) << name;
    }
    EXPECT_EQ(gendata::GuessArchetype("qwxz").kind, Kind::Unknown);
}

TEST(GeneratorNames, VariantsShowTheSamePaintingChanged) {
    EXPECT_FALSE(gendata::PictureFor("button.wav").has_value());
    EXPECT_FALSE(gendata::PictureFor("picture.png").has_value());
    ASSERT_TRUE(gendata::PictureFor("qwxz.jpg").has_value());  // unknown: still drawn
    EXPECT_TRUE(gendata::PictureFor("d2_icon_wood.bmp")->bmp);
    EXPECT_FALSE(gendata::PictureFor("m2_castle.jpg")->bmp);

    const Image orc = gendata::PictureFor("m1_orc.jpg")->make();
    const Image hit = gendata::PictureFor("m1_orc_red.jpg")->make();
    const Image hitUpper = gendata::PictureFor("M1_ORC_RED.JPG")->make();
    EXPECT_GT(RedShare(hit), RedShare(orc) + 0.1f);
    EXPECT_EQ(hit.ToRgb8(), hitUpper.ToRgb8());  // case does not matter
    const Image sword = gendata::PictureFor("item_sword.jpg")->make();
    const Image equipped = gendata::PictureFor("item_sword_g.jpg")->make();
    EXPECT_LT(Saturation(equipped), Saturation(sword) * 0.5f);
    const Image nomadGrey = gendata::PictureFor("m2_nomadg.jpg")->make();
    EXPECT_LT(Saturation(nomadGrey),
              Saturation(gendata::PictureFor("m2_nomad.jpg")->make()) * 0.5f);
    // "_r" is the hit form of a faction logo; "prev_" the same subject at preview size.
    EXPECT_GT(RedShare(gendata::PictureFor("factionlogo_blue_r.jpg")->make()),
              RedShare(gendata::PictureFor("factionlogo_blue.jpg")->make()) + 0.1f);
    const Image preview = gendata::PictureFor("prev_orc.jpg")->make();
    EXPECT_EQ(preview.Width(), 100);
    EXPECT_EQ(preview.Height(), 100);
    // A scenario name is drawn with the painter of its archetype.
    EXPECT_EQ(gendata::PictureFor("monster_orc.jpg")->make().Width(), 200);
    EXPECT_EQ(gendata::PictureFor("orc_chief.jpg")->make().Width(), 200);
    EXPECT_EQ(gendata::PictureFor("rusty_sword_g.jpg")->make().Width(), 100);
    // Same name, same pixels.
    EXPECT_EQ(gendata::PictureFor("m2_castle.jpg")->make().ToRgb8(),
              gendata::PictureFor("m2_castle.jpg")->make().ToRgb8());
}

TEST(GeneratorWriters, FilesHaveValidHeaders) {
    const testsupport::TempDir temp;
    const std::filesystem::path& dir = temp.Path();
    std::string error;
    // A BMP row of 3 pixels is 9 bytes, padded to 12; rows are stored bottom-up in BGR.
    Image img(3, 2, {1, 0, 0});
    img.At(0, 1) = {0, 0, 1};
    ASSERT_TRUE(gendata::WriteBmp(img, (dir / "t.bmp").string(), error)) << error;
    std::ifstream bmp(dir / "t.bmp", std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(bmp)),
                                 std::istreambuf_iterator<char>());
    ASSERT_EQ(b.size(), 54u + 2u * 12u);
    EXPECT_EQ(b[54], 255);  // bottom row first: the blue pixel at (0, 1)
    EXPECT_EQ(b[56], 0);
    EXPECT_EQ(b[54 + 12 + 2], 255);  // then the top row: red
    EXPECT_EQ(b[54 + 9], 0);         // padding

    ASSERT_TRUE(gendata::WriteWav({1, -1, 2, -2}, 2, 44100, (dir / "t.wav").string(), error))
        << error;
    EXPECT_EQ(std::filesystem::file_size(dir / "t.wav"), 44u + 8u);

    ASSERT_TRUE(
        gendata::WriteJpeg(Image(7, 5, {0.5f, 0.5f, 0.5f}), (dir / "t.jpg").string(), 90, error));
    std::ifstream jpg(dir / "t.jpg", std::ios::binary);
    EXPECT_EQ(jpg.get(), 0xFF);
    EXPECT_EQ(jpg.get(), 0xD8);
    EXPECT_FALSE(gendata::WriteWav({}, 1, 44100, (dir / "missing" / "x.wav").string(), error));
}

TEST(GeneratorWriters, ExtraNameListSkipsCommentsAndAddsTheExtension) {
    const testsupport::TempDir temp;
    const std::filesystem::path file = temp / "names.txt";
    {
        std::ofstream out(file);
        out << "# from the scenario sources\n\norc_chief.jpg\n  rusty_sword  \r\nd2_icon_x.bmp\n";
    }
    std::vector<std::string> names;
    ASSERT_TRUE(gendata::ReadNameList(file.string(), names));
    EXPECT_EQ(names,
              (std::vector<std::string>{"orc_chief.jpg", "rusty_sword.jpg", "d2_icon_x.bmp"}));
    std::filesystem::remove(file);
    EXPECT_FALSE(gendata::ReadNameList(file.string(), names));
}
