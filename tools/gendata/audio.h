// The game's sounds: short effects as 16-bit PCM WAV and the three music tracks as Ogg
// Vorbis, all synthesised.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gendata {

inline constexpr int kRate = 44100;

struct Effect {
    int channels = 1;
    std::vector<std::int16_t> samples;  // interleaved
};

// The effect for a .wav name, or nothing if the generator does not know it.
std::optional<Effect> MakeEffect(const std::string& fileName);

struct Track {
    std::vector<float> left, right;
};

// The track for an .ogg name, or nothing if the generator does not know it.
std::optional<Track> MakeTrack(const std::string& fileName);

}  // namespace gendata
