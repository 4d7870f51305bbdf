// The tutorial's potion and offered item.
#include "dungeon/tutorial_dungeon.h"

#include "dungeon/items.h"
#include "dungeon/treasure.h"
#include "rules/tutorial_table.h"

namespace logic {

namespace {

constexpr int kOfferedItem = 1;
constexpr int kHealPotion = 132;

// Step 36: the heal potion in the first backpack place, whatever lay there.
void GivePotion() {
    ReplaceWithItem(1, kHealPotion);
}

}  // namespace

void OfferTutorialItem() {
    ShowFoundItem(kOfferedItem);
}

void ArrangeDungeonTutorialStep(int step) {
    if (step == TutorialStep::potion) GivePotion();
}

}  // namespace logic
