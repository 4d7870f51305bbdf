// How the map tile codes are read, shared by the tile painter and the scenario compiler.
//
// A field's tile code (100..635, 0 for the sea) says which of its four sides face the sea.
// "Sea on a side" means the neighbouring field on that side is water; the painter then puts a
// band of sea along that whole side, so a tile always meets its neighbour seamlessly: a side
// is either all land (meets land) or carries the same sea band (meets the sea or the same band
// of the next coast tile).
//
//   coastKd      (100..119)  land with the sea along the one side d (n, e, s, w)
//   middleK      (200..205)  inland, no sea
//   cornerKab    (300..319)  land with sea on the two named sides: an outer corner (ne, se, sw, nw)
//   endKd        (400..423)  a peninsula tip: a tongue of land joined to the land on side d,
//                            sea on the other three sides ("end1n": land to the north)
//   semiendKns   (500..503)  a strip of land running north-south, sea east and west;
//   semiendKew               likewise east-west with sea north and south
//   specialK_x   (600..631)  inland with a feature, K = 1..8 the kind, x = a..d the variant:
//                            1 leafy wood, 2 pine forest, 3 hills, 4 farmland, 5 swamp,
//                            6 rocks, 7 pond, 8 standing stones
//   mountain1q   (632..635)  the quarters of a 2 x 2 mountain, q = ne, nw, se, sw, inland
//
// K, the number in a name, only changes the decoration; the shape of the coast depends on the
// sea sides alone, so coast1n and coast4n can stand side by side.
//
// Limits of the code set: a land field whose only sea neighbour is diagonal has no tile of its
// own (it is drawn inland and shows a square corner of sea), and a one-field island has none
// either (it is drawn as the tip "endKn").
#pragma once

namespace tiles {

inline constexpr int kWater = 0;

// The sides of a field, as bits.
enum Side : int { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8 };

enum class Kind { Water, Coast, Middle, Corner, End, Semiend, Special, Mountain, None };

struct TileShape {
    Kind kind = Kind::None;
    int seaSides = 0;  // Side bits facing the sea
    int variant = 0;   // 0-based number in the name (coast1 = 0), or the special kind - 1
    int letter = 0;    // special a..d as 0..3; mountain quarter index (ne, nw, se, sw)
};

// The shape of a tile code.
constexpr TileShape ShapeOf(int code) {
    constexpr int kAll = kNorth | kEast | kSouth | kWest;
    constexpr int coastSea[4] = {kNorth, kEast, kSouth, kWest};
    constexpr int cornerSea[4] = {kNorth | kEast, kSouth | kEast, kSouth | kWest, kNorth | kWest};
    if (code == kWater) return {Kind::Water, kAll, 0, 0};
    if (code >= 100 && code <= 119)
        return {Kind::Coast, coastSea[(code - 100) % 4], (code - 100) / 4, 0};
    if (code >= 200 && code <= 205) return {Kind::Middle, 0, code - 200, 0};
    if (code >= 300 && code <= 319)
        return {Kind::Corner, cornerSea[(code - 300) % 4], (code - 300) / 4, 0};
    if (code >= 400 && code <= 423) {
        // The land side is the named one; the sea is on the other three.
        return {Kind::End, kAll & ~coastSea[(code - 400) % 4], (code - 400) / 4, 0};
    }
    if (code >= 500 && code <= 503) {
        const bool northSouth = (code - 500) % 2 == 0;
        return {Kind::Semiend, northSouth ? (kEast | kWest) : (kNorth | kSouth), (code - 500) / 2,
                0};
    }
    if (code >= 600 && code <= 631) return {Kind::Special, 0, (code - 600) / 4, (code - 600) % 4};
    if (code >= 632 && code <= 635) return {Kind::Mountain, 0, 0, code - 632};
    return {Kind::None, 0, 0, 0};
}

// The tile code of a field from what lies around it. landN..landW: whether the neighbour on
// that side is land (a field beyond the map edge counts as land, so coasts are only drawn
// towards real water); land: whether the field itself is land. `variant` picks the decoration
// (any number; it wraps round the variants of the chosen kind).
constexpr int TileCodeFor(bool landN, bool landE, bool landS, bool landW, bool land, int variant) {
    if (!land) return kWater;
    if (variant < 0) variant = -variant;
    const int sea =
        (landN ? 0 : kNorth) | (landE ? 0 : kEast) | (landS ? 0 : kSouth) | (landW ? 0 : kWest);
    switch (sea) {
        case 0:
            return 200 + variant % 6;
        case kNorth:
            return 100 + 4 * (variant % 5) + 0;
        case kEast:
            return 100 + 4 * (variant % 5) + 1;
        case kSouth:
            return 100 + 4 * (variant % 5) + 2;
        case kWest:
            return 100 + 4 * (variant % 5) + 3;
        case kNorth | kEast:
            return 300 + 4 * (variant % 5) + 0;
        case kSouth | kEast:
            return 300 + 4 * (variant % 5) + 1;
        case kSouth | kWest:
            return 300 + 4 * (variant % 5) + 2;
        case kNorth | kWest:
            return 300 + 4 * (variant % 5) + 3;
        case kEast | kWest:
            return 500 + 2 * (variant % 2);
        case kNorth | kSouth:
            return 500 + 2 * (variant % 2) + 1;
        case kEast | kSouth | kWest:
            return 400 + 4 * (variant % 6) + 0;  // joined to the north
        case kNorth | kSouth | kWest:
            return 400 + 4 * (variant % 6) + 1;  // joined to the east
        case kNorth | kEast | kWest:
            return 400 + 4 * (variant % 6) + 2;  // joined to the south
        case kNorth | kEast | kSouth:
            return 400 + 4 * (variant % 6) + 3;  // joined to the west
        default:
            return 400 + 4 * (variant % 6);  // an island
    }
}

// An inland feature: kind 1..8 (see above), letter 0..3 for a..d.
constexpr int SpecialCode(int kind, int letter) {
    return 600 + 4 * (kind - 1) + letter;
}

// One quarter of a 2 x 2 mountain: east/south say which half of the block the field is in.
constexpr int MountainCode(bool eastHalf, bool southHalf) {
    // Codes in order: ne, nw, se, sw.
    return 632 + (southHalf ? 2 : 0) + (eastHalf ? 0 : 1);
}

}  // namespace tiles
