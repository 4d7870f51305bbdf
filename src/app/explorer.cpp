// Random play through the real windows, with the checks after every action.
#include "app/explorer.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "app/console_runner.h"
#include "app/control_names.h"
#include "app/game.h"
#include "app/script_registry.h"
#include "app/script_shrinker.h"
#include "battle/battle_clock.h"
#include "campaign/movement.h"
#include "campaign/spawn_fields.h"
#include "campaign/turn_cycle.h"
#include "dungeon/duel.h"
#include "platform/application.h"
#include "platform/control.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/temp_folder.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "screens/scenario_list.h"
#include "state/game_state.h"

namespace app {

namespace {

const char* TutorialScenarioCaption(const std::string& scenario) {
    // The list's page button is refused during the tutorial: only its first page is reached.
    for (const screens::ScenarioEntry& e : screens::kScenarios) {
        if (e.tutorial && e.page == 1 && scenario == e.baseName) return e.caption;
    }
    return nullptr;
}

std::string TutorialScenarios() {
    std::string names;
    for (const screens::ScenarioEntry& e : screens::kScenarios) {
        if (!e.tutorial || e.page != 1) continue;
        names += (names.empty() ? "" : ", ") + std::string(e.baseName);
    }
    return names;
}

using platform::Control;

// A control's weight among the clicks of its window: what makes play move on (steps on the
// map and in the dungeon, the save window) comes up more often; what ends the program never.
struct ControlWeight {
    const char* form;
    const char* control;  // a name or a caption, or a name's prefix ending in '*'
    double weight;
};
constexpr ControlWeight kControlWeights[] = {
    {"TForm2", "SpeedButton7", 0},  // Quit
    {"TForm2", "SpeedButton2", 0},  // Quit, on the quit panel
    {"TForm2", "SpeedButton3", 3},  // Load a game
    {"TFCampaign1", "MoveField*", 8},
    {"TFCampaign1", "Field*", 0.01},
    {"TFCampaign1", "CSpawn*", 0.05},
    {"TFCampaign1", "Mission*", 0.05},
    {"TFCampaign1", "SpeedButton4", 1.5},  // Skip
    {"TFCampaign1", "Battle*", 3},
    {"TForm3", "MoveField*", 6},
    {"TForm3", "Tile*", 0.05},
    {"TForm3", "Thrust", 4},
    {"TForm3", "Slash", 3},
    {"TForm3", "Smash", 3},
    {"TForm3", "LeaveButton", 0.3},
    {"TFOptions", "SpeedButton7", 3},    // Save/Load game
    {"TFOptions", "SpeedButton3", 0.5},  // Exit to main menu
    {"TFSaveLoad", "SpeedButton*", 2},
    {"TFMessage4", "Enter dungeon", 6},
    // The cheat takes the gold below zero, as its rule says; the tables' checks would refuse it.
    {"TFCheats", "SpeedButton2", 0},
};

double ControlWeightOf(const std::string& form, const Control& c) {
    // Pictures and labels mostly answer with help; buttons act.
    double weight = dynamic_cast<const platform::Picture*>(&c) ? 0.3
                    : dynamic_cast<const platform::Label*>(&c) ? 0.05
                                                               : 1.0;
    for (const ControlWeight& w : kControlWeights) {
        const std::string pattern = w.control;
        const bool prefix = pattern.back() == '*';
        const std::string stem = prefix ? pattern.substr(0, pattern.size() - 1) : pattern;
        if (form == w.form && (prefix ? c.Name().rfind(stem, 0) == 0 : c.Name() == stem)) {
            return w.weight;
        }
    }
    return weight;
}

// The field the human's army heads for on the map: the nearest dungeon entrance, else the
// nearest city it does not hold. Returns false when there is none.
bool Destination(int& tx, int& ty) {
    const state::GameState& g = state::G();
    const int lord = g.currentLord;
    if (!logic::ValidLord(lord)) return false;
    const int ax = g.army[lord][state::Army::x], ay = g.army[lord][state::Army::y];
    int best = 1 << 30;
    const auto consider = [&](int x, int y, int bonus) {
        const int d = std::abs(x - ax) + std::abs(y - ay) - bonus;
        if (d > 0 && d < best) {
            best = d;
            tx = x;
            ty = y;
        }
    };
    for (int r = 1; r <= state::SpawnField::kUsedRows; ++r) {
        const auto& f = g.spawnField[r];
        if (f[state::SpawnField::present] > 0 &&
            f[state::SpawnField::kind] == logic::SpawnKind::dungeon)
            consider(f[state::SpawnField::x], f[state::SpawnField::y], 4);
    }
    for (int r = 1; r <= 10; ++r) {
        const auto& site = g.mapSite[r];
        if (site[state::MapSite::active] > 0 &&
            site[state::MapSite::kind] == logic::SiteKind::city &&
            site[state::MapSite::owner] != lord)
            consider(site[state::MapSite::x], site[state::MapSite::y], 0);
    }
    return best < (1 << 30);
}

// The move targets that bring the army nearer its destination count several times over.
double MoveWeight(const Control& c) {
    int tx = 0, ty = 0;
    if (!Destination(tx, ty)) return 1;
    const state::GameState& g = state::G();
    const int lord = g.currentLord;
    const int ax = g.army[lord][state::Army::x], ay = g.army[lord][state::Army::y];
    static const char* kNames[4] = {"MoveFieldN", "MoveFieldE", "MoveFieldS", "MoveFieldW"};
    for (int d = 0; d < 4; ++d) {
        if (c.Name() != kNames[d]) continue;
        const int x = ax + logic::kDirectionSteps[d].dx, y = ay + logic::kDirectionSteps[d].dy;
        const bool nearer =
            std::abs(x - tx) + std::abs(y - ty) < std::abs(ax - tx) + std::abs(ay - ty);
        return nearer ? 4 : 1;
    }
    return 1;
}

bool Clickable(const Control& c) {
    if (!c.Showing() || !c.Enabled()) return false;
    if (dynamic_cast<const platform::SpeedButton*>(&c) ||
        dynamic_cast<const platform::RadioButton*>(&c))
        return true;
    return c.OnClick || c.OnDblClick || c.OnMouseDown;
}

void Collect(Control& parent, std::vector<Control*>& clickable, std::vector<Control*>& edits) {
    for (auto& child : parent.Children()) {
        if (!child->Visible()) continue;
        if (dynamic_cast<platform::Edit*>(child.get()) && child->Enabled()) {
            edits.push_back(child.get());
        } else if (Clickable(*child)) {
            clickable.push_back(child.get());
        }
        Collect(*child, clickable, edits);
    }
}

ScriptCommand Command(const std::string& verb, std::vector<std::string> args = {}) {
    ScriptCommand c;
    c.verb = verb;
    c.args = std::move(args);
    if (verb == "wait") c.number = std::stoll(c.args.front());  // as the parser reads it
    return c;
}

// The kinds of action and their weights.
enum class Action {
    click,
    rightClick,
    type,
    enter,
    escape,
    f11,
    key,
    tick,
    second,
    battleRound,
    duel
};

class Explorer {
  public:
    Explorer(platform::Application& app, ScriptRegistry& registry, const ExploreOptions& options)
        : app_(app),
          registry_(registry),
          options_(options),
          runner_(app, registry, {}, [this](const std::string& line) { Heard(line); }),
          random_(options.seed),
          pid_(getpid()) {}

