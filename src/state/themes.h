// The scenario themes (the map setting "theme"), each named for what its scenario is about.
#pragma once

namespace state {

enum Theme : int {
    kNoTheme = 0,
    kDragonPassTheme = 1,     // the dragon guards the pass
    kOrcCampsTheme = 2,       // orc camps along the coast
    kDwarvesTheme = 3,        // the dwarves and their mine
    kArenaOfKingsTheme = 4,   // the arena's ranks
    kKeepTheme = 5,           // every lord starts with a keep
    kCauldronsTheme = 6,      // the cauldrons of doom and their blood vials
    kBowTheme = 7,            // the holy bow of the elves
    kDragonEggsTheme = 8,     // dragon eggs to breed dragons
    kGraveyardsTheme = 9,     // the cursed graveyards
    kRingTheme = 10,          // the Eldest forges the ring
    kDemonPactTheme = 11,     // the demons' care for pillaging lords
    kGatesOfHellTheme = 12,   // the gates of hell
    kPrincessTheme = 13,      // the princess in Morduls Citadel
    kFrontlineTheme = 14,     // the frontline and the efreet
    kCrusadersTheme = 15,     // crusader camps
    kCursedCitiesTheme = 16,  // the tombs of the cursed cities
    kFallenAngelTheme = 17,   // the shards of the Fallen Angel
    kSwordTheme = 18,         // the sword of the demons
    kArenaOfSasgorothTheme = 19,
};

}  // namespace state
