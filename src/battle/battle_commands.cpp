// The editing of the human's command sets.
#include "battle/battle_commands.h"

#include "battle/strike.h"
#include "state/game_state.h"

namespace logic {

namespace {

int Selected() {
    const int s = state::G().selectedFormation;
    return state::InRange(s, 1, 3) ? s : 0;
}

}  // namespace

void SelectFormation(int set) {
    state::G().selectedFormation = state::InRange(set, 1, 3) ? set : 0;
}

void SetRoleOrder(int role, int choice) {
    const int set = Selected();
    if (set == 0) return;
    int setting = 0;
    if (role == 2) {
        if (!state::InRange(choice, 0, 2)) return;
        setting = choice + 1;
    } else if (role == 1 || role == 3) {
        if (!state::InRange(choice, 0, 1)) return;
        setting = choice == 0 ? 1 : 3;
    } else {
        return;
    }
    state::G().battleOrdersOwn[set][role] = setting;
}

FormationDisplay DescribeFormations() {
    static constexpr const char* kNames[3] = {"m1_action_charge", "m1_action_retreat",
                                              "m1_action_hold"};
    const int set = Selected();
    FormationDisplay d;
    for (int i = 0; i < 3; ++i)
        d.pictures[static_cast<size_t>(i)] =
            std::string(kNames[i]) + (set == i + 1 ? "_selected.jpg" : ".jpg");
    d.listsEnabled = set != 0;
    if (set == 0) return d;
    const OrderTable& t = state::G().battleOrdersOwn;
    d.listIndex[0] = OrderSetting(t, set, 1) == 3 ? 1 : 0;
    const int fast = OrderSetting(t, set, 2);
    d.listIndex[1] = state::InRange(fast, 1, 3) ? fast - 1 : 0;
    d.listIndex[2] = OrderSetting(t, set, 3) == 3 ? 1 : 0;
    return d;
}

}  // namespace logic
