#include "sound/effects.h"

#include <array>

namespace sound {

namespace {

struct EffectRow {
    Effect effect;
    const char* file;
    bool evenWhenOff;  // plays with the effects switch off
};

constexpr std::array<EffectRow, 9> kEffects{{
    {Effect::Click, "button.wav", false},
    {Effect::Reward1, "Reward1.wav", false},
    {Effect::Reward2, "Reward2.wav", false},
    {Effect::Reward3, "Reward3.wav", false},
    {Effect::Event, "event.wav", false},
    {Effect::Step, "Walking_1.wav", false},
    {Effect::Battle, "battle.wav", false},
    {Effect::Miss, "player_miss.wav", false},
    {Effect::Alert, "Alert_3a.wav", true},
}};

const EffectRow& RowOf(Effect effect) {
    for (const auto& row : kEffects) {
        if (row.effect == effect) return row;
    }
    return kEffects[0];
}

constexpr std::array<const char*, 3> kPayments{"payment1.wav", "payment2.wav", "payment3.wav"};

constexpr int kCries = 3;

}  // namespace

std::string EffectFile(Effect effect) {
    return RowOf(effect).file;
}

CryKind CryKindOf(int soundFamily) {
    if (soundFamily == 0 || soundFamily == 1) return CryKind::Human;
    if (soundFamily >= 2 && soundFamily <= 6) return CryKind::Monster;
    return CryKind::None;
}

int NextCryChoice(int draw, int previous) {
    int n = draw < 0 ? 0 : draw;
    if (n == previous) n += 1;
    if (n > kCries - 1) n = 0;
    return n;
}

SoundEffects::SoundEffects(platform::AudioDevice& device, SoundSwitches switches, RandomDraw random)
    : device_(device), switches_(std::move(switches)), random_(std::move(random)) {}

bool SoundEffects::EffectsOn() const {
    return switches_.soundOn && switches_.soundOn();
}

void SoundEffects::Play(Effect effect) {
    const EffectRow& row = RowOf(effect);
    if (!row.evenWhenOff && !EffectsOn()) return;
    device_.PlaySoundAsync(row.file);
}

void SoundEffects::PlayReward(int n) {
    static constexpr std::array<Effect, 3> rewards{Effect::Reward1, Effect::Reward2,
                                                   Effect::Reward3};
    if (n < 1 || n > 3) return;
    Play(rewards[static_cast<size_t>(n - 1)]);
}

void SoundEffects::PlayPayment() {
    if (!EffectsOn() || !random_) return;
    int n = random_(static_cast<int>(kPayments.size()));
    if (n < 0 || n >= static_cast<int>(kPayments.size())) n = 0;
    device_.PlaySoundAsync(kPayments[static_cast<size_t>(n)]);
}

void SoundEffects::PlayHitCry(int soundFamily) {
    // No draw is made when nothing would play, so a silent hit leaves the random sequence and
    // the remembered cry as they were.
    const CryKind kind = CryKindOf(soundFamily);
    if (kind == CryKind::None || !EffectsOn() || !random_) return;
    lastCry_ = NextCryChoice(random_(kCries), lastCry_);
    const char* stem = kind == CryKind::Human ? "human" : "monster";
    device_.PlaySoundAsync(std::string(stem) + std::to_string(lastCry_ + 1) + ".wav");
}

}  // namespace sound
