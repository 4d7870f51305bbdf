// File writers: JPEG (libjpeg), 24-bit BMP and PCM WAV by hand, PNG (libpng, contact sheets
// and the desktop icon) and Ogg Vorbis (libvorbisenc). Each returns false with an error text on
// failure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace gendata {

bool WriteJpeg(const Image& img, const std::string& path, int quality, std::string& error);
bool WriteBmp(const Image& img, const std::string& path, std::string& error);
// With `alpha` (coverage in its red channel, the same size), an RGBA PNG.
bool WritePng(const Image& img, const std::string& path, std::string& error,
              const Image* alpha = nullptr);

// Interleaved 16-bit samples.
bool WriteWav(const std::vector<std::int16_t>& samples, int channels, int rate,
              const std::string& path, std::string& error);

// Stereo float samples in [-1, 1], left and right in separate arrays of equal length.
bool WriteOgg(const std::vector<float>& left, const std::vector<float>& right, int rate,
              float quality, const std::string& path, std::string& error);

}  // namespace gendata