    bool OnIdle();
    // A line of the transcript: the explorer counts saves and loads and notices a command that
    // could not be carried out.
    void Heard(const std::string& line);

    // What the run found, once it has ended.
    bool Failed() const { return !failure_.empty(); }
    const std::string& Failure() const { return failure_; }
    int ActionsDone() const { return actionsDone_; }
    const std::vector<std::string>& Script() const { return script_; }
    const std::set<std::string>& WindowsVisited() const { return windowsVisited_; }
    std::set<std::string> WindowsNeverReached() const {
        std::set<std::string> never;
        for (const std::string& name : allForms_) {
            if (!windowsVisited_.count(name)) never.insert(name);
        }
        return never;
    }
    size_t ControlsClicked() const { return clicked_.size(); }
    size_t ControlsSeen() const { return clickableSeen_.size(); }
    int Saves() const { return saves_; }
    // The furthest tutorial step the game reached while the tutorial ran.
    int TutorialStepReached() const { return tutorialStep_; }
    int Loads() const { return loads_; }
    bool Started() const { return started_; }

  private:
    bool Fail(const std::string& why, const std::string& check);
    // Runs a check operation; false (and the failure) when it does not hold.
    bool Check(const std::string& name);
    bool CheckAfterAction();
    // Whether this is the copy of the program in which the way out is played.
    bool InCopy() const;
    std::vector<ScriptCommand> StartCommands();
    std::vector<ScriptCommand> RandomAction();
    // Now and then the action is a save into a random slot or a load of one, from the options
    // or from the main menu, through the real windows; GoalCommand gives its next command, or
    // nothing once the goal is reached or cannot be followed.
    void MaybeStartGoal();
    std::vector<ScriptCommand> GoalCommand();
    std::string NameFor(Control& c);
    void Do(std::vector<ScriptCommand> commands);
    double Uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }
    template <typename T>
    T& Pick(std::vector<T>& items) {
        return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random_)];
    }

    platform::Application& app_;
    ScriptRegistry& registry_;
    ExploreOptions options_;
    ConsoleRunner runner_;
    std::mt19937 random_;
    pid_t pid_;  // a copy of the program made by a check goes its own way
    std::vector<std::string> script_;
    std::string failure_;
    bool done_ = false;
    bool started_ = false;
    int startSteps_ = 0;
    bool lordChosen_ = false;
    int actionsDone_ = 0;
    int sinceGoOn_ = 0;
    bool savedSinceCheck_ = false, loadedSinceCheck_ = false;
    int tutorialStep_ = 0;
    int saves_ = 0, loads_ = 0;
    std::set<std::string> windowsVisited_, allForms_;
    std::set<std::string> clicked_, clickableSeen_;
    enum class Goal { none, save, load, loadFromMenu } goal_ = Goal::none;
    int goalSlot_ = 1, goalSteps_ = 0;
    bool goalClicked_ = false;
    bool goalInDungeon_ = false;  // the goal started inside a dungeon
    // A slot saved inside a dungeon and not loaded on the map since: a game saved there and
    // loaded elsewhere is a flow of its own, so the next load on the map takes it more often
    // than not.
    int dungeonSlot_ = 0;
    // The slot saved last: a load takes it half the time, so that play is not sent back to an
    // old save over and over.
    int lastSaved_ = 0;
};

