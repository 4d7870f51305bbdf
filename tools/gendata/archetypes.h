// Guessing what a picture shows from its file name. Scenario data names its monster and item
// pictures freely ("orc_chief.jpg", "m1_rustysword.jpg"); the generator draws each with the
// archetype whose keyword the name contains.
#pragma once

#include <string>

namespace gendata {

struct Archetype {
    enum class Kind { Monster, Item, Unknown } kind = Kind::Unknown;
    std::string name;  // an entry of state::MonsterArchetypes() or state::ItemArchetypes()
};

// `base` is a lower-case file name without extension and variant suffix.
Archetype GuessArchetype(const std::string& base);

}  // namespace gendata
