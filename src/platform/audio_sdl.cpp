// The SDL sound device: one SDL audio device into which the effects channel and every wave-out
// player are mixed, each player converted from its own format to the device's.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/application.h"
#include "platform/audio_silent.h"
#include "platform/files.h"

namespace platform {

namespace {

constexpr int kDeviceRate = 44100;
// How much of a queued buffer goes into a player's converter at a time.
constexpr std::uint32_t kFeedBytes = 4096;

class SdlWaveOut;

// What the audio thread and the user-interface thread share: the device's format, the effect
// playing, and the players to mix. Kept alive by the device and by every player, so that a
// player outliving the device (or the other way round) never touches freed memory.
struct Mixer {
    std::mutex mutex;
    SDL_AudioSpec spec{};  // the device's format (signed 16-bit, as asked)
    bool open = false;
    std::vector<std::uint8_t> effect;
    size_t effectPos = 0;
    std::vector<SdlWaveOut*> players;
    std::vector<std::uint8_t> scratch;
};

// A wave-out player mixed into the one device. Its buffers are queued in its own format and fed
// through an SDL audio stream that converts them to the device's; a buffer is done (and its done
// notice posted to the user-interface thread) once all its bytes went into the converter.
class SdlWaveOut final : public WaveOut {
  public:
    SdlWaveOut(Application& app, std::shared_ptr<Mixer> mixer)
        : app_(app), mixer_(std::move(mixer)) {}
    ~SdlWaveOut() override {
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        Detach();
        *alive_ = false;
    }

