#include "sound/effects.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "sound/fake_audio.h"

namespace {

using sound::CryKind;
using sound::Effect;
using sound::SoundEffects;

// Effects wired to a switch the test flips and a queue of random draws (then a fixed
// generator once the queue is empty); every draw is counted.
struct EffectsRig {
    soundtest::FakeAudio audio;
    bool soundOn = true;
    std::deque<int> draws;
    std::vector<int> asked;  // the n of every draw
    std::mt19937 generator{12345};
    SoundEffects effects{audio, {[this] { return soundOn; }, [] { return true; }}, [this](int n) {
                             asked.push_back(n);
                             if (draws.empty()) {
                                 return std::uniform_int_distribution<int>(0, n - 1)(generator);
                             }
                             int d = draws.front();
                             draws.pop_front();
                             return d;
                         }};
};

TEST(SoundEffects, EachEffectPlaysItsFileOnlyWithEffectsOnExceptTheAlert) {
    const std::vector<std::pair<Effect, std::string>> table = {
        {Effect::Click, "button.wav"},    {Effect::Reward1, "Reward1.wav"},
        {Effect::Reward2, "Reward2.wav"}, {Effect::Reward3, "Reward3.wav"},
        {Effect::Event, "event.wav"},     {Effect::Step, "Walking_1.wav"},
        {Effect::Battle, "battle.wav"},   {Effect::Miss, "player_miss.wav"},
        {Effect::Alert, "Alert_3a.wav"},
    };
    EffectsRig rig;
    for (const auto& [effect, file] : table) {
        EXPECT_EQ(sound::EffectFile(effect), file);
        rig.effects.Play(effect);
    }
    std::vector<std::string> all;
    for (const auto& row : table)
        all.push_back(row.second);
    EXPECT_EQ(rig.audio.played, all);

    rig.audio.played.clear();
    rig.soundOn = false;
    for (const auto& row : table)
        rig.effects.Play(row.first);
    rig.effects.PlayClick();
    rig.effects.PlayReward(2);
    rig.effects.PlayPayment();
    rig.effects.PlayHitCry(0);
    EXPECT_EQ(rig.audio.played, std::vector<std::string>{"Alert_3a.wav"});
    EXPECT_TRUE(rig.asked.empty()) << "no random draw is made for a silent effect";
}

TEST(SoundEffects, RewardsByNumberAndPaymentsByDraw) {
    EffectsRig rig;
    for (int n = 0; n <= 4; ++n)
        rig.effects.PlayReward(n);
    EXPECT_EQ(rig.audio.played,
              (std::vector<std::string>{"Reward1.wav", "Reward2.wav", "Reward3.wav"}));

    rig.audio.played.clear();
    rig.draws = {2, 0, 1};
    for (int i = 0; i < 3; ++i)
        rig.effects.PlayPayment();
    EXPECT_EQ(rig.audio.played,
              (std::vector<std::string>{"payment3.wav", "payment1.wav", "payment2.wav"}));
    EXPECT_EQ(rig.asked, (std::vector<int>{3, 3, 3}));
}

TEST(SoundEffects, CryChoiceNeverRepeatsTheLastOne) {
    // Every draw against every previous choice: a repeat moves one on, past 2 wraps to 0.
    const int expected[3][3] = {
        // previous 0, 1, 2
        {1, 0, 0},  // draw 0
        {1, 2, 1},  // draw 1
        {2, 2, 0},  // draw 2
    };
    for (int draw = 0; draw < 3; ++draw) {
        for (int previous = 0; previous < 3; ++previous) {
            EXPECT_EQ(sound::NextCryChoice(draw, previous), expected[draw][previous])
                << "draw " << draw << " previous " << previous;
        }
    }
}

TEST(SoundEffects, HitCriesByFamilyShareOneMemoryAndNeverRepeat) {
    EXPECT_EQ(sound::CryKindOf(-1), CryKind::None);
    EXPECT_EQ(sound::CryKindOf(0), CryKind::Human);
    EXPECT_EQ(sound::CryKindOf(1), CryKind::Human);
    EXPECT_EQ(sound::CryKindOf(2), CryKind::Monster);
    EXPECT_EQ(sound::CryKindOf(6), CryKind::Monster);
    EXPECT_EQ(sound::CryKindOf(7), CryKind::None);

    EffectsRig rig;
    // The memory starts at 0: a first draw of 0 gives cry 2. Then a monster draw equal to the
    // human choice is moved on, because both kinds share the memory.
    rig.draws = {0, 1, 2};
    rig.effects.PlayHitCry(1);
    rig.effects.PlayHitCry(4);
    rig.effects.PlayHitCry(0);
    EXPECT_EQ(rig.audio.played,
              (std::vector<std::string>{"human2.wav", "monster3.wav", "human1.wav"}));
    EXPECT_EQ(rig.asked, (std::vector<int>{3, 3, 3}));

    // A family without a cry plays nothing, draws nothing and keeps the memory.
    rig.effects.PlayHitCry(7);
    EXPECT_EQ(rig.asked.size(), 3u);
    EXPECT_EQ(rig.effects.LastCry(), 0);

    rig.audio.played.clear();
    for (int i = 0; i < 3000; ++i)
        rig.effects.PlayHitCry(i % 7);
    ASSERT_EQ(rig.audio.played.size(), 3000u);
    int counts[3] = {0, 0, 0};
    for (size_t i = 0; i < rig.audio.played.size(); ++i) {
        const std::string& cry = rig.audio.played[i];
        const char digit = cry[cry.size() - 5];
        ASSERT_TRUE(digit >= '1' && digit <= '3') << cry;
        ++counts[digit - '1'];
        if (i > 0) {
            const std::string& before = rig.audio.played[i - 1];
            EXPECT_NE(before[before.size() - 5], digit) << "cry repeated at hit " << i;
        }
    }
    for (int c : counts)
        EXPECT_GT(c, 600) << "every cry is used";
}

}  // namespace
