// Test helpers for the music: tiny Ogg Vorbis files made on the spot with the encoder.
#pragma once

#include <filesystem>
#include <string>

namespace soundtest {

// Writes a sine tone of the given length as Ogg Vorbis.
void WriteSineOgg(const std::filesystem::path& path, double seconds, int channels, int rate);

}  // namespace soundtest
