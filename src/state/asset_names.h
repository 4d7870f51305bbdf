// Every picture, sound and music file the game can load, in one place.
//
// The game opens its data files by bare name (see platform/files.h), either by a fixed name or
// by a name built from a rule (a map tile from its colour prefix and tile code, a health gauge
// from a number, a hero from a lord number). This list expands every rule, so the build-time
// generator knows what to draw and a test can check that nothing is missing from the data
// folder. Lookup is case-insensitive, so a name that the texts spell two ways is listed once.
//
// Plain C++ without dependencies: the generator under tools/ compiles this file too.
#pragma once

#include <string>
#include <vector>

namespace state {

// One kind of file: a short key (also the name of its contact sheet), the screens that load it,
// and its file names.
struct AssetGroup {
    std::string kind;
    std::string usedBy;
    std::vector<std::string> names;
};

// All groups in a fixed order.
const std::vector<AssetGroup>& AssetGroups();

// The names of all groups, in group order, each name once.
const std::vector<std::string>& AllAssetNames();

// Map tiles. Prefix 0 "m2_", 1 "m2blue_", 2 "m2green_", 3 "m2red_", 4 "m2cyan_" (the mark
// colour of a field); a prefix outside 0..4 is treated as 0.
std::string TilePrefix(int prefix);
// The tile name of a tile code without prefix and extension ("coast1e" for 101), or "" for a
// code that has no tile (including 0, the sea).
std::string TileBaseName(int code);
// The file of a field: code 0 is always "m2_water1.jpg"; a code without a tile gives the prefix
// followed directly by ".jpg".
std::string TileFileName(int prefix, int code);
// Every tile code that has a tile (100..119, 200..205, 300..319, 400..423, 500..503, 600..635).
const std::vector<int>& TileCodes();

// The lord colour words in lord order 1..4 ("blue", "green", "red", "cyan").
const std::vector<std::string>& LordColours();

// The default monster and item archetypes. Scenario data names its own pictures; the generator
// draws each of those with the archetype its name suggests, and also ships one picture per
// archetype as "monster_<archetype>.jpg" (with "_red" hit variant) and "item_<archetype>.jpg"
// (with "_g" equipped variant).
const std::vector<std::string>& MonsterArchetypes();
const std::vector<std::string>& ItemArchetypes();

// The picture of a monster as the duel shows it, from its picture base name: normal and hit.
inline std::string MonsterPicture(const std::string& base) {
    return base + ".jpg";
}
inline std::string MonsterHitPicture(const std::string& base) {
    return base + "_red.jpg";
}
// The picture of an item, and the picture of the equipped weapon in the backpack.
inline std::string ItemPicture(const std::string& base) {
    return base + ".jpg";
}
inline std::string ItemEquippedPicture(const std::string& base) {
    return base + "_g.jpg";
}

}  // namespace state
