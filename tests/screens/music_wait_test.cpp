// A music error found while the battle clock or a duel timer runs waits, and is shown once the
// clock and the timers have stopped.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "rules/dungeon_view.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "sound/music_player.h"
#include "state/game_state.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

TEST(MusicErrors, WaitWhileTheBattleClockOrADuelTimerRuns) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    testsupport::HeadlessApp h(true);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    sound::MusicChannels& channels = screens.Sound().Channels();
    constexpr int kSlot = sound::MusicChannels::kMusicSlot;
    struct Clock {
        const char* name;
        std::function<void(bool)> run;
    };
    const Clock clocks[] = {
        {"battle clock", [](bool on) { state::G().battleClock.clockOn = on; }},
        {"opponent timer",
         [&screens](bool on) {
             if (on) screens.Dungeon().StartTimer(logic::DuelTimer::OpponentAttack);
             if (!on) screens.Dungeon().StopTimer(logic::DuelTimer::OpponentAttack);
         }},
        {"hero flash",
         [&screens](bool on) {
             if (on) screens.Dungeon().StartTimer(logic::DuelTimer::HeroFlash);
             if (!on) screens.Dungeon().StopTimer(logic::DuelTimer::HeroFlash);
         }},
    };
    int track = 0;
    for (const Clock& clock : clocks) {
        SCOPED_TRACE(clock.name);
        clock.run(true);
        EXPECT_FALSE(channels.PlayTrack(kSlot, "NoSuchTrack" + std::to_string(++track) + ".ogg"));
        EXPECT_TRUE(channels.Errors().Pending());
        channels.Tidy();  // the next music call, still under the clock
        EXPECT_TRUE(channels.Errors().Pending());
        clock.run(false);
        channels.Tidy();
        EXPECT_FALSE(channels.Errors().Pending());
    }
}

}  // namespace
