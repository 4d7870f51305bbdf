// Reading and writing the readable scenario sources.
#include "scenario_source.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "playable_checks.h"
#include "state/field.h"
#include "state/item_table.h"
#include "state/lord.h"
#include "state/map_site.h"
#include "state/monster_table.h"
#include "state/scenario_settings.h"

namespace scenarios {

using nlohmann::ordered_json;
namespace fs = std::filesystem;

namespace {

struct Named {
    const char* name;
    int value;
};

constexpr Named kSiteKinds[] = {
    {"city", 1},      {"sorcerer", 2}, {"shrine", 3},   {"crusaders", 4},
    {"archers", 5},   {"soldiers", 6}, {"settlers", 7}, {"witch", 8},
    {"soulstone", 9}, {"theme", -1},   {"theme2", -2},  {"theme3", -3},
};
constexpr Named kItemKinds[] = {{"slash", 1}, {"thrust", 2}, {"item", 3}};
constexpr Named kRarities[] = {{"epic", 1}, {"rare", 2}, {"common", 3}};

// The named monster and item values, in the order the sources list them.
constexpr Named kMonsterValues[] = {
    {"level", state::MonsterTable::monsterLevel},    {"toughness", state::MonsterTable::toughness},
    {"frequency", state::MonsterTable::frequency},   {"sound", state::MonsterTable::soundFamily},
    {"resistance", state::MonsterTable::resistance}, {"duel", state::MonsterTable::duelFlag},
};
constexpr Named kItemValues[] = {
    {"level", state::ItemTable::itemLevel},       {"hit", state::ItemTable::hitStrength},
    {"damage", state::ItemTable::damageStrength}, {"health", state::ItemTable::healthStrength},
    {"heal", state::ItemTable::healStrength},
};
// Item text 2 carries the description (the game shows only the name, picture and short name).
constexpr int kItemDescription = 2;

template <std::size_t N>
int ByName(const Named (&table)[N], const std::string& name) {
    for (const Named& n : table)
        if (name == n.name) return n.value;
    return 0;
}
template <std::size_t N>
std::string NameOf(const Named (&table)[N], int value) {
    for (const Named& n : table)
        if (value == n.value) return n.name;
    return std::to_string(value);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path.filename().string() + ": cannot be read");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw SourceError(path.string() + ": cannot be written");
}

// Parses a JSON file; a syntax error names the line and column of the byte it stopped at.
ordered_json ParseJson(const fs::path& path) {
    const std::string text = ReadFile(path);
    try {
        return ordered_json::parse(text);
    } catch (const ordered_json::parse_error& e) {
        int line = 1, column = 1;
        for (std::size_t i = 0; i + 1 < e.byte && i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        std::string why = e.what();
        if (const auto colon = why.find("]: "); colon != std::string::npos)
            why = why.substr(colon + 3);
        throw SourceError(path.filename().string() + ":" + std::to_string(line) + ":" +
                          std::to_string(column) + ": " + why);
    }
}

// Reading values out of a JSON object with errors that say where the fault is.
class Reader {
  public:
    Reader(std::string where) : where_(std::move(where)) {}
    [[noreturn]] void Fail(const std::string& why) const { throw SourceError(where_ + ": " + why); }

    int Int(const ordered_json& o, const char* key, int fallback, int lo, int hi) const {
        if (!o.contains(key)) return fallback;
        const ordered_json& v = o.at(key);
        if (!v.is_number_integer()) Fail(std::string("\"") + key + "\" must be a whole number");
        const long long n = v.get<long long>();
        if (n < lo || n > hi)
            Fail(std::string("\"") + key + "\" must lie in " + std::to_string(lo) + ".." +
                 std::to_string(hi));
        return static_cast<int>(n);
    }
    std::string Text(const ordered_json& o, const char* key, bool required) const {
        if (!o.contains(key)) {
            if (required) Fail(std::string("\"") + key + "\" is missing");
            return {};
        }
        if (!o.at(key).is_string()) Fail(std::string("\"") + key + "\" must be a text");
        const std::string s = o.at(key).get<std::string>();
        if (s.size() > state::kMaxTextLength)
            Fail(std::string("\"") + key + "\" is longer than 255 bytes");
        return s;
    }
    template <std::size_t N>
    int Choice(const ordered_json& o, const char* key, const Named (&table)[N],
               int fallback) const {
        const std::string s = Text(o, key, false);
        if (s.empty()) return fallback;
        const int v = ByName(table, s);
        if (v == 0) Fail(std::string("unknown ") + key + " \"" + s + "\"");
        return v;
    }
    // "slots": {"17": 5, ...}: any further slot of a record by number.
    template <class Row>
    void Slots(const ordered_json& o, Row& row, int count) const {
        if (!o.contains("slots")) return;
        const ordered_json& slots = o.at("slots");
        if (!slots.is_object()) Fail("\"slots\" must be an object of slot numbers");
        for (const auto& [key, value] : slots.items()) {
            int slot = 0;
            try {
                slot = std::stoi(key);
            } catch (const std::exception&) {
                Fail("slot \"" + key + "\" is not a number");
            }
            if (slot < 1 || slot > count) Fail("slot " + key + " out of range");
            if (!value.is_number_integer()) Fail("slot " + key + " must be a whole number");
            row[slot] = value.template get<state::Int>();
        }
    }
    template <class Row>
    void Texts(const ordered_json& o, Row& row) const {
        if (!o.contains("texts")) return;
        const ordered_json& texts = o.at("texts");
        if (!texts.is_object()) Fail("\"texts\" must be an object of text numbers");
        for (const auto& [key, value] : texts.items()) {
            int t = 0;
            try {
                t = std::stoi(key);
            } catch (const std::exception&) {
                Fail("text \"" + key + "\" is not a number");
            }
            if (t < 1 || t > 10 || !value.is_string()) Fail("bad text " + key);
            row[t] = value.template get<std::string>();
        }
    }

  private:
    std::string where_;
};

const ordered_json& Array(const ordered_json& doc, const char* key, const Reader& r) {
    if (!doc.is_object() || !doc.contains(key) || !doc.at(key).is_array())
        r.Fail(std::string("\"") + key + "\" must be a list");
    return doc.at(key);
}

// Slots not covered by the named values go to "slots" (nonzero only).
template <class Row>
ordered_json OtherSlots(const Row& row, int count, const std::set<int>& named) {
    ordered_json slots = ordered_json::object();
    for (int s = 1; s <= count; ++s)
        if (!named.count(s) && row[s] != 0) slots[std::to_string(s)] = row[s];
    return slots;
}

template <class Row>
ordered_json OtherTexts(const Row& row, const std::set<int>& named) {
    ordered_json texts = ordered_json::object();
    for (int t = 1; t <= 10; ++t)
        if (!named.count(t) && !row[t].empty()) texts[std::to_string(t)] = row[t];
    return texts;
}

void ReadScenarioJson(const fs::path& dir, const MapText& map, state::GameState& g) {
    const ordered_json doc = ParseJson(dir / "scenario.json");
    const Reader r("scenario.json");
    if (!doc.is_object()) r.Fail("must be an object");
    g.modText[state::ModText::title] = r.Text(doc, "title", true);
    g.modText[state::ModText::description] = r.Text(doc, "story", true);
    const std::string base = r.Text(doc, "base", true);
    g.modText[state::ModText::mapFile] = base;
    g.modText[state::ModText::monsterFile] = base;
    g.modText[state::ModText::itemFile] = base;
    r.Texts(doc, g.modText);
    if (doc.contains("moduleValues"))
        r.Slots(ordered_json{{"slots", doc.at("moduleValues")}}, g.modSetting, 100);
    if (doc.contains("mapValues"))
        r.Slots(ordered_json{{"slots", doc.at("mapValues")}}, g.mapSetting, 100);
    g.mapSetting[state::MapSetting::theme] = r.Int(doc, "theme", 0, 0, 19);

    const ordered_json& lords = Array(doc, "lords", r);
    if (lords.size() != 4) r.Fail("\"lords\" lists the four lords blue, green, red, cyan");
    for (int p = 1; p <= 4; ++p) {
        const ordered_json& l = lords[static_cast<std::size_t>(p - 1)];
        const Reader lr("scenario.json: lord " + std::to_string(p));
        g.realmName[p] = lr.Text(l, "realm", false);
        const auto i = static_cast<std::size_t>(p);
        if (map.castleX[i] != 0) {
            g.lord[p][state::Lord::inGame] = 1;
            g.lord[p][state::Lord::castleX] = map.castleX[i];
            g.lord[p][state::Lord::castleY] = map.castleY[i];
        }
        lr.Slots(l, g.lord[p], 100);
    }

    const ordered_json& sites = Array(doc, "sites", r);
    if (sites.size() > static_cast<std::size_t>(kMaxSites)) r.Fail("at most 10 sites");
    for (std::size_t s = 0; s < sites.size(); ++s) {
        const int row = static_cast<int>(s) + 1;
        const char letter = static_cast<char>('A' + s);
        const Reader sr("scenario.json: site " + std::string(1, letter));
        const ordered_json& o = sites[s];
        if (map.siteX[s] == 0) sr.Fail("has no place on the map (letter missing in map.txt)");
        auto& site = g.mapSite[row];
        site[state::MapSite::active] = 1;
        site[state::MapSite::kind] = sr.Choice(o, "kind", kSiteKinds, 0);
        if (site[state::MapSite::kind] == 0) sr.Fail("\"kind\" is missing");
        site[state::MapSite::x] = map.siteX[s];
        site[state::MapSite::y] = map.siteY[s];
        site[state::MapSite::size] = sr.Int(o, "size", 0, 0, 3);
        sr.Slots(o, site, 100);
    }
    for (std::size_t s = sites.size(); s < static_cast<std::size_t>(kMaxSites); ++s)
        if (map.siteX[s] != 0)
            r.Fail(std::string("map.txt places site ") + static_cast<char>('A' + s) +
                   " that \"sites\" does not list");
}

void ReadMonsters(const fs::path& dir, state::GameState& g) {
    const ordered_json doc = ParseJson(dir / "monsters.json");
    const ordered_json& list = Array(doc, "monsters", Reader("monsters.json"));
    if (list.size() > 100) Reader("monsters.json").Fail("at most 100 monsters");
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int m = static_cast<int>(i) + 1;
        const Reader r("monsters.json: monster " + std::to_string(m));
        const ordered_json& o = list[i];
        auto& row = g.monsterTable[m];
        row[state::MonsterTable::exists] = 1;
        for (const Named& v : kMonsterValues)
            row[v.value] = r.Int(o, v.name, 0, -1000000, 1000000);
        if (row[state::MonsterTable::monsterLevel] < 1 ||
            row[state::MonsterTable::monsterLevel] > 10)
            r.Fail("\"level\" must lie in 1..10");
        r.Slots(o, row, 100);
        g.monsterText[m][state::MonsterText::name] = r.Text(o, "name", true);
        g.monsterText[m][state::MonsterText::picture] = r.Text(o, "picture", true);
        r.Texts(o, g.monsterText[m]);
    }
}

void ReadItems(const fs::path& dir, state::GameState& g) {
    const ordered_json doc = ParseJson(dir / "items.json");
    const ordered_json& list = Array(doc, "items", Reader("items.json"));
    int last = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ordered_json& o = list[i];
        const Reader pos("items.json: entry " + std::to_string(i + 1));
        const int n = pos.Int(o, "row", last + 1, 1, 500);
        if (n <= last) pos.Fail("\"row\" must be above the row before it");
        last = n;
        const Reader r("items.json: item " + std::to_string(n));
        auto& row = g.itemTable[n];
        row[state::ItemTable::exists] = 1;
        row[state::ItemTable::itemKind] = r.Choice(o, "kind", kItemKinds, 3);
        row[state::ItemTable::rarity] = r.Choice(o, "rarity", kRarities, 3);
        for (const Named& v : kItemValues)
            row[v.value] = r.Int(o, v.name, 0, -1000000, 1000000);
        r.Slots(o, row, 100);
        auto& text = g.itemText[n];
        text[state::ItemText::fullName] = r.Text(o, "name", true);
        text[state::ItemText::shortName] = r.Text(o, "short", false);
        if (text[state::ItemText::shortName].empty())
            text[state::ItemText::shortName] = text[state::ItemText::fullName];
        text[kItemDescription] = r.Text(o, "description", false);
        text[state::ItemText::picture] = r.Text(o, "picture", true);
        r.Texts(o, text);
    }
}

}  // namespace

