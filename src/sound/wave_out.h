// TWaveOut: a small buffered player over the platform's wave-out device.
//
// Four buffers of 64 KB circulate between two first-in-first-out queues: free buffers, and
// buffers queued at the device. The fill hook decodes into a free buffer, the buffer is prepared
// and written, and when the device hands it back (the done notice, always delivered on the
// user-interface thread) it is unprepared, returned to the free queue and, while playing,
// filled again. When the data has ended and the last queued buffer is back, the finished hook
// runs.
//
// Device failures are thrown as EWaveOut with the device's error text. Inside a done notice
// nobody could catch them, so they go to the error hook instead and playing stops.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace sound {

class EWaveOut : public std::runtime_error {
  public:
    EWaveOut(const std::string& message, int result)
        : std::runtime_error(message), result_(result) {}
    // The device's result code behind the error (0 when the player itself refused).
    int Result() const { return result_; }

  private:
    int result_;
};

class TWaveOut {
  public:
    static constexpr int kBufferCount = 4;
    static constexpr std::uint32_t kBufferSize = 65536;

    // Fills data with at most capacity bytes and returns how many it wrote; 0 (or less) when
    // the data has ended. Sets playTime to the current play position in seconds.
    using FillHook =
        std::function<long(std::uint8_t* data, std::uint32_t capacity, double& playTime)>;
    using Hook = std::function<void()>;
    using ErrorHook = std::function<void(const EWaveOut&)>;

    // Created as stereo, 44100 Hz, 16 bits; the device is not opened yet.
    explicit TWaveOut(std::unique_ptr<platform::WaveOut> device);
    ~TWaveOut();
    TWaveOut(const TWaveOut&) = delete;
    TWaveOut& operator=(const TWaveOut&) = delete;

    void SetFillHook(FillHook fill) { fill_ = std::move(fill); }
    void SetProgressHook(Hook progress) { progress_ = std::move(progress); }
    void SetFinishedHook(Hook finished) { finished_ = std::move(finished); }
    void SetErrorHook(ErrorHook error) { error_ = std::move(error); }

    const platform::WaveFormat& Format() const { return format_; }
    // A new format; an open player is closed and opened again with it.
    void SetFormat(const platform::WaveFormat& format);

    // Tries the format with a query-only open, then opens the device.
    void Open();
    // Stops playing and closes the device (nothing happens when it is not open).
    void Close();
    // Resets the counters and writes buffers until none is free or the data has ended.
    void Start();
    // Stops playing at once: the device returns every queued buffer.
    void Stop();

    bool IsOpen() const { return open_; }
    bool IsPlaying() const { return playing_; }
    int WrittenSinceStart() const { return written_; }
    int InFlight() const { return static_cast<int>(queued_.size()); }
    int FreeBuffers() const { return static_cast<int>(free_.size()); }
    double PlayTime() const { return playTime_; }

    // The device's text for a result code, or the stand-in when it has none.
    std::string ErrorText(int result) const;

  private:
    // Takes one free buffer, fills it and sends it; false when nothing was sent.
    bool WriteCycle();
    void OnBufferDone(platform::WaveBuffer* buffer);
    // Unprepares every queued buffer and puts it back on the free queue.
    void ReclaimQueued();
    int IndexOf(const platform::WaveBuffer* buffer) const;

    std::unique_ptr<platform::WaveOut> device_;
    platform::WaveFormat format_;
    bool open_ = false;
    bool playing_ = false;

    std::vector<std::uint8_t> memory_;  // kBufferCount * kBufferSize bytes
    std::array<platform::WaveBuffer, kBufferCount> buffers_{};
    std::deque<int> free_;
    std::deque<int> queued_;
    int written_ = 0;
    double playTime_ = 0.0;

    FillHook fill_;
    Hook progress_;
    Hook finished_;
    ErrorHook error_;

    // The done callback holds a weak reference to this: a notice that arrives after the player
    // is gone finds it expired and is dropped.
    std::shared_ptr<TWaveOut*> self_;
};

}  // namespace sound
