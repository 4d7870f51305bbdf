// What every screen reaches: the application (forms, timers, display) and the sound layer.
#pragma once

#include <functional>
#include <string>

#include "platform/application.h"
#include "sound/sound_system.h"

namespace screens {

struct Services {
    platform::Application& app;
    sound::SoundSystem& sound;
};

// A button of the game: it plays the click sound before it acts, as every button does.
platform::SpeedButton* AddButton(platform::Control& parent, Services& services,
                                 const std::string& name, const std::string& caption, int x, int y,
                                 int w, int h, std::function<void()> action);

// A label with the game's text style.
platform::Label* AddLabel(platform::Control& parent, const std::string& name, int x, int y, int w,
                          int h, int size = 14, bool bold = false, bool wrap = true);

// A picture control, stretched to its size.
platform::Picture* AddPicture(platform::Control& parent, const std::string& name, int x, int y,
                              int w, int h);

// The caption most dialogs carry.
inline constexpr const char* kDialogCaption = "Thornfeud";
inline constexpr const char* kGameCaption = "Marchholt";

}  // namespace screens
