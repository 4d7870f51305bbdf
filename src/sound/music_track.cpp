#include "sound/music_track.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

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

long MusicTrack::FillSilence(std::uint8_t* data, std::uint32_t capacity, double& playTime) {
    if (!decoding_) return 0;
    if (silentFrames_ < 0) {
        const ogg_int64_t total = ov_pcm_total(vorbis_.get(), -1);
        if (total < 0 || channels_ <= 0 || rate_ <= 0) return Fill(data, capacity, playTime);
        silentFrames_ = total;
    }
    playTime = static_cast<double>(framesDone_) / rate_;
    const std::int64_t frameBytes = std::int64_t{channels_} * 2;
    const std::int64_t frames = std::min<std::int64_t>(silentFrames_, capacity / frameBytes);
    if (frames <= 0) {
        ended_ = true;
        return 0;
    }
    std::memset(data, 0, static_cast<std::size_t>(frames * frameBytes));
    silentFrames_ -= frames;
    framesDone_ += frames;
    return static_cast<long>(frames * frameBytes);
}

}  // namespace sound
