// One music file opened for playing: the file stream and the Ogg Vorbis decoder on it.
//
// A file that opens but is not Ogg Vorbis keeps its stream open (and decodes nothing) until the
// track is released.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

struct OggVorbis_File;

namespace sound {

struct FileStream;

class MusicTrack {
  public:
    MusicTrack();
    ~MusicTrack();
    MusicTrack(const MusicTrack&) = delete;
    MusicTrack& operator=(const MusicTrack&) = delete;

    // Opens the file; false (errno set) when it cannot be opened.
    bool OpenFile(const std::filesystem::path& path);
    // Opens the decoder on the open file; false when the file is not Ogg Vorbis.
    bool OpenDecoder();

    bool HasFile() const { return stream_ != nullptr || decoding_; }
    bool Decoding() const { return decoding_; }
    int Channels() const { return channels_; }
    int Rate() const { return rate_; }
    // True once the decoder reported an error (the data counts as ended from then on).
    bool DecodeFailed() const { return failed_; }

    // The fill hook: reports the play position, then decodes 16-bit signed little-endian
    // samples into data until it is full or the decoder stops (end of stream: 0; an error: a
    // negative value). Returns the bytes written; 0 once the data has ended.
    long Fill(std::uint8_t* data, std::uint32_t capacity, double& playTime);
    // The fill hook where nobody hears the music: as Fill, with silence of the length the
    // decoded samples would have, counted from the stream's length without decoding them
    // (Fill where the stream does not tell its length).
    long FillSilence(std::uint8_t* data, std::uint32_t capacity, double& playTime);

  private:
    FileStream* stream_ = nullptr;  // ours until the decoder takes it over
    std::unique_ptr<OggVorbis_File> vorbis_;
    bool decoding_ = false;
    bool ended_ = false;
    bool failed_ = false;
    int channels_ = 0;
    int rate_ = 0;
    std::int64_t silentFrames_ = -1;  // FillSilence: the frames left (-1: not counted yet)
    std::int64_t framesDone_ = 0;
};

}  // namespace sound