void Explorer::Heard(const std::string& line) {
    if (line.find(" FAIL line ") != std::string::npos && failure_.empty()) {
        // A command the explorer gave could not be carried out.
        failure_ = line.substr(line.find("FAIL"));
    }
    if (line.find("text=\"Game saved.\"") != std::string::npos) {
        savedSinceCheck_ = true;
        ++saves_;
        if (goal_ == Goal::save) lastSaved_ = goalSlot_;
        if (goal_ == Goal::save && goalInDungeon_) {
            dungeonSlot_ = goalSlot_;
        } else if (goal_ == Goal::save && goalSlot_ == dungeonSlot_) {
            dungeonSlot_ = 0;
        }
    }
    if (line.find("text=\"Game loaded.\"") != std::string::npos) {
        loadedSinceCheck_ = true;
        ++loads_;
        if (goal_ != Goal::none && !goalInDungeon_ && goalSlot_ == dungeonSlot_) dungeonSlot_ = 0;
    }
}

bool Explorer::Fail(const std::string& why, const std::string& check) {
    failure_ = why;
    if (!check.empty()) script_.push_back("call " + check);
    done_ = true;
    return false;
}

bool Explorer::Check(const std::string& name) {
    const ScriptRegistry::Call* call = registry_.FindCall(name);
    if (call == nullptr) return true;
    std::string result, error;
    if (call->run({}, result, error)) return true;
    return Fail(name + ": " + error, name);
}

bool Explorer::CheckAfterAction() {
    if (!failure_.empty()) return Fail(failure_, "");
    if (state::G().tutorialOn)
        tutorialStep_ = std::max<int>(tutorialStep_, state::G().tutorialStep);
    if (!Check("CheckTables") || !Check("CheckShownValues")) return false;
    if (savedSinceCheck_ && !Check("CheckSlots")) return false;
    savedSinceCheck_ = false;
    // The way out starts from a window that takes input; behind the wait window of a dungeon
    // being made it waits for the next action.
    const bool waiting = app_.InputForm()->ClassName() == "TFMessage6";
    if (!waiting && (loadedSinceCheck_ || ++sinceGoOn_ >= options_.goOnEvery)) {
        loadedSinceCheck_ = false;
        sinceGoOn_ = 0;
        if (!Check("CheckGoOn")) return false;
    }
    return true;
}

