// Small pictures for tests, written in the formats the game reads.
#pragma once

#include <vector>

namespace testsupport {

// A small JPEG of one colour (with a lighter square in the middle), as the game's pictures are.
std::vector<unsigned char> MakeJpeg(int width, int height, unsigned char r, unsigned char g,
                                    unsigned char b);
// A 24-bit BMP of one colour.
std::vector<unsigned char> MakeBmp(int width, int height, unsigned char r, unsigned char g,
                                   unsigned char b);

}  // namespace testsupport
