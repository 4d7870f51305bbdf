#include "app/console_bindings.h"

#include "app/console_ai.h"
#include "app/console_battle.h"
#include "app/console_cities.h"
#include "app/console_dungeon.h"
#include "app/console_events.h"
#include "app/console_themes.h"
#include "app/control_names.h"
#include "app/explorer_checks.h"
#include "app/script_registry.h"
#include "campaign/buildings.h"
#include "campaign/hiring.h"
#include "campaign/map_model.h"
#include "campaign/movement.h"
#include "campaign/scouting.h"
#include "campaign/spawn_fields.h"
#include "campaign/strategic_buttons.h"
#include "campaign/turn_cycle.h"
#include "campaign/turn_hints.h"
#include "platform/application.h"
#include "rules/castle_markers.h"
#include "rules/dialogs.h"
#include "rules/game_end.h"
#include "rules/lords.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/progress_file.h"
#include "state/random.h"
#include "state/reset.h"
#include "state/saved_games.h"
#include "state/scenario_files.h"
#include "state/value_directory.h"

namespace app {

namespace {

bool StringArg(const CallArgs& args, size_t index, std::string& out, std::string& error) {
    if (index >= args.size()) {
        error = "missing argument " + std::to_string(index + 1);
        return false;
    }
    out = args[index];
    return true;
}

// An operation with no arguments and no result.
ScriptRegistry::Call Plain(std::function<void()> fn) {
    return Takes({}, [fn = std::move(fn)](const CallArgs&, std::string&, std::string&) {
        fn();
        return true;
    });
}

void RegisterValues(ScriptRegistry& registry) {
    registry.AddValues(
        [](const std::string& expr, std::string& value, std::string& error) {
            state::Ref ref;
            if (!state::ResolveValue(expr, ref, error)) return false;
            value = ref.GetText();
            return true;
        },
        [](const std::string& expr, const std::string& value, std::string& error) {
            state::Ref ref;
            if (!state::ResolveValue(expr, ref, error)) return SetResult::failed;
            // A resolved value refuses only a number that is not a 32-bit integer.
            return ref.SetText(value, error) ? SetResult::stored : SetResult::refused;
        });
}

void RegisterState(ScriptRegistry& registry) {
    registry.AddCall("ResetGameState", Plain([] { state::ResetGameState(); }));
    registry.AddCall("ReadProgress", {}, [](const CallArgs&, std::string&, std::string& error) {
        return state::ReadProgress(error);
    });
    registry.AddCall("WriteProgress", {}, [](const CallArgs&, std::string&, std::string& error) {
        return state::WriteProgress(error);
    });
    registry.AddCall("Random", {kNumber},
                     [](const CallArgs& a, std::string& result, std::string& error) {
                         int n = 0;
                         if (!IntArg(a, 0, n, error)) return false;
                         result = std::to_string(state::Random(n));
                         return true;
                     });
    registry.AddCall("SaveGame", {kNumber},
                     [](const CallArgs& a, std::string&, std::string& error) {
                         int slot = 0;
                         if (!IntArg(a, 0, slot, error)) return false;
                         return state::SaveGame(slot, error);
                     });
    registry.AddCall("LoadGame", {kNumber},
                     [](const CallArgs& a, std::string&, std::string& error) {
                         int slot = 0;
                         if (!IntArg(a, 0, slot, error)) return false;
                         return state::LoadGame(slot, error);
                     });
    registry.seed = [](unsigned seed) { state::SeedRandom(seed); };
}

void RegisterSound(ScriptRegistry& registry, screens::GameScreens& screens) {
    sound::SoundSystem* sound = &screens.Sound();
    registry.AddCall("PlayTrack", {kNumber, kWord},
                     [sound](const CallArgs& a, std::string&, std::string& error) {
                         int slot = 0;
                         std::string file;
                         if (!IntArg(a, 0, slot, error) || !StringArg(a, 1, file, error))
                             return false;
                         sound->Channels().PlayTrack(slot, file);
                         return true;
                     });
    registry.AddCall("StartTrack", {kNumber},
                     [sound](const CallArgs& a, std::string&, std::string& error) {
                         int slot = 0;
                         if (!IntArg(a, 0, slot, error)) return false;
                         sound->Channels().StartTrack(slot);
                         return true;
                     });
    registry.AddCall("StopTrack", {kNumber},
                     [sound](const CallArgs& a, std::string&, std::string& error) {
                         int slot = 0;
                         if (!IntArg(a, 0, slot, error)) return false;
                         sound->Channels().StopTrack(slot);
                         return true;
                     });
    registry.AddCall("NextMusic", Plain([sound] { sound->Music().NextMusic(); }));
    registry.AddCall("PlayClick", Plain([sound] { sound->Effects().PlayClick(); }));
    registry.AddCall("PlayPayment", Plain([sound] { sound->Effects().PlayPayment(); }));
    registry.AddCall("PlayHitCry", {kNumber},
                     [sound](const CallArgs& a, std::string&, std::string& error) {
                         int family = 0;
                         if (!IntArg(a, 0, family, error)) return false;
                         sound->Effects().PlayHitCry(family);
                         return true;
                     });
}

void RegisterDialogs(ScriptRegistry& registry) {
    registry.AddCall("ShowNotice", {kWord, kWord, kWord, kWord}, 0,
                     [](const CallArgs& a, std::string&, std::string&) {
                         logic::UI().ShowNotice(a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : "",
                                                a.size() > 2 ? a[2] : "",
                                                a.size() > 3 ? a[3] : "Continue");
                         return true;
                     });
    registry.AddCall("ShowBossNotice", {kWord, kWord, kWord}, 0,
                     [](const CallArgs& a, std::string&, std::string&) {
                         logic::UI().ShowBossNotice(a.size() > 0 ? a[0] : "",
                                                    a.size() > 1 ? a[1] : "",
                                                    a.size() > 2 ? a[2] : "");
                         return true;
                     });
    registry.AddCall(
        "ShowShortNotice", {kWord, kWord}, 0, [](const CallArgs& a, std::string&, std::string&) {
            logic::UI().ShowShortNotice(a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : "Continue");
            return true;
        });
    registry.AddCall("ShowHelp", {kWord, kWord, kWord}, 0,
                     [](const CallArgs& a, std::string&, std::string&) {
                         logic::UI().ShowHelp(a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : "",
                                              a.size() > 2 ? a[2] : "");
                         return true;
                     });
    registry.AddCall(
        "AskOffer", {kWord, kWord, kWord, kWord, kWord, kNumber}, 0,
        [](const CallArgs& a, std::string& result, std::string& error) {
            int enabled = 1;
            if (a.size() > 5 && !IntArg(a, 5, enabled, error)) return false;
            result = std::to_string(logic::UI().AskOffer(
                a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : "", a.size() > 2 ? a[2] : "",
                a.size() > 3 ? a[3] : "", a.size() > 4 ? a[4] : "", enabled != 0));
            return true;
        });
    registry.AddCall(
        "AskYesNo", {kWord, kWord, kWord}, 0,
        [](const CallArgs& a, std::string& result, std::string&) {
            result = std::to_string(logic::UI().AskYesNo(
                a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : "Yes", a.size() > 2 ? a[2] : "No"));
            return true;
        });
    registry.AddCall(
        "AskChoice", {kWord, kWord, kWord, kWord, kWord, kNumber}, 0,
        [](const CallArgs& a, std::string& result, std::string& error) {
            int enabled = 1;
            if (a.size() > 5 && !IntArg(a, 5, enabled, error)) return false;
            result = std::to_string(logic::UI().AskChoice(
                a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : "", a.size() > 2 ? a[2] : "",
                a.size() > 3 ? a[3] : "", a.size() > 4 ? a[4] : "", enabled != 0));
            return true;
        });
    registry.AddCall("ShowGameOver", {kWord, kWord, kWord}, 0,
                     [](const CallArgs& a, std::string&, std::string&) {
                         logic::UI().ShowGameOver(a.size() > 0 ? a[0] : "",
                                                  a.size() > 1 ? a[1] : "",
                                                  a.size() > 2 ? a[2] : "");
                         return true;
                     });
}

ScriptRegistry::Call LoadCall(state::LoadResult (*load)(const std::string&, state::GameState&)) {
    return Takes({kWord}, [load](const CallArgs& a, std::string&, std::string& error) {
        std::string name;
        if (!StringArg(a, 0, name, error)) return false;
        const state::LoadResult r = load(name, state::G());
        if (!r.Ok()) error = r.message.empty() ? state::kScenarioNotFoundText : r.message;
        return r.Ok();
    });
}

void RegisterScenario(ScriptRegistry& registry) {
    registry.AddCall("LoadModule", LoadCall(&state::LoadModule));
    registry.AddCall("LoadMap", LoadCall(&state::LoadMap));
    registry.AddCall("LoadMonsters", LoadCall(&state::LoadMonsters));
    registry.AddCall("LoadItems", LoadCall(&state::LoadItems));
    registry.AddCall(
        "LoadScenario", {kWord}, [](const CallArgs& a, std::string&, std::string& error) {
            std::string name;
            if (!StringArg(a, 0, name, error)) return false;
            const state::LoadResult r =
                state::LoadScenario(name, [](state::GameState& g) { state::ScenarioSetup(g); });
            if (!r.Ok()) error = r.message.empty() ? state::kScenarioNotFoundText : r.message;
            return r.Ok();
        });
    registry.AddCall("ScenarioSetup", Plain([] { state::ScenarioSetup(); }));
    registry.AddCall("SetDifficulty", Ints<1>([](int v) { state::SetDifficulty(v); }));
}

void RegisterCampaign(ScriptRegistry& registry, screens::GameScreens& screens) {
    screens::TFCampaign1* map = &screens.Campaign();
    registry.AddCall("DrawMap", Ints<2>([map](int h, int n) { map->DrawMap(h != 0, n != 0); }));
    registry.AddCall("DrawStatusBar", Plain([map] { map->DrawStatusBar(); }));
    registry.AddCall("MoveArmy", Ints<2>([](int x, int y) { logic::MoveArmy(x, y); }));
    // The map model the strategic window draws: a field as "hidden", or its tile and whether it
    // is highlighted and whether it lies beyond the castle range; a move target (0 north .. 3
    // west) as "x y" (and whether beyond the range) or "none".
    registry.AddCall(
        "MapField", Ints<3>([](int x, int y, int highlight) {
            if (!logic::OnMap(x, y)) return std::string("off the map");
            const logic::MapModel model = logic::DescribeMap(highlight != 0, false);
            const auto& f = model.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (f.hidden) return std::string("hidden");
            return "tile " + std::to_string(f.tile) + (f.highlighted ? " highlighted" : "") +
                   (f.beyondRange ? " beyond the castle range" : "");
        }));
    registry.AddCall("MapTarget", Ints<1>([](int direction) {
                         if (direction < 0 || direction > 3) return std::string("none");
                         const logic::MapModel model = logic::DescribeMap(true, false);
                         const auto& t = model.targets[static_cast<std::size_t>(direction)];
                         if (!t.shown) return std::string("none");
                         return std::to_string(t.x) + " " + std::to_string(t.y) +
                                (t.beyondRange ? " beyond the castle range" : "");
                     }));
    registry.AddCall("StatusBarLord", Ints<0>(&logic::StatusBarLord));
    registry.AddCall("MoveInformationScouts", Ints<1>(&logic::MoveInformationScouts));
    registry.AddCall("NextLord", Plain([] { logic::NextLord(); }));
    registry.AddCall("CheckGameEnd", Plain([] { logic::CheckGameEnd(); }));
    registry.AddCall("PlaceCastleMarkers", Plain([] { logic::PlaceCastleMarkers(); }));
    registry.AddCall("ScoutArmy", Ints<1>([](int lord) { logic::ScoutArmy(lord); }));
    registry.AddCall("ScoutCastle", Ints<1>([](int lord) { logic::ScoutCastle(lord); }));
    registry.AddCall("TurnStartHints", Plain([] { logic::TurnStartHints(); }));
    registry.AddCall("SpawnFields", Ints<1>([](int age) { logic::SpawnFields(age != 0); }));
    registry.AddCall("PickUpField", Plain([] { logic::PickUpField(); }));
    registry.AddCall("ComputerHeroLevelUpChance",
                     Ints<1>([](int lord) { logic::ComputerHeroLevelUpChance(lord); }));
    registry.AddCall("BuildSelected", Ints<1>([](int b) { logic::BuildSelected(b); }));
    registry.AddCall("HireUnit", Ints<1>([](int kind) { logic::HireUnit(kind); }));
    registry.AddCall("PrepareFirstRound", Plain([] { logic::PrepareFirstRound(); }));
    registry.AddCall("SkipTurn", Plain([] { logic::SkipTurn(); }));
    registry.AddCall("PortalHome", Plain([] { logic::PortalHome(); }));
}

// Where a control lies on the canvas, so that a test can click it in the real window.
void RegisterScreenPoints(ScriptRegistry& registry, screens::GameScreens& screens) {
    platform::Application* app = &screens.App();
    registry.AddCall("ControlCenter", {kWord},
                     [app](const CallArgs& a, std::string& result, std::string& error) {
                         platform::Control* c = FindControl(*app, a[0]);
                         if (!c) {
                             error = "no control or button \"" + a[0] + "\" takes input";
                             return false;
                         }
                         const platform::Rect r = c->ScreenBounds();
                         result =
                             std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2);
                         return true;
                     });
}

}  // namespace

void RegisterConsoleBindings(ScriptRegistry& registry, screens::GameScreens& screens) {
    RegisterValues(registry);
    RegisterState(registry);
    RegisterSound(registry, screens);
    RegisterDialogs(registry);
    RegisterScenario(registry);
    RegisterCampaign(registry, screens);
    RegisterBattle(registry);
    RegisterComputerLords(registry);
    RegisterDungeon(registry);
    RegisterEvents(registry);
    RegisterCities(registry);
    RegisterThemes(registry);
    RegisterExplorerChecks(registry, screens);
    RegisterScreenPoints(registry, screens);
    registry.AddCall("ExitTutorial", Plain([&screens] { screens::ExitTutorial(screens); }));
    registry.AddCall("StartTutorial", Plain([&screens] { screens::StartTutorial(screens); }));
    registry.AddCall("EndTutorial", Plain([&screens] { screens::EndTutorial(screens); }));
}

}  // namespace app
