// Decoded pictures. JPEG files are decoded with libjpeg, BMP files with SDL. A picture is
// loaded from disk each time a control is given it; decoded pixels of an unchanged file are
// kept in a small cache so that redrawing a map of a hundred tiles stays quick.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Surface;

namespace platform {

class Image {
  public:
    // Takes ownership of an ARGB8888 surface.
    explicit Image(SDL_Surface* surface);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int Width() const;
    int Height() const;
    SDL_Surface* Surface() const { return surface_; }
    // The pixel at (x, y) as 0xAARRGGBB (for tests and screenshots).
    std::uint32_t PixelAt(int x, int y) const;

    // A new image of the given size filled with one colour.
    static std::shared_ptr<Image> Solid(int width, int height, std::uint32_t argb);

  private:
    SDL_Surface* surface_;
};

using ImagePtr = std::shared_ptr<Image>;

// Decodes a picture from memory; the format is taken from the content (JPEG or BMP). A corrupt
// or truncated file yields null and an error text, never a crash.
ImagePtr DecodeImage(const std::vector<std::uint8_t>& bytes, std::string& error);

// The largest picture file read: far beyond any picture of the game, yet a bound on the memory
// a damaged or hostile file can take.
inline constexpr std::uintmax_t kPictureFileLimit = 64u << 20;

// Loads a picture by bare file name (see Files). Null with an error text when it fails; a file
// larger than kPictureFileLimit is refused before it is read.
ImagePtr LoadImageFile(const std::string& fileName, std::string& error);

// Writes an image as PNG (screenshots). False with an error text on failure.
bool WritePng(const Image& image, const std::string& path, std::string& error);

}  // namespace platform
