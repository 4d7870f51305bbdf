#include "campaign/scouting.h"

#include "rules/dialogs.h"
#include "rules/lords.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

constexpr const char* kBuildingNames[9] = {"Barracks",   "Walls",    "Keep",
                                           "Bowmaker",   "Treasury", "Stables",
                                           "Scout-camp", "Workshop", "Guildhouse"};

// The human asking: the current lord, when it is a human lord in the game.
int Asker() {
    const int c = CurrentLordChecked();
    return IsHuman(c) ? c : 0;
}

}  // namespace

std::string ArmyReportText(int lord) {
    const auto& a = ArmyRecord(lord);
    std::string text = "Your scouts are reporting: Hero Level " +
                       std::to_string(LordRecord(lord)[Lord::heroLevel]) +
                       ", Soldiers: " + std::to_string(a[Army::soldiers]) +
                       ", Archers: " + std::to_string(a[Army::archers]) +
                       ", Elephants: " + std::to_string(a[Army::fast]) +
                       ", Cannons: " + std::to_string(a[Army::siege]);
    if (a[Army::specialCount] > 0) text += ", Other: " + std::to_string(a[Army::specialCount]);
    return text;
}

std::string CastleReportText(int lord) {
    std::string list;
    for (int b = 1; b <= 9; ++b) {
        if (!HasBuilt(lord, b)) continue;
        list += list.empty() ? " " : ", ";
        list += kBuildingNames[b - 1];
    }
    if (list.empty()) list = " None";
    return "Your scouts are reporting: Gold: " + std::to_string(LordRecord(lord)[Lord::gold]) +
           ", Buildings:" + list;
}

void ScoutArmy(int lord) {
    const int c = CurrentLordChecked();
    if (c == 0 || !ValidLord(lord)) return;
    if (!HasBuilt(c, CastleBuilding::scoutCamp)) {
        UI().ShowShortNotice(
            "This is one of the enemy lords. If you build a scout camp you can get more info "
            "about him.",
            "Continue");
        return;
    }
    UI().ShowNotice(FactionLogo(lord), state::G().realmName[lord], ArmyReportText(lord),
                    "Continue");
}

void ScoutCastle(int lord) {
    const int c = CurrentLordChecked();
    if (c == 0 || !ValidLord(lord)) return;
    if (!HasBuilt(c, CastleBuilding::scoutCamp)) {
        UI().ShowShortNotice(
            "This is the castle of an enemy lord. If you build a scout camp you can get more "
            "info about him.",
            "Continue");
        return;
    }
    UI().ShowNotice(FactionLogo(lord), state::G().realmName[lord], CastleReportText(lord),
                    "Continue");
}

void RightClickArmy(int lord) {
    const int h = Asker();
    if (h == 0 || !ValidLord(lord)) return;
    if (lord == h)
        UI().ShowShortNotice("This is your army.", "Continue");
    else
        ScoutArmy(lord);
}

void RightClickCastle(int lord) {
    const int h = Asker();
    if (h == 0 || !ValidLord(lord)) return;
    if (lord == h)
        UI().ShowShortNotice("This is your castle. Protect it!", "Continue");
    else
        ScoutCastle(lord);
}

}  // namespace logic
