// What the tutorial arranges in the hero's backpack: the item offered at step 24 and the heal
// potion of step 36.
#pragma once

namespace logic {

// Step 24: item 1 in the found-item window.
void OfferTutorialItem();
// What a step arranges in the backpack as the tutorial arrives at it (step 36: the potion).
void ArrangeDungeonTutorialStep(int step);

}  // namespace logic
