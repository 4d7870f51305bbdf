// The file stream the Ogg Vorbis decoder reads a music file through, and the four callbacks
// that give the decoder its read, seek, close and tell.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace sound {

// An open file; owned by the decoder once the decoder has been opened on it (its close
// callback frees it), by the music slot before.
struct FileStream {
    std::FILE* file = nullptr;
};

// Opens a file for reading; null when it cannot be opened (errno tells why).
FileStream* OpenFileStream(const std::filesystem::path& path);

// Reads size * count bytes; returns the number of whole items read, 0 when size or count is
// 0 or on any error.
std::size_t StreamRead(void* buffer, std::size_t size, std::size_t count, void* stream);
// whence is SEEK_SET, SEEK_CUR or SEEK_END; 0 on success, -1 on error.
int StreamSeek(void* stream, std::int64_t offset, int whence);
// Closes the file and frees the stream; 0, or -1 on error.
int StreamClose(void* stream);
// The current position, -1 on error.
long StreamTell(void* stream);

}  // namespace sound
