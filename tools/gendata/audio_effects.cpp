// The sound effects: a click, coins, footsteps, a clash of arms, fanfares of rising grandeur, a
// miss, human and monster cries and an alert. Mono, 44.1 kHz, 16-bit.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "audio.h"
#include "synth.h"

namespace gendata {

namespace {

std::size_t At(float seconds) {
    return static_cast<std::size_t>(seconds * kRate);
}

Buffer Silence(float seconds) {
    return Buffer(At(seconds), 0.0f);
}

// A brassy note: a few harmonics with a soft attack, for the fanfares.
Buffer Brass(float hz, float seconds, float brightness) {
    Buffer out(At(seconds + 0.3f));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float env = Adsr(t, 0.04f, 0.12f, 0.75f, 0.25f, seconds);
        const float vib = 1.0f + 0.004f * std::sin(kTwoPi * 5.5f * t) * std::min(1.0f, t * 3);
        float s = 0;
        for (int h = 1; h <= 8; ++h) {
            s += std::sin(kTwoPi * hz * vib * static_cast<float>(h) * t) *
                 std::pow(brightness, static_cast<float>(h - 1)) / static_cast<float>(h) * 1.6f;
        }
        out[i] = s * env;
    }
    return out;
}

Buffer Timpani(float hz, float seconds, Rng& rng) {
    Buffer out(At(seconds));
    Buffer noise = NoiseBurst(seconds, 30, rng);
    LowPass(noise, 400);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float f = hz * (1.0f + 0.3f * std::exp(-t * 25));
        out[i] = (std::sin(kTwoPi * f * t) + 0.4f * std::sin(kTwoPi * f * 1.5f * t)) *
                     std::exp(-t * 3.5f) +
                 noise[i] * 2;
    }
    return out;
}

Buffer Fanfare(const std::vector<std::pair<float, float>>& notes, float step, float brightness,
               int voices, bool drums, std::uint32_t seed) {
    Rng rng(seed);
    Buffer out = Silence(0.1f);
    float t = 0.02f;
    for (const auto& [note, beats] : notes) {
        const float len = beats * step;
        for (int v = 0; v < voices; ++v) {
            const float interval = v == 0 ? 0.0f : (v == 1 ? -5.0f : -8.0f);
            MixInto(out, Brass(NoteHz(note + interval), len * 0.92f, brightness), At(t),
                    v == 0 ? 0.5f : 0.3f);
        }
        if (drums)
            MixInto(out, Timpani(NoteHz(note - 36), std::min(len + 0.5f, 1.2f), rng), At(t), 0.35f);
        t += len;
    }
    Buffer wet = Reverb(out, 0.82f, 0.3f, seed);
    MixInto(wet, out, 0, 1.0f);
    return wet;
}

Buffer CoinClink(float hz, Rng& rng) {
    Buffer b = Bell(hz, 0.35f, {1.0f, 1.47f, 2.09f, 2.56f, 3.21f}, 14.0f + rng.Range(0, 6));
    Buffer tick = NoiseBurst(0.01f, 400, rng);
    HighPass(tick, 3000);
    MixInto(b, tick, 0, 0.6f);
    return b;
}

Buffer Coins(int clinks, float spread, std::uint32_t seed) {
    Rng rng(seed);
    Buffer out = Silence(0.1f);
    for (int i = 0; i < clinks; ++i) {
        const float t =
            static_cast<float>(i) * spread * (0.6f + rng.Unit() * 0.8f) + rng.Range(0, 0.02f);
        MixInto(out, CoinClink(rng.Range(2300, 3900), rng), At(t + 0.01f), rng.Range(0.5f, 1.0f));
    }
    return out;
}

Buffer Step(Rng& rng) {
    Buffer thud(At(0.18f));
    for (std::size_t i = 0; i < thud.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        thud[i] = std::sin(kTwoPi * (70.0f + 40.0f * std::exp(-t * 40)) * t) * std::exp(-t * 28);
    }
    Buffer crunch = NoiseBurst(0.12f, 35, rng);
    BandPass(crunch, 1400, 0.8f);
    MixInto(thud, crunch, At(0.005f), 1.6f);
    // Gravel and rattling gear.
    Buffer rattle = NoiseBurst(0.08f, 50, rng);
    HighPass(rattle, 4000);
    MixInto(thud, rattle, At(0.03f), 0.3f);
    return thud;
}

