// The sound device: fire-and-forget effects and a buffered wave-out stream for music.
//
// Two implementations exist: one on an SDL audio device, and a silent one for the headless
// backend that records what was played and "plays" wave-out buffers in virtual time, so that a
// track ends after as many milliseconds as its data lasts.
//
// The wave-out operations mirror the classic device calls: open (optionally query-only, to test
// a format), prepare a buffer, write it, unprepare it, reset (return every queued buffer), close,
// and an error text for a result code. A buffer that has finished playing is reported through
// the done callback given at open; the callback always runs on the user-interface thread (the
// device's own thread only posts the notice), and never after the device has been closed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// Result codes of the wave-out calls (0 is success), as the classic device reports them.
enum WaveResult : int {
    kWaveOk = 0,
    kWaveError = 1,          // unspecified error
    kWaveBadDevice = 2,      // no device, or device id out of range
    kWaveAllocated = 4,      // device already in use
    kWaveInvalidHandle = 5,  // the device is not open
    kWaveNoDriver = 6,       // no audio driver is present
    kWaveNoMemory = 7,
    kWaveInvalidParam = 11,
    kWaveBadFormat = 32,     // the format is not supported
    kWaveStillPlaying = 33,  // buffers are still queued
    kWaveUnprepared = 34,    // the buffer was not prepared
};

struct WaveFormat {
    int channels = 2;
    int samplesPerSec = 44100;
    int bitsPerSample = 16;
};

// One buffer handed to the device. The device reads `length` bytes from `data` while the
// buffer is queued; `done` is set when it has been played (or returned by Reset).
struct WaveBuffer {
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    bool prepared = false;
    bool queued = false;
    bool done = false;
    int tag = 0;  // free for the owner (which buffer of its pool this is)
};

class WaveOut {
  public:
    using DoneCallback = std::function<void(WaveBuffer*)>;
    virtual ~WaveOut() = default;

    // queryOnly: only tests whether the format can be played; nothing stays open.
    virtual int Open(const WaveFormat& format, bool queryOnly, DoneCallback onDone) = 0;
    virtual int Prepare(WaveBuffer* buffer) = 0;
    virtual int Write(WaveBuffer* buffer) = 0;
    virtual int Unprepare(WaveBuffer* buffer) = 0;
    virtual int Reset() = 0;  // stops playback and reports every queued buffer as done
    virtual int Close() = 0;
    // The device's text for a result code; false when it has none for this code.
    virtual bool ErrorText(int result, std::string& text) const = 0;
};

// The largest sound effect file read: many times any effect of the game.
inline constexpr std::uintmax_t kSoundFileLimit = 64u << 20;

class AudioDevice {
  public:
    virtual ~AudioDevice() = default;
    // True when sound actually reaches a device (false: silent backend or no device).
    virtual bool Audible() const = 0;
    // Plays a wave file found by bare name without waiting; a new effect cuts the one playing.
    // A file that is missing, not a wave file or larger than kSoundFileLimit plays nothing and
    // reports nothing.
    virtual void PlaySoundAsync(const std::string& fileName) = 0;
    // A new wave-out player on this device.
    virtual std::unique_ptr<WaveOut> CreateWaveOut() = 0;
};

}  // namespace platform