int SiteKindByName(const std::string& name) {
    return ByName(kSiteKinds, name);
}
std::string SiteKindName(int kind) {
    return NameOf(kSiteKinds, kind);
}

void ReadSources(const std::string& sourceDir, state::GameState& g) {
    const fs::path dir(sourceDir);
    const MapText map = ParseMapText(ReadFile(dir / "map.txt"), "map.txt");
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            auto& f = g.field[x][y];
            f[state::Field::walkable] = WalkableFor(map.grid.At(x, y).terrain);
            f[state::Field::tile] = DeriveTileCode(map.grid, x, y);
        }
    }
    for (int p = 1; p <= 4; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (map.castleX[i] != 0) g.field[map.castleX[i]][map.castleY[i]][state::Field::owner] = p;
    }
    ReadScenarioJson(dir, map, g);
    ReadMonsters(dir, g);
    ReadItems(dir, g);
    CheckPlayable(g, map, ReadFile(dir / "scenario.json"));
}

void WriteSources(const state::GameState& g, const std::string& outDir) {
    const fs::path dir(outDir);
    fs::create_directories(dir);

    MapText map;
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            map.grid.At(x, y) = CellForTile(g.field[x][y][state::Field::tile]);
    for (int p = 1; p <= 4; ++p) {
        if (g.lord[p][state::Lord::inGame] <= 0) continue;
        map.castleX[static_cast<std::size_t>(p)] = g.lord[p][state::Lord::castleX];
        map.castleY[static_cast<std::size_t>(p)] = g.lord[p][state::Lord::castleY];
    }
    int siteCount = 0;
    for (int s = 1; s <= kMaxSites; ++s)
        if (g.mapSite[s][state::MapSite::kind] != 0) siteCount = s;
    for (int s = 1; s <= siteCount; ++s) {
        map.siteX[static_cast<std::size_t>(s - 1)] = g.mapSite[s][state::MapSite::x];
        map.siteY[static_cast<std::size_t>(s - 1)] = g.mapSite[s][state::MapSite::y];
    }
    WriteFile(dir / "map.txt", FormatMapText(map));

    ordered_json doc;
    doc["title"] = g.modText[state::ModText::title];
    doc["story"] = g.modText[state::ModText::description];
    doc["base"] = g.modText[state::ModText::mapFile];
    ordered_json texts = OtherTexts(
        g.modText, {state::ModText::title, state::ModText::description, state::ModText::mapFile});
    for (int t : {state::ModText::monsterFile, state::ModText::itemFile})
        if (g.modText[t] == g.modText[state::ModText::mapFile]) texts.erase(std::to_string(t));
    if (!texts.empty()) doc["texts"] = texts;
    doc["theme"] = g.mapSetting[state::MapSetting::theme];
    ordered_json mv = OtherSlots(g.mapSetting, 100, {state::MapSetting::theme});
    if (!mv.empty()) doc["mapValues"] = mv;
    ordered_json modv = OtherSlots(g.modSetting, 100, {});
    if (!modv.empty()) doc["moduleValues"] = modv;
    ordered_json lords = ordered_json::array();
    for (int p = 1; p <= 4; ++p) {
        ordered_json l;
        l["realm"] = g.realmName[p];
        std::set<int> named;
        if (g.lord[p][state::Lord::inGame] == 1)
            named = {state::Lord::inGame, state::Lord::castleX, state::Lord::castleY};
        ordered_json slots = OtherSlots(g.lord[p], 100, named);
        if (!slots.empty()) l["slots"] = slots;
        lords.push_back(l);
    }
    doc["lords"] = lords;
    ordered_json sites = ordered_json::array();
    for (int s = 1; s <= siteCount; ++s) {
        const auto& site = g.mapSite[s];
        ordered_json o;
        o["kind"] = SiteKindName(site[state::MapSite::kind]);
        if (site[state::MapSite::size] != 0) o["size"] = site[state::MapSite::size];
        std::set<int> named = {state::MapSite::kind, state::MapSite::x, state::MapSite::y,
                               state::MapSite::size};
        if (site[state::MapSite::active] == 1) named.insert(state::MapSite::active);
        ordered_json slots = OtherSlots(site, 100, named);
        if (site[state::MapSite::active] != 1)
            slots[std::to_string(state::MapSite::active)] = site[state::MapSite::active];
        if (!slots.empty()) o["slots"] = slots;
        sites.push_back(o);
    }
    doc["sites"] = sites;
    WriteFile(dir / "scenario.json", doc.dump(2) + "\n");

    ordered_json monsters = ordered_json::array();
    int lastMonster = 0;
    for (int m = 1; m <= 100; ++m)
        if (g.monsterTable[m][state::MonsterTable::exists] != 0) lastMonster = m;
    for (int m = 1; m <= lastMonster; ++m) {
        const auto& row = g.monsterTable[m];
        ordered_json o;
        o["name"] = g.monsterText[m][state::MonsterText::name];
        o["picture"] = g.monsterText[m][state::MonsterText::picture];
        std::set<int> named = {state::MonsterTable::exists};
        for (const Named& v : kMonsterValues) {
            o[v.name] = row[v.value];
            named.insert(v.value);
        }
        ordered_json slots = OtherSlots(row, 100, named);
        if (!slots.empty()) o["slots"] = slots;
        ordered_json texts =
            OtherTexts(g.monsterText[m], {state::MonsterText::name, state::MonsterText::picture});
        if (!texts.empty()) o["texts"] = texts;
        monsters.push_back(o);
    }
    WriteFile(dir / "monsters.json", ordered_json{{"monsters", monsters}}.dump(2) + "\n");

    ordered_json items = ordered_json::array();
    int expected = 1;
    for (int n = 1; n <= 500; ++n) {
        const auto& row = g.itemTable[n];
        if (row[state::ItemTable::exists] == 0) continue;
        const auto& text = g.itemText[n];
        ordered_json o;
        if (n != expected) o["row"] = n;
        expected = n + 1;
        o["name"] = text[state::ItemText::fullName];
        if (text[state::ItemText::shortName] != text[state::ItemText::fullName])
            o["short"] = text[state::ItemText::shortName];
        if (!text[kItemDescription].empty()) o["description"] = text[kItemDescription];
        o["picture"] = text[state::ItemText::picture];
        o["kind"] = NameOf(kItemKinds, row[state::ItemTable::itemKind]);
        o["rarity"] = NameOf(kRarities, row[state::ItemTable::rarity]);
        std::set<int> named = {state::ItemTable::exists, state::ItemTable::itemKind,
                               state::ItemTable::rarity};
        for (const Named& v : kItemValues) {
            if (row[v.value] != 0 || v.value == state::ItemTable::itemLevel)
                o[v.name] = row[v.value];
            named.insert(v.value);
        }
        ordered_json slots = OtherSlots(row, 100, named);
        if (!slots.empty()) o["slots"] = slots;
        ordered_json texts =
            OtherTexts(text, {state::ItemText::fullName, state::ItemText::shortName,
                              kItemDescription, state::ItemText::picture});
        if (!texts.empty()) o["texts"] = texts;
        items.push_back(o);
    }
    WriteFile(dir / "items.json", ordered_json{{"items", items}}.dump(2) + "\n");
}

void CollectPictureNames(const state::GameState& g, std::set<std::string>& names) {
    if (!g.modText[state::ModText::mapFile].empty())
        names.insert(g.modText[state::ModText::mapFile] + ".jpg");
    for (int m = 1; m <= 100; ++m) {
        const std::string& pic = g.monsterText[m][state::MonsterText::picture];
        if (g.monsterTable[m][state::MonsterTable::exists] == 0 || pic.empty()) continue;
        names.insert(pic + ".jpg");
        names.insert(pic + "_red.jpg");
    }
    for (int n = 1; n <= 500; ++n) {
        const std::string& pic = g.itemText[n][state::ItemText::picture];
        if (g.itemTable[n][state::ItemTable::exists] == 0 || pic.empty()) continue;
        names.insert(pic + ".jpg");
        const int kind = g.itemTable[n][state::ItemTable::itemKind];
        if (kind == 1 || kind == 2) names.insert(pic + "_g.jpg");
    }
}

}  // namespace scenarios