Buffer Footsteps(std::uint32_t seed) {
    Rng rng(seed);
    Buffer out = Silence(1.3f);
    for (int i = 0; i < 4; ++i) {
        MixInto(out, Step(rng), At(0.05f + static_cast<float>(i) * 0.3f + rng.Range(0, 0.02f)),
                i % 2 ? 0.8f : 1.0f);
    }
    return out;
}

Buffer Clash(std::uint32_t seed) {
    Rng rng(seed);
    Buffer out = Silence(2.2f);
    // The roar of two armies.
    Buffer roar = NoiseBurst(2.0f, 0.8f, rng);
    BandPass(roar, 500, 0.7f);
    for (std::size_t i = 0; i < roar.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        roar[i] *= std::min(1.0f, t * 4) * (0.8f + 0.2f * std::sin(kTwoPi * 3.1f * t));
    }
    MixInto(out, roar, 0, 1.2f);
    const float hits[] = {0.05f, 0.32f, 0.5f, 0.85f, 1.1f, 1.35f};
    for (float h : hits) {
        Buffer steel = Bell(rng.Range(900, 1500), 0.6f, {1.0f, 2.76f, 4.1f, 5.4f, 6.9f}, 7.0f);
        Buffer scrape = NoiseBurst(0.05f, 60, rng);
        HighPass(scrape, 2500);
        MixInto(steel, scrape, 0, 1.5f);
        MixInto(out, steel, At(h), rng.Range(0.4f, 0.8f));
    }
    MixInto(out, Timpani(55, 1.2f, rng), 0, 1.0f);
    Buffer wet = Reverb(out, 0.7f, 0.4f, seed);
    MixInto(wet, out, 0, 1.0f);
    return wet;
}

Buffer Whoosh(std::uint32_t seed) {
    Rng rng(seed);
    Buffer out(At(0.45f));
    float low = 0, band = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        // A state-variable filter swept down through the noise.
        const float f = 2.0f * std::sin(3.14159f * (2500.0f - 3800.0f * t) / kRate);
        const float n = rng.Range(-1, 1);
        low += f * band;
        const float high = n - low - 0.6f * band;
        band += f * high;
        const float env = std::sin(3.14159f * std::min(1.0f, t / 0.42f));
        out[i] = band * env * env;
    }
    return out;
}

// A voice: a glottal pulse train through three formant filters, with a pitch contour.
Buffer Voice(float seconds, const std::function<float(float)>& pitch, float f1, float f2, float f3,
             float rough, std::uint32_t seed) {
    Rng rng(seed);
    Buffer source(At(seconds));
    float phase = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float hz = pitch(t) * (1.0f + rough * 0.05f * rng.Range(-1, 1));
        phase += hz / kRate;
        if (phase >= 1.0f) phase -= 1.0f;
        const float pulse = 1.0f - 2.0f * phase;  // sawtooth glottis
        const float env = std::min(1.0f, t / 0.03f) * std::min(1.0f, (seconds - t) / 0.12f);
        source[i] = (pulse + rough * rng.Range(-1, 1)) * env;
    }
    Buffer a = source, b = source, c = source;
    BandPass(a, f1, 5);
    BandPass(b, f2, 7);
    BandPass(c, f3, 9);
    Buffer out(source.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = a[i] + 0.6f * b[i] + 0.35f * c[i];
    return out;
}

Buffer Alert() {
    Buffer out = Silence(0.7f);
    for (int i = 0; i < 3; ++i) {
        const float hz = i % 2 ? 1320.0f : 990.0f;
        Buffer beep(At(0.14f));
        for (std::size_t k = 0; k < beep.size(); ++k) {
            const float t = static_cast<float>(k) / kRate;
            const float env = std::min(1.0f, t / 0.005f) * std::min(1.0f, (0.14f - t) / 0.02f);
            beep[k] = (std::sin(kTwoPi * hz * t) +
                       0.3f * (std::fmod(hz * t, 1.0f) < 0.5f ? 1.0f : -1.0f)) *
                      env;
        }
        MixInto(out, beep, At(0.02f + static_cast<float>(i) * 0.2f));
    }
    return out;
}

