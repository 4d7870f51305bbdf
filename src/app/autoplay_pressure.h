// The pressure on a passive lord in a self-played game: that lord holds still as a human who
// never acts would, and the report says when the computer lords first fought it, when its castle
// fell, and where the computer lords met one another.
#pragma once

#include <string>
#include <vector>

#include "rules/lords.h"

namespace app {

// Whether value is one of the difficulty values the difficulty screen stores.
bool IsDifficultyValue(int value);
// The difficulty values as a list for a message: "1 (Very easy), 3 (Easy), ... or 12 (God-like)".
std::string DifficultyChoices();

// The lord that the next NextLord gives the turn to, as it searches: the first lord after the
// current one (wrapping to lord 1) whose inGame is 1; 0 when none is.
int LordToMoveNext();

// Watches a game for the passive lord: it holds the passive lord's turn as a human's (so it
// does not move, build or hire) and lets the computer lords' battles against it go through the
// automatic battle, as it is a computer lord in every other lord's turn. It records the battles
// between lords, the cities and castles that change hands between lords, and the passive lord's
// first battle and the fall of its castle.
class PressureWatch {
  public:
    explicit PressureWatch(int passiveLord);

    int PassiveLord() const { return passive_; }

    // Before the turn cycle passes the turn on (PrepareFirstRound or Timer1Tick): the passive
    // lord becomes human if the turn goes to it. After it: a computer lord again, and the cities
    // and castles that changed hands in the turn are noted.
    void BeforeTurn();
    void AfterTurn();

    // The round that is being played.
    void SetRound(int round) { round_ = round; }

    // Whenever the computer status is refreshed, after every computer step and every automatic
    // battle: notes a battle between two lords that just ended (the automatic battle refreshes
    // the status once, while the battle is still marked as started), and the cities and castles
    // that changed hands since the last look.
    void StatusRefreshed();

    // The lines of what happened since the last call, in order.
    std::vector<std::string> TakeEvents();

    // The round of the first battle against the passive lord, of the fall of its castle, and of
    // the first contact between computer lords; 0 for none yet.
    int FirstBattleRound() const { return firstBattle_; }
    int CastleFellRound() const { return castleFell_; }
    int FirstContactRound() const { return firstContact_; }
    int ContactBattles() const { return battles_; }
    int CitiesTaken() const { return cities_; }
    int CastlesTaken() const { return castles_; }

    // "first battle against lord L: round R" (or ": none"), "castle of lord L fell: round R" (or
    // ": none") and "contacts between computer lords: B battles, C cities taken, K castles taken,
    // first contact: round R" (or "first contact: none"), one a line.
    std::string SummaryLines() const;

  private:
    void LookAtHoldings();
    void Contact();
    void Event(std::string text);

    int passive_;
    int round_ = 0;
    int firstBattle_ = 0;
    int castleFell_ = 0;
    int firstContact_ = 0;
    int battles_ = 0;
    int cities_ = 0;
    int castles_ = 0;
    int cityOwner_[11] = {};
    bool inGame_[logic::kLords + 1] = {};
    std::vector<std::string> events_;
};

}  // namespace app
