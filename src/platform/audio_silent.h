// The sound device of the headless backend, and of a game that found no audio device: effects
// are only recorded in the transcript, wave-out buffers are played into nothing in real (or
// virtual) time so that the music sequence keeps its rhythm.
#pragma once

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

// The text of a wave-out result code, as the classic device words it.
bool StandardWaveErrorText(int result, std::string& text);

// The SDL sound device; null when no audio device can be opened.
std::unique_ptr<AudioDevice> MakeSdlAudio(Application& app, std::string& error);

}  // namespace platform
