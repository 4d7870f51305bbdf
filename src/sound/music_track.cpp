#include "sound/music_track.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>

#include "sound/vorbis_stream.h"

namespace sound {

namespace {

ov_callbacks StreamCallbacks() {
    ov_callbacks callbacks;
    callbacks.read_func = StreamRead;
    callbacks.seek_func = StreamSeek;
    callbacks.close_func = StreamClose;
    callbacks.tell_func = StreamTell;
    return callbacks;
}

constexpr int kLittleEndian = 0;
constexpr int kSixteenBits = 2;
constexpr int kSigned = 1;

}  // namespace

MusicTrack::MusicTrack() : vorbis_(std::make_unique<OggVorbis_File>()) {}

MusicTrack::~MusicTrack() {
    if (decoding_) {
        ov_clear(vorbis_.get());  // closes and frees the stream through its close callback
    } else if (stream_) {
        StreamClose(stream_);
    }
}

bool MusicTrack::OpenFile(const std::filesystem::path& path) {
    if (HasFile()) return false;
    stream_ = OpenFileStream(path);
    return stream_ != nullptr;
}

bool MusicTrack::OpenDecoder() {
    if (!stream_ || decoding_) return false;
    if (ov_open_callbacks(stream_, vorbis_.get(), nullptr, 0, StreamCallbacks()) != 0) {
        // On failure the decoder leaves the stream to us; it stays open until release.
        return false;
    }
    stream_ = nullptr;
    decoding_ = true;
    const vorbis_info* info = ov_info(vorbis_.get(), -1);
    channels_ = info ? info->channels : 0;
    rate_ = info ? static_cast<int>(info->rate) : 0;
    return true;
}

long MusicTrack::Fill(std::uint8_t* data, std::uint32_t capacity, double& playTime) {
    if (!decoding_) return 0;
    playTime = ov_time_tell(vorbis_.get());
    if (ended_) return 0;
    std::uint32_t offset = 0;
    while (offset < capacity) {
        int section = 0;
        const long got = ov_read(vorbis_.get(), reinterpret_cast<char*>(data + offset),
                                 static_cast<int>(capacity - offset), kLittleEndian, kSixteenBits,
                                 kSigned, &section);
        if (got <= 0) {
            // 0 is the end of the stream, a negative value an error; either way the track
            // ends here rather than asking the decoder again for ever.
            ended_ = true;
            failed_ = got < 0;
            break;
        }
        offset += static_cast<std::uint32_t>(got);
    }
    return static_cast<long>(offset);
}

void MusicTrack::OpenKnown(const Length& length) {
    known_ = length;
    channels_ = length.channels;
    rate_ = length.rate;
}

long MusicTrack::FillSilence(std::uint8_t* data, std::uint32_t capacity, double& playTime) {
    if (!known_) {
        const long got = Fill(data, capacity, playTime);
        bytesDone_ += static_cast<std::uint64_t>(got);
        return got;
    }
    if (!decoding_ && !HasFile()) return 0;
    const std::uint64_t bytesPerSecond = static_cast<std::uint64_t>(rate_) * channels_ * 2;
    playTime = bytesPerSecond > 0 ? static_cast<double>(bytesDone_) / bytesPerSecond : 0;
    if (ended_) return 0;
    const std::uint64_t count = std::min<std::uint64_t>(capacity, known_->bytes - bytesDone_);
    if (count < capacity) {
        ended_ = true;
        failed_ = known_->failed;
    }
    // Silence nobody reads: the buffer is left as it is.
    static_cast<void>(data);
    bytesDone_ += count;
    return static_cast<long>(count);
}

}  // namespace sound
