#include "screens/map_pictures.h"

namespace screens {

namespace {

constexpr const char* kPrefixes[5] = {"m2_", "m2blue_", "m2green_", "m2red_", "m2cyan_"};
constexpr const char* kDirections[4] = {"n", "e", "s", "w"};
constexpr const char* kCorners[4] = {"ne", "se", "sw", "nw"};
constexpr const char* kSemiends[2] = {"ns", "ew"};
constexpr const char* kLetters[4] = {"_a", "_b", "_c", "_d"};
constexpr const char* kMountains[4] = {"ne", "nw", "se", "sw"};
constexpr const char* kLordColours[4] = {"blue", "green", "red", "cyan"};

// The tile name of a code, or empty when the code is in no table.
std::string TileBody(int code) {
    auto numbered = [](const char* stem, int n, const char* suffix) {
        return std::string(stem) + std::to_string(n) + suffix;
    };
    if (code >= 100 && code <= 119) return numbered("coast", (code - 100) / 4 + 1, kDirections[(code - 100) % 4]);
    if (code >= 200 && code <= 205) return numbered("middle", code - 200 + 1, "");
    if (code >= 300 && code <= 319) return numbered("corner", (code - 300) / 4 + 1, kCorners[(code - 300) % 4]);
    if (code >= 400 && code <= 423) return numbered("end", (code - 400) / 4 + 1, kDirections[(code - 400) % 4]);
    if (code >= 500 && code <= 503) return numbered("semiend", (code - 500) / 2 + 1, kSemiends[(code - 500) % 2]);
    if (code >= 600 && code <= 631) return numbered("special", (code - 600) / 4 + 1, kLetters[(code - 600) % 4]);
    if (code >= 632 && code <= 635) return std::string("mountain1") + kMountains[code - 632];
    return {};
}

}  // namespace

std::string TileName(int prefix, int code) {
    const char* p = (prefix >= 0 && prefix <= 4) ? kPrefixes[prefix] : kPrefixes[0];
    if (code == 0) return "m2_water1.jpg";
    return std::string(p) + TileBody(code) + ".jpg";
}

std::string SiteIconName(int kind, int owner, int countdown) {
    if (kind < 0) return "d2_icon_theme.bmp";
    if (kind != 1) return "d2_icon_event.bmp";
    if (countdown > 0) return "d2_icon_village_grey.bmp";
    if (owner >= 1 && owner <= 4) return std::string("d2_icon_village_") + kLordColours[owner - 1] + ".bmp";
    return "d2_icon_village.bmp";
}

std::string SpawnIconName(int kind) {
    switch (kind) {
        case 1: return "d2_icon_wood.bmp";
        case 2: return "d2_icon_iron.bmp";
        case 3: return "d2_icon_trader.bmp";
        case 4: return "d2_icon_dungeon.bmp";
        case 5: return "d2_icon_stone.bmp";
        default: return {};
    }
}

std::string HourglassName(int movesLeft) {
    if (movesLeft <= 0) return "hourglass_0of100_sm.jpg";
    if (movesLeft == 1) return "hourglass_25of100_sm.jpg";
    if (movesLeft == 2) return "hourglass_50of100_sm.jpg";
    if (movesLeft == 3) return "hourglass_75of100_sm.jpg";
    return "hourglass_100of100_sm.jpg";
}

std::string FactionLogoName(int lord) {
    const int p = (lord >= 1 && lord <= 4) ? lord : 1;
    return std::string("factionlogo_") + kLordColours[p - 1] + ".jpg";
}

std::string HeroPictureName(int lord) {
    const int p = (lord >= 1 && lord <= 4) ? lord : 1;
    return "hero" + std::to_string(p) + ".jpg";
}

ArmyPlacement PlaceArmy(int lord, int x, int y, bool shared) {
    if (!shared) return {(x - 1) * 50, (y - 1) * 50, 50};
    switch (lord) {
        case 1: return {x * 50 - 48, y * 50 - 49, 35};
        case 2: return {x * 50 - 5, y * 50 - 49, 35};
        case 3: return {x * 50 - 48, y * 50 - 11, 35};
        default: return {x * 50 - 5, y * 50 - 10, 35};
    }
}

}  // namespace screens
