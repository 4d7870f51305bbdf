#include "archetypes.h"

#include <utility>
#include <vector>

namespace gendata {

namespace {

// Keywords in the order they are tried: longer and more specific words first, so that
// "swordsman" is a knight and "skeleton_archer" a skeleton rather than a bow.
const std::vector<std::pair<const char*, const char*>>& MonsterWords() {
    static const std::vector<std::pair<const char*, const char*>> words = {
        {"skelet", "skeleton"},
        {"bone", "skeleton"},
        {"lich", "skeleton"},
        {"zombie", "zombie"},
        {"ghoul", "zombie"},
        {"corpse", "zombie"},
        {"ghost", "ghost"},
        {"spirit", "ghost"},
        {"wraith", "ghost"},
        {"spectre", "ghost"},
        {"specter", "ghost"},
        {"banshee", "ghost"},
        {"vampir", "vampire"},
        {"nosferatu", "vampire"},
        {"spider", "spider"},
        {"rat", "rat"},
        {"wolf", "wolf"},
        {"warg", "wolf"},
        {"hound", "wolf"},
        {"bat", "bat"},
        {"snake", "snake"},
        {"serpent", "snake"},
        {"viper", "snake"},
        {"cobra", "snake"},
        {"scorpion", "scorpion"},
        {"mummy", "mummy"},
        {"nightscare", "demon"},
        {"lordofthepit", "demon"},
        {"demon", "demon"},
        {"daemon", "demon"},
        {"devil", "demon"},
        {"fiend", "demon"},
        {"imp", "imp"},
        {"gremlin", "imp"},
        {"dragon", "dragon"},
        {"drake", "dragon"},
        {"wyrm", "dragon"},
        {"wyvern", "dragon"},
        {"giant", "giant"},
        {"ogre", "giant"},
        {"cyclop", "giant"},
        {"troll", "troll"},
        {"goblin", "goblin"},
        {"kobold", "goblin"},
        {"hobgob", "goblin"},
        {"orc", "orc"},
        {"uruk", "orc"},
        {"knight", "knight"},
        {"paladin", "knight"},
        {"warrior", "knight"},
        {"soldier", "knight"},
        {"guard", "knight"},
        {"gladiator", "knight"},
        {"bandit", "bandit"},
        {"thief", "bandit"},
        {"rogue", "bandit"},
        {"scoundrel", "bandit"},
        {"brigand", "bandit"},
        {"assassin", "bandit"},
        {"cultist", "cultist"},
        {"priest", "cultist"},
        {"monk", "cultist"},
        {"necromancer", "cultist"},
        {"sorcer", "witch"},
        {"wizard", "witch"},
        {"mage", "witch"},
        {"witch", "witch"},
        {"hag", "witch"},
        {"elemental", "elemental"},
        {"efreet", "elemental"},
        {"ifrit", "elemental"},
        {"djinn", "elemental"},
        {"fire", "elemental"},
        {"golem", "golem"},
        {"gargoyle", "golem"},
        {"statue", "golem"},
        {"slime", "slime"},
        {"ooze", "slime"},
        {"jelly", "slime"},
        {"blob", "slime"},
        {"beast", "beast"},
        {"bear", "beast"},
        {"boar", "beast"},
        {"monster", "beast"},
    };
    return words;
}

const std::vector<std::pair<const char*, const char*>>& ItemWords() {
    static const std::vector<std::pair<const char*, const char*>> words = {
        {"crossbow", "crossbow"},
        {"bow", "bow"},
        {"sword", "sword"},
        {"blade", "sword"},
        {"sabre", "sword"},
        {"saber", "sword"},
        {"scimitar", "sword"},
        {"katana", "sword"},
        {"dagger", "dagger"},
        {"knife", "dagger"},
        {"dirk", "dagger"},
        {"axe", "axe"},
        {"hatchet", "axe"},
        {"mace", "mace"},
        {"morningstar", "mace"},
        {"flail", "mace"},
        {"club", "mace"},
        {"hammer", "hammer"},
        {"maul", "hammer"},
        {"spear", "spear"},
        {"lance", "spear"},
        {"pike", "spear"},
        {"halberd", "spear"},
        {"trident", "spear"},
        {"staff", "staff"},
        {"wand", "staff"},
        {"rod", "staff"},
        {"shield", "shield"},
        {"buckler", "shield"},
        {"helm", "helmet"},
        {"hat", "helmet"},
        {"crown", "helmet"},
        {"armour", "armour"},
        {"armor", "armour"},
        {"mail", "armour"},
        {"plate", "armour"},
        {"cuirass", "armour"},
        {"robe", "cloak"},
        {"cloak", "cloak"},
        {"cape", "cloak"},
        {"boot", "boots"},
        {"shoe", "boots"},
        {"glove", "gloves"},
        {"gauntlet", "gloves"},
        {"ring", "ring"},
        {"amulet", "amulet"},
        {"necklace", "amulet"},
        {"pendant", "amulet"},
        {"talisman", "amulet"},
        {"potion_blue", "potion_blue"},
        {"potion_green", "potion_green"},
        {"mana", "potion_blue"},
        {"poison", "potion_green"},
        {"antidote", "potion_green"},
        {"potion", "potion_red"},
        {"elixir", "potion_red"},
        {"heal", "potion_red"},
        {"flask", "potion_red"},
        {"vial", "potion_red"},
        {"scroll", "scroll"},
        {"book", "scroll"},
        {"tome", "scroll"},
        {"map", "scroll"},
        {"gem", "gem"},
        {"jewel", "gem"},
        {"crystal", "gem"},
        {"ruby", "gem"},
        {"emerald", "gem"},
        {"sapphire", "gem"},
        {"diamond", "gem"},
        {"stone", "gem"},
        {"key", "key"},
        {"food", "food"},
        {"bread", "food"},
        {"meat", "food"},
        {"ration", "food"},
        {"apple", "food"},
        {"cheese", "food"},
    };
    return words;
}

}  // namespace

Archetype GuessArchetype(const std::string& base) {
    // Item words first for names that say "item"; monster words first otherwise, so that
    // "orc_with_axe" is an orc. A name with both an item marker and a monster word
    // ("item_bone_dagger") is an item.
    const bool saysItem = base.find("item") != std::string::npos;
    auto search = [&](const std::vector<std::pair<const char*, const char*>>& words,
                      Archetype::Kind kind) -> Archetype {
        for (const auto& [word, archetype] : words) {
            if (base.find(word) != std::string::npos) return {kind, archetype};
        }
        return {};
    };
    if (saysItem) {
        Archetype a = search(ItemWords(), Archetype::Kind::Item);
        if (a.kind != Archetype::Kind::Unknown) return a;
    }
    Archetype a = search(MonsterWords(), Archetype::Kind::Monster);
    if (a.kind != Archetype::Kind::Unknown) return a;
    return search(ItemWords(), Archetype::Kind::Item);
}

}  // namespace gendata
