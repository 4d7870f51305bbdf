#include "sound/vorbis_stream.h"

#include <sys/types.h>

namespace sound {

namespace {

std::FILE* FileOf(void* stream) {
    return stream ? static_cast<FileStream*>(stream)->file : nullptr;
}

}  // namespace

FileStream* OpenFileStream(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    return new FileStream{file};
}

std::size_t StreamRead(void* buffer, std::size_t size, std::size_t count, void* stream) {
    std::FILE* file = FileOf(stream);
    if (size == 0 || count == 0 || !file || !buffer) return 0;
    const std::size_t items = std::fread(buffer, size, count, file);
    if (std::ferror(file)) {
        std::clearerr(file);
        return 0;
    }
    return items;
}

int StreamSeek(void* stream, std::int64_t offset, int whence) {
    std::FILE* file = FileOf(stream);
    if (!file) return -1;
    if (whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END) return -1;
    return fseeko(file, static_cast<off_t>(offset), whence) == 0 ? 0 : -1;
}

int StreamClose(void* stream) {
    auto* owned = static_cast<FileStream*>(stream);
    if (!owned) return -1;
    const int result = owned->file ? std::fclose(owned->file) : 0;
    delete owned;
    return result == 0 ? 0 : -1;
}

long StreamTell(void* stream) {
    std::FILE* file = FileOf(stream);
    if (!file) return -1;
    const off_t position = ftello(file);
    return position < 0 ? -1 : static_cast<long>(position);
}

}  // namespace sound
