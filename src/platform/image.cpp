#include "platform/image.h"

#include <SDL.h>
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>
#include <sys/stat.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <map>

#include "platform/files.h"

namespace platform {

Image::Image(SDL_Surface* surface) : surface_(surface) {}

Image::~Image() {
    SDL_FreeSurface(surface_);
}

int Image::Width() const {
    return surface_ ? surface_->w : 0;
}
int Image::Height() const {
    return surface_ ? surface_->h : 0;
}

std::uint32_t Image::PixelAt(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= surface_->w || y >= surface_->h) return 0;
    const auto* row = static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch;
    std::uint32_t value;
    std::memcpy(&value, row + x * 4, 4);
    return value;
}

std::shared_ptr<Image> Image::Solid(int width, int height, std::uint32_t argb) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return nullptr;
    SDL_FillRect(s, nullptr, argb);
    return std::make_shared<Image>(s);
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated = false;
};

void JpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void JpegMessage(j_common_ptr info, int level) {
    // Warnings (level -1) include a premature end of the data: a picture cut short.
    if (level < 0) {
        auto* err = reinterpret_cast<JpegError*>(info->err);
        if (info->err->msg_code == JWRN_JPEG_EOF) err->truncated = true;
    }
}

ImagePtr DecodeJpeg(const std::vector<std::uint8_t>& bytes, std::string& error) {
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegFail;
    err.mgr.emit_message = JpegMessage;
    SDL_Surface* volatile surface = nullptr;
    if (setjmp(err.jump)) {
        error = std::string("The picture is damaged (") + err.message + ").";
        jpeg_destroy_decompress(&info);
        if (surface) SDL_FreeSurface(surface);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;  // the byte order of ARGB8888 in memory
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > 16384 ||
        info.output_height > 16384) {
        jpeg_destroy_decompress(&info);
        error = "The picture has an impossible size.";
        return nullptr;
    }
    surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(info.output_width),
                                             static_cast<int>(info.output_height), 32,
                                             SDL_PIXELFORMAT_ARGB8888);
    if (!surface) {
        jpeg_destroy_decompress(&info);
        error = "Out of memory for a picture.";
        return nullptr;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = static_cast<std::uint8_t*>(surface->pixels) +
                       static_cast<size_t>(info.output_scanline) * surface->pitch;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (err.truncated) {
        SDL_FreeSurface(surface);
        error = "The picture is damaged (the file ends too early).";
        return nullptr;
    }
    // libjpeg writes 0xFF into the alpha byte; nothing else to do.
    return std::make_shared<Image>(surface);
}

ImagePtr DecodeBmp(const std::vector<std::uint8_t>& bytes, std::string& error) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!rw) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_Surface* loaded = SDL_LoadBMP_RW(rw, 1);
    if (!loaded) {
        error = std::string("The picture is damaged (") + SDL_GetError() + ").";
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!converted) {
        error = SDL_GetError();
        return nullptr;
    }
    return std::make_shared<Image>(converted);
}

// Decoded pictures of unchanged files: the same file (path, size and modification time) is
// decoded once. The map redraw loads the same few dozen tiles again and again.
struct CachedImage {
    std::int64_t mtime = 0;
    std::int64_t size = 0;
    ImagePtr image;
};

std::map<std::string, CachedImage>& Cache() {
    static std::map<std::string, CachedImage> cache;
    return cache;
}

}  // namespace

ImagePtr DecodeImage(const std::vector<std::uint8_t>& bytes, std::string& error) {
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
        return DecodeJpeg(bytes, error);
    }
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, error);
    error = bytes.empty() ? "The picture file is empty." : "The file is not a JPEG or BMP picture.";
    return nullptr;
}

ImagePtr LoadImageFile(const std::string& fileName, std::string& error) {
    const Files& files = CurrentFiles();
    auto path = files.Find(fileName);
    if (!path) {
        error = "Cannot load the picture \"" + fileName + "\": file not found.";
        return nullptr;
    }
    struct stat st {};
    const bool statted = ::stat(path->c_str(), &st) == 0;
    auto& cache = Cache();
    if (statted) {
        auto it = cache.find(path->string());
        if (it != cache.end() &&
            it->second.mtime == st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec &&
            it->second.size == st.st_size) {
            return it->second.image;
        }
    }
    std::vector<std::uint8_t> bytes;
    std::string readError;
    switch (files.Read(fileName, kPictureFileLimit, bytes, readError)) {
        case Files::ReadResult::read:
            break;
        case Files::ReadResult::tooLarge:
            error = "Cannot load the picture \"" + fileName + "\": The file is too large.";
            return nullptr;
        case Files::ReadResult::failed:
            error = "Cannot load the picture \"" + fileName + "\": " + readError;
            return nullptr;
    }
    std::string decodeError;
    ImagePtr image = DecodeImage(bytes, decodeError);
    if (!image) {
        error = "Cannot load the picture \"" + fileName + "\": " + decodeError;
        return nullptr;
    }
    if (statted) {
        if (cache.size() > 2048) cache.clear();
        cache[path->string()] = {st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, st.st_size,
                                 image};
    }
    return image;
}

bool WritePng(const Image& image, const std::string& path, std::string& error) {
    SDL_Surface* s = image.Surface();
    if (!s) {
        error = "Nothing to write.";
        return false;
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(s->w);
    png.height = static_cast<png_uint_32>(s->h);
    png.format = PNG_FORMAT_BGRA;
    const std::string tmp = path + ".tmp";
    if (!png_image_write_to_file(&png, tmp.c_str(), 0, s->pixels, s->pitch, nullptr)) {
        error = std::string("Cannot write \"") + path + "\": " + png.message;
        std::remove(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        error = std::string("Cannot write \"") + path + "\": " + std::strerror(errno);
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
