#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "encode.h"

namespace gendata {

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

bool WriteBytes(const std::vector<std::uint8_t>& bytes, const std::string& path,
                std::string& error) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    if (!f) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

bool WriteJpeg(const Image& img, const std::string& path, int quality, std::string& error) {
    std::vector<std::uint8_t> rgb = img.ToRgb8();
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.Width());
    cinfo.image_height = static_cast<JDIMENSION>(img.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = static_cast<std::size_t>(img.Width()) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgb.data() + cinfo.next_scanline * stride;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return WriteBytes(bytes, path, error);
}

bool WriteBmp(const Image& img, const std::string& path, std::string& error) {
    const std::vector<std::uint8_t> rgb = img.ToRgb8();
    const std::uint32_t w = static_cast<std::uint32_t>(img.Width());
    const std::uint32_t h = static_cast<std::uint32_t>(img.Height());
    const std::uint32_t rowBytes = (w * 3 + 3) & ~3u;
    const std::uint32_t dataSize = rowBytes * h;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + dataSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);  // BITMAPINFOHEADER
    PutLe(out, w, 4);
    PutLe(out, h, 4);  // positive height: rows stored bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, dataSize, 4);
    PutLe(out, 2835, 4);  // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (std::uint32_t y = h; y-- > 0;) {
        for (std::uint32_t x = 0; x < w; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
            out.push_back(rgb[i + 2]);
            out.push_back(rgb[i + 1]);
            out.push_back(rgb[i]);
        }
        for (std::uint32_t pad = w * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return WriteBytes(out, path, error);
}

bool WritePng(const Image& img, const std::string& path, std::string& error, const Image* alpha) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        error = "cannot open " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        std::fclose(f);
        error = "PNG encoding failed for " + path;
        return false;
    }
    const bool withAlpha =
        alpha && alpha->Width() == img.Width() && alpha->Height() == img.Height();
    const std::size_t channels = withAlpha ? 4 : 3;
    std::vector<std::uint8_t> pixels = img.ToRgb8();
    if (withAlpha) {
        const std::vector<std::uint8_t> cover = alpha->ToRgb8();
        std::vector<std::uint8_t> rgba(pixels.size() / 3 * 4);
        for (std::size_t i = 0; i < pixels.size() / 3; ++i) {
            std::copy_n(&pixels[i * 3], 3, &rgba[i * 4]);
            rgba[i * 4 + 3] = cover[i * 3];
        }
        pixels.swap(rgba);
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.Width()),
                 static_cast<png_uint_32>(img.Height()), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < img.Height(); ++y) {
        png_write_row(png, pixels.data() + static_cast<std::size_t>(y) *
                                               static_cast<std::size_t>(img.Width()) * channels);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return true;
}

bool WriteWav(const std::vector<std::int16_t>& samples, int channels, int rate,
              const std::string& path, std::string& error) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    PutLe(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, static_cast<std::uint32_t>(channels), 2);
    PutLe(out, static_cast<std::uint32_t>(rate), 4);
    PutLe(out, static_cast<std::uint32_t>(rate * channels * 2), 4);
    PutLe(out, static_cast<std::uint32_t>(channels * 2), 2);
    PutLe(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples)
        PutLe(out, static_cast<std::uint16_t>(s), 2);
    return WriteBytes(out, path, error);
}

}  // namespace gendata