bool Explorer::InCopy() const {
    return getpid() != pid_;
}

std::string Explorer::NameFor(Control& c) {
    return ConsoleName(app_, c);
}

void Explorer::Do(std::vector<ScriptCommand> commands) {
    for (ScriptCommand& c : commands) {
        c.line = static_cast<int>(script_.size()) + 1;
        script_.push_back(FormatCommand(c));
        runner_.Append(std::move(c));
    }
}

// A new game on the scenario: the tutorial left (unless asked for), the scenario typed on the
// list's second page, a lord and a difficulty drawn, the opening windows answered.
std::vector<ScriptCommand> Explorer::StartCommands() {
    platform::Form* form = app_.InputForm();
    const std::string name = form->ClassName();
    if (name == "TFCampaign1") {
        started_ = true;
        return {};
    }
    if (name == "TForm2") {
        // As a player starts it: the menu's button, then the scenario's own on the list.
        if (options_.tutorial) return {Command("click", {"Start the tutorial"})};
        platform::Control* exit = form->Find("SpeedButton4");
        if (exit && exit->Showing())
            return {Command("click", {"SpeedButton4"}), Command("click", {"Yes"})};
        return {Command("click", {"Start a new game"})};
    }
    if (name == "TFSelectMap" && options_.tutorial) {
        if (const char* caption = TutorialScenarioCaption(options_.scenario))
            return {Command("click", {caption})};
    }
    if (name == "TFSelectMap")
        return {Command("click", {"Next..."}), Command("type", {"Edit1", options_.scenario}),
                Command("click", {"Play!"})};
    if (name == "TFShowMap" && !lordChosen_) {
        lordChosen_ = true;
        std::vector<std::string> lords;
        for (int p = 1; p <= 4; ++p) {
            Control* radio = form->Find("RadioButton" + std::to_string(p));
            if (radio && radio->Showing() && radio->Enabled())
                lords.push_back("RadioButton" + std::to_string(p));
        }
        std::vector<ScriptCommand> out;
        if (!lords.empty()) out.push_back(Command("click", {Pick(lords)}));
        out.push_back(Command("click", {"Start the game"}));
        return out;
    }
    if (name == "TFDifficulty") {
        std::vector<std::string> levels;
        for (int d = 1; d <= 7; ++d) {
            Control* b = form->Find("Diff" + std::to_string(d) + "Button");
            if (b && b->Showing() && b->Enabled()) levels.push_back(b->Name());
        }
        if (!levels.empty()) return {Command("click", {Pick(levels)})};
    }
    // The opening windows: each closes with its last button.
    std::vector<Control*> clickable, edits;
    Collect(*form, clickable, edits);
    for (auto it = clickable.rbegin(); it != clickable.rend(); ++it) {
        if (!dynamic_cast<platform::SpeedButton*>(*it)) continue;
        const std::string n = NameFor(**it);
        if (!n.empty()) return {Command("click", {n})};
    }
    return {Command("wait", {"100"})};
}

void Explorer::MaybeStartGoal() {
    const std::string form = app_.InputForm()->ClassName();
    if (form != "TFCampaign1" && form != "TForm3") return;
    // Inside a dungeon more often, and a load soon after a save there.
    // During a duel the options are refused; that refusal comes up now and then too.
    const bool inDungeon = form == "TForm3";
    const double chance = inDungeon && logic::DuelActive() ? 0.02
                          : inDungeon                      ? (dungeonSlot_ ? 0.05 : 0.25)
                          : dungeonSlot_                   ? 0.15
                                                           : 0.03;
    if (Uniform() >= chance) return;
    const double roll = Uniform();
    const double saveShare = dungeonSlot_ ? 0.2 : 0.45;
    goal_ = roll < saveShare                           ? Goal::save
            : roll < saveShare + (1 - saveShare) * 0.6 ? Goal::load
                                                       : Goal::loadFromMenu;
    goalSlot_ = std::uniform_int_distribution<int>(1, 6)(random_);
    if (goal_ == Goal::save) goalSlot_ = std::min(goalSlot_, 5);
    goalSteps_ = 0;
    goalClicked_ = false;
    goalInDungeon_ = inDungeon;
}

