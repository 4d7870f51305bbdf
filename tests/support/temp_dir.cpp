#include "support/temp_dir.h"

#include <jpeglib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace testsupport {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marchholt-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) std::abort();
    path_ = buf.data();
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempDir::WriteFile(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void TempDir::WriteText(const std::string& name, const std::string& text) const {
    WriteFile(name, std::vector<unsigned char>(text.begin(), text.end()));
}

std::vector<unsigned char> TempDir::ReadFile(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

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
