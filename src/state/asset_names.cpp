#include "state/asset_names.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "platform/text_case.h"
#include "state/lord_colours.h"

namespace state {

namespace {

// The tile names of one block of tile codes: a stem, how many numbered variants, and the
// suffixes of one variant in code order.
struct TileBlock {
    int firstCode;
    const char* stem;
    int variants;
    std::vector<const char*> suffixes;
};

const std::vector<TileBlock>& TileBlocks() {
    static const std::vector<TileBlock> blocks = {
        {100, "coast", 5, {"n", "e", "s", "w"}},
        {200, "middle", 6, {""}},
        {300, "corner", 5, {"ne", "se", "sw", "nw"}},
        {400, "end", 6, {"n", "e", "s", "w"}},
        {500, "semiend", 2, {"ns", "ew"}},
        {600, "special", 8, {"_a", "_b", "_c", "_d"}},
        {632, "mountain", 1, {"ne", "nw", "se", "sw"}},
    };
    return blocks;
}

std::vector<std::string> WithSuffixes(const std::vector<std::string>& bases,
                                      const std::vector<std::string>& suffixes,
                                      const std::string& extension) {
    std::vector<std::string> out;
    for (const auto& base : bases) {
        for (const auto& suffix : suffixes)
            out.push_back(base + suffix + extension);
    }
    return out;
}

std::vector<std::string> Numbered(const std::string& stem, int first, int last, int digits,
                                  const std::string& extension) {
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i) {
        std::string number = std::to_string(i);
        while (static_cast<int>(number.size()) < digits)
            number = "0" + number;
        out.push_back(stem + number + extension);
    }
    return out;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> lists) {
    std::vector<std::string> out;
    for (const auto& list : lists)
        out.insert(out.end(), list.begin(), list.end());
    return out;
}

AssetGroup TileGroup(int prefix) {
    std::vector<std::string> names;
    for (int code : TileCodes())
        names.push_back(TileFileName(prefix, code));
    // A code without a tile still asks for the bare prefix.
    names.push_back(TilePrefix(prefix) + ".jpg");
    if (prefix == 0) names.insert(names.begin(), "m2_water1.jpg");
    const std::string who = prefix == 0 ? "the strategic map (every field)"
                                        : "the strategic map (fields marked around the army)";
    return {"tiles_" + TilePrefix(prefix).substr(0, TilePrefix(prefix).size() - 1), who, names};
}

std::vector<AssetGroup> BuildGroups() {
    const auto& colours = LordColours();
    std::vector<AssetGroup> groups;
    for (int prefix = 0; prefix <= 4; ++prefix)
        groups.push_back(TileGroup(prefix));

    // Icons laid over a map field (site and spawn icons, 36 x 36 at +6/+7 inside the field)
    // and the resource icons of the castle screen.
    std::vector<std::string> icons = {"d2_icon_theme.bmp", "d2_icon_event.bmp",
                                      "d2_icon_village.bmp"};
    for (const char* owner : {"blue", "green", "red", "cyan", "grey"}) {
        icons.push_back(std::string("d2_icon_village_") + owner + ".bmp");
    }
    for (const char* spawn : {"wood", "iron", "trader", "dungeon", "stone", "stone2", "crystal"}) {
        icons.push_back(std::string("d2_icon_") + spawn + ".bmp");
    }
    groups.push_back({"map_icons", "strategic map site and spawn icons; castle screen", icons});

    // Army and castle markers of the strategic map. The rules leave these names to us: a lone
    // army is a 50 x 50 picture, two armies on one field and the castle markers are 35 x 35.
    groups.push_back(
        {"map_markers", "strategic map armies and castle markers",
         Concat({WithSuffixes({"army_blue", "army_green", "army_red", "army_cyan"}, {"", "_sm"},
                              ".jpg"),
                 WithSuffixes({"castle_blue", "castle_green", "castle_red", "castle_cyan"}, {"_sm"},
                              ".jpg")})});

    // Hourglasses: the strategic status bar and the battle cool-down use the .jpg set, the duel
    // cool-down the .bmp set.
    std::vector<std::string> glasses;
    for (const char* ext : {".jpg", ".bmp"}) {
        for (int quarter : {0, 25, 50, 75, 100}) {
            glasses.push_back("hourglass_" + std::to_string(quarter) + "of100_sm" + ext);
        }
    }
    groups.push_back({"hourglass", "strategic status bar, battle and duel cool-downs", glasses});

    std::vector<std::string> logos;
    for (const auto& c : colours)
        logos.push_back("factionlogo_" + c);
    groups.push_back({"factions", "status bar, battle panel, scouting and notices",
                      WithSuffixes(logos, {"", "_r"}, ".jpg")});

    groups.push_back(
        {"heroes", "status bar, dungeon board and duel, notices",
         WithSuffixes({"hero1", "hero2", "hero3", "hero4"}, {"", "_sm", "_red"}, ".jpg")});

    groups.push_back(
        {"gauges", "dungeon status column, duel and battle panel",
         Concat({Numbered("Health", 0, 9, 1, ".jpg"), Numbered("XP", 1, 10, 2, ".jpg")})});

    // Action and skill icons. The duel buttons (thrust, slash, smash, strike, heal) are our own
    // names; every action icon also has a greyed "_g" form for a disabled button.
    std::vector<std::string> actions = {
        "m1_action_charge", "m1_action_retreat", "m1_action_hold",  "m1_action_divine",
        "m1_action_empty",  "m1_action_exit",    "m1_action_help",  "m1_action_searchroom",
        "m1_action_thrust", "m1_action_slash",   "m1_action_smash", "m1_action_strike",
        "m1_action_heal",   "m1_pause"};
    std::vector<std::string> actionNames = WithSuffixes(actions, {"", "_g"}, ".jpg");
    for (const char* selected :
         {"m1_action_charge_selected.jpg", "m1_action_retreat_selected.jpg",
          "m1_action_hold_selected.jpg", "m1_skill_flank.jpg", "m1_skill_flankg.jpg",
          "icon_move.jpg", "icon_transfer.jpg", "icon_buytroops.jpg", "icon_buytroopsg.jpg",
          "icon_castleupgrade.jpg", "icon_castleupgradeg.jpg", "icon_castleupgrade_gold.jpg"}) {
        actionNames.push_back(selected);
    }
    groups.push_back(
        {"actions", "battle panel, duel, dungeon, strategic and castle buttons", actionNames});

    groups.push_back(
        {"troops", "hire screen",
         WithSuffixes({"m2_nomad", "m2_elephant", "m2_archers", "m2_cannon"}, {"", "g"}, ".jpg")});

    // Status bar symbols: our own names for the small pictures beside the numbers.
    groups.push_back(
        {"status", "strategic status bar",
         WithSuffixes({"status_gold", "status_honor", "status_wood", "status_iron", "status_stone",
                       "status_gems", "status_level", "status_soldiers", "status_fast",
                       "status_archers", "status_siege"},
                      {""}, ".jpg")});

    // Dungeon rooms: "<picture>.jpg" in the room window, "<picture>_sm.jpg" as the board tile.
    groups.push_back(
        {"rooms", "dungeon room window and board",
         WithSuffixes({"m1_set1_cave", "m1_set1_corridornorthsouth", "m1_set1_corridoreastwest",
                       "m1_set1_straw", "m1_set1_restingroom", "m1_set1_stairwayup",
                       "m1_set1_stairwaydown", "m1_set1_bones", "m1_set1_junk", "m1_set1_guardpost",
                       "m1_set1_formerstorage", "blackroom"},
                      {"", "_sm"}, ".jpg")});

    groups.push_back({"treasure",
                      "gold treasure window",
                      {"m1_treasure_fewcoins.jpg", "m1_treasure_somecoins.jpg", "m1_purplegem.jpg",
                       "m1_treasure_manycoins.jpg", "m1_greengem.jpg", "m1_necklace.jpg",
                       "m1_treasure_bagofgems.jpg", "m1_bloodgem.jpg", "m1_openchest.jpg"}});

    groups.push_back(
        {"notices",
         "message dialogs of the map, battles, dungeon and map events",
         {"m2_castle.jpg", "battlepic.jpg", "night.jpg", "enterthedungeon.jpg", "honor.jpg",
          "wood.jpg", "iron.jpg", "stone.jpg", "d2_scoundrel.jpg", "m1_book.jpg", "m1_sorcerer.jpg",
          "m1_traps_poisondarts.jpg", "m1_food.jpg", "m1_village1.jpg", "m1_knight.jpg",
          "m1_orc.jpg", "m1_skeleton.jpg", "m1_scorpion.jpg", "m1_nightscare.jpg", "m1_vampire.jpg",
          "m1_dragon.jpg", "m1_dragontreasure.jpg", "m1_dragoneggs.jpg", "m1_dwarf.jpg",
          "m1_elf.jpg", "m1_arena.jpg", "m1_blood.jpg", "m1_bow_demon.jpg", "m1_sword_demon.jpg",
          "m1_magicring_demon.jpg", "m1_lordofthepit.jpg", "m1_princess.jpg", "m2_efreet.jpg",
          // Set-piece opponents flash their "_red" form when hit in a duel; the special items
          // show "_g" when equipped.
          "m1_dragon_red.jpg", "m1_orc_red.jpg", "m1_vampire_red.jpg", "m2_efreet_red.jpg",
          "m1_sorcerer_red.jpg", "m1_bow_demon_g.jpg", "m1_sword_demon_g.jpg"}});

    groups.push_back(
        {"theme",
         "scenario sheet and theme introduction",
         {"m1_dragon_y.jpg", "m1_dragoneggs_y.jpg", "m1_dragontreasure_y.jpg", "m1_book_y.jpg",
          "m1_dwarf_y.jpg", "m1_arena_y.jpg", "m1_village1_y.jpg", "m1_magicring_y.jpg",
          "m1_lordofthepit_y.jpg", "m1_orc_y.jpg", "iron_y.jpg"}});

    groups.push_back(
        {"previews",
         "scenario preview",
         {"prev_orc.jpg", "prev_scorpion.jpg", "prev_skeleton.jpg", "prev_nightscare.jpg",
          "prev_princess.jpg", "prev_book_y.jpg", "prev_dwarf_y.jpg", "prev_arena_y.jpg",
          "prev_blood_y.jpg", "prev_bow_demon_y.jpg", "prev_dragon_y.jpg", "prev_village1_y.jpg",
          "prev_magicring_y.jpg", "prev_lordofthepit_y.jpg"}});

    // The scenario pictures are the map base names + ".jpg" (the theme scenarios' sheets show
    // their module base names + ".jpg", the same names); b3_sm marks a scenario or a
    // difficulty as available.
    groups.push_back(
        {"scenarios",
         "scenario list, preview, sheet and difficulty screen",
         {"desertofdarkness.jpg", "thecrusades.jpg",  "thecurse.jpg",    "fallenangel.jpg",
          "swordofnaragul.jpg",   "gladiator.jpg",    "showdown.jpg",    "showdown2.jpg",
          "darkmines.jpg",        "arenaofkings.jpg", "thekeeps.jpg",    "cauldrons.jpg",
          "dragonbreeders.jpg",   "graveyards.jpg",   "ringofkings.jpg", "demonpact.jpg",
          "gateofhell.jpg",       "princess.jpg",     "frontline.jpg",   "b3_sm.jpg",
          "b3_sm_g.jpg"}});

    groups.push_back(
        {"gameover", "game-over screen", {"m2_defeat.jpg", "m2_victory.jpg", "m1_victory.jpg"}});

    groups.push_back({"tutorial",
                      "tutorial panels",
                      {"tutorialview_left.jpg", "tutorialview_right.jpg", "tutorialclick_left.jpg",
                       "tutorialclick_right.jpg", "tutorialview_up.jpg", "tutorialview_down.jpg",
                       "tutorialclick_up.jpg", "tutorialclick_down.jpg"}});

    // Window backgrounds: our own names, one per full-screen size and a plain parchment for
    // dialogs, and the two side pictures of the main menu.
    groups.push_back({"backgrounds",
                      "background window, main menu and dialogs",
                      {"background_1440.jpg", "background_1024.jpg", "parchment.jpg",
                       "menu_side1.jpg", "menu_side2.jpg"}});

    std::vector<std::string> monsters;
    for (const auto& a : MonsterArchetypes())
        monsters.push_back("monster_" + a);
    groups.push_back({"monsters", "duel (names given by the scenario's monster file)",
                      WithSuffixes(monsters, {"", "_red"}, ".jpg")});

    std::vector<std::string> items;
    for (const auto& a : ItemArchetypes())
        items.push_back("item_" + a);
    groups.push_back({"items", "backpack and item windows (names given by the item file)",
                      WithSuffixes(items, {"", "_g"}, ".jpg")});

    groups.push_back({"sounds",
                      "sound effects",
                      {"button.wav", "Reward1.wav", "Reward2.wav", "Reward3.wav", "event.wav",
                       "Walking_1.wav", "battle.wav", "payment1.wav", "payment2.wav",
                       "payment3.wav", "player_miss.wav", "human1.wav", "human2.wav", "human3.wav",
                       "monster1.wav", "monster2.wav", "monster3.wav", "Alert_3a.wav"}});

    groups.push_back(
        {"music", "music player", {"Intro.ogg", "Background.ogg", "PreppingTrack.ogg"}});
    return groups;
}

}  // namespace

