// The flight home of an army that a theme place drives back.
#include "events/theme_common.h"

#include "battle/battle_sides.h"
#include "rules/view_hooks.h"

namespace logic {

void DriveBack(int lord) {
    SendArmyHome(lord);
    Hooks().View().DrawMap(true, false);
}

}  // namespace logic
