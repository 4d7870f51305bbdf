// Compares what the windows on screen show with the tables.
#include "screens/shown_values.h"

#include <string>

#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "campaign/city_visit.h"
#include "campaign/map_model.h"
#include "campaign/movement.h"
#include "campaign/turn_cycle.h"
#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "platform/control.h"
#include "platform/form.h"
#include "rules/lords.h"
#include "screens/battle_panel.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "screens/map_pictures.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcity.h"
#include "screens/tform3.h"
#include "state/game_state.h"

namespace screens {

namespace {

class Comparison {
  public:
    Comparison(platform::Form& form, std::vector<std::string>& faults)
        : form_(form), faults_(faults) {}

    void Caption(const std::string& control, const std::string& what, const std::string& want) {
        platform::Control* c = form_.Find(control);
        if (c == nullptr || !c->Visible()) return;
        if (c->Caption() != want) Fault(control, what, c->Caption(), want);
    }
    void Number(const std::string& control, const std::string& what, state::Int want) {
        Caption(control, what, std::to_string(want));
    }
    void Picture(const std::string& control, const std::string& what, const std::string& want) {
        auto* p = dynamic_cast<platform::Picture*>(form_.Find(control));
        if (p == nullptr || !p->Visible()) return;
        if (p->FileName() != want) Fault(control, what, p->FileName(), want);
    }