const std::vector<int>& TileCodes() {
    static const std::vector<int> codes = [] {
        std::vector<int> out;
        for (const auto& block : TileBlocks()) {
            const int count = block.variants * static_cast<int>(block.suffixes.size());
            for (int i = 0; i < count; ++i)
                out.push_back(block.firstCode + i);
        }
        return out;
    }();
    return codes;
}

std::string TilePrefix(int prefix) {
    static const char* const prefixes[] = {"m2_", "m2blue_", "m2green_", "m2red_", "m2cyan_"};
    if (prefix < 0 || prefix > 4) prefix = 0;
    return prefixes[prefix];
}

std::string TileBaseName(int code) {
    for (const auto& block : TileBlocks()) {
        const int perVariant = static_cast<int>(block.suffixes.size());
        // Compared before subtracting: a code from a file can be any 32-bit value.
        if (code < block.firstCode || code >= block.firstCode + block.variants * perVariant)
            continue;
        const int offset = code - block.firstCode;
        return std::string(block.stem) + std::to_string(offset / perVariant + 1) +
               block.suffixes[static_cast<std::size_t>(offset % perVariant)];
    }
    return "";
}

std::string TileFileName(int prefix, int code) {
    if (code == 0) return "m2_water1.jpg";
    return TilePrefix(prefix) + TileBaseName(code) + ".jpg";
}