    int Open(const WaveFormat& format, bool queryOnly, DoneCallback onDone) override {
        if ((format.channels != 1 && format.channels != 2) ||
            (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
            format.samplesPerSec < 8000 || format.samplesPerSec > 192000) {
            return kWaveBadFormat;
        }
        if (queryOnly) return kWaveOk;
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        if (stream_) return kWaveAllocated;
        if (!mixer_->open) return kWaveBadDevice;
        const SDL_AudioSpec& out = mixer_->spec;
        stream_ = SDL_NewAudioStream(format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB,
                                     static_cast<Uint8>(format.channels), format.samplesPerSec,
                                     out.format, out.channels, out.freq);
        if (!stream_) return kWaveBadFormat;
        onDone_ = std::move(onDone);
        mixer_->players.push_back(this);
        return kWaveOk;
    }

    int Prepare(WaveBuffer* b) override {
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        if (!stream_) return kWaveInvalidHandle;
        if (!b) return kWaveInvalidParam;
        b->prepared = true;
        return kWaveOk;
    }

    int Write(WaveBuffer* b) override {
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        if (!stream_) return kWaveInvalidHandle;
        if (!b || !b->prepared) return kWaveUnprepared;
        b->done = false;
        b->queued = true;
        queue_.push_back(b);
        return kWaveOk;
    }

    int Unprepare(WaveBuffer* b) override {
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        if (!stream_) return kWaveInvalidHandle;
        if (!b) return kWaveInvalidParam;
        if (b->queued) return kWaveStillPlaying;
        b->prepared = false;
        return kWaveOk;
    }

    int Reset() override {
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        if (!stream_) return kWaveInvalidHandle;
        while (!queue_.empty())
            FinishFront();
        offset_ = 0;
        SDL_AudioStreamClear(stream_);
        return kWaveOk;
    }

    int Close() override {
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        if (!stream_) return kWaveInvalidHandle;
        if (!queue_.empty()) return kWaveStillPlaying;
        Detach();
        *alive_ = false;
        alive_ = std::make_shared<bool>(true);
        return kWaveOk;
    }

    bool ErrorText(int result, std::string& text) const override {
        return StandardWaveErrorText(result, text);
    }

    // On the audio thread, with the mixer's lock held: adds `len` bytes of this player's sound,
    // in the device's format, to `out`.
    void MixInto(Uint8* out, int len, std::vector<std::uint8_t>& scratch) {
        if (!stream_) return;
        while (SDL_AudioStreamAvailable(stream_) < len && !queue_.empty()) {
            WaveBuffer* b = queue_.front();
            const std::uint32_t left = b->length > offset_ ? b->length - offset_ : 0;
            const std::uint32_t n = std::min(left, kFeedBytes);
            if (n > 0 && SDL_AudioStreamPut(stream_, b->data + offset_, static_cast<int>(n)) != 0)
                break;
            offset_ += n;
            if (offset_ >= b->length) {
                FinishFront();
                offset_ = 0;
            }
        }
        if (queue_.empty()) SDL_AudioStreamFlush(stream_);
        scratch.resize(static_cast<size_t>(len));
        const int got = SDL_AudioStreamGet(stream_, scratch.data(), len);
        if (got > 0) {
            SDL_MixAudioFormat(out, scratch.data(), mixer_->spec.format, static_cast<Uint32>(got),
                               SDL_MIX_MAXVOLUME);
        }
    }

  private:
    // With the lock held: the oldest buffer is done; its notice goes to the UI thread.
    void FinishFront() { FinishOldestBuffer(app_, queue_, alive_, onDone_); }

    // With the lock held: out of the mix, converter freed.
    void Detach() {
        auto& players = mixer_->players;
        players.erase(std::remove(players.begin(), players.end(), this), players.end());
        if (stream_) SDL_FreeAudioStream(stream_);
        stream_ = nullptr;
    }

    Application& app_;
    std::shared_ptr<Mixer> mixer_;
    DoneCallback onDone_;
    SDL_AudioStream* stream_ = nullptr;
    std::deque<WaveBuffer*> queue_;
    std::uint32_t offset_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The one device: an effect at a time (a new one cuts the one playing) mixed with the players.
class SdlAudio final : public AudioDevice {
  public:
    explicit SdlAudio(Application& app) : app_(app) {}
    ~SdlAudio() override {
        if (device_) SDL_CloseAudioDevice(device_);  // waits for the callback to finish
        {
            std::lock_guard<std::mutex> lock(mixer_->mutex);
            mixer_->open = false;
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool Open(std::string& error) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            error = SDL_GetError();
            return false;
        }
        SDL_AudioSpec want{};
        want.freq = kDeviceRate;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = 2048;
        want.callback = &SdlAudio::Callback;
        want.userdata = mixer_.get();
        // No changes allowed: SDL converts to whatever the hardware takes.
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &mixer_->spec, 0);
        if (!device_) {
            error = SDL_GetError();
            return false;
        }
        mixer_->open = true;
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    bool Audible() const override { return true; }

    void PlaySoundAsync(const std::string& fileName) override {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (CurrentFiles().Read(fileName, kSoundFileLimit, bytes, error) != Files::ReadResult::read)
            return;
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        SDL_AudioSpec fileSpec;
        Uint8* buf = nullptr;
        Uint32 len = 0;
        if (!rw || !SDL_LoadWAV_RW(rw, 1, &fileSpec, &buf, &len)) return;
        const SDL_AudioSpec& out = mixer_->spec;
        SDL_AudioCVT cvt;
        std::vector<std::uint8_t> pcm;
        if (SDL_BuildAudioCVT(&cvt, fileSpec.format, fileSpec.channels, fileSpec.freq, out.format,
                              out.channels, out.freq) >= 0) {
            pcm.resize(static_cast<size_t>(len) * static_cast<size_t>(std::max(1, cvt.len_mult)));
            std::memcpy(pcm.data(), buf, len);
            cvt.buf = pcm.data();
            cvt.len = static_cast<int>(len);
            if (cvt.needed && SDL_ConvertAudio(&cvt) == 0) {
                pcm.resize(static_cast<size_t>(cvt.len_cvt));
            } else if (cvt.needed) {
                pcm.clear();
            } else {
                pcm.resize(len);
            }
        }
        SDL_FreeWAV(buf);
        std::lock_guard<std::mutex> lock(mixer_->mutex);
        mixer_->effect = std::move(pcm);
        mixer_->effectPos = 0;
    }

    std::unique_ptr<WaveOut> CreateWaveOut() override {
        return std::make_unique<SdlWaveOut>(app_, mixer_);
    }

  private:
    static void Callback(void* user, Uint8* stream, int len) {
        auto* mixer = static_cast<Mixer*>(user);
        std::memset(stream, mixer->spec.silence, static_cast<size_t>(len));
        std::lock_guard<std::mutex> lock(mixer->mutex);
        const size_t left = mixer->effect.size() - mixer->effectPos;
        const size_t n = std::min(left, static_cast<size_t>(len));
        if (n > 0) {
            SDL_MixAudioFormat(stream, mixer->effect.data() + mixer->effectPos, mixer->spec.format,
                               static_cast<Uint32>(n), SDL_MIX_MAXVOLUME);
            mixer->effectPos += n;
        }
        for (SdlWaveOut* player : mixer->players)
            player->MixInto(stream, len, mixer->scratch);
    }

    Application& app_;
    std::shared_ptr<Mixer> mixer_ = std::make_shared<Mixer>();
    SDL_AudioDeviceID device_ = 0;
};

}  // namespace

std::unique_ptr<AudioDevice> MakeSdlAudio(Application& app, std::string& error) {
    auto audio = std::make_unique<SdlAudio>(app);
    if (!audio->Open(error)) return nullptr;
    return audio;
}

}  // namespace platform
