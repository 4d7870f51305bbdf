// The three music tracks, written by a small sequencer: a chord progression per track, a pad
// and a plucked arpeggio on the chords, a bass line, a melody made of repeated and varied
// two-bar motifs over the scale, frame drums and shakers, and a room reverb.
#include <algorithm>
#include <cmath>

#include "audio.h"
#include "synth.h"

namespace gendata {

namespace {

enum class Voice { Pad, Pluck, Bass, Flute, Horn, Drum, Snare, Shaker };

struct Note {
    float start = 0;  // seconds
    float length = 0;
    float pitch = 0;  // MIDI note
    float velocity = 1;
    Voice voice = Voice::Pad;
    float pan = 0;  // -1 left .. 1 right
};

struct Song {
    float bpm = 90;
    int root = 62;
    std::vector<int> scale;        // semitones of the mode
    std::vector<int> progression;  // scale degree of each bar's chord, repeated
    int bars = 16;
    float seconds = 50;
    Voice lead = Voice::Flute;
    bool march = false;  // snare rolls and a steady bass drum
    int quietBars = 2;   // bars of chords before the tune starts
    std::uint32_t seed = 1;
};

int ScaleNote(const Song& s, int degree) {
    const int n = static_cast<int>(s.scale.size());
    const int octave = (degree >= 0 ? degree / n : (degree - n + 1) / n);
    return s.root + 12 * octave + s.scale[static_cast<std::size_t>(degree - octave * n)];
}

std::vector<int> ChordDegrees(int degree) {
    return {degree, degree + 2, degree + 4};
}

// The melody: two-bar motifs (rhythm and contour) in the form A B A C, each placed on the
// chords of its bars and snapped to a chord tone on every downbeat.
void Melody(const Song& s, float beat, Rng& rng, std::vector<Note>& out) {
    static const std::vector<std::vector<float>> rhythms = {{1, 0.5f, 0.5f, 1, 1, 2, 1, 1},
                                                            {0.5f, 0.5f, 1, 2, 1.5f, 0.5f, 2},
                                                            {1.5f, 0.5f, 1, 1, 3, 1},
                                                            {2, 1, 1, 1, 1, 2},
                                                            {1, 1, 0.5f, 0.5f, 1, 4}};
    struct Motif {
        std::vector<float> rhythm;
        std::vector<int> steps;
    };
    auto makeMotif = [&]() {
        Motif m;
        m.rhythm = rhythms[static_cast<std::size_t>(rng.Int(static_cast<int>(rhythms.size())))];
        for (std::size_t i = 0; i < m.rhythm.size(); ++i) {
            const int r = rng.Int(10);
            m.steps.push_back(r < 3 ? 1 : r < 6 ? -1 : r < 7 ? 2 : r < 8 ? -2 : 0);
        }
        return m;
    };
    const Motif a = makeMotif();
    const Motif b = makeMotif();
    const Motif c = makeMotif();
    const Motif* form[] = {&a, &b, &a, &c};
    int degree = 7;  // an octave above the root
    const int last = s.bars - 1;
    for (int bar = s.quietBars, k = 0; bar + 1 < last; bar += 2, ++k) {
        const Motif& m = *form[k % 4];
        float t = 0;
        for (std::size_t i = 0; i < m.rhythm.size(); ++i) {
            const int barNow = bar + static_cast<int>(t / 4);
            const int chord =
                s.progression[static_cast<std::size_t>(barNow) % s.progression.size()];
            degree += m.steps[i];
            if (std::fmod(t, 2.0f) < 0.01f) {
                // On a strong beat take the nearest tone of the chord.
                int best = degree;
                int bestDist = 99;
                for (int tone : ChordDegrees(chord)) {
                    for (int o = -14; o <= 14; o += 7) {
                        const int d = std::abs(tone + o - degree);
                        if (d < bestDist) {
                            bestDist = d;
                            best = tone + o;
                        }
                    }
                }
                degree = best;
            }
            degree = std::clamp(degree, 3, 12);
            const float len = m.rhythm[i];
            out.push_back({(static_cast<float>(bar) * 4 + t) * beat, len * beat * 0.95f,
                           static_cast<float>(ScaleNote(s, degree) + 12), i == 0 ? 0.95f : 0.8f,
                           s.lead, 0.15f});
            t += len;
        }
    }
    // The closing note on the tonic.
    out.push_back({static_cast<float>(last) * 4 * beat, 3.5f * beat,
                   static_cast<float>(s.root + 24), 0.9f, s.lead, 0.15f});
}

std::vector<Note> Compose(const Song& s) {
    Rng rng(s.seed);
    const float beat = 60.0f / s.bpm;
    std::vector<Note> notes;
    for (int bar = 0; bar < s.bars; ++bar) {
        const float t0 = static_cast<float>(bar) * 4 * beat;
        const int chord = s.progression[static_cast<std::size_t>(bar) % s.progression.size()];
        const bool lastBar = bar == s.bars - 1;
        const std::vector<int> degrees = ChordDegrees(lastBar ? 0 : chord);
        // Pad: the chord held over the bar, spread across the stereo field.
        for (std::size_t i = 0; i < degrees.size(); ++i) {
            notes.push_back({t0, 4 * beat * (lastBar ? 1.0f : 1.02f),
                             static_cast<float>(ScaleNote(s, degrees[i])), 0.5f, Voice::Pad,
                             -0.6f + 0.6f * static_cast<float>(i)});
        }
        // Plucked arpeggio in eighths: up and down the chord.
        static const int pattern[] = {0, 1, 2, 3, 2, 1, 2, 1};
        for (int e = 0; e < (lastBar ? 1 : 8); ++e) {
            const int idx = pattern[e];
            const int degree = idx == 3 ? degrees[0] + 7 : degrees[static_cast<std::size_t>(idx)];
            notes.push_back({t0 + static_cast<float>(e) * beat / 2, beat * 1.5f,
                             static_cast<float>(ScaleNote(s, degree) + 12), e == 0 ? 0.8f : 0.55f,
                             Voice::Pluck, 0.45f});
        }
        // Bass: root on one, fifth on three (root again in a march), a pickup before the next bar.
        const int rootNote = ScaleNote(s, degrees[0]) - 24;
        notes.push_back({t0, beat * 1.8f, static_cast<float>(rootNote), 1.0f, Voice::Bass, 0});
        if (!lastBar) {
            notes.push_back({t0 + 2 * beat, beat * 1.3f,
                             static_cast<float>(s.march ? rootNote : ScaleNote(s, degrees[2]) - 24),
                             0.8f, Voice::Bass, 0});
            notes.push_back({t0 + 3.5f * beat, beat * 0.45f, static_cast<float>(rootNote + 12),
                             0.6f, Voice::Bass, 0});
        }
        // Drums after the opening bars.
        if (bar >= s.quietBars && !lastBar) {
            notes.push_back({t0, beat, 50, 1.0f, Voice::Drum, -0.1f});
            notes.push_back({t0 + 2.5f * beat, beat, 50, 0.6f, Voice::Drum, -0.1f});
            if (s.march) {
                notes.push_back({t0 + 2 * beat, beat, 50, 0.9f, Voice::Drum, -0.1f});
                for (int x = 0; x < 8; ++x) {
                    const bool roll = bar % 4 == 3 && x >= 6;
                    notes.push_back({t0 + static_cast<float>(x) * beat / 2, beat / 2, 0,
                                     x % 2 ? 0.45f : 0.8f, Voice::Snare, 0.2f});
                    if (roll)
                        notes.push_back({t0 + (static_cast<float>(x) + 0.5f) * beat / 2, beat / 4,
                                         0, 0.5f, Voice::Snare, 0.2f});
                }
            } else {
                notes.push_back({t0 + 3 * beat, beat, 57, 0.5f, Voice::Drum, 0.1f});
            }
            for (int x = 0; x < 8; ++x) {
                notes.push_back({t0 + static_cast<float>(x) * beat / 2, 0.05f, 0,
                                 x % 2 ? 0.35f : 0.6f, Voice::Shaker, 0.5f});
            }
        }
    }
    Melody(s, beat, rng, notes);
    return notes;
}

Buffer Render(const Note& n, Rng& rng) {
    const float hz = NoteHz(n.pitch);
    const float tail = 0.6f;
    Buffer out(static_cast<std::size_t>((n.length + tail) * kRate));
    switch (n.voice) {
        case Voice::Pad: {
            float p1 = 0, p2 = 0, p3 = 0;
            for (std::size_t i = 0; i < out.size(); ++i) {
                const float t = static_cast<float>(i) / kRate;
                p1 = std::fmod(p1 + hz * 1.003f / kRate, 1.0f);
                p2 = std::fmod(p2 + hz * 0.997f / kRate, 1.0f);
                p3 += hz * 0.5f / kRate;
                const float saw = (p1 * 2 - 1) + (p2 * 2 - 1);
                out[i] = (0.35f * saw + 0.5f * std::sin(kTwoPi * p3)) *
                         Adsr(t, 0.5f, 0.5f, 0.8f, 0.6f, n.length);
            }
            LowPass(out, 900);
            LowPass(out, 1400);
            break;
        }
        case Voice::Pluck: {
            out = Pluck(hz, n.length + tail, 0.45f, rng);
            for (std::size_t i = 0; i < out.size(); ++i) {
                const float t = static_cast<float>(i) / kRate;
                out[i] *= t > n.length ? std::max(0.0f, 1.0f - (t - n.length) / tail) : 1.0f;
            }
            break;
        }
        case Voice::Bass: {
            for (std::size_t i = 0; i < out.size(); ++i) {
                const float t = static_cast<float>(i) / kRate;
                const float env = Adsr(t, 0.01f, 0.3f, 0.5f, 0.15f, n.length);
                out[i] = (std::sin(kTwoPi * hz * t) + 0.35f * std::sin(kTwoPi * 2 * hz * t) +
                          0.1f * std::sin(kTwoPi * 3 * hz * t)) *
                         env;
            }
            break;
        }
        case Voice::Flute:
        case Voice::Horn: {
            const bool horn = n.voice == Voice::Horn;
            float phase = 0;
            Buffer breath = NoiseBurst(n.length + tail, 0.0f, rng);
            BandPass(breath, hz * 2, 2);
            for (std::size_t i = 0; i < out.size(); ++i) {
                const float t = static_cast<float>(i) / kRate;
                const float vib = 1.0f + 0.006f * std::sin(kTwoPi * 5.2f * t) *
                                             std::clamp((t - 0.25f) * 3, 0.0f, 1.0f);
                phase += hz * vib / kRate;
                const float x = kTwoPi * phase;
                const float env = Adsr(t, horn ? 0.06f : 0.08f, 0.2f, 0.8f, 0.25f, n.length);
                const float tone =
                    horn ? std::sin(x) + 0.5f * std::sin(2 * x) + 0.33f * std::sin(3 * x) +
                               0.2f * std::sin(4 * x) + 0.12f * std::sin(5 * x)
                         : std::sin(x) + 0.22f * std::sin(2 * x) + 0.06f * std::sin(3 * x);
                out[i] = (tone + (horn ? 0.0f : 0.25f * breath[i])) * env;
            }
            if (horn) LowPass(out, 2500);
            break;
        }
        case Voice::Drum: {
            Buffer skin = NoiseBurst(0.06f, 60, rng);
            LowPass(skin, 1200);
            for (std::size_t i = 0; i < out.size(); ++i) {
                const float t = static_cast<float>(i) / kRate;
                const float f = hz * (1.0f + 0.5f * std::exp(-t * 30));
                out[i] = std::sin(kTwoPi * f * t) * std::exp(-t * 9) +
                         (i < skin.size() ? skin[i] * 1.5f : 0);
            }
            break;
        }
        case Voice::Snare: {
            Buffer noise = NoiseBurst(0.25f, 22, rng);
            HighPass(noise, 1500);
            for (std::size_t i = 0; i < std::min(out.size(), noise.size()); ++i) {
                const float t = static_cast<float>(i) / kRate;
                out[i] = noise[i] * 0.8f + std::sin(kTwoPi * 190 * t) * std::exp(-t * 30) * 0.6f;
            }
            break;
        }
        case Voice::Shaker: {
            Buffer noise = NoiseBurst(0.06f, 70, rng);
            HighPass(noise, 6000);
            for (std::size_t i = 0; i < std::min(out.size(), noise.size()); ++i)
                out[i] = noise[i];
            break;
        }
    }
    return out;
}

float VoiceGain(Voice v) {
    switch (v) {
        case Voice::Pad:
            return 0.22f;
        case Voice::Pluck:
            return 0.28f;
        case Voice::Bass:
            return 0.45f;
        case Voice::Flute:
            return 0.42f;
        case Voice::Horn:
            return 0.32f;
        case Voice::Drum:
            return 0.55f;
        case Voice::Snare:
            return 0.22f;
        case Voice::Shaker:
            return 0.1f;
    }
    return 0.2f;
}

Track Perform(const Song& s) {
    Rng rng(s.seed * 7 + 3);
    const std::size_t total = static_cast<std::size_t>(s.seconds * kRate);
    Buffer left(total + kRate * 2, 0.0f);
    Buffer right(total + kRate * 2, 0.0f);
    Buffer send(total + kRate * 2, 0.0f);
    for (const Note& n : Compose(s)) {
        const Buffer b = Render(n, rng);
        const float g = VoiceGain(n.voice) * n.velocity;
        const std::size_t at = static_cast<std::size_t>(n.start * kRate);
        const float angle = (n.pan + 1) * 0.25f * 3.14159265f;
        MixInto(left, b, at, g * std::cos(angle));
        MixInto(right, b, at, g * std::sin(angle));
        if (n.voice != Voice::Bass && n.voice != Voice::Shaker) MixInto(send, b, at, g * 0.7f);
    }
    const Buffer wetL = Reverb(send, 0.86f, 0.35f, s.seed);
    const Buffer wetR = Reverb(send, 0.86f, 0.35f, s.seed + 7);
    Track track;
    track.left.assign(total, 0.0f);
    track.right.assign(total, 0.0f);
    float peak = 1e-6f;
    for (std::size_t i = 0; i < total; ++i) {
        track.left[i] = left[i] + 1.6f * wetL[i];
        track.right[i] = right[i] + 1.6f * wetR[i];
        peak = std::max({peak, std::abs(track.left[i]), std::abs(track.right[i])});
    }
    // Normalise, fade in briefly and out over the last two seconds.
    for (std::size_t i = 0; i < total; ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float fade =
            std::min(1.0f, t / 0.05f) * std::clamp((s.seconds - t) / 2.0f, 0.0f, 1.0f);
        const float k = 0.8f / peak * fade;
        track.left[i] *= k;
        track.right[i] *= k;
    }
    return track;
}

}  // namespace

std::optional<Track> MakeTrack(const std::string& fileName) {
    std::string lower = fileName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    Song s;
    if (lower == "intro.ogg") {
        // Stately and open: D dorian, a slow horn-like flute over a wide pad.
        s = {84, 62, {0, 2, 3, 5, 7, 9, 10}, {0, 6, 3, 0, 0, 5, 6, 4}, 17, 50, Voice::Flute, false,
             2,  101};
    } else if (lower == "background.ogg") {
        // The journey: A minor, flowing lute and flute.
        s = {96, 57, {0, 2, 3, 5, 7, 8, 10}, {0, 5, 2, 6, 0, 3, 4, 0}, 19, 50, Voice::Flute, false,
             1,  202};
    } else if (lower == "preppingtrack.ogg") {
        // Getting ready for war: E minor march with horns and snare.
        s = {120, 52, {0, 2, 3, 5, 7, 8, 11}, {0, 3, 4, 0, 5, 3, 4, 4}, 15, 31, Voice::Horn, true,
             1,   303};
    } else {
        return std::nullopt;
    }
    return Perform(s);
}

}  // namespace gendata