const std::vector<std::string>& LordColours() {
    static const std::vector<std::string> colours(kLordColourWords.begin(), kLordColourWords.end());
    return colours;
}

const std::vector<std::string>& MonsterArchetypes() {
    static const std::vector<std::string> list = {
        "orc",    "goblin", "troll",   "skeleton",  "zombie", "ghost", "vampire", "spider", "rat",
        "wolf",   "bat",    "snake",   "scorpion",  "mummy",  "demon", "imp",     "dragon", "giant",
        "knight", "bandit", "cultist", "elemental", "golem",  "witch", "slime",   "beast"};
    return list;
}

const std::vector<std::string>& ItemArchetypes() {
    static const std::vector<std::string> list = {
        "sword",        "axe",    "mace",  "dagger", "spear", "bow",    "crossbow",   "shield",
        "helmet",       "armour", "boots", "gloves", "ring",  "amulet", "potion_red", "potion_blue",
        "potion_green", "scroll", "gem",   "key",    "food",  "staff",  "hammer",     "cloak"};
    return list;
}

const std::vector<AssetGroup>& AssetGroups() {
    static const std::vector<AssetGroup> groups = BuildGroups();
    return groups;
}

const std::vector<std::string>& AllAssetNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        std::set<std::string> seen;
        for (const auto& group : AssetGroups()) {
            for (const auto& name : group.names) {
                if (seen.insert(platform::LowerCase(name)).second) out.push_back(name);
            }
        }
        return out;
    }();
    return names;
}

}  // namespace state