  private:
    void Fault(const std::string& control, const std::string& what, const std::string& shown,
               const std::string& want) {
        faults_.push_back(form_.ClassName() + " " + control + " (" + what + ") shows \"" + shown +
                          "\", the tables hold \"" + want + "\"");
    }
    platform::Form& form_;
    std::vector<std::string>& faults_;
};

// The status bar, the troop counters and the hero panel of the strategic window: the human
// lord's values, the battle's own side while a battle is shown.
void CompareStatusBar(GameScreens& screens, std::vector<std::string>& faults) {
    TFCampaign1& map = screens.Campaign();
    const state::GameState& g = state::G();
    const int lord = logic::HumanLord();
    if (!map.Visible() || lord == 0) return;
    Comparison c(map, faults);
    const state::Record& l = g.lord[lord];
    c.Number("Label2", "gold", l[state::Lord::gold]);
    c.Number("Label16", "honor", l[state::Lord::honor]);
    c.Number("Label14", "wood", l[state::Lord::wood]);
    c.Number("Label15", "iron", l[state::Lord::iron]);
    c.Number("Label22", "stone", l[state::Lord::stone]);
    c.Number("Label21", "gems", l[state::Lord::gems]);
    c.Number("Label17", "hero level", l[state::Lord::heroLevel]);
    c.Picture("Image76", "hero", HeroPictureName(lord));
    c.Picture("Image1", "faction logo", logic::FactionLogo(lord));
    c.Picture("Image18", "moves left", HourglassName(g.army[lord][state::Army::movesLeft]));
    c.Caption("TurnLine", "round and turn", logic::TurnLine());
    const bool battle = map.Battle().Shown();
    const char* labels[4] = {"Label9", "Label11", "Label10", "Label29"};
    const int slots[4] = {state::Army::soldiers, state::Army::fast, state::Army::archers,
                          state::Army::siege};
    for (int i = 0; i < 4; ++i) {
        const state::Int n = battle ? g.battleOwnSide[slots[i]] : g.army[lord][slots[i]];
        c.Number(labels[i], "troops", n);
    }
    if (!battle) return;
    // The battle panel's grid of both sides' troops and its account of the last strikes.
    const char* prefixes[2] = {"BattleOwnTroops", "BattleFoeTroops"};
    const logic::BattleRecord* sides[2] = {&g.battleOwnSide, &g.battleFoeSide};
    for (int side = 0; side < 2; ++side) {
        for (int slot = 0; slot < logic::kTroopSlots; ++slot) {
            const bool present = logic::SlotPresent(*sides[side], slot);
            c.Number(prefixes[side] + std::to_string(slot + 1), "troops by kind",
                     present ? (*sides[side])[logic::kSideTroop[slot]] : 0);
        }
    }
    std::string log;
    for (const std::string& line : g.battleLog)
        log += (log.empty() ? "" : "\n") + line;
    c.Caption("BattleStrikeLog", "last strikes", log);
}

// While the human may step, the fields around its army are drawn highlighted and the move
// targets onto walkable neighbours are shown, once the map is in front again (the map is
// redrawn when an action's last window has closed).
void CompareMoveTargets(GameScreens& screens, std::vector<std::string>& faults) {
    TFCampaign1& map = screens.Campaign();
    if (!map.Visible() || map.Battle().Shown() || !logic::HumanMayAct()) return;
    if (screens.App().InputForm() != &map) return;
    const state::GameState& g = state::G();
    const int lord = g.currentLord;
    const int ax = g.army[lord][state::Army::x], ay = g.army[lord][state::Army::y];
    static const char* kNames[4] = {"MoveFieldN", "MoveFieldE", "MoveFieldS", "MoveFieldW"};
    for (int d = 0; d < 4; ++d) {
        const int x = ax + logic::kDirectionSteps[d].dx, y = ay + logic::kDirectionSteps[d].dy;
        if (!logic::OnMap(x, y) || g.field[x][y][state::Field::walkable] <= 0) continue;
        const std::string want = TileName(1, g.field[x][y][state::Field::tile]);
        const platform::Picture* field = map.FieldPicture(x, y);
        if (!map.MoveTarget(d)->Visible() || field->FileName() != want) {
            faults.push_back("TFCampaign1 " + std::string(kNames[d]) + " (move target) shows \"" +
                             field->FileName() + (map.MoveTarget(d)->Visible() ? "" : ", hidden") +
                             "\", the turn holds \"" + want + "\"");
        }
    }
    // The castle range: the shade over the fields beyond it, the mark on a target beyond it.
    const logic::MapModel model = logic::DescribeMap(true, false);
    int wrong = 0;
    std::string first;
    for (int x = 1; x <= logic::kMapColumns; ++x) {
        for (int y = 1; y <= logic::kMapRows; ++y) {
            const bool beyond =
                model.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].beyondRange;
            if (map.FieldShaded(x, y) == beyond) continue;
            if (wrong++ == 0)
                first =
                    std::to_string(x) + "," + std::to_string(y) + (beyond ? " beyond" : " within");
        }
    }
    if (wrong > 0) {
        faults.push_back("TFCampaign1 RangeShade (castle range) shades " + std::to_string(wrong) +
                         " fields unlike the turn (the first, " + first + " the range)");
    }
    for (int d = 0; d < 4; ++d) {
        const logic::MapTargetView& t = model.targets[static_cast<std::size_t>(d)];
        if (map.TargetMarked(d) != (t.shown && t.beyondRange)) {
            faults.push_back("TFCampaign1 " + std::string(kNames[d]) + "Range (castle range) is " +
                             (map.TargetMarked(d) ? "shown" : "hidden") + ", the turn holds it " +
                             (t.beyondRange ? "beyond" : "within") + " the range");
        }
    }
}

// Every army stands on the map where the tables put it, whenever the map is shown (a message
// over it included).
void CompareArmies(GameScreens& screens, std::vector<std::string>& faults) {
    TFCampaign1& map = screens.Campaign();
    if (!map.Visible() || state::G().inDungeon == 1) return;
    const logic::MapModel model = logic::DescribeMap(false, false);
    for (int p = 1; p <= logic::kLords; ++p) {
        const logic::MapArmyView& a = model.armies[static_cast<std::size_t>(p)];
        const platform::Picture* army = map.ArmyPicture(p);
        const std::string who = "TFCampaign1 army of lord " + std::to_string(p);
        if (army->Visible() != a.shown) {
            faults.push_back(who + " is " + (army->Visible() ? "shown" : "hidden") +
                             ", the tables hold it " + (a.shown ? "on the map" : "off it"));
            continue;
        }
        if (!a.shown) continue;
        const ArmyPlacement want = PlaceArmy(p, a.x, a.y, a.shared);
        const platform::Rect r = army->Bounds();
        if (r.x != want.left || r.y != want.top || r.w != want.size) {
            faults.push_back(who + " stands at (" + std::to_string(r.x) + ", " +
                             std::to_string(r.y) + "), the tables hold it on field " +
                             std::to_string(a.x) + "," + std::to_string(a.y) +
                             (a.shared ? " beside another" : ""));
        }
    }
}

void CompareBattlePanel(GameScreens& screens, std::vector<std::string>& faults) {
    TFCampaign1& map = screens.Campaign();
    if (!map.Visible() || !map.Battle().Shown()) return;
    const state::GameState& g = state::G();
    Comparison c(map, faults);
    const auto vessel = [](const logic::BattleRecord& side) {
        return logic::VesselPicture(side[state::BattleSide::startStrength],
                                    logic::SideStrength(side));
    };
    c.Picture("BattleOwnHealth", "own strength", vessel(g.battleOwnSide));
    c.Picture("BattleFoeHealth", "enemy strength", vessel(g.battleFoeSide));
}

void CompareDungeonColumn(GameScreens& screens, std::vector<std::string>& faults) {
    TForm3& dungeon = screens.Dungeon().Window();
    if (!dungeon.Visible() || state::G().inDungeon != 1) return;
    const logic::HeroStatusView s = logic::DescribeHeroStatus();
    Comparison c(dungeon, faults);
    c.Caption("HeroName", "hero", s.heroName);
    c.Caption("LevelLabel", "level", "Level: " + std::to_string(s.level));
    c.Picture("HealthPicture", "health", s.healthPicture);
    if (s.showExperience) c.Picture("XPPicture", "experience", s.experiencePicture);
    if (s.goldAndRationsShown) {
        c.Caption("GoldLabel", "gold carried", s.goldLine);
        c.Caption("RationsLabel", "rations", s.rationsLine);
    }
    c.Picture("WeaponSlot", "weapon", s.weapon.picture);
    c.Caption("WeaponCaption", "weapon", s.weapon.caption);
    for (int slot = 1; slot <= logic::kBackpackSlots; ++slot) {
        const logic::GearSlotView& v = s.backpack[static_cast<size_t>(slot)];
        const std::string name = "Slot" + std::to_string(slot);
        if (!v.picture.empty()) c.Picture(name, "backpack", v.picture);
        c.Caption(name + "Caption", "backpack", v.caption);
    }
}

void CompareCity(GameScreens& screens, std::vector<std::string>& faults) {
    TFCity& city = screens.City();
    if (!city.Visible()) return;
    const logic::CityView v = logic::DescribeCity(city.Site(), logic::ShownLord());
    Comparison c(city, faults);
    c.Caption("Label1", "standing", v.title);
    c.Number("Label2", "soldiers", v.soldiers);
    c.Number("Label3", "archers", v.archers);
    c.Caption("SpeedButton3", "taxes", v.taxCaption);
}

}  // namespace

std::vector<std::string> ShownValueFaults(GameScreens& screens) {
    std::vector<std::string> faults;
    CompareStatusBar(screens, faults);
    CompareMoveTargets(screens, faults);
    CompareArmies(screens, faults);
    CompareBattlePanel(screens, faults);
    CompareDungeonColumn(screens, faults);
    CompareCity(screens, faults);
    return faults;
}

}  // namespace screens
