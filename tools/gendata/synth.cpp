#include "synth.h"

#include <algorithm>
#include <cmath>

#include "audio.h"

namespace gendata {

float Adsr(float t, float attack, float decay, float sustain, float release, float hold) {
    if (t < 0) return 0;
    float level;
    if (t < attack) {
        level = t / attack;
    } else if (t < attack + decay) {
        level = 1.0f - (1.0f - sustain) * (t - attack) / decay;
    } else {
        level = sustain;
    }
    if (t > hold) {
        const float held = std::min(
            1.0f,
            std::max(0.0f, hold < attack ? hold / attack
                                         : (hold < attack + decay
                                                ? 1.0f - (1.0f - sustain) * (hold - attack) / decay
                                                : sustain)));
        level = held * std::max(0.0f, 1.0f - (t - hold) / release);
    }
    return level;
}

float NoteHz(float note) {
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

void MixInto(Buffer& target, const Buffer& source, std::size_t at, float gain) {
    if (target.size() < at + source.size()) target.resize(at + source.size(), 0.0f);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[at + i] += source[i] * gain;
}

void LowPass(Buffer& b, float cutoffHz) {
    const float a = 1.0f - std::exp(-kTwoPi * cutoffHz / static_cast<float>(kRate));
    float y = 0;
    for (float& s : b) {
        y += a * (s - y);
        s = y;
    }
}

void HighPass(Buffer& b, float cutoffHz) {
    const float a = 1.0f - std::exp(-kTwoPi * cutoffHz / static_cast<float>(kRate));
    float low = 0;
    for (float& s : b) {
        low += a * (s - low);
        s -= low;
    }
}

void BandPass(Buffer& b, float centreHz, float q) {
    const float w = kTwoPi * centreHz / static_cast<float>(kRate);
    const float alpha = std::sin(w) / (2 * q);
    const float a0 = 1 + alpha;
    const float b0 = alpha / a0;
    const float b2 = -alpha / a0;
    const float a1 = -2 * std::cos(w) / a0;
    const float a2 = (1 - alpha) / a0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& s : b) {
        const float y = b0 * s + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = s;
        y2 = y1;
        y1 = y;
        s = y;
    }
}

Buffer Pluck(float hz, float seconds, float brightness, Rng& rng) {
    const std::size_t n = static_cast<std::size_t>(seconds * kRate);
    const std::size_t period =
        std::max<std::size_t>(2, static_cast<std::size_t>(static_cast<float>(kRate) / hz));
    Buffer line(period);
    for (float& s : line)
        s = rng.Range(-1, 1);
    // Soften the initial burst for a warmer string.
    for (int pass = 0; pass < static_cast<int>((1.0f - brightness) * 4); ++pass) {
        for (std::size_t i = 1; i < period; ++i)
            line[i] = 0.5f * (line[i] + line[i - 1]);
    }
    Buffer out(n);
    std::size_t idx = 0;
    const float keep = 0.996f;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t next = (idx + 1) % period;
        const float v = line[idx];
        line[idx] = keep * 0.5f * (line[idx] + line[next]);
        out[i] = v;
        idx = next;
    }
    return out;
}

Buffer Bell(float hz, float seconds, const std::vector<float>& ratios, float decay) {
    const std::size_t n = static_cast<std::size_t>(seconds * kRate);
    Buffer out(n, 0.0f);
    for (std::size_t k = 0; k < ratios.size(); ++k) {
        const float f = hz * ratios[k];
        const float d = decay * (1.0f + static_cast<float>(k) * 0.6f);
        const float amp = 1.0f / (1.0f + static_cast<float>(k) * 0.7f);
        for (std::size_t i = 0; i < n; ++i) {
            const float t = static_cast<float>(i) / kRate;
            out[i] += amp * std::sin(kTwoPi * f * t) * std::exp(-t * d);
        }
    }
    return out;
}

Buffer NoiseBurst(float seconds, float decay, Rng& rng) {
    const std::size_t n = static_cast<std::size_t>(seconds * kRate);
    Buffer out(n);
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = rng.Range(-1, 1) * std::exp(-static_cast<float>(i) / kRate * decay);
    }
    return out;
}

Buffer Reverb(const Buffer& dry, float roomSize, float damping, std::uint32_t seed) {
    static const int combs[] = {1116, 1188, 1277, 1356, 1422, 1491};
    static const int allpasses[] = {556, 441, 341};
    const int spread = static_cast<int>(seed % 23);
    const std::size_t tail = static_cast<std::size_t>(kRate * 1.5);
    Buffer out(dry.size() + tail, 0.0f);
    for (int length : combs) {
        Buffer line(static_cast<std::size_t>(length + spread), 0.0f);
        std::size_t idx = 0;
        float filtered = 0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const float in = i < dry.size() ? dry[i] : 0.0f;
            const float y = line[idx];
            filtered = y * (1 - damping) + filtered * damping;
            line[idx] = in + filtered * roomSize;
            out[i] += y;
            idx = (idx + 1) % line.size();
        }
    }
    for (int length : allpasses) {
        Buffer line(static_cast<std::size_t>(length + spread), 0.0f);
        std::size_t idx = 0;
        for (float& s : out) {
            const float buffered = line[idx];
            line[idx] = s + buffered * 0.5f;
            s = buffered - s;
            idx = (idx + 1) % line.size();
        }
    }
    for (float& s : out)
        s *= 0.12f;
    return out;
}

std::vector<std::int16_t> ToPcm(const Buffer& b, float peak) {
    float maxAbs = 1e-6f;
    for (float s : b)
        maxAbs = std::max(maxAbs, std::abs(s));
    const float k = peak / maxAbs * 32767.0f;
    std::vector<std::int16_t> out(b.size());
    for (std::size_t i = 0; i < b.size(); ++i) {
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(b[i] * k, -32767.0f, 32767.0f)));
    }
    return out;
}

}  // namespace gendata
