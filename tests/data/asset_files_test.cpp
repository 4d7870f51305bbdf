// The data folder: every file the game can load is listed once, the name rules expand as the
// map view and the other screens build them, and the generator wrote every listed file, in
// the formats and sizes the screens expect.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "../../tools/gendata/tile_codes.h"
#include "platform/text_case.h"
#include "state/asset_names.h"
#include "support/game_data.h"

namespace {

namespace fs = std::filesystem;

// The generated data folder: $MARCHHOLT_DATA, else the folder the build generates into.
fs::path DataDir() {
    if (const char* env = std::getenv("MARCHHOLT_DATA")) return env;
    return testsupport::GameDataDir();
}

// Lower-case file name -> path of every file in the folder.
std::map<std::string, fs::path> FilesIn(const fs::path& dir) {
    std::map<std::string, fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        files[platform::LowerCase(entry.path().filename().string())] = entry.path();
    }
    return files;
}

// Names the data folder `dir`; leaves the test when the generated data is not in it.
#define REQUIRE_DATA(dir)           \
    const fs::path dir = DataDir(); \
    if (!testsupport::RequireGameData("Intro.ogg", dir)) return

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) {
        return platform::LowerCase(n) == platform::LowerCase(name);
    });
}

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::pair<int, int> JpegSize(const fs::path& path) {
    const std::vector<std::uint8_t> bytes = ReadAll(path);
    jpeg_decompress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    const bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    const std::pair<int, int> size = ok ? std::pair<int, int>(static_cast<int>(info.image_width),
                                                              static_cast<int>(info.image_height))
                                        : std::pair<int, int>(0, 0);
    jpeg_destroy_decompress(&info);
    return size;
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

}  // namespace

TEST(AssetNames, TileNamesFollowTheCodeTable) {
    EXPECT_EQ(state::TileFileName(0, 101), "m2_coast1e.jpg");
    EXPECT_EQ(state::TileFileName(1, 318), "m2blue_corner5sw.jpg");
    EXPECT_EQ(state::TileFileName(3, 0), "m2_water1.jpg");  // the sea ignores the prefix
    EXPECT_EQ(state::TileFileName(4, 199), "m2cyan_.jpg");  // no tile: the bare prefix
    EXPECT_EQ(state::TileFileName(2, 700), "m2green_.jpg");
    EXPECT_EQ(state::TileFileName(9, 200), "m2_middle1.jpg");  // unknown prefix reads as 0
    EXPECT_EQ(state::TileBaseName(100), "coast1n");
    EXPECT_EQ(state::TileBaseName(119), "coast5w");
    EXPECT_EQ(state::TileBaseName(205), "middle6");
    EXPECT_EQ(state::TileBaseName(206), "");
    EXPECT_EQ(state::TileBaseName(300), "corner1ne");
    EXPECT_EQ(state::TileBaseName(301), "corner1se");
    EXPECT_EQ(state::TileBaseName(303), "corner1nw");
    EXPECT_EQ(state::TileBaseName(423), "end6w");
    EXPECT_EQ(state::TileBaseName(501), "semiend1ew");
    EXPECT_EQ(state::TileBaseName(502), "semiend2ns");
    EXPECT_EQ(state::TileBaseName(600), "special1_a");
    EXPECT_EQ(state::TileBaseName(631), "special8_d");
    EXPECT_EQ(state::TileBaseName(632), "mountain1ne");
    EXPECT_EQ(state::TileBaseName(633), "mountain1nw");
    EXPECT_EQ(state::TileBaseName(635), "mountain1sw");
    EXPECT_EQ(state::TileBaseName(636), "");
    EXPECT_EQ(state::TileBaseName(99), "");
    EXPECT_EQ(state::TileCodes().size(), 20u + 6u + 20u + 24u + 4u + 32u + 4u);
}

