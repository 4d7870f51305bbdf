// The tutorial's extra panels: item kinds, the example item and the battle orders.
#include "screens/tutorial_extras.h"

#include <string>

#include "dungeon/items.h"
#include "rules/tutorial_table.h"

namespace screens {

namespace {

const platform::Color kExtraColor = platform::Color::Rgb(52, 40, 24);
const platform::Color kHeadingColor = platform::Color::Rgb(255, 220, 140);

platform::Panel* NewPanel(platform::Control& parent, const std::string& name,
                          const platform::Rect& area) {
    auto* panel = parent.Add<platform::Panel>(name);
    panel->SetBounds(area.x, area.y, area.w, area.h);
    panel->SetColor(kExtraColor);
    panel->Hide();
    return panel;
}

platform::Label* Heading(platform::Panel& panel, const std::string& name, int w) {
    auto* heading = AddLabel(panel, name, 12, 8, w - 24, 40, 14, true, true);
    heading->SetColor(platform::colors::kGold);
    return heading;
}

void ContinueButton(platform::Panel& panel, Services& services, const std::string& name,
                    const platform::Rect& area, std::function<void()> onContinue) {
    AddButton(panel, services, name, "Continue", area.w - 132, area.h - 40, 120, 30,
              std::move(onContinue));
}

// Lines of a heading and its explanation, one below the other from `top` on: controls named
// prefix + n and prefix + "Text" + n.
struct HeadedLayout {
    int top, indent, textHeight, textSize, step;
};

template <std::size_t N>
void HeadedTexts(platform::Panel& panel, const std::string& prefix,
                 const logic::TutorialHeadedText (&lines)[N], const HeadedLayout& at) {
    const int width = panel.Width();
    int y = at.top;
    for (std::size_t i = 0; i < N; ++i) {
        const std::string n = std::to_string(i + 1);
        auto* heading = AddLabel(panel, prefix + n, 12, y, width - 24, 22, 14, true, false);
        heading->SetCaption(lines[i].heading);
        heading->SetColor(kHeadingColor);
        auto* text = AddLabel(panel, prefix + "Text" + n, 12 + at.indent, y + 22,
                              width - 24 - at.indent, at.textHeight, at.textSize);
        text->SetCaption(lines[i].explanation);
        y += at.step;
    }
}

}  // namespace

TutorialExtraPanel BuildItemKindsPanel(platform::Control& parent, Services& services,
                                       const platform::Rect& area,
                                       std::function<void()> onContinue) {
    platform::Panel* panel = NewPanel(parent, "TutorialItemKinds", area);
    TutorialExtraPanel extra{panel, Heading(*panel, "TutorialItemKindsHeading", area.w), {}};
    HeadedTexts(*panel, "TutorialItemKind", logic::kTutorialItemKinds, {56, 12, 52, 13, 84});
    ContinueButton(*panel, services, "TutorialItemKindsContinue", area, std::move(onContinue));
    return extra;
}

TutorialExtraPanel BuildItemExamplePanel(platform::Control& parent, Services& services,
                                         const platform::Rect& area,
                                         std::unique_ptr<ItemDetailBox>& box,
                                         std::function<void()> onContinue) {
    platform::Panel* panel = NewPanel(parent, "TutorialItemExample", area);
    box = std::make_unique<ItemDetailBox>(*panel, 12, 52);
    ItemDetailBox* shown = box.get();
    TutorialExtraPanel extra{panel, Heading(*panel, "TutorialItemExampleHeading", area.w),
                             [shown] { shown->Show(logic::DescribeItem(1)); }};
    const int left = area.w / 2 + 8;
    int y = 52;
    for (int i = 0; i < 7; ++i) {
        auto* line = AddLabel(*panel, "TutorialItemExampleLine" + std::to_string(i + 1), left, y,
                              area.w - left - 12, 38, 12);
        line->SetCaption(logic::kTutorialItemExampleLines[i]);
        y += 38;
    }
    ContinueButton(*panel, services, "TutorialItemExampleContinue", area, std::move(onContinue));
    return extra;
}

TutorialExtraPanel BuildBattleOrdersPanel(platform::Control& parent, Services& services,
                                          const platform::Rect& area,
                                          std::function<void()> onContinue) {
    platform::Panel* panel = NewPanel(parent, "TutorialBattleOrders", area);
    auto* title =
        AddLabel(*panel, "TutorialBattleOrdersTitle", 12, 8, area.w - 24, 24, 15, true, false);
    title->SetCaption("Tutorial: #54");
    title->SetColor(platform::colors::kGold);
    HeadedTexts(*panel, "TutorialOrder", logic::kTutorialOrderLines, {40, 0, 86, 12, 112});
    ContinueButton(*panel, services, "TutorialBattleOrdersContinue", area, std::move(onContinue));
    return TutorialExtraPanel{panel, nullptr, {}};
}

}  // namespace screens
