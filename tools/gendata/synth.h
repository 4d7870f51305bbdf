// Building blocks of the synthesised sounds: envelopes, oscillators, filters, a plucked
// string and a small room reverb. Everything works on float buffers at 44.1 kHz.
#pragma once

#include <cstdint>
#include <vector>

#include "noise.h"

namespace gendata {

using Buffer = std::vector<float>;

inline constexpr float kTwoPi = 6.28318531f;

// Attack-decay-sustain-release level at time t (s) of a note held for `hold` seconds.
float Adsr(float t, float attack, float decay, float sustain, float release, float hold);

// Frequency of a MIDI note number.
float NoteHz(float note);

// Adds `source` into `target` from sample `at`, scaled by `gain` (growing the target).
void MixInto(Buffer& target, const Buffer& source, std::size_t at, float gain = 1.0f);

// One-pole low- and high-pass filters, in place.
void LowPass(Buffer& b, float cutoffHz);
void HighPass(Buffer& b, float cutoffHz);

// A resonant band-pass (biquad) in place.
void BandPass(Buffer& b, float centreHz, float q);

// Karplus-Strong plucked string of `seconds` at `hz`, brightness 0..1.
Buffer Pluck(float hz, float seconds, float brightness, Rng& rng);

// A decaying inharmonic metal ring: partials at the given ratios of `hz`.
Buffer Bell(float hz, float seconds, const std::vector<float>& ratios, float decay);

// White noise with an exponential decay.
Buffer NoiseBurst(float seconds, float decay, Rng& rng);

// Schroeder reverb: returns the wet signal (same length plus tail).
Buffer Reverb(const Buffer& dry, float roomSize, float damping, std::uint32_t seed);

// Scales to the given peak and converts to 16-bit samples.
std::vector<std::int16_t> ToPcm(const Buffer& b, float peak = 0.85f);

}  // namespace gendata
