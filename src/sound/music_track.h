// One music file opened for playing: the file stream and the Ogg Vorbis decoder on it.
//
// A file that opens but is not Ogg Vorbis keeps its stream open (and decodes nothing) until the
// track is released.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

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
    // The fill hook where nobody hears the music: with the length known (SetKnownLength), as
    // Fill but with silence of that length, nothing decoded; else Fill, counting the bytes.
    long FillSilence(std::uint8_t* data, std::uint32_t capacity, double& playTime);

    // What decoding the whole file gives: its bytes, and whether the decoder stopped on an error.
    struct Length {
        std::uint64_t bytes = 0;
        bool failed = false;
        int channels = 0, rate = 0;
    };
    // Instead of OpenDecoder, on a file whose decoding gave length before: FillSilence counts
    // it out without a decoder.
    void OpenKnown(const Length& length);
    // Once the data has ended: the length it had.
    bool Ended() const { return ended_; }
    Length DecodedLength() const { return {bytesDone_, failed_, channels_, rate_}; }

  private:
    FileStream* stream_ = nullptr;  // ours until the decoder takes it over
    std::unique_ptr<OggVorbis_File> vorbis_;
    bool decoding_ = false;
    bool ended_ = false;
    bool failed_ = false;
    int channels_ = 0;
    int rate_ = 0;
    std::optional<Length> known_;  // FillSilence: the length without decoding
    std::uint64_t bytesDone_ = 0;
};

}  // namespace sound