TEST(AssetNames, ListHoldsEveryRuleOnce) {
    const auto& names = state::AllAssetNames();
    std::set<std::string> lower;
    for (const auto& n : names)
        EXPECT_TRUE(lower.insert(platform::LowerCase(n)).second) << "listed twice: " << n;
    // Names built from rules, at both ends of their ranges.
    for (const char* n : {"m2_water1.jpg",
                          "m2_coast1n.jpg",
                          "m2cyan_mountain1sw.jpg",
                          "m2red_special8_d.jpg",
                          "m2_.jpg",
                          "Health0.jpg",
                          "Health9.jpg",
                          "XP01.jpg",
                          "XP10.jpg",
                          "hero1.jpg",
                          "hero4_sm.jpg",
                          "hero4_red.jpg",
                          "factionlogo_cyan_r.jpg",
                          "factionlogo_blue.jpg",
                          "hourglass_0of100_sm.bmp",
                          "hourglass_100of100_sm.jpg",
                          "d2_icon_village_grey.bmp",
                          "d2_icon_stone2.bmp",
                          "m1_set1_bones.jpg",
                          "m1_set1_formerstorage_sm.jpg",
                          "blackroom_sm.jpg",
                          "m2_cannong.jpg",
                          "icon_buytroopsg.jpg",
                          "m1_skill_flankg.jpg",
                          "m1_pause_g.jpg",
                          "m1_lordofthepit_y.jpg",
                          "prev_lordofthepit_y.jpg",
                          "showdown2.jpg",
                          "b3_sm_g.jpg",
                          "m1_dragon_red.jpg",
                          "m1_sword_demon_g.jpg",
                          "tutorialclick_right.jpg",
                          "Walking_1.wav",
                          "Alert_3a.wav",
                          "human2.wav",
                          "monster3.wav",
                          "payment3.wav",
                          "Intro.ogg",
                          "Background.ogg",
                          "PreppingTrack.ogg"}) {
        EXPECT_TRUE(Contains(names, n)) << "missing " << n;
    }
    // Names spelt two ways in the texts are listed once.
    EXPECT_TRUE(Contains(names, "m1_LordOfThePit.jpg"));
    EXPECT_TRUE(Contains(names, "M1_set1_bones.jpg"));
    EXPECT_FALSE(Contains(names, "Health10.jpg"));
    EXPECT_FALSE(Contains(names, "XP00.jpg"));
    EXPECT_FALSE(Contains(names, "m2_special9_a.jpg"));
    // Every archetype has its default pictures.
    for (const auto& a : state::MonsterArchetypes()) {
        EXPECT_TRUE(Contains(names, "monster_" + a + "_red.jpg")) << a;
    }
    for (const auto& a : state::ItemArchetypes())
        EXPECT_TRUE(Contains(names, "item_" + a + "_g.jpg")) << a;
}

TEST(TileCodes, CodeFromNeighboursRoundTripsThroughTheShape) {
    for (int sea = 0; sea < 15; ++sea) {
        for (int variant : {0, 1, 7, -3}) {
            const int code =
                tiles::TileCodeFor(!(sea & tiles::kNorth), !(sea & tiles::kEast),
                                   !(sea & tiles::kSouth), !(sea & tiles::kWest), true, variant);
            EXPECT_NE(state::TileBaseName(code), "") << sea << " " << variant;
            EXPECT_EQ(tiles::ShapeOf(code).seaSides, sea) << "code " << code;
        }
    }
    EXPECT_EQ(tiles::TileCodeFor(true, true, true, true, false, 3), tiles::kWater);
    EXPECT_EQ(tiles::TileCodeFor(true, true, true, true, true, 0), 200);
    // "end1n" is joined to the land in the north: sea east, south and west.
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(true, false, false, false, true, 0)), "end1n");
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(false, true, true, true, true, 0)), "coast1n");
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(false, false, true, true, true, 0)),
              "corner1ne");
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(true, false, true, false, true, 0)),
              "semiend1ns");
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(false, true, false, true, true, 1)),
              "semiend2ew");
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(true, true, true, true, true, 11)), "middle6");
    EXPECT_EQ(state::TileBaseName(tiles::TileCodeFor(false, true, true, true, true, 9)), "coast5n");
    EXPECT_EQ(state::TileBaseName(tiles::MountainCode(true, false)), "mountain1ne");
    EXPECT_EQ(state::TileBaseName(tiles::MountainCode(false, false)), "mountain1nw");
    EXPECT_EQ(state::TileBaseName(tiles::MountainCode(true, true)), "mountain1se");
    EXPECT_EQ(state::TileBaseName(tiles::MountainCode(false, true)), "mountain1sw");
    EXPECT_EQ(state::TileBaseName(tiles::SpecialCode(8, 3)), "special8_d");
    EXPECT_EQ(state::TileBaseName(tiles::SpecialCode(1, 0)), "special1_a");
    for (int code : state::TileCodes())
        EXPECT_NE(tiles::ShapeOf(code).kind, tiles::Kind::None) << code;
    EXPECT_EQ(tiles::ShapeOf(199).kind, tiles::Kind::None);
}

