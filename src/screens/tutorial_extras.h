// The tutorial's extra panels with their own "Continue": the three item kinds, an example item
// with what its lines mean, and the battle orders.
#pragma once

#include <functional>
#include <memory>

#include "screens/item_detail_box.h"
#include "screens/services.h"
#include "screens/tutorial_guide.h"

namespace screens {

TutorialExtraPanel BuildItemKindsPanel(platform::Control& parent, Services& services,
                                       const platform::Rect& area,
                                       std::function<void()> onContinue);
// The example shows item 1 of the scenario's item table in `box`.
TutorialExtraPanel BuildItemExamplePanel(platform::Control& parent, Services& services,
                                         const platform::Rect& area,
                                         std::unique_ptr<ItemDetailBox>& box,
                                         std::function<void()> onContinue);
TutorialExtraPanel BuildBattleOrdersPanel(platform::Control& parent, Services& services,
                                          const platform::Rect& area,
                                          std::function<void()> onContinue);

}  // namespace screens