std::vector<ScriptCommand> Explorer::GoalCommand() {
    platform::Form* form = app_.InputForm();
    const std::string name = form->ClassName();
    std::string text;
    for (const auto& [key, value] : form->Describe()) {
        if (key == "text") text = value;
    }
    const auto click = [](const std::string& control) {
        return std::vector<ScriptCommand>{Command("click", {control})};
    };
    const auto slotButton = [this](bool save) {
        if (goalSlot_ == 6) return std::string("SpeedButton12");
        return "SpeedButton" + std::to_string(goalSlot_ * 2 - (save ? 1 : 0));
    };
    if (++goalSteps_ > 12) return {};
    if (goalClicked_) {
        // After the slot's button: its question, then the notice that ends the goal.
        if (name == "TFMessage5") return click("Yes");
        if (text == "Game saved." || text == "Game loaded.") {
            goal_ = Goal::none;
            return click("Continue");
        }
        return {};
    }
    // The map's options open only in the human's own step; until then time passes.
    if (name == "TFCampaign1")
        return logic::HumanMayAct() ? click("SpeedButton6")
                                    : std::vector<ScriptCommand>{Command("wait", {"500"})};
    if (name == "TForm3")
        return goal_ == Goal::loadFromMenu ? std::vector<ScriptCommand>{} : click("OptionsButton");
    if (name == "TFOptions")
        return click(goal_ == Goal::loadFromMenu ? "Exit to main menu" : "Save/Load game");
    if (name == "TFMessage5" && text.rfind("Do you really want to QUIT", 0) == 0)
        return click("Yes");
    if (name == "TFMessage5" && text == "Do you want to save your current game (Auto-save)?")
        return click(Uniform() < 0.5 ? "Yes" : "No");
    if (name == "TForm2") return click("Load a game");
    if (name == "TFSaveLoad") {
        if (goal_ != Goal::save) {
            // A load takes one of the slots that hold a game.
            std::vector<int> slots;
            for (int slot = 1; slot <= 6; ++slot) {
                goalSlot_ = slot;
                Control* load = form->Find(slotButton(false));
                if (load && load->Enabled()) slots.push_back(slot);
            }
            if (slots.empty()) return {};
            const auto holds = [&slots](int slot) {
                return std::find(slots.begin(), slots.end(), slot) != slots.end();
            };
            if (holds(dungeonSlot_) && !goalInDungeon_ && Uniform() < 0.7) {
                goalSlot_ = dungeonSlot_;
            } else if (holds(lastSaved_) && Uniform() < 0.5) {
                goalSlot_ = lastSaved_;
            } else {
                goalSlot_ = Pick(slots);
            }
        }
        const std::string button = slotButton(goal_ == Goal::save);
        Control* c = form->Find(button);
        if (c == nullptr || !c->Enabled()) return {};
        goalClicked_ = true;
        std::vector<ScriptCommand> out;
        if (goal_ == Goal::save)
            out.push_back(Command("type", {"Edit" + std::to_string(goalSlot_), "Explorer"}));
        out.push_back(Command("click", {button}));
        return out;
    }
    return {};
}

