// The sound device of the headless backend, and of a game that found no audio device: effects
// are only recorded in the transcript, wave-out buffers are played into nothing in real (or
// virtual) time so that the music sequence keeps its rhythm.
#pragma once

#include <deque>
#include <memory>

#include "platform/audio.h"

namespace platform {

class Application;

class SilentAudio final : public AudioDevice {
  public:
    SilentAudio(Application& app, bool traced);
    bool Audible() const override { return false; }
    void PlaySoundAsync(const std::string& fileName) override;
    std::unique_ptr<WaveOut> CreateWaveOut() override;

  private:
    Application& app_;
    bool traced_;
};

// Takes the oldest queued buffer off a device, marks it done and posts its done notice to the
// user-interface thread; a notice whose device was closed meanwhile (alive false) is dropped.
void FinishOldestBuffer(Application& app, std::deque<WaveBuffer*>& queue,
                        const std::shared_ptr<bool>& alive, const WaveOut::DoneCallback& onDone);

// The text of a wave-out result code, as the classic device words it.
bool StandardWaveErrorText(int result, std::string& text);

// The SDL sound device; null when no audio device can be opened.
std::unique_ptr<AudioDevice> MakeSdlAudio(Application& app, std::string& error);

}  // namespace platform
