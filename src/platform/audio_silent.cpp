#include "platform/audio_silent.h"

#include <deque>
#include <memory>

#include "platform/application.h"
#include "platform/trace.h"

namespace platform {

namespace {

bool FormatSupported(const WaveFormat& f) {
    return (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.samplesPerSec >= 8000 &&
           f.samplesPerSec <= 192000;
}

// A wave-out player that plays into nothing but keeps time: each buffer is reported done when
// its data would have finished playing, measured on the application's clock.
class SilentWaveOut final : public WaveOut {
  public:
    explicit SilentWaveOut(Application& app) : app_(app), timer_(app, 1, false) {
        timer_.OnTimer = [this] { FinishHead(); };
    }

    int Open(const WaveFormat& format, bool queryOnly, DoneCallback onDone) override {
        if (!FormatSupported(format)) return kWaveBadFormat;
        if (queryOnly) return kWaveOk;
        if (open_) return kWaveAllocated;
        format_ = format;
        onDone_ = std::move(onDone);
        open_ = true;
        return kWaveOk;
    }

    int Prepare(WaveBuffer* b) override {
        if (!open_) return kWaveInvalidHandle;
        if (!b) return kWaveInvalidParam;
        b->prepared = true;
        return kWaveOk;
    }

    int Write(WaveBuffer* b) override {
        if (!open_) return kWaveInvalidHandle;
        if (!b || !b->prepared) return kWaveUnprepared;
        b->done = false;
        b->queued = true;
        queue_.push_back(b);
        if (queue_.size() == 1) StartHead();
        return kWaveOk;
    }

    int Unprepare(WaveBuffer* b) override {
        if (!open_) return kWaveInvalidHandle;
        if (!b) return kWaveInvalidParam;
        if (b->queued) return kWaveStillPlaying;
        b->prepared = false;
        return kWaveOk;
    }

    int Reset() override {
        if (!open_) return kWaveInvalidHandle;
        timer_.SetEnabled(false);
        while (!queue_.empty())
            Complete();
        return kWaveOk;
    }

    int Close() override {
        if (!open_) return kWaveInvalidHandle;
        if (!queue_.empty()) return kWaveStillPlaying;
        open_ = false;
        timer_.SetEnabled(false);
        *alive_ = false;
        alive_ = std::make_shared<bool>(true);
        return kWaveOk;
    }

    bool ErrorText(int result, std::string& text) const override {
        return StandardWaveErrorText(result, text);
    }

    ~SilentWaveOut() override { *alive_ = false; }

  private:
    void StartHead() {
        if (queue_.empty()) return;
        const long long bytesPerSecond = static_cast<long long>(format_.samplesPerSec) *
                                         format_.channels * (format_.bitsPerSample / 8);
        long long ms = bytesPerSecond > 0 ? queue_.front()->length * 1000LL / bytesPerSecond : 0;
        timer_.SetEnabled(false);
        timer_.SetInterval(static_cast<int>(ms < 1 ? 1 : ms));
        timer_.SetEnabled(true);
    }

    void FinishHead() {
        timer_.SetEnabled(false);
        if (queue_.empty()) return;
        Complete();
        StartHead();
    }

    // Takes the oldest buffer off the device and posts its done notice, as the device's own
    // thread would; a notice that arrives after Close is dropped.
    void Complete() { FinishOldestBuffer(app_, queue_, alive_, onDone_); }

    Application& app_;
    Timer timer_;
    WaveFormat format_;
    DoneCallback onDone_;
    bool open_ = false;
    std::deque<WaveBuffer*> queue_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace

SilentAudio::SilentAudio(Application& app, bool traced) : app_(app), traced_(traced) {}

void SilentAudio::PlaySoundAsync(const std::string& fileName) {
    if (traced_) Trace("sound " + fileName);
}

std::unique_ptr<WaveOut> SilentAudio::CreateWaveOut() {
    return std::make_unique<SilentWaveOut>(app_);
}

void FinishOldestBuffer(Application& app, std::deque<WaveBuffer*>& queue,
                        const std::shared_ptr<bool>& alive, const WaveOut::DoneCallback& onDone) {
    WaveBuffer* b = queue.front();
    queue.pop_front();
    b->queued = false;
    b->done = true;
    app.Post([alive, onDone, b] {
        if (*alive && onDone) onDone(b);
    });
}

bool StandardWaveErrorText(int result, std::string& text) {
    switch (result) {
        case kWaveOk:
            text = "The command completed successfully.";
            return true;
        case kWaveError:
            text = "Unspecified error.";
            return true;
        case kWaveBadDevice:
            text = "The device identifier is out of range.";
            return true;
        case kWaveAllocated:
            text = "The device is already in use.";
            return true;
        case kWaveInvalidHandle:
            text = "The device handle is invalid.";
            return true;
        case kWaveNoDriver:
            text = "No audio device driver is installed.";
            return true;
        case kWaveNoMemory:
            text = "Unable to allocate or lock memory.";
            return true;
        case kWaveInvalidParam:
            text = "An invalid parameter was passed.";
            return true;
        case kWaveBadFormat:
            text = "The wave format is not supported.";
            return true;
        case kWaveStillPlaying:
            text = "Buffers are still queued.";
            return true;
        case kWaveUnprepared:
            text = "The buffer was not prepared.";
            return true;
        default:
            return false;
    }
}

}  // namespace platform
