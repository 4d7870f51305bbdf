#include <SDL.h>

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

constexpr int kEffectRate = 44100;

SDL_AudioSpec SpecFor(const WaveFormat& f, SDL_AudioCallback cb, void* user) {
    SDL_AudioSpec spec{};
    spec.freq = f.samplesPerSec;
    spec.format = f.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    spec.channels = static_cast<Uint8>(f.channels);
    spec.samples = 2048;
    spec.callback = cb;
    spec.userdata = user;
    return spec;
}

// A wave-out player on its own SDL audio device (SDL converts its format to the hardware's).
// The audio callback copies queued buffers out and, for each one it finishes, posts the done
// notice to the user-interface thread; nothing else happens on the audio thread.
class SdlWaveOut final : public WaveOut {
  public:
    explicit SdlWaveOut(Application& app) : app_(app) {}
    ~SdlWaveOut() override {
        *alive_ = false;
        if (device_) SDL_CloseAudioDevice(device_);
    }

    int Open(const WaveFormat& format, bool queryOnly, DoneCallback onDone) override {
        if ((format.channels != 1 && format.channels != 2) ||
            (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
            format.samplesPerSec < 8000 || format.samplesPerSec > 192000) {
            return kWaveBadFormat;
        }
        if (queryOnly) return kWaveOk;
        if (device_) return kWaveAllocated;
        format_ = format;
        onDone_ = std::move(onDone);
        SDL_AudioSpec want = SpecFor(format, &SdlWaveOut::Callback, this), have{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!device_) return kWaveBadDevice;
        SDL_PauseAudioDevice(device_, 0);
        return kWaveOk;
    }

    int Prepare(WaveBuffer* b) override {
        if (!device_) return kWaveInvalidHandle;
        if (!b) return kWaveInvalidParam;
        b->prepared = true;
        return kWaveOk;
    }

    int Write(WaveBuffer* b) override {
        if (!device_) return kWaveInvalidHandle;
        if (!b || !b->prepared) return kWaveUnprepared;
        std::lock_guard<std::mutex> lock(mutex_);
        b->done = false;
        b->queued = true;
        queue_.push_back(b);
        return kWaveOk;
    }

    int Unprepare(WaveBuffer* b) override {
        if (!device_) return kWaveInvalidHandle;
        if (!b) return kWaveInvalidParam;
        std::lock_guard<std::mutex> lock(mutex_);
        if (b->queued) return kWaveStillPlaying;
        b->prepared = false;
        return kWaveOk;
    }

    int Reset() override {
        if (!device_) return kWaveInvalidHandle;
        std::lock_guard<std::mutex> lock(mutex_);
        while (!queue_.empty())
            FinishFront();
        offset_ = 0;
        return kWaveOk;
    }

    int Close() override {
        if (!device_) return kWaveInvalidHandle;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!queue_.empty()) return kWaveStillPlaying;
        }
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        *alive_ = false;
        alive_ = std::make_shared<bool>(true);
        return kWaveOk;
    }

    bool ErrorText(int result, std::string& text) const override {
        return StandardWaveErrorText(result, text);
    }

  private:
    static void Callback(void* user, Uint8* stream, int len) {
        static_cast<SdlWaveOut*>(user)->Fill(stream, len);
    }

    void Fill(Uint8* stream, int len) {
        std::memset(stream, format_.bitsPerSample == 8 ? 0x80 : 0, static_cast<size_t>(len));
        std::lock_guard<std::mutex> lock(mutex_);
        int written = 0;
        while (written < len && !queue_.empty()) {
            WaveBuffer* b = queue_.front();
            const int left = static_cast<int>(b->length) - offset_;
            const int n = std::min(left, len - written);
            if (n > 0) std::memcpy(stream + written, b->data + offset_, static_cast<size_t>(n));
            written += std::max(n, 0);
            offset_ += std::max(n, 0);
            if (offset_ >= static_cast<int>(b->length)) {
                FinishFront();
                offset_ = 0;
            }
        }
    }

    // With the lock held: the oldest buffer is done; its notice goes to the UI thread.
    void FinishFront() { FinishOldestBuffer(app_, queue_, alive_, onDone_); }

    Application& app_;
    WaveFormat format_;
    DoneCallback onDone_;
    SDL_AudioDeviceID device_ = 0;
    std::mutex mutex_;
    std::deque<WaveBuffer*> queue_;
    int offset_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The effects channel: one wave file at a time, a new one cuts the one playing.
class SdlAudio final : public AudioDevice {
  public:
    explicit SdlAudio(Application& app) : app_(app) {}
    ~SdlAudio() override {
        if (device_) SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool Open(std::string& error) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            error = SDL_GetError();
            return false;
        }
        SDL_AudioSpec want = SpecFor(WaveFormat{2, kEffectRate, 16}, &SdlAudio::Callback, this);
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
        if (!device_) {
            error = SDL_GetError();
            return false;
        }
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    bool Audible() const override { return true; }

    void PlaySoundAsync(const std::string& fileName) override {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!CurrentFiles().Read(fileName, bytes, error)) return;
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        SDL_AudioSpec fileSpec;
        Uint8* buf = nullptr;
        Uint32 len = 0;
        if (!rw || !SDL_LoadWAV_RW(rw, 1, &fileSpec, &buf, &len)) return;
        SDL_AudioCVT cvt;
        std::vector<std::uint8_t> pcm;
        if (SDL_BuildAudioCVT(&cvt, fileSpec.format, fileSpec.channels, fileSpec.freq, spec_.format,
                              spec_.channels, spec_.freq) >= 0) {
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
        SDL_LockAudioDevice(device_);
        effect_ = std::move(pcm);
        effectPos_ = 0;
        SDL_UnlockAudioDevice(device_);
    }

    std::unique_ptr<WaveOut> CreateWaveOut() override { return std::make_unique<SdlWaveOut>(app_); }

  private:
    static void Callback(void* user, Uint8* stream, int len) {
        auto* self = static_cast<SdlAudio*>(user);
        std::memset(stream, 0, static_cast<size_t>(len));
        const size_t left = self->effect_.size() - self->effectPos_;
        const size_t n = std::min(left, static_cast<size_t>(len));
        if (n > 0) {
            std::memcpy(stream, self->effect_.data() + self->effectPos_, n);
            self->effectPos_ += n;
        }
    }

    Application& app_;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::vector<std::uint8_t> effect_;
    size_t effectPos_ = 0;
};

}  // namespace

std::unique_ptr<AudioDevice> MakeSdlAudio(Application& app, std::string& error) {
    auto audio = std::make_unique<SdlAudio>(app);
    if (!audio->Open(error)) return nullptr;
    return audio;
}

}  // namespace platform
