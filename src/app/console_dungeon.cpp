// The dungeon rules as console operations: entering, walking, the duel and its timer ticks, the
// backpack, the treasure windows' buttons and the level-up, each under its own name.
#include "app/console_dungeon.h"

#include <string>

#include "app/script_registry.h"
#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "dungeon/floor_generator.h"
#include "dungeon/items.h"
#include "dungeon/progression.h"
#include "dungeon/room_content.h"
#include "dungeon/room_events.h"
#include "dungeon/rooms.h"
#include "dungeon/set_piece_duel.h"
#include "dungeon/treasure.h"

namespace app {

void RegisterDungeon(ScriptRegistry& r) {
    // Floors and rooms.
    r.AddCall("GenerateFloor", Ints<0>(&logic::GenerateFloor));
    r.AddCall("RandomRoomKind", Ints<0>(&logic::RandomRoomKind));
    r.AddCall("RoomPicture", {kNumber},
              [](const CallArgs& a, std::string& result, std::string& error) {
                  int kind = 0;
                  if (!IntArg(a, 0, kind, error)) return false;
                  result = logic::RoomPicture(kind) + " / " + logic::RoomName(kind);
                  return true;
              });
    r.AddCall("PopulateRoom", Ints<2>(&logic::PopulateRoom));
    r.AddCall("PickRoomEvent", Ints<0>(&logic::PickRoomEvent));
    r.AddCall("RandomItemOfHeroLevel", Ints<0>(&logic::RandomItemOfHeroLevel));
    r.AddCall("RunRoomEvent", Ints<1>(&logic::RunRoomEvent));

    // Exploration.
    r.AddCall("EnterDungeon", Ints<0>(&logic::EnterDungeon));
    r.AddCall("GenerationTick", Ints<1>([](int ms) { return logic::GenerationTick(ms) ? 1 : 0; }));
    r.AddCall("DrawDungeon", Ints<0>(&logic::DrawDungeon));
    r.AddCall("MoveHero", Ints<2>(&logic::MoveHero));
    r.AddCall("MoveNorth", Ints<0>(&logic::MoveNorth));
    r.AddCall("MoveEast", Ints<0>(&logic::MoveEast));
    r.AddCall("MoveSouth", Ints<0>(&logic::MoveSouth));
    r.AddCall("MoveWest", Ints<0>(&logic::MoveWest));
    r.AddCall("EndOfMove", Ints<0>(&logic::EndOfMove));
    r.AddCall("Eat", Ints<0>(&logic::Eat));
    r.AddCall("Leave", Ints<0>(&logic::Leave));
    r.AddCall("DungeonOptions", Ints<0>(&logic::DungeonOptions));
    r.AddCall("BossRoom", Ints<0>(&logic::BossRoom));
    r.AddCall("ClearDungeon", {kWord}, 0, [](const CallArgs& a, std::string&, std::string&) {
        logic::ClearDungeon(a.empty() ? "" : a[0]);
        return true;
    });
    r.AddCall("HeroDies", Ints<0>(&logic::HeroDies));
    r.AddCall("ResumeDungeon", Ints<0>(&logic::ResumeDungeon));
    r.AddCall("DungeonCloseQuery", Ints<0>([] { return logic::DungeonCloseQuery() ? 1 : 0; }));

    // The duel.
    r.AddCall("StartDuel", Ints<1>(&logic::StartDuel));
    r.AddCall("HeroAttack", Ints<1>(&logic::HeroAttack));
    r.AddCall("HeroHeal", Ints<0>(&logic::HeroHeal));
    r.AddCall("HeroRetreat", Ints<0>(&logic::HeroRetreat));
    r.AddCall("OpponentAttack", Ints<0>(&logic::OpponentAttack));
    r.AddCall("CheckDuelEnd", Ints<0>(&logic::CheckDuelEnd));
    r.AddCall("DrawDuelStatus", Ints<0>(&logic::DrawDuelStatus));
    r.AddCall("DuelCheat", Ints<0>(&logic::DuelCheat));
    r.AddCall("OpponentAttackTick", Ints<0>(&logic::OpponentAttackTick));
    r.AddCall("CoolDownTick", Ints<0>(&logic::CoolDownTick));
    r.AddCall("HeroFlashTick", Ints<0>(&logic::HeroFlashTick));
    r.AddCall("OpponentFlashTick", Ints<0>(&logic::OpponentFlashTick));
    r.AddCall("RunSetPieceDuel",
              Ints<1>([](int lord) { return logic::RunSetPieceDuel(lord) ? 1 : 0; }));

    // Items and treasure.
    r.AddCall("RecomputeItemBonuses", Ints<0>(&logic::RecomputeItemBonuses));
    r.AddCall("ShowItemDetail", Ints<1>(&logic::ShowItemDetail));
    r.AddCall("ShowWeaponDetail", Ints<0>(&logic::ShowWeaponDetail));
    r.AddCall("UseWeapon", Ints<1>(&logic::UseWeapon));
    r.AddCall("Unequip", Ints<0>(&logic::Unequip));
    r.AddCall("AddFoundItem", Ints<1>([](int item) { return logic::AddFoundItem(item) ? 1 : 0; }));
    r.AddCall("ReplaceWithItem", Ints<2>([](int slot, int item) {
                  return logic::ReplaceWithItem(slot, item) ? 1 : 0;
              }));
    r.AddCall("UseItemNow", Ints<1>([](int item) { return logic::UseItemNow(item) ? 1 : 0; }));
    r.AddCall("CarriesItem",
              Ints<2>([](int lord, int item) { return logic::CarriesItem(lord, item) ? 1 : 0; }));
    r.AddCall("ShowFoundItem", Ints<1>(&logic::ShowFoundItem));
    r.AddCall("SellFoundItem",
              Ints<1>([](int item) { return logic::SellFoundItem(item) ? 1 : 0; }));
    r.AddCall("KeepFoundItem",
              Ints<1>([](int item) { return logic::KeepFoundItem(item) ? 1 : 0; }));
    r.AddCall("PreviewItem", Ints<1>(&logic::PreviewItem));
    r.AddCall("ShowGoldTreasure", Ints<1>(&logic::ShowGoldTreasure));
    r.AddCall("AddGold", Ints<1>(&logic::AddGold));

    // Experience.
    r.AddCall("AddXP", Ints<1>(&logic::AddXP));
    r.AddCall("CheckLevelUp", Ints<0>(&logic::CheckLevelUp));
    r.AddCall("LevelUp", Ints<1>(&logic::LevelUp));
}

}  // namespace app
