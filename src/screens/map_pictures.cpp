#include "screens/map_pictures.h"

#include "rules/sites.h"
#include "state/asset_names.h"
#include "state/lord_colours.h"

namespace screens {

std::string TileName(int prefix, int code) {
    return state::TileFileName(prefix, code);
}

std::string SiteIconName(int kind, int owner, int countdown) {
    if (kind < 0) return "d2_icon_theme.bmp";
    if (kind != logic::SiteKind::city) return "d2_icon_event.bmp";
    if (countdown > 0) return "d2_icon_village_grey.bmp";
    if (owner >= 1 && owner <= 4)
        return std::string("d2_icon_village_") + state::LordColourWord(owner) + ".bmp";
    return "d2_icon_village.bmp";
}

std::string SpawnIconName(int kind) {
    switch (kind) {
        case 1:
            return "d2_icon_wood.bmp";
        case 2:
            return "d2_icon_iron.bmp";
        case 3:
            return "d2_icon_trader.bmp";
        case 4:
            return "d2_icon_dungeon.bmp";
        case 5:
            return "d2_icon_stone.bmp";
        default:
            return {};
    }
}

std::string HourglassName(int movesLeft) {
    if (movesLeft <= 0) return "hourglass_0of100_sm.jpg";
    if (movesLeft == 1) return "hourglass_25of100_sm.jpg";
    if (movesLeft == 2) return "hourglass_50of100_sm.jpg";
    if (movesLeft == 3) return "hourglass_75of100_sm.jpg";
    return "hourglass_100of100_sm.jpg";
}

std::string HeroPictureName(int lord) {
    const int p = (lord >= 1 && lord <= 4) ? lord : 1;
    return "hero" + std::to_string(p) + ".jpg";
}

ArmyPlacement PlaceArmy(int lord, int x, int y, bool shared) {
    if (!shared) return {(x - 1) * 50, (y - 1) * 50, 50};
    switch (lord) {
        case 1:
            return {x * 50 - 48, y * 50 - 49, 35};
        case 2:
            return {x * 50 - 5, y * 50 - 49, 35};
        case 3:
            return {x * 50 - 48, y * 50 - 11, 35};
        default:
            return {x * 50 - 5, y * 50 - 10, 35};
    }
}

PixelPoint CastleMarkerPlace(int x, int y) {
    return {x * 50 - 42, y * 50 - 42};
}

}  // namespace screens
