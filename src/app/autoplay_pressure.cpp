// The passive lord of a self-played game and the report of the pressure the computer lords put
// on it and on one another.
#include "app/autoplay_pressure.h"

#include <iterator>
#include <utility>

#include "battle/battle_sides.h"
#include "rules/sites.h"
#include "state/game_state.h"
#include "state/new_game.h"

namespace app {

namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;
namespace MapSite = state::MapSite;

bool IsDifficultyValue(int value) {
    for (const state::Int v : state::kDifficultyValues) {
        if (v == value) return true;
    }
    return false;
}

std::string DifficultyChoices() {
    std::string text;
    constexpr int n = static_cast<int>(std::size(state::kDifficultyValues));
    for (int i = 0; i < n; ++i) {
        if (i > 0) text += i + 1 == n ? " or " : ", ";
        text += std::to_string(state::kDifficultyValues[i]) + " (" + state::kDifficultyCaptions[i] +
                ")";
    }
    return text;
}

int LordToMoveNext() {
    const state::GameState& g = state::G();
    int lord = logic::ValidLord(g.currentLord) ? g.currentLord : 0;
    for (int tries = 0; tries < logic::kLords; ++tries) {
        lord = lord % logic::kLords + 1;
        if (g.lord[lord][Lord::inGame] == 1) return lord;
    }
    return 0;
}

PressureWatch::PressureWatch(int passiveLord) : passive_(passiveLord) {
    const state::GameState& g = state::G();
    for (int r = 1; r <= logic::kSiteRows; ++r)
        cityOwner_[r] = g.mapSite[r][MapSite::owner];
    for (int p = 1; p <= logic::kLords; ++p)
        inGame_[p] = logic::InGame(p);
}

void PressureWatch::BeforeTurn() {
    if (LordToMoveNext() == passive_)
        logic::LordRecord(passive_)[Lord::controller] = logic::kHumanController;
}

void PressureWatch::AfterTurn() {
    logic::LordRecord(passive_)[Lord::controller] = logic::kComputerController;
    LookAtHoldings();
}

void PressureWatch::Event(std::string text) {
    events_.push_back(std::move(text));
}

void PressureWatch::Contact() {
    if (firstContact_ == 0) firstContact_ = round_;
}

void PressureWatch::StatusRefreshed() {
    const state::GameState& g = state::G();
    // A battle against a city's garrison has no lord on its enemy side.
    const int attacker = g.battleOwnSide[BattleSide::lord];
    const int defender = g.battleFoeSide[BattleSide::lord];
    if (g.battleStarted && logic::ValidLord(attacker) && logic::ValidLord(defender)) {
        const bool attackerWon =
            logic::SideEmpty(g.battleFoeSide) && !logic::SideEmpty(g.battleOwnSide);
        const bool defenderWon = logic::SideEmpty(g.battleOwnSide);
        const std::string outcome = attackerWon   ? "lord " + std::to_string(attacker) + " won"
                                    : defenderWon ? "lord " + std::to_string(defender) + " won"
                                                  : "neither side won";
        Event("battle in round " + std::to_string(round_) + ": lord " + std::to_string(attacker) +
              " attacked lord " + std::to_string(defender) + ", " + outcome);
        if (attacker == passive_ || defender == passive_) {
            if (firstBattle_ == 0) firstBattle_ = round_;
        } else {
            ++battles_;
            Contact();
        }
    }
    LookAtHoldings();
}

void PressureWatch::LookAtHoldings() {
    const state::GameState& g = state::G();
    const std::string in = " in round " + std::to_string(round_) + ": ";
    for (int r = 1; r <= logic::kSiteRows; ++r) {
        const auto& s = g.mapSite[r];
        const int before = cityOwner_[r];
        const int now = s[MapSite::owner];
        cityOwner_[r] = now;
        if (s[MapSite::kind] != logic::SiteKind::city || before == now || before == 0 || now == 0)
            continue;
        Event("city taken" + in + "lord " + std::to_string(now) + " took the city at " +
              std::to_string(s[MapSite::x]) + "," + std::to_string(s[MapSite::y]) + " from lord " +
              std::to_string(before));
        if (before != passive_ && now != passive_) {
            ++cities_;
            Contact();
        }
    }

    for (int p = 1; p <= logic::kLords; ++p) {
        const bool now = logic::InGame(p);
        if (!inGame_[p] || now) {
            inGame_[p] = now;
            continue;
        }
        inGame_[p] = false;
        const auto& l = g.lord[p];
        int taker = 0;
        if (logic::OnMap(l[Lord::castleX], l[Lord::castleY]))
            taker = g.field[l[Lord::castleX]][l[Lord::castleY]][state::Field::owner];
        Event("castle taken" + in + "lord " + std::to_string(taker) + " took the castle of lord " +
              std::to_string(p));
        if (p == passive_) {
            if (castleFell_ == 0) castleFell_ = round_;
        } else if (taker != passive_) {
            ++castles_;
            Contact();
        }
    }
}

std::vector<std::string> PressureWatch::TakeEvents() {
    std::vector<std::string> out;
    out.swap(events_);
    return out;
}

std::string PressureWatch::SummaryLines() const {
    const auto roundOrNone = [](int round) {
        return round == 0 ? std::string("none") : "round " + std::to_string(round);
    };
    const std::string lord = "lord " + std::to_string(passive_);
    return "first battle against " + lord + ": " + roundOrNone(firstBattle_) + "\n" + "castle of " +
           lord + " fell: " + roundOrNone(castleFell_) + "\n" +
           "contacts between computer lords: " + std::to_string(battles_) + " battles, " +
           std::to_string(cities_) + " cities taken, " + std::to_string(castles_) +
           " castles taken, first contact: " + roundOrNone(firstContact_);
}

}  // namespace app
