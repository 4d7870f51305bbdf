#include "screens/tfkeylist.h"

#include "battle/battle_clock.h"
#include "dungeon/duel.h"
#include "platform/key_names.h"

namespace screens {

namespace {

constexpr int kWidth = 600, kHeight = 560;

// The keys every window shares, after the window's own.
const std::pair<const char*, const char*> kSharedKeys[] = {
    {"Return", "the highlighted button"},
    {"Escape", "close the window or go back"},
    {"F11", "full screen or a window"},
    {"F1", "this list of keys"},
};

std::string Joined(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys)
        text += (text.empty() ? "" : " or ") + key;
    return text;
}

}  // namespace

TFKeyList::TFKeyList(platform::Application& app, Services& services)
    : Form(app, "TFKeyList", kWidth, kHeight) {
    SetCaption(kGameCaption);
    auto* title = AddLabel(*this, "Label1", 20, 14, kWidth - 40, 36, 22, true, false);
    title->SetAlign(platform::Align::Center);
    title->SetColor(platform::colors::kGold);
    title->SetCaption("Keys");
    lines_ = AddLabel(*this, "Label2", 30, 60, kWidth - 60, 430, 14);
    auto* close = AddButton(*this, services, "SpeedButton1", "Close", (kWidth - 150) / 2,
                            kHeight - 56, 150, 38, [this] { Close(); });
    SetDefaultButton(close);
}

std::vector<std::string> TFKeyList::LinesFor(platform::Form& front) {
    std::vector<std::string> lines;
    for (const platform::Form::KeyBinding& binding : front.KeyBindings()) {
        // A control a click could reach now, enabled or waiting for its turn.
        if (front.App().ClickWouldReach(*binding.control))
            lines.push_back(Joined(binding.keys) + ": " + binding.what);
    }
    for (const auto& [key, what] : kSharedKeys)
        lines.push_back(std::string(key) + ": " + what);
    return lines;
}

void TFKeyList::ShowFor(platform::Form& front) {
    if (&front == this) return;
    ShowLines(LinesFor(front));
    // A battle's clock and a duel's opponent wait while the player reads.
    logic::BattleDialogPause battlePause;
    logic::DuelPause duelPause;
    ShowModal();
}

void TFKeyList::ShowLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    lines_->SetCaption(text);
}

std::vector<std::pair<std::string, std::string>> TFKeyList::Describe() {
    std::string keys = lines_->Caption();
    for (char& c : keys) {
        if (c == '\n') c = '|';
    }
    return {{"caption", Caption()}, {"keys", keys}};
}

}  // namespace screens