std::vector<ScriptCommand> Explorer::RandomAction() {
    platform::Form* form = app_.InputForm();
    const std::string formName = form->ClassName();
    windowsVisited_.insert(formName);
    std::vector<Control*> all, edits;
    Collect(*form, all, edits);
    const bool battle = form->Find("BattleRetreat") && form->Find("BattleRetreat")->Showing();
    const bool duel = formName == "TForm3" && logic::DuelActive();
    std::vector<Control*> clickable;
    std::vector<double> weights;
    for (Control* c : all) {
        double w = ControlWeightOf(formName, *c);
        if (formName == "TFCampaign1") w *= MoveWeight(*c);
        // In a duel a player fights; a step is refused until it ends.
        if (duel && c->Name().rfind("MoveField", 0) == 0) w *= 0.1;
        // After a save inside the dungeon, leaving it comes sooner: that save is then loaded
        // from the map.
        if (dungeonSlot_ && !duel && formName == "TForm3" && c->Name() == "LeaveButton") w *= 10;
        if (w <= 0 || NameFor(*c).empty()) continue;
        clickable.push_back(c);
        weights.push_back(w);
        clickableSeen_.insert(formName + "." + c->Name());
    }
    const std::pair<Action, double> kinds[] = {
        {Action::click, clickable.empty() ? 0.0 : 70.0},
        {Action::rightClick, clickable.empty() ? 0.0 : 3.0},
        {Action::type, edits.empty() ? 0.0 : 3.0},
        {Action::enter, 2.0},
        // Escape on the map asks to quit the game, on the main menu to quit the program.
        {Action::escape, formName == "TForm2"        ? 0.0
                         : formName == "TFCampaign1" ? 0.3
                                                     : 2.0},
        {Action::f11, 0.3},
        // A key of the window (or F1, or a key bound to nothing there).
        {Action::key, 4.0},
        {Action::tick, 6.0},
        {Action::second, 4.0},
        {Action::battleRound, battle ? 12.0 : 0.0},
        {Action::duel, duel ? 6.0 : 0.0},
    };
    double total = 0;
    for (const auto& k : kinds)
        total += k.second;
    double roll = Uniform() * total;
    Action action = Action::tick;
    for (const auto& k : kinds) {
        if (roll < k.second) {
            action = k.first;
            break;
        }
        roll -= k.second;
    }
    switch (action) {
        case Action::click:
        case Action::rightClick: {
            std::discrete_distribution<size_t> which(weights.begin(), weights.end());
            Control* c = clickable[which(random_)];
            if (action == Action::click) clicked_.insert(formName + "." + c->Name());
            return {Command(action == Action::click ? "click" : "rclick", {NameFor(*c)})};
        }
        case Action::type: {
            static const std::vector<std::string> kTexts = {
                "",  "Explorer",         "Before the battle",
                "x", "desertofdarkness", "a long description of the game"};
            std::vector<std::string> texts = kTexts;
            return {Command("type", {Pick(edits)->Name(), Pick(texts)})};
        }
        case Action::enter:
            return {Command("key", {"Enter"})};
        case Action::escape:
            return {Command("key", {"Escape"})};
        case Action::f11:
            return {Command("key", {"F11"})};
        case Action::key: {
            std::vector<std::string> keys = {"F1", "Q"};
            for (const platform::Form::KeyBinding& binding : form->KeyBindings())
                keys.insert(keys.end(), binding.keys.begin(), binding.keys.end());
            return {Command("key", {Pick(keys)})};
        }
        case Action::tick:
            return {Command("wait", {"100"})};
        case Action::second:
            return {Command("wait", {"1000"})};
        case Action::battleRound:
            return {Command("wait", {"4000"})};
        case Action::duel:
            return {Command("wait", {"10000"})};
    }
    return {Command("wait", {"100"})};
}

bool Explorer::OnIdle() {
    if (done_) return false;
    if (runner_.Busy()) {
        // The runner ends its script once a wait has passed; the explorer has more to do.
        runner_.OnIdle();
        return true;
    }
    if (allForms_.empty()) {
        for (platform::Form* f : app_.AllForms())
            allForms_.insert(f->ClassName());
    }
    if (app_.InputForm() == nullptr) return Fail("no window takes input", "");
    if (!started_) {
        std::vector<ScriptCommand> commands = StartCommands();
        if (!started_) {
            if (++startSteps_ > 60)
                return Fail("could not start a game on " + options_.scenario, "");
            Do(std::move(commands));
            runner_.OnIdle();
            return true;
        }
    }
    if (actionsDone_ > 0 && !CheckAfterAction()) return false;
    if (InCopy()) return true;  // the way out plays on from here
    if (actionsDone_ >= options_.actions) {
        done_ = true;
        return false;
    }
    ++actionsDone_;
    if (goal_ == Goal::none) MaybeStartGoal();
    if (goal_ != Goal::none) {
        std::vector<ScriptCommand> commands = GoalCommand();
        // An empty name: the goal cannot be followed from here.
        if (!commands.empty() && commands.front().args.front().empty()) commands.clear();
        if (!commands.empty()) {
            Do(std::move(commands));
            runner_.OnIdle();
            return true;
        }
        goal_ = Goal::none;
    }
    Do(RandomAction());
    runner_.OnIdle();
    return true;
}

