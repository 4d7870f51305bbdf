#include "state/value_ranges.h"

#include "state/ai_plan.h"
#include "state/game_state.h"

namespace state {

namespace {

using H = Holder;
using S = Scope;

constexpr const char* kLordText = ", not a lord from 1 to 4";
constexpr const char* kOwnerText = "{who} is owned by {value}, not by a lord from 1 to 4";
constexpr const char* kTroopsText = "{who} counts {value} troops of one kind";
constexpr const char* kOffMapText = "{who} at {place} is off the map";

// In this order: the checks after a row may index tables with the values the rows before it
// checked (the lords, the in-game flags, the dungeon's lord).
constexpr ValueRange kRanges[] = {
    // Single values of a saved game.
    {H::game, GameValue::currentLord, "current lord", 1, 4, S::everyRecord, Holds::savedGames,
     "the current lord is {value}, not a lord from 1 to 4"},
    {H::game, GameValue::dungeonLord, "dungeon's lord", 1, 4, S::everyRecord, Holds::both,
     "the dungeon's lord is {value}, not a lord from 1 to 4"},
    {H::game, GameValue::inDungeon, "dungeon flag", 0, 1, S::everyRecord, Holds::savedGames,
     "the dungeon flag is {value}, not 0 or 1"},
    {H::game, GameValue::dungeonTurn, "dungeon turn", 0, kCountLimit},
    {H::game, GameValue::playedScenario, "scenario number", 0, 100},
    {H::mapSetting, MapSetting::theme, "theme", 0, kLastTheme, S::everyRecord, Holds::both,
     "the scenario theme is {value}, not a theme from 0 to 19"},
    {H::modSetting, ModSetting::started, "started flag", 0, 1},

    // The lords.
    {H::lord, Lord::inGame, "in-game flag", 0, 1, S::everyRecord, Holds::both,
     "{who}'s in-game flag is {value}, not 0 or 1"},
    {H::lord, Lord::controller, "player", 1, 2, S::lordsInGame, Holds::savedGames,
     "{who} is played by {value}, neither the player (1) nor the computer (2)"},
    {H::lord, Lord::controller, "player", 0, 2, S::lordsInGame, Holds::scenarios,
     "{who} is played by {value}, neither the player (1) nor the computer (2)"},
    {H::lord, Lord::castleX, "castle", 1, Field::kColumns, S::lordsInGame, Holds::both,
     "{who}'s castle at {place} is off the map"},
    {H::lord, Lord::castleY, "castle", 1, Field::kRows, S::lordsInGame, Holds::both,
     "{who}'s castle at {placeEnding} is off the map"},
    {H::lord, Lord::gold, "gold", kIntMin, kIntMax, S::lordsInGame},
    {H::lord, Lord::honor, "honor", kIntMin, kIntMax, S::lordsInGame},
    {H::lord, Lord::wood, "wood", kIntMin, kIntMax, S::lordsInGame},
    {H::lord, Lord::iron, "iron", kIntMin, kIntMax, S::lordsInGame},
    {H::lord, Lord::stone, "stone", kIntMin, kIntMax, S::lordsInGame},
    {H::lord, Lord::gems, "gems", kIntMin, kIntMax, S::lordsInGame},
    {H::lord, Lord::moveRange, "move range", 0, kCountLimit, S::lordsInGame},
    {H::lord, Lord::heroLevel, "hero level", 0, 8, S::lordsInGame},
    {H::lord, Lord::difficulty, "difficulty", 0, 12, S::lordsInGame},
    {H::lord, Lord::aiGoal, "goal", 0, 60, S::lordsInGame},
    {H::lord, Lord::aiTarget, "goal's target", 0, 9, S::lordsInGame},
    {H::lord, Lord::barracks, "barracks flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::walls, "walls flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::keep, "keep flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::bowmaker, "bowmaker flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::treasury, "treasury flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::stables, "stables flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::scoutCamp, "scout camp flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::workshop, "workshop flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::guildhouse, "guildhouse flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::themeCounter, "theme counter", -kCountLimit, kCountLimit, S::lordsInGame},
    {H::lord, Lord::ironIngots, "dark iron ingots", 0, kCountLimit, S::lordsInGame},
    {H::lord, Lord::miningSkill, "mining skill", 0, 100, S::lordsInGame},
    {H::lord, Lord::enemyCloseHintShown, "enemy hint flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::lowHealthHintShown, "health hint flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::voodooDoll, "voodoo doll flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::magicDust, "magic dust flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::evilTalisman, "talisman flag", 0, 1, S::lordsInGame},
    {H::lord, Lord::soulstone, "soulstone flag", 0, 1, S::lordsInGame},

    // The lords' armies.
    {H::army, Army::present, "present flag", 0, 1, S::lordsInGame},
    {H::army, Army::x, "place", 1, Field::kColumns, S::presentArmies, Holds::both, kOffMapText},
    {H::army, Army::y, "place", 1, Field::kRows, S::presentArmies, Holds::both,
     "{who} at {placeEnding} is off the map"},
    {H::army, Army::movesLeft, "moves left", kIntMin, 4, S::lordsInGame},
    {H::army, Army::prevX, "last column", 0, Field::kColumns, S::lordsInGame},
    {H::army, Army::prevY, "last row", 0, Field::kRows, S::lordsInGame},
    {H::army, Army::soldiers, "soldiers", 0, kTroopLimit, S::lordsInGame, Holds::both, kTroopsText},
    {H::army, Army::fast, "fast troops", 0, kTroopLimit, S::lordsInGame, Holds::both, kTroopsText},
    {H::army, Army::archers, "archers", 0, kTroopLimit, S::lordsInGame, Holds::both, kTroopsText},
    {H::army, Army::siege, "siege troops", 0, kTroopLimit, S::lordsInGame, Holds::both,
     kTroopsText},
    {H::army, Army::specialCount, "special troops", 0, kTroopLimit, S::lordsInGame, Holds::both,
     kTroopsText},
    {H::army, Army::specialType, "special troop type", 0, 100, S::lordsInGame},
    {H::army, Army::specialClass, "special troop class", 0, 3, S::lordsInGame},

    // The heroes.
    {H::hero, Hero::floor, "floor", 0, kCountLimit, S::lordsInGame},
    {H::hero, Hero::posX, "room column", 0, Room::kColumns, S::lordsInGame},
    {H::hero, Hero::posY, "room row", 0, Room::kRows, S::lordsInGame},
    {H::hero, Hero::xp, "experience", 0, kCountLimit, S::lordsInGame},
    {H::hero, Hero::xpNext, "experience for the next level", 0, kCountLimit, S::lordsInGame},
    {H::hero, Hero::level, "level", 0, 8, S::lordsInGame},
    {H::hero, Hero::goldCarried, "gold", kIntMin, kIntMax, S::lordsInGame},
    {H::hero, Hero::rations, "rations", -kCountLimit, kCountLimit, S::lordsInGame},
    {H::hero, Hero::floorCount, "floors", 0, kCountLimit, S::lordsInGame},
    {H::hero, Hero::health, "health", kLowestHeroHealth, kHighestHeroHealth, S::lordsInGame},
    {H::hero, Hero::duelSkill, "duel skill", 0, kCountLimit, S::lordsInGame},
    {H::hero, Hero::duelDamage, "duel damage", 0, kCountLimit, S::lordsInGame},
    {H::hero, Hero::baseMaxHealth, "base health", 1, kHealthLimit, S::lordsInGame},
    {H::hero, Hero::itemHealthBonus, "health from items", 0, kHealthLimit, S::lordsInGame},
    {H::hero, Hero::heroic, "heroic flag", 0, 1, S::lordsInGame},
    {H::hero, Hero::prevX, "last room column", 0, Room::kColumns, S::lordsInGame},
    {H::hero, Hero::prevY, "last room row", 0, Room::kRows, S::lordsInGame},
    {H::heroGear, HeroGear::present, "present flag", 0, 1, S::lordsInGame},
    {H::heroGear, HeroGear::item, "item", -1, kLastItem, S::lordsInGame},
    {H::heroSkill, HeroSkill::askBeforeLoad, "load question flag", 0, 1, S::lordsInGame},

    // The map.
    {H::field, Field::walkable, "walkable flag", -1, 1},
    {H::field, Field::owner, "owner", 0, 4, S::everyRecord, Holds::both, kOwnerText},
    {H::field, Field::tile, "tile", 0, kLastTile},
    {H::mapSite, MapSite::active, "active flag", 0, 1},
    {H::mapSite, MapSite::kind, "kind", -3, 9},
    {H::mapSite, MapSite::x, "column", 0, Field::kColumns},
    {H::mapSite, MapSite::y, "row", 0, Field::kRows},
    {H::mapSite, MapSite::countdown, "countdown", 0, kCountLimit},
    {H::mapSite, MapSite::owner, "owner", 0, 4, S::everyRecord, Holds::both, kOwnerText},
    {H::mapSite, MapSite::taxes, "taxes", 0, kIntMax},
    {H::mapSite, MapSite::size, "size", 0, kCountLimit},
    {H::mapSite, MapSite::woodPrice, "wood price", 0, 135},
    {H::mapSite, MapSite::ironPrice, "iron price", 0, 200},
    {H::mapSite, MapSite::stonePrice, "stone price", 0, 135},
    {H::mapSite, MapSite::gemsPrice, "gems price", 0, 500},
    {H::mapSite, MapSite::woodStock, "wood stock", 0, kCountLimit},
    {H::mapSite, MapSite::ironStock, "iron stock", 0, kCountLimit},
    {H::mapSite, MapSite::stoneStock, "stone stock", 0, kCountLimit},
    {H::mapSite, MapSite::gemsStock, "gems stock", 0, kCountLimit},
    {H::mapSite, MapSite::garrisonSoldiers, "garrison", 0, kTroopLimit, S::everyRecord, Holds::both,
     "{who}'s garrison counts {value} troops of one kind"},
    {H::mapSite, MapSite::garrisonFast, "garrison", 0, kTroopLimit, S::everyRecord, Holds::both,
     "{who}'s garrison counts {value} troops of one kind"},
    {H::mapSite, MapSite::garrisonArchers, "garrison", 0, kTroopLimit, S::everyRecord, Holds::both,
     "{who}'s garrison counts {value} troops of one kind"},
    {H::mapSite, MapSite::garrisonSiege, "garrison", 0, kTroopLimit, S::everyRecord, Holds::both,
     "{who}'s garrison counts {value} troops of one kind"},
    {H::mapSite, MapSite::shopItem1, "first shop item", 0, kLastItem},
    {H::mapSite, MapSite::shopItem2, "second shop item", 0, kLastItem},
    {H::mapSite, MapSite::shopItem3, "third shop item", 0, kLastItem},
    {H::spawnField, SpawnField::present, "present flag", 0, 1},
    {H::spawnField, SpawnField::kind, "kind", 0, 5},
    {H::spawnField, SpawnField::x, "column", 0, Field::kColumns},
    {H::spawnField, SpawnField::y, "row", 0, Field::kRows},
    {H::spawnField, SpawnField::roundsLeft, "rounds left", kIntMin, kCountLimit},
    {H::aiPlanA, AIPlan::used, "used flag", 0, 1},
    {H::aiPlanA, AIPlan::x, "column", 0, Field::kColumns},
    {H::aiPlanA, AIPlan::y, "row", 0, Field::kRows},
    {H::aiPlanA, AIPlan::length, "length", 0, kCountLimit},
    {H::aiPlanB, AIPlan::used, "used flag", 0, 1},
    {H::aiPlanB, AIPlan::x, "column", 0, Field::kColumns},
    {H::aiPlanB, AIPlan::y, "row", 0, Field::kRows},
    {H::aiPlanB, AIPlan::length, "length", 0, kCountLimit},

    // The dungeon.
    {H::room, Room::exists, "exists flag", 0, 1},
    {H::room, Room::kind, "kind", 0, 11},
    {H::room, Room::visited, "visited flag", 0, 1},
    {H::room, Room::doorNorth, "north door", 0, 1},
    {H::room, Room::doorEast, "east door", 0, 1},
    {H::room, Room::doorSouth, "south door", 0, 1},
    {H::room, Room::doorWest, "west door", 0, 1},
    {H::room, Room::monster, "monster", 0, kLastMonster},
    {H::room, Room::event, "event", 0, 100},
    {H::room, Room::treasure, "treasure", -100, kLastItem},
    {H::room, Room::stairs, "stairs", 0, 2},
    {H::opponent, Opponent::oppActive, "active flag", 0, 1},
    {H::opponent, Opponent::oppMonster, "monster", 0, kLastMonster},
    {H::opponent, Opponent::oppHealth, "health", -kHealthLimit, kHealthLimit},
    {H::opponent, Opponent::oppSkill, "skill", 0, kCountLimit},
    {H::opponent, Opponent::oppDamage, "damage", 0, kCountLimit},
    {H::opponent, Opponent::oppMaxHealth, "maximum health", 0, kHealthLimit},
    {H::opponent, Opponent::oppPicture, "picture", 0, kLastMonster},

    // The catalogues.
    {H::monster, MonsterTable::exists, "exists flag", 0, 1},
    {H::monster, MonsterTable::monsterLevel, "level", 0, 10},
    {H::monster, MonsterTable::toughness, "toughness", 0, 3},
    {H::monster, MonsterTable::frequency, "frequency", 0, 3},
    {H::monster, MonsterTable::soundFamily, "sound", 0, 6},
    {H::monster, MonsterTable::resistance, "resistance", 0, 2},
    {H::monster, MonsterTable::duelFlag, "duel flag", 0, 1},
    {H::item, ItemTable::exists, "exists flag", 0, 1},
    {H::item, ItemTable::itemKind, "kind", 0, 3},
    {H::item, ItemTable::itemLevel, "level", 0, 10},
    {H::item, ItemTable::rarity, "rarity", 0, 3},
    {H::item, ItemTable::itemValue, "value", 0, kCountLimit},
    {H::item, ItemTable::hitStrength, "hit strength", 0, 100},
    {H::item, ItemTable::damageStrength, "damage strength", 0, 100},
    {H::item, ItemTable::healthStrength, "health strength", 0, 100},
    {H::item, ItemTable::healStrength, "healing strength", 0, 100},

    // The battles.
    {H::troopType, TroopType::attack, "attack", 0, kTroopValueLimit},
    {H::troopType, TroopType::health, "health", 0, kTroopValueLimit},
    {H::battleOrdersOwn, BattleOrders::melee, "melee order", 0, 3},
    {H::battleOrdersOwn, BattleOrders::fastMelee, "fast melee order", 0, 3},
    {H::battleOrdersOwn, BattleOrders::range, "ranged order", 0, 3},
    {H::battleOrdersFoe, BattleOrders::melee, "melee order", 0, 3},
    {H::battleOrdersFoe, BattleOrders::fastMelee, "fast melee order", 0, 3},
    {H::battleOrdersFoe, BattleOrders::range, "ranged order", 0, 3},

    // The progress file.
    {H::progress, ProgressValue::scenariosUnlocked, "unlocked scenarios", 0, 12},
    {H::progress, ProgressValue::difficultyUnlocked, "unlocked difficulty", 0, 12},
    {H::progress, ProgressValue::startCount, "start count", 0, kIntMax},
    {H::progress, ProgressValue::soundOn, "sound switch", kIntMin, kIntMax},
    {H::progress, ProgressValue::musicOn, "music switch", kIntMin, kIntMax},
    {H::progress, ProgressValue::hintsOn, "hints switch", kIntMin, kIntMax},
};

}  // namespace

std::span<const ValueRange> ValueRanges() {
    return kRanges;
}

int SlotsOf(Holder holder) {
    switch (holder) {
        case H::troopType:
            return 3;
        case H::game:
            return 5;
        case H::progress:
            return 6;
        default:
            return 100;
    }
}

}  // namespace state
