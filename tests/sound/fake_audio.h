// A stand-in for the platform's sound device: it records every call, plays nothing, and lets a
// test hand back the buffers queued at it one at a time, as the device's done notices would.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace soundtest {

// What every wave-out made by one fake device did; outlives the wave-outs.
struct WaveLog {
    std::vector<std::string> calls;  // "query 2 44100 16", "open", "prepare 0 65536", ...
    std::vector<platform::WaveFormat> formats;  // the format of every open, query or not

    // Result codes the next calls return (kWaveOk unless a test says otherwise).
    int queryResult = platform::kWaveOk;
    int openResult = platform::kWaveOk;
    int prepareResult = platform::kWaveOk;
    int writeResult = platform::kWaveOk;
    int closeResult = platform::kWaveOk;
    int failWriteAfter = -1;  // >= 0: writes after this many succeed return writeFailure
    int writeFailure = platform::kWaveError;

    std::deque<platform::WaveBuffer*> queued;          // at the device, oldest first
    platform::WaveOut::DoneCallback callback;          // of the last real open, kept after close
    std::vector<platform::WaveBuffer*> resetReturned;  // notices a real device posts after Reset
    std::uint64_t bytesWritten = 0;
    int writes = 0;
    int made = 0;       // wave-outs created
    int destroyed = 0;  // wave-outs destroyed
    int destroyedInsideNotice = 0;
    bool insideNotice = false;

    // Hands back the oldest queued buffer through the done callback; false when none is queued.
    bool CompleteOldest();
    // Hands back buffers until none is queued (at most limit); the number handed back.
    int CompleteAll(int limit = 1000);
    int Count(const std::string& prefix) const;
};

class FakeWaveOut : public platform::WaveOut {
  public:
    explicit FakeWaveOut(std::shared_ptr<WaveLog> log) : log_(std::move(log)) { ++log_->made; }
    ~FakeWaveOut() override;

    int Open(const platform::WaveFormat& format, bool queryOnly, DoneCallback onDone) override;
    int Prepare(platform::WaveBuffer* buffer) override;
    int Write(platform::WaveBuffer* buffer) override;
    int Unprepare(platform::WaveBuffer* buffer) override;
    int Reset() override;
    int Close() override;
    bool ErrorText(int result, std::string& text) const override;

  private:
    std::shared_ptr<WaveLog> log_;
    bool open_ = false;
};

class FakeAudio : public platform::AudioDevice {
  public:
    bool Audible() const override { return false; }
    void PlaySoundAsync(const std::string& fileName) override { played.push_back(fileName); }
    std::unique_ptr<platform::WaveOut> CreateWaveOut() override {
        return std::make_unique<FakeWaveOut>(log);
    }

    std::vector<std::string> played;
    std::shared_ptr<WaveLog> log = std::make_shared<WaveLog>();
};

}  // namespace soundtest