std::string Joined(const std::set<std::string>& names) {
    std::string out;
    for (const std::string& n : names)
        out += " " + n;
    return out;
}

}  // namespace

int RunExplorer(const ExploreOptions& options, std::FILE* out) {
    if (options.tutorial && !TutorialScenarioCaption(options.scenario)) {
        std::fprintf(out, "explore: the tutorial plays on %s only, not on %s\n",
                     TutorialScenarios().c_str(), options.scenario.c_str());
        return 2;
    }
    // A user folder of its own, so that the run and its replays start alike.
    const platform::TempFolder userDir("marchholt-explore-");
    if (!userDir.Made()) {
        std::fprintf(out, "explore: cannot make a user folder\n");
        return 2;
    }
    setenv("XDG_DATA_HOME", userDir.Path().c_str(), 1);
    platform::UseFiles(platform::Files::FromEnvironment(options.program));
    platform::AppOptions appOptions;
    appOptions.headless = true;
    appOptions.desktopWidth = options.desktopWidth;
    appOptions.desktopHeight = options.desktopHeight;
    int status = 0;
    {
        platform::Application app(appOptions);
        std::string error;
        if (!app.Init(error)) {
            std::fprintf(out, "explore: %s\n", error.c_str());
            return 2;
        }
        ScriptRegistry registry;
        Explorer explorer(app, registry, options);
        app.SetTraceSink([&explorer](const std::string& line) { explorer.Heard(line); });
        app.SetIdleHook([&explorer] { return explorer.OnIdle(); });
        GameOptions game;
        game.registry = &registry;
        game.fixedSeed = true;
        game.seed = options.seed;
        const auto begin = std::chrono::steady_clock::now();
        RunMarchholt(app, game);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        const std::set<std::string> never = explorer.WindowsNeverReached();
        std::fprintf(out, "explore %s, seed %u: %d actions in %.1f s (%.0f actions/s)\n",
                     options.scenario.c_str(), options.seed, explorer.ActionsDone(), seconds,
                     seconds > 0 ? explorer.ActionsDone() / seconds : 0.0);
        std::fprintf(out, "windows visited:%s\n", Joined(explorer.WindowsVisited()).c_str());
        std::fprintf(out, "windows never reached:%s\n", Joined(never).c_str());
        std::fprintf(out, "controls clicked: %zu of %zu\n", explorer.ControlsClicked(),
                     explorer.ControlsSeen());
        std::fprintf(out, "saves: %d, loads: %d\n", explorer.Saves(), explorer.Loads());
        if (options.tutorial)
            std::fprintf(out, "tutorial: reached step %d\n", explorer.TutorialStepReached());
        if (!explorer.Started()) {
            std::fprintf(out, "result: %s\n", explorer.Failure().c_str());
            status = 2;
        } else if (explorer.Failed()) {
            status = 1;
            std::fprintf(out, "result: failure at action %d (seed %u): %s\n",
                         explorer.ActionsDone(), options.seed, explorer.Failure().c_str());
            const std::vector<std::string>& script = explorer.Script();
            std::fprintf(out, "# replay: marchholt-console --seed %u --desktop %dx%d FILE\n",
                         options.seed, options.desktopWidth, options.desktopHeight);
            for (const std::string& line : script)
                std::fprintf(out, "%s\n", line.c_str());
            std::fflush(out);
            ReplaySetup setup{options.program, options.seed, options.desktopWidth,
                              options.desktopHeight};
            if (FailsAtLastCommand(setup, script)) {
                const auto deadline =
                    std::chrono::steady_clock::now() + std::chrono::seconds(options.shrinkSeconds);
                const std::vector<std::string> shorter = ShrinkScript(setup, script, deadline);
                std::fprintf(out, "# the short script (%zu of %zu commands):\n", shorter.size(),
                             script.size());
                for (const std::string& line : shorter)
                    std::fprintf(out, "%s\n", line.c_str());
            } else {
                std::fprintf(out, "# the script does not fail alike when replayed\n");
            }
        } else {
            std::fprintf(out, "result: clean\n");
        }
    }
    std::fflush(out);
    return status;
}

}  // namespace app
