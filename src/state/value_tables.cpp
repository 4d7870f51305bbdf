#include "state/value_tables.h"

#include <type_traits>
#include <utility>

#include "state/ai_plan.h"

namespace state::directory {

namespace {

using Index = std::array<int, 3>;

// The entry for the table or value at member M of GameState, its shape read from its type.
template <auto M>
constexpr Entry Make(std::string_view name, std::span<const SlotName> names = {}) {
    using T = std::remove_reference_t<decltype(std::declval<GameState&>().*M)>;
    if constexpr (std::is_same_v<T, Int> || std::is_same_v<T, bool>) {
        return {name, 0, {}, names, [](GameState& g, const Index&) { return Ref(g.*M); }};
    } else if constexpr (requires {
                             T::kX;
                             T::kSlots;
                         }) {  // Grid
        return {name,
                3,
                {{{1, T::kX}, {1, T::kY}, {1, T::kSlots}}},
                names,
                [](GameState& g, const Index& i) { return Ref((g.*M)[i[0]][i[1]][i[2]]); }};
    } else if constexpr (requires { T::kX; }) {  // Matrix
        return {name, 2, {{{1, T::kX}, {1, T::kY}, {}}}, names, [](GameState& g, const Index& i) {
                    return Ref((g.*M)[i[0]][i[1]]);
                }};
    } else if constexpr (requires {
                             T::kFirst;
                             T::kSlots;
                         }) {  // Records
        return {name,
                2,
                {{{T::kFirst, T::kLast}, {1, T::kSlots}, {}}},
                names,
                [](GameState& g, const Index& i) { return Ref((g.*M)[i[0]][i[1]]); }};
    } else if constexpr (requires {
                             T::kFirst;
                             T::kCount;
                         }) {  // Texts
        return {name,
                2,
                {{{T::kFirst, T::kLast}, {1, T::kCount}, {}}},
                names,
                [](GameState& g, const Index& i) { return Ref((g.*M)[i[0]][i[1]]); }};
    } else if constexpr (requires { T::kSlots; }) {  // Values
        return {name, 1, {{{1, T::kSlots}, {}, {}}}, names, [](GameState& g, const Index& i) {
                    return Ref((g.*M)[i[0]]);
                }};
    } else {  // Names
        static_assert(requires { T::kCount; });
        return {name, 1, {{{1, T::kCount}, {}, {}}}, names, [](GameState& g, const Index& i) {
                    return Ref((g.*M)[i[0]]);
                }};
    }
}

using S = GameState;

const Entry kEntries[] = {
    Make<&S::lord>("Lord", Lord::kSlotNames),
    Make<&S::army>("Army", Army::kSlotNames),
    Make<&S::hero>("Hero", Hero::kSlotNames),
    Make<&S::heroName>("HeroName"),
    Make<&S::realmName>("RealmName"),
    Make<&S::heroGear>("HeroGear", HeroGear::kSlotNames),
    Make<&S::heroSkill>("HeroSkill", HeroSkill::kSlotNames),
    Make<&S::field>("Field", Field::kSlotNames),
    Make<&S::aiFieldScore>("AIFieldScore"),
    Make<&S::mapSite>("MapSite", MapSite::kSlotNames),
    Make<&S::spawnField>("SpawnField", SpawnField::kSlotNames),
    Make<&S::mapSetting>("MapSetting", MapSetting::kSlotNames),
    Make<&S::modSetting>("ModSetting", ModSetting::kSlotNames),
    Make<&S::modText>("ModText", ModText::kSlotNames),
    Make<&S::monsterTable>("MonsterTable", MonsterTable::kSlotNames),
    Make<&S::monsterText>("MonsterText", MonsterText::kSlotNames),
    Make<&S::itemTable>("ItemTable", ItemTable::kSlotNames),
    Make<&S::itemText>("ItemText", ItemText::kSlotNames),
    Make<&S::room>("Room", Room::kSlotNames),
    Make<&S::dungeonPickup>("DungeonPickup"),
    Make<&S::storedDungeonPickup>("StoredDungeonPickup"),
    Make<&S::opponent>("Opponent", Opponent::kSlotNames),
    Make<&S::troopType>("TroopType", TroopType::kSlotNames),
    Make<&S::battleOrdersOwn>("BattleOrdersOwn", BattleOrders::kSlotNames),
    Make<&S::battleOrdersFoe>("BattleOrdersFoe", BattleOrders::kSlotNames),
    Make<&S::battleOwnSide>("BattleOwnSide", BattleSide::kSlotNames),
    Make<&S::battleFoeSide>("BattleFoeSide", BattleSide::kSlotNames),
    Make<&S::aiPlanA>("AIPlanA", AIPlan::kSlotNames),
    Make<&S::aiPlanB>("AIPlanB", AIPlan::kSlotNames),
    Make<&S::reservedA>("ReservedA"),
    Make<&S::reservedText>("ReservedText"),
    Make<&S::reservedB>("ReservedB"),
    Make<&S::currentLord>("CurrentLord"),
    Make<&S::dungeonLord>("DungeonLord"),
    Make<&S::dungeonTurn>("DungeonTurn"),
    Make<&S::inDungeon>("InDungeon"),
    Make<&S::playedScenario>("PlayedScenario"),
    Make<&S::scenariosUnlocked>("ScenariosUnlocked"),
    Make<&S::difficultyUnlocked>("DifficultyUnlocked"),
    Make<&S::startCount>("StartCount"),
    Make<&S::soundOn>("SoundOn"),
    Make<&S::musicOn>("MusicOn"),
    Make<&S::hintsOn>("HintsOn"),
    Make<&S::gameOver>("GameOver"),
    Make<&S::returnToMenu>("ReturnToMenu"),
    Make<&S::battleStarted>("BattleStarted"),
    Make<&S::battleHumanLord>("BattleHumanLord"),
    Make<&S::battleOtherLord>("BattleOtherLord"),
    Make<&S::enteringDungeon>("EnteringDungeon"),
    Make<&S::tutorialOn>("TutorialOn"),
    Make<&S::tutorialStep>("TutorialStep"),
    Make<&S::dialogAnswer>("DialogAnswer"),
    Make<&S::dungeonMayClose>("DungeonMayClose"),
    Make<&S::musicStopping>("MusicStopping"),
    Make<&S::battleOver>("BattleOver"),
    Make<&S::equippedSlot>("EquippedSlot"),
    Make<&S::floorGenerated>("FloorGenerated"),
    Make<&S::duelShown>("DuelShown"),
    Make<&S::coolDownStep>("CoolDownStep"),
    Make<&S::oppFlashStep>("OppFlashStep"),
};

}  // namespace

std::span<const Entry> Entries() {
    return kEntries;
}

}  // namespace state::directory