TEST(GeneratedData, EveryListedNameExists) {
    REQUIRE_DATA(dir);
    const auto files = FilesIn(dir);
    for (const auto& name : state::AllAssetNames()) {
        const auto it = files.find(platform::LowerCase(name));
        ASSERT_NE(it, files.end()) << "not generated: " << name;
        EXPECT_GT(fs::file_size(it->second), 100u) << name;
    }
}

TEST(GeneratedData, PicturesHaveTheSizesTheScreensUse) {
    REQUIRE_DATA(dir);
    const auto files = FilesIn(dir);
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"m2_coast1n.jpg", {50, 50}},     {"m2blue_corner5sw.jpg", {50, 50}},
        {"m2_water1.jpg", {50, 50}},      {"m2cyan_mountain1se.jpg", {50, 50}},
        {"army_red.jpg", {50, 50}},       {"army_red_sm.jpg", {35, 35}},
        {"castle_blue_sm.jpg", {35, 35}}, {"m1_set1_cave_sm.jpg", {80, 75}},
        {"blackroom_sm.jpg", {80, 75}},   {"hero3_sm.jpg", {50, 46}},
        {"hero3.jpg", {100, 100}},        {"hero3_red.jpg", {100, 100}},
        {"prev_orc.jpg", {100, 100}},     {"m1_orc.jpg", {200, 200}}};
    for (const auto& [name, size] : sizes) {
        ASSERT_TRUE(files.count(platform::LowerCase(name))) << name;
        EXPECT_EQ(JpegSize(files.at(platform::LowerCase(name))), size) << name;
    }
    // The map icons are 24-bit BMP files of 36 x 36.
    const std::vector<std::uint8_t> bmp = ReadAll(files.at("d2_icon_village_blue.bmp"));
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le(bmp, 18, 4), 36u);
    EXPECT_EQ(Le(bmp, 22, 4), 36u);
    EXPECT_EQ(Le(bmp, 28, 2), 24u);
    EXPECT_EQ(bmp.size(), 54u + 36u * 108u);
}

// The decoded pixels of a JPEG file, three bytes (red, green, blue) a pixel; empty on failure.
std::vector<std::uint8_t> JpegPixels(const fs::path& path) {
    const std::vector<std::uint8_t> bytes = ReadAll(path);
    jpeg_decompress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    std::vector<std::uint8_t> pixels;
    if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        const std::size_t row = static_cast<std::size_t>(info.output_width) * 3;
        pixels.resize(row * info.output_height);
        while (info.output_scanline < info.output_height) {
            JSAMPROW line = pixels.data() + row * info.output_scanline;
            jpeg_read_scanlines(&info, &line, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return pixels;
}

// The tutorial calls the health gauge the blue vessel: in every filled health picture, the
// strongly coloured pixels are blue rather than red.
TEST(GeneratedData, HealthVesselsHoldABlueLiquid) {
    REQUIRE_DATA(dir);
    const auto files = FilesIn(dir);
    for (int n = 1; n <= 9; ++n) {
        const std::string name = "health" + std::to_string(n) + ".jpg";
        ASSERT_TRUE(files.count(name)) << name;
        const std::vector<std::uint8_t> pixels = JpegPixels(files.at(name));
        ASSERT_FALSE(pixels.empty()) << name;
        int blue = 0, red = 0;
        for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
            const int r = pixels[i], g = pixels[i + 1], b = pixels[i + 2];
            if (b > r + 60 && b > g + 30) ++blue;
            if (r > b + 60 && r > g + 60) ++red;
        }
        EXPECT_GT(blue, 10 * red) << name;
        EXPECT_GT(blue, 40 * n) << name;  // the liquid rises with n
    }
}

// The windows stand in the middle of the background: a picture there (a castle) would peek out
// half covered from behind them. Red is the colour of the castles' roofs and the compass rose.
TEST(GeneratedData, BackgroundsShowNothingWhereTheWindowsStand) {
    REQUIRE_DATA(dir);
    const auto files = FilesIn(dir);
    for (const std::string name : {"background_1440.jpg", "background_1024.jpg"}) {
        ASSERT_TRUE(files.count(name)) << name;
        const auto [w, h] = JpegSize(files.at(name));
        const std::vector<std::uint8_t> pixels = JpegPixels(files.at(name));
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(w) * h * 3) << name;
        int red = 0;
        for (int y = h / 10; y < h - h / 10; ++y) {
            for (int x = w / 10; x < w - w / 10; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
                const int r = pixels[i], g = pixels[i + 1], b = pixels[i + 2];
                if (r > g + 60 && r > b + 60) ++red;
            }
        }
        EXPECT_LT(red, 20) << name;
    }
}

