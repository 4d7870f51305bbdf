// The command editor's controls: formation buttons, the role lists and "Continue".
#include "screens/tfmodifybattlecommands.h"

#include <string>
#include <vector>

#include "battle/battle_commands.h"
#include "screens/screen_services.h"

namespace screens {

namespace {

constexpr const char* kFormationNames[3] = {"Attack", "Flank", "Defend"};
constexpr const char* kRoleNames[3] = {"Melee", "Fast melee", "Range"};

// The entries of each role's list: melee and range know Attack and Defend, fast melee also Flank.
std::vector<std::string> RoleEntries(int role) {
    if (role == 2) return {"Attack", "Flank", "Defend"};
    return {"Attack", "Defend"};
}

}  // namespace

TFModifyBattleCommands::TFModifyBattleCommands(ScreenServices& screens)
    : Form(screens.App(), "TFModifyBattleCommands", 520, 470), screens_(screens) {
    SetCaption(kDialogCaption);
    auto* heading = AddLabel(*this, "Label1", 24, 14, 470, 30, 20, true, false);
    heading->SetCaption("Modify:");
    heading->SetColor(platform::colors::kGold);
    auto* select = AddLabel(*this, "Label2", 24, 52, 470, 22, 14, false, false);
    select->SetCaption("First select a formation to modify:");
    for (int set = 1; set <= 3; ++set) {
        const int x = 40 + (set - 1) * 160;
        formations_[static_cast<size_t>(set - 1)] =
            AddButton(*this, screens.Svc(), "Formation" + std::to_string(set), "", x, 82, 80, 80,
                      [this, set] {
                          logic::SelectFormation(set);
                          Refresh();
                      });
        auto* name = AddLabel(*this, "FormationName" + std::to_string(set), x - 20, 166, 120, 22,
                              14, true, false);
        name->SetAlign(platform::Align::Center);
        name->SetCaption(kFormationNames[set - 1]);
    }
    auto* apply = AddLabel(*this, "Label3", 24, 206, 470, 22, 14, false, false);
    apply->SetCaption("Apply new orders to the different units:");
    for (int role = 1; role <= 3; ++role) {
        const int y = 240 + (role - 1) * 48;
        auto* name =
            AddLabel(*this, "RoleName" + std::to_string(role), 40, y + 6, 150, 24, 15, true, false);
        name->SetCaption(kRoleNames[role - 1]);
        auto* list = Add<platform::ComboBox>("ComboBox" + std::to_string(role));
        list->SetBounds(200, y, 200, 32);
        list->SetItems(RoleEntries(role));
        list->OnChange = [this, role, list] {
            if (refreshing_) return;
            logic::SetRoleOrder(role, list->ItemIndex());
            Refresh();
        };
        lists_[static_cast<size_t>(role - 1)] = list;
    }
    auto* ok = AddButton(*this, screens.Svc(), "SpeedButton1", "Continue", 185, 406, 150, 40,
                         [this] { Close(); });
    SetDefaultButton(ok);
}

void TFModifyBattleCommands::Refresh() {
    const logic::FormationDisplay d = logic::DescribeFormations();
    refreshing_ = true;
    for (size_t i = 0; i < 3; ++i) {
        formations_[i]->LoadGlyph(d.pictures[i]);
        lists_[i]->SetItemIndex(d.listsEnabled ? d.listIndex[i] : 0);
        lists_[i]->SetEnabled(d.listsEnabled);
    }
    refreshing_ = false;
}

void TFModifyBattleCommands::Open() {
    Refresh();
    ShowModal();
}

}  // namespace screens
