// Reading and writing a scenario's map.txt.
#include "map_text.h"

#include <cstring>
#include <sstream>
#include <vector>

namespace scenarios {

namespace {

constexpr const char* kLegend =
    "# Map: 12 columns (x 1..12) by 11 rows (y 1..11), one character a field.\n"
    "#   ~ sea   . land   ^ mountain (2 x 2 blocks)   1..4 castle of lord 1..4\n"
    "#   A..J map site of that letter (scenario.json \"sites\" in order)\n"
    "#   w leafy wood  f pine forest  h hills  p farmland  s swamp  r rocks  o pond\n"
    "#   x standing stones\n";

[[noreturn]] void Fail(const std::string& file, int line, int column, const std::string& why) {
    throw SourceError(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " +
                      why);
}

}  // namespace

MapText ParseMapText(const std::string& text, const std::string& fileName) {
    MapText map;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    int row = 0;
    std::array<int, 5> castleLine{}, castleColumn{};
    std::array<int, kMaxSites> siteLine{};
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        ++row;
        if (row > kRows) Fail(fileName, lineNo, 1, "more than 11 map rows");
        map.rowLine[static_cast<std::size_t>(row)] = lineNo;
        if (static_cast<int>(line.size()) != kColumns)
            Fail(fileName, lineNo, 1,
                 "a map row has 12 fields, this one has " + std::to_string(line.size()));
        for (int x = 1; x <= kColumns; ++x) {
            const char ch = line[static_cast<std::size_t>(x - 1)];
            Cell& cell = map.grid.At(x, row);
            cell = {Terrain::Land, 0};
            if (ch == '~') {
                cell.terrain = Terrain::Water;
            } else if (ch == '^') {
                cell.terrain = Terrain::Mountain;
            } else if (ch >= '1' && ch <= '4') {
                const int lord = ch - '0';
                if (map.castleX[static_cast<std::size_t>(lord)] != 0)
                    Fail(fileName, lineNo, x,
                         "castle " + std::string(1, ch) + " is already at line " +
                             std::to_string(castleLine[static_cast<std::size_t>(lord)]) +
                             " column " +
                             std::to_string(castleColumn[static_cast<std::size_t>(lord)]));
                map.castleX[static_cast<std::size_t>(lord)] = x;
                map.castleY[static_cast<std::size_t>(lord)] = row;
                castleLine[static_cast<std::size_t>(lord)] = lineNo;
                castleColumn[static_cast<std::size_t>(lord)] = x;
            } else if (ch >= 'A' && ch < 'A' + kMaxSites) {
                const auto site = static_cast<std::size_t>(ch - 'A');
                if (map.siteX[site] != 0)
                    Fail(fileName, lineNo, x,
                         "site " + std::string(1, ch) + " is already at line " +
                             std::to_string(siteLine[site]));
                map.siteX[site] = x;
                map.siteY[site] = row;
                siteLine[site] = lineNo;
            } else if (ch != '\0' && std::strchr(kFeatureLetters, ch) != nullptr) {
                cell.terrain = Terrain::Feature;
                cell.feature =
                    static_cast<int>(std::strchr(kFeatureLetters, ch) - kFeatureLetters) + 1;
            } else if (ch != '.') {
                Fail(fileName, lineNo, x, std::string("unknown map character '") + ch + "'");
            }
        }
    }
    if (row != kRows)
        Fail(fileName, lineNo + 1, 1, "the map has 11 rows, this one " + std::to_string(row));

    // Mountains come in aligned 2 x 2 blocks, and nothing but plain land meets the sea.
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const Cell& c = map.grid.At(x, y);
            const bool east = MountainEastHalf(map.grid, x, y);
            const bool south = MountainSouthHalf(map.grid, x, y);
            if (c.terrain == Terrain::Mountain) {
                const int bx = east ? x - 1 : x;
                const int by = south ? y - 1 : y;
                for (int dx = 0; dx < 2; ++dx)
                    for (int dy = 0; dy < 2; ++dy)
                        if (!OnMap(bx + dx, by + dy) ||
                            map.grid.At(bx + dx, by + dy).terrain != Terrain::Mountain)
                            Fail(fileName, map.rowLine[static_cast<std::size_t>(y)], x,
                                 "a mountain is not part of a 2 x 2 block");
            }
            if (c.terrain != Terrain::Water &&
                SeaSides(map.grid, x, y) ==
                    (tiles::kNorth | tiles::kEast | tiles::kSouth | tiles::kWest))
                Fail(fileName, map.rowLine[static_cast<std::size_t>(y)], x,
                     "a one-field island has no tile of its own");
            if ((c.terrain == Terrain::Mountain || c.terrain == Terrain::Feature) &&
                SeaSides(map.grid, x, y) != 0)
                Fail(fileName, map.rowLine[static_cast<std::size_t>(y)], x,
                     "mountains and features must not touch the sea");
        }
    }
    return map;
}

std::string FormatMapText(const MapText& map) {
    std::vector<std::string> rows(kRows + 1, std::string(kColumns, '.'));
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const Cell& c = map.grid.At(x, y);
            char& ch = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x - 1)];
            if (c.terrain == Terrain::Water) ch = '~';
            if (c.terrain == Terrain::Mountain) ch = '^';
            if (c.terrain == Terrain::Feature) ch = kFeatureLetters[c.feature - 1];
        }
    }
    for (int s = 0; s < kMaxSites; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (OnMap(map.siteX[i], map.siteY[i]))
            rows[static_cast<std::size_t>(map.siteY[i])]
                [static_cast<std::size_t>(map.siteX[i] - 1)] = static_cast<char>('A' + s);
    }
    for (int p = 1; p <= 4; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (OnMap(map.castleX[i], map.castleY[i]))
            rows[static_cast<std::size_t>(map.castleY[i])]
                [static_cast<std::size_t>(map.castleX[i] - 1)] = static_cast<char>('0' + p);
    }
    std::string out = kLegend;
    for (int y = 1; y <= kRows; ++y)
        out += rows[static_cast<std::size_t>(y)] + "\n";
    return out;
}

}  // namespace scenarios