TEST(GeneratedData, EffectsAreDistinctPcmWaves) {
    REQUIRE_DATA(dir);
    const auto files = FilesIn(dir);
    std::set<std::vector<std::uint8_t>> seen;
    for (const char* name :
         {"button.wav", "reward1.wav", "reward2.wav", "reward3.wav", "event.wav", "walking_1.wav",
          "battle.wav", "payment1.wav", "payment2.wav", "payment3.wav", "player_miss.wav",
          "human1.wav", "human2.wav", "human3.wav", "monster1.wav", "monster2.wav", "monster3.wav",
          "alert_3a.wav"}) {
        const std::vector<std::uint8_t> wav = ReadAll(files.at(name));
        ASSERT_GE(wav.size(), 44u) << name;
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF") << name;
        EXPECT_EQ(Le(wav, 20, 2), 1u) << name;      // PCM
        EXPECT_EQ(Le(wav, 24, 4), 44100u) << name;  // rate
        EXPECT_EQ(Le(wav, 34, 2), 16u) << name;     // bits
        EXPECT_EQ(Le(wav, 40, 4) + 44u, wav.size()) << name;
        EXPECT_TRUE(seen.insert(wav).second) << name << " is the same as another effect";
    }
    // The rewards rise in grandeur: each is longer than the one before.
    EXPECT_LT(fs::file_size(files.at("reward1.wav")), fs::file_size(files.at("reward2.wav")));
    EXPECT_LT(fs::file_size(files.at("reward2.wav")), fs::file_size(files.at("reward3.wav")));
}

TEST(GeneratedData, MusicDecodesWithTheLengthsOfTheTimer) {
    REQUIRE_DATA(dir);
    const auto files = FilesIn(dir);
    const std::map<std::string, double> lengths = {
        {"intro.ogg", 50.0}, {"background.ogg", 50.0}, {"preppingtrack.ogg", 31.0}};
    for (const auto& [name, seconds] : lengths) {
        OggVorbis_File vf;
        ASSERT_EQ(ov_fopen(files.at(name).c_str(), &vf), 0) << name;
        const vorbis_info* info = ov_info(&vf, -1);
        EXPECT_EQ(info->channels, 2) << name;
        EXPECT_EQ(info->rate, 44100) << name;
        EXPECT_NEAR(ov_time_total(&vf, -1), seconds, 1.0) << name;
        // Real music, not silence: the middle of the track has signal.
        ov_time_seek(&vf, seconds / 2);
        char buffer[8192];
        int section = 0;
        long peak = 0;
        for (int i = 0; i < 20; ++i) {
            const long n = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section);
            if (n <= 0) break;
            for (long k = 0; k + 1 < n; k += 2) {
                const auto s =
                    static_cast<std::int16_t>(static_cast<std::uint8_t>(buffer[k]) |
                                              (static_cast<std::uint8_t>(buffer[k + 1]) << 8));
                peak = std::max(peak, static_cast<long>(std::abs(s)));
            }
        }
        EXPECT_GT(peak, 1000) << name;
        ov_clear(&vf);
    }
}