Buffer Click(std::uint32_t seed) {
    Rng rng(seed);
    Buffer out = Bell(1750, 0.06f, {1.0f, 2.3f}, 90);
    Buffer knock = NoiseBurst(0.03f, 160, rng);
    BandPass(knock, 2200, 1.5f);
    MixInto(out, knock, 0, 2.0f);
    Buffer body(At(0.05f));
    for (std::size_t i = 0; i < body.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        body[i] = std::sin(kTwoPi * 420 * t) * std::exp(-t * 120);
    }
    MixInto(out, body, 0, 0.8f);
    return out;
}

Buffer Chime(std::uint32_t seed) {
    Buffer out = Silence(1.0f);
    MixInto(out, Bell(NoteHz(84), 0.9f, {1.0f, 2.0f, 3.01f, 4.2f}, 5.0f), 0, 0.6f);
    MixInto(out, Bell(NoteHz(91), 0.8f, {1.0f, 2.0f, 3.01f, 4.2f}, 5.0f), At(0.12f), 0.5f);
    Buffer wet = Reverb(out, 0.75f, 0.3f, seed);
    MixInto(wet, out, 0, 1.0f);
    return wet;
}

using Maker = std::function<Buffer()>;

const std::map<std::string, Maker>& Makers() {
    static const std::map<std::string, Maker> makers = {
        {"button.wav", [] { return Click(1); }},
        {"payment1.wav", [] { return Coins(2, 0.09f, 11); }},
        {"payment2.wav", [] { return Coins(4, 0.07f, 12); }},
        {"payment3.wav", [] { return Coins(12, 0.045f, 13); }},
        {"walking_1.wav", [] { return Footsteps(21); }},
        {"battle.wav", [] { return Clash(31); }},
        {"event.wav", [] { return Chime(41); }},
        {"player_miss.wav", [] { return Whoosh(51); }},
        {"alert_3a.wav", [] { return Alert(); }},
        // Rewards of rising grandeur: a call, a fanfare, a victory with drums and full chords.
        {"reward1.wav",
         [] {
             return Fanfare({{67, 1}, {72, 2}}, 0.18f, 0.55f, 1, false, 61);
         }},
        {"reward2.wav",
         [] {
             return Fanfare({{67, 1}, {67, 0.5f}, {72, 1.5f}, {76, 1}, {79, 3}}, 0.16f, 0.6f, 2,
                            false, 62);
         }},
        {"reward3.wav",
         [] {
             return Fanfare(
                 {{60, 1}, {64, 1}, {67, 1}, {72, 2}, {71, 1}, {72, 1}, {76, 1}, {79, 5}}, 0.2f,
                 0.65f, 3, true, 63);
         }},
        // Human cries: a grunt, a shout, a pained moan.
        {"human1.wav",
         [] {
             return Voice(
                 0.35f, [](float t) { return 150.0f - 60.0f * t; }, 600, 1050, 2400, 0.15f, 71);
         }},
        {"human2.wav",
         [] {
             return Voice(
                 0.4f, [](float t) { return 210.0f + 60.0f * std::sin(t * 8) - 80 * t; }, 800, 1250,
                 2600, 0.1f, 72);
         }},
        {"human3.wav",
         [] {
             return Voice(
                 0.6f, [](float t) { return 180.0f - 90.0f * t * t; }, 400, 850, 2300, 0.2f, 73);
         }},
        // Monster cries: a deep roar, a snarl, a shriek.
        {"monster1.wav",
         [] {
             return Voice(
                 0.8f, [](float t) { return 70.0f + 25.0f * std::sin(t * 9); }, 350, 700, 1800,
                 0.7f, 81);
         }},
        {"monster2.wav",
         [] {
             return Voice(
                 0.5f, [](float t) { return 120.0f + 40.0f * std::sin(t * 40); }, 500, 900, 2100,
                 0.9f, 82);
         }},
        {"monster3.wav",
         [] {
             return Voice(
                 0.55f, [](float t) { return 620.0f + 500.0f * t; }, 1100, 2600, 3800, 0.5f, 83);
         }},
    };
    return makers;
}

}  // namespace

std::optional<Effect> MakeEffect(const std::string& fileName) {
    std::string lower = fileName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto it = Makers().find(lower);
    if (it == Makers().end()) return std::nullopt;
    Effect e;
    e.channels = 1;
    e.samples = ToPcm(it->second());
    return e;
}

}  // namespace gendata
