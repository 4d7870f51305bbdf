// Keys by name: a form's key clicks its control only where a click would reach it, an edit box
// with the keyboard keeps letters and editing keys, F1 reaches the key list, and names are
// spelled one way.
#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/control.h"
#include "platform/driver.h"
#include "platform/key_names.h"
#include "support/headless_app.h"

namespace {

using platform::Form;
using platform::SpeedButton;
using testsupport::HeadlessApp;

TEST(Keys, NamesAreSpelledAsTheWindowSystemSpellsThem) {
    EXPECT_EQ(platform::CanonicalKeyName("right"), "Right");
    EXPECT_EQ(platform::CanonicalKeyName("keypad 8"), "Keypad 8");
    EXPECT_EQ(platform::CanonicalKeyName("h"), "H");
    EXPECT_EQ(platform::CanonicalKeyName("F1"), "F1");
    EXPECT_EQ(platform::CanonicalKeyName("Enter"), "Return");
    EXPECT_EQ(platform::CanonicalKeyName("space"), "Space");
    EXPECT_FALSE(platform::CanonicalKeyName("Keypad 10"));
    EXPECT_FALSE(platform::CanonicalKeyName(""));
}

TEST(Keys, AKeyClicksItsControlOnlyWhereAClickWouldReachIt) {
    HeadlessApp h;
    Form main(h.App(), "Main", 400, 300);
    auto* go = main.Add<SpeedButton>("Go");
    go->SetBounds(10, 10, 100, 40);
    auto* other = main.Add<SpeedButton>("Other");
    other->SetBounds(10, 100, 100, 40);
    // A panel that can be laid over the first button, as the battle lies over the map.
    auto* cover = main.Add<platform::Panel>("Cover");
    cover->SetBounds(0, 0, 200, 80);
    cover->OnMouseMove = [](int, int) {};  // it takes the pointer, so clicks stop there
    cover->Hide();
    int goes = 0, others = 0;
    go->OnClick = [&] { ++goes; };
    other->OnClick = [&] { ++others; };
    main.BindKeys({"g", "keypad 5"}, "go", *go);
    main.BindKeys({"O"}, "other", *other);
    EXPECT_EQ(main.KeyBindings()[0].keys, (std::vector<std::string>{"G", "Keypad 5"}));
    std::vector<int> seen;
    auto press = [&](const std::string& key) {
        h.Then([&, key] {
            platform::Driver(h.App()).PressKey(key);
            seen.push_back(goes * 10 + others);
        });
    };
    press("G");
    press("Keypad 5");
    press("X");  // bound to nothing
    h.Then([&] { go->SetEnabled(false); });
    press("G");  // disabled
    h.Then([&] {
        go->SetEnabled(true);
        go->Hide();
    });
    press("G");  // hidden
    h.Then([&] {
        go->Show();
        cover->Show();
    });
    press("G");  // covered
    press("O");  // the other button is not covered
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 20, 20, 20, 20, 21}));
}

TEST(Keys, TheEditBoxWithTheKeyboardKeepsLettersAndEditingKeys) {
    HeadlessApp h;
    Form main(h.App(), "Main", 400, 300);
    auto* edit = main.Add<platform::Edit>("Edit1");
    edit->SetBounds(10, 10, 200, 24);
    auto* button = main.Add<SpeedButton>("Go");
    button->SetBounds(10, 100, 100, 40);
    auto* back = main.Add<SpeedButton>("Back");
    back->SetBounds(150, 100, 100, 40);
    int goes = 0, backs = 0, lists = 0;
    button->OnClick = [&] { ++goes; };
    back->OnClick = [&] { ++backs; };
    main.BindKeys({"G"}, "go", *button);
    main.BindKeys({"Left"}, "back", *back);
    h.App().SetKeyListHook([&](Form& front) {
        EXPECT_EQ(&front, &main);
        ++lists;
    });
    h.Then([&] {
        platform::Driver(h.App()).TypeText(*edit, "abc");
        platform::Driver(h.App()).PressKey("G");     // a letter for the edit box, not the key
        platform::Driver(h.App()).PressKey("Left");  // the caret moves, no click
        platform::Driver(h.App()).PressKey("Backspace");
        platform::Driver(h.App()).PressKey("F1");  // the list opens even while typing
    });
    h.Then([&] {
        EXPECT_EQ(edit->Text(), "ac");
        EXPECT_EQ(goes, 0);
        EXPECT_EQ(backs, 0);
        EXPECT_EQ(lists, 1);
        edit->Hide();  // the keyboard is free again
        platform::Driver(h.App()).PressKey("Left");
        platform::Driver(h.App()).PressKey("G");
        EXPECT_EQ(goes, 1);
        EXPECT_EQ(backs, 1);
        main.Close();
    });
    h.App().Run(main);
    EXPECT_EQ(lists, 1);
}

}  // namespace
