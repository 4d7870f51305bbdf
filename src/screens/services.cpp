#include "screens/services.h"

namespace screens {

platform::SpeedButton* AddButton(platform::Control& parent, Services& services,
                                 const std::string& name, const std::string& caption, int x, int y,
                                 int w, int h, std::function<void()> action) {
    auto* button = parent.Add<platform::SpeedButton>(name);
    button->SetCaption(caption);
    button->SetBounds(x, y, w, h);
    sound::SoundSystem* sound = &services.sound;
    button->OnClick = [sound, action = std::move(action)] {
        sound->Effects().PlayClick();
        if (action) action();
    };
    return button;
}

platform::Label* AddLabel(platform::Control& parent, const std::string& name, int x, int y, int w,
                          int h, int size, bool bold, bool wrap) {
    auto* label = parent.Add<platform::Label>(name);
    label->SetBounds(x, y, w, h);
    label->SetFontSize(size);
    label->SetBold(bold);
    label->SetWordWrap(wrap);
    return label;
}

platform::Picture* AddPicture(platform::Control& parent, const std::string& name, int x, int y,
                              int w, int h) {
    auto* picture = parent.Add<platform::Picture>(name);
    picture->SetBounds(x, y, w, h);
    return picture;
}

}  // namespace screens
