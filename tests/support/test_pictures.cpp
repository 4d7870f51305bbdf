// Small pictures for tests, written in the formats the game reads.
#include "support/test_pictures.h"

#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace testsupport {

std::vector<unsigned char> MakeJpeg(int width, int height, unsigned char r, unsigned char g,
                                    unsigned char b) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &mem, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            const bool inner =
                x > width / 4 && x < width * 3 / 4 && y > height / 4 && y < height * 3 / 4;
            row[x * 3 + 0] = inner ? static_cast<unsigned char>((r + 255) / 2) : r;
            row[x * 3 + 1] = inner ? static_cast<unsigned char>((g + 255) / 2) : g;
            row[x * 3 + 2] = inner ? static_cast<unsigned char>((b + 255) / 2) : b;
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> out(mem, mem + size);
    std::free(mem);
    return out;
}

std::vector<unsigned char> MakeBmp(int width, int height, unsigned char r, unsigned char g,
                                   unsigned char b) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int dataSize = rowBytes * height;
    std::vector<unsigned char> out(54 + static_cast<size_t>(dataSize), 0);
    auto put32 = [&out](size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<unsigned>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<unsigned>(width));
    put32(22, static_cast<unsigned>(height));
    out[26] = 1;
    out[28] = 24;
    put32(34, static_cast<unsigned>(dataSize));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            size_t at = 54 + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x) * 3;
            out[at] = b;
            out[at + 1] = g;
            out[at + 2] = r;
        }
    }
    return out;
}

}  // namespace testsupport
