// The fixed way out of any state of the game, for the check that the game can always go on.
#include "app/way_out.h"

#include <vector>

#include "campaign/turn_cycle.h"
#include "dungeon/duel.h"
#include "platform/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "state/game_state.h"

namespace app {

namespace {

// How long the way out may take: virtual time and commands.
constexpr std::int64_t kVirtualLimitMs = 30 * 60 * 1000;
constexpr int kStepLimit = 3000;
// Commands on one window before the way out tries its close request and Escape as well.
constexpr int kStuckSteps = 40;
// Clicks on one button of a window that keeps coming back before the way out tries the one
// before it.
constexpr int kTriesPerButton = 3;

bool Clickable(const platform::Control& c) {
    return c.Showing() && c.Enabled() &&
           (dynamic_cast<const platform::SpeedButton*>(&c) != nullptr ||
            dynamic_cast<const platform::RadioButton*>(&c) != nullptr);
}

void Buttons(platform::Control& parent, std::vector<platform::Control*>& out) {
    for (auto& child : parent.Children()) {
        if (!child->Visible()) continue;
        if (Clickable(*child)) out.push_back(child.get());
        Buttons(*child, out);
    }
}

constexpr const char* kAutosaveQuestion = "Do you want to save your current game (Auto-save)?";

// The text a dialog shows, or nothing.
std::string TextOf(platform::Form& form) {
    for (const auto& [key, value] : form.Describe()) {
        if (key == "text") return value;
    }
    return {};
}

// The questions the way out answers with its first button rather than its last: leaving a
// dungeon always, quitting the game only once another lord's turn has come.
bool AnswerYes(const std::string& text, bool turnPassed) {
    if (text == "Do you really wish to leave this dungeon?") return true;
    return turnPassed && text.rfind("Do you really want to QUIT this game", 0) == 0;
}

}  // namespace

WayOut::WayOut(platform::Application& app, const ScriptRegistry& registry)
    : app_(app),
      runner_(app, registry, {}, [](const std::string&) {}),
      startLord_(state::G().currentLord),
      startMs_(app.GetClock().NowMs()) {
    platform::Form* form = app.InputForm();
    leaving_ = form != nullptr && TextOf(*form) == kAutosaveQuestion;
}

ScriptCommand WayOut::Click(const std::string& name) const {
    ScriptCommand c;
    c.verb = "click";
    c.args = {name};
    return c;
}

ScriptCommand WayOut::Wait(int ms) const {
    ScriptCommand c;
    c.verb = "wait";
    c.args = {std::to_string(ms)};
    c.number = ms;
    return c;
}

bool WayOut::Fail(const std::string& why) {
    failure_ = why;
    return false;
}

ScriptCommand WayOut::NextCommand() {
    platform::Form* form = app_.InputForm();
    const std::string name = form->ClassName();
    if (name == lastForm_) {
        ++sameFormSteps_;
    } else {
        lastForm_ = name;
        sameFormSteps_ = 0;
    }
    if (sameFormSteps_ > kStuckSteps && sameFormSteps_ % 3 != 0) {
        ScriptCommand c;
        c.verb = sameFormSteps_ % 3 == 1 ? "close" : "key";
        if (c.verb == "key") c.args = {"Escape"};
        return c;
    }
    if (name == "TFCampaign1") {
        if (platform::Control* retreat = form->Find("BattleRetreat");
            retreat && retreat->Showing()) {
            if (!state::G().battleClock.clockOn && !state::G().battleOver)
                return Click("BattlePause");  // a paused battle runs on first
            return retreat->Enabled() ? Click("BattleRetreat") : Wait(4000);
        }
        if (!logic::HumanMayAct()) return Wait(500);
        return Click(turnPassed_ ? "SpeedButton6" : "SpeedButton4");  // Options, Skip
    }
    if (name == "TForm3") {
        if (logic::DuelActive()) {
            platform::Control* thrust = runner_.Find("Thrust");
            return thrust && thrust->Enabled() ? Click("Thrust") : Wait(700);
        }
        return Click("LeaveButton");
    }
    if (name == "TFOptions") return Click(turnPassed_ ? "Exit to main menu" : "Back to the game");
    std::vector<platform::Control*> buttons;
    Buttons(*form, buttons);
    if (buttons.empty()) return Wait(500);
    const std::string text = TextOf(*form);
    if (AnswerYes(text, turnPassed_)) return Click("Yes");
    if (text == kAutosaveQuestion) return Click("No");
    // The last button closes most windows; where the way out keeps coming back to the same
    // window and text (a help button whose notice leads back to it), it tries the buttons
    // before the last in turn.
    const int tries = triesOn_[name + "|" + text]++;
    const size_t back = static_cast<size_t>(tries / kTriesPerButton) % buttons.size();
    platform::Control* last = buttons[buttons.size() - 1 - back];
    // A button is named by its name where that finds it, else by its caption.
    if (runner_.Find(last->Name()) == last) return Click(last->Name());
    return Click(platform::DisplayCaption(last->Caption()));
}

bool WayOut::OnIdle() {
    // The runner ends its script once a wait has passed; the way out goes on.
    if (runner_.Busy()) {
        runner_.OnIdle();
        return true;
    }
    const state::GameState& g = state::G();
    if (g.currentLord != startLord_ || g.gameOver) turnPassed_ = true;
    platform::Form* form = app_.InputForm();
    if (form == nullptr) return Fail("no window takes input");
    // The main menu: the game is left (or over), the way out has ended. Reached by quitting a
    // game whose turn would not pass, it is no way out.
    if (form->ClassName() == "TForm2") {
        if (!turnPassed_ && !leaving_)
            return Fail(
                "the game does not go on: the game was quit before another lord's turn came");
        passed_ = true;
        return false;
    }
    if (++steps_ > kStepLimit || app_.GetClock().NowMs() - startMs_ > kVirtualLimitMs) {
        return Fail(std::string("the game does not go on: ") +
                    (turnPassed_ ? "the main menu was not reached" : "no other lord's turn came") +
                    " within " + std::to_string(kStepLimit) + " commands and " +
                    std::to_string(kVirtualLimitMs / 60000) + " minutes; stuck on " +
                    form->ClassName());
    }
    runner_.Append(NextCommand());
    runner_.OnIdle();
    return true;
}

}  // namespace app
