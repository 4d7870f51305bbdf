// The recorder writes the player's input as the console commands that replay it, with the time
// between.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/session_recorder.h"
#include "platform/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "support/headless_app.h"
#include "support/temp_dir.h"

namespace {

using platform::MouseButton;
using testsupport::HeadlessApp;
using testsupport::TempDir;

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A window with the kinds of control a player reaches: a button, a move target that acts when
// pressed, two buttons of one name (the second found by its caption), an edit box, and a
// picture no word finds.
struct Window {
    explicit Window(platform::Application& app) : form(app, "TFTest", 400, 300) {
        ok = form.Add<platform::SpeedButton>("OkButton");
        ok->SetCaption("OK");
        ok->OnClick = [] {};
        move = form.Add<platform::Picture>("MoveFieldN");
        move->OnMouseDown = [](MouseButton, int, int) {};
        first = form.Add<platform::SpeedButton>("Twin");
        first->SetCaption("First");
        second = form.Add<platform::SpeedButton>("Twin");
        second->SetCaption("Second twin");
        edit = form.Add<platform::Edit>("Edit1");
        shadow = form.Add<platform::Picture>("MoveFieldN");
        shadow->OnMouseDown = [](MouseButton, int, int) {};
        label = form.Add<platform::Label>("Note");
        form.Show();
    }
    platform::Form form;
    platform::SpeedButton *ok, *first, *second;
    platform::Picture *move, *shadow;
    platform::Edit* edit;
    platform::Label* label;
};

TEST(SessionRecorder, WritesThePlayersInputAsConsoleCommandsWithTheTimeBetween) {
    HeadlessApp h;
    TempDir dir;
    Window w(h.App());
    app::SessionRecorder recorder(h.App());
    std::string error;
    ASSERT_TRUE(recorder.Open((dir / "game.mhs").string(), error)) << error;
    recorder.Start(42, 1440, 900);
    h.Clock().AdvanceTo(700);
    recorder.WaitingForInput();  // time starts here
    h.Clock().AdvanceTo(950);
    // A button clicks when the button comes up over it.
    recorder.Pressed(*w.ok, MouseButton::Left, 1);
    recorder.Released(*w.ok, MouseButton::Left, true);
    // A move target acts when pressed: written at the press, its release is part of it.
    h.Clock().AdvanceTo(1100);
    recorder.Pressed(*w.move, MouseButton::Left, 1);
    h.Clock().AdvanceTo(1180);
    recorder.Released(*w.move, MouseButton::Left, true);
    // Pressed on one button and let go over another: no click.
    recorder.Pressed(*w.first, MouseButton::Left, 1);
    recorder.Released(*w.ok, MouseButton::Left, false);
    // The second of two buttons of one name goes by its caption.
    recorder.Pressed(*w.second, MouseButton::Left, 1);
    recorder.Released(*w.second, MouseButton::Left, true);
    // A right click on what answers it; a label that does nothing is left out.
    recorder.Pressed(*w.label, MouseButton::Left, 1);
    recorder.Released(*w.label, MouseButton::Left, true);
    recorder.Pressed(*w.move, MouseButton::Right, 1);
    recorder.Released(*w.move, MouseButton::Right, true);
    // A double click: the first click, then the second press as dblclick.
    h.Clock().AdvanceTo(2000);
    recorder.Pressed(*w.ok, MouseButton::Left, 1);
    recorder.Released(*w.ok, MouseButton::Left, true);
    recorder.Pressed(*w.ok, MouseButton::Left, 2);
    recorder.Released(*w.ok, MouseButton::Left, true);
    // Typing: the edit box's whole text after each key that changed it.
    w.edit->SetText("a");
    recorder.Edited(*w.edit);
    w.edit->SetText("a b");
    recorder.Edited(*w.edit);
    recorder.Edited(*w.edit);  // a caret move changes nothing
    h.Clock().AdvanceTo(2000 + 86'400'000 + 5);
    recorder.EnterEscape(true);
    recorder.EnterEscape(false);
    recorder.CloseRequested();
    // The one no name finds: a second move target of the shown one's name.
    recorder.Pressed(*w.shadow, MouseButton::Left, 1);
    // Every line is in the file while the game still runs.
    EXPECT_EQ(ReadAll(dir / "game.mhs"),
              "seed 42\n"
              "# played on a 1440x900 desktop; replay: marchholt-console --desktop 1440x900 FILE\n"
              "wait 250\n"
              "click OkButton\n"
              "wait 150\n"
              "click MoveFieldN\n"
              "wait 80\n"
              "click \"Second twin\"\n"
              "rclick MoveFieldN\n"
              "wait 820\n"
              "click OkButton\n"
              "dblclick OkButton\n"
              "type Edit1 a\n"
              "type Edit1 \"a b\"\n"
              "wait 86400000\n"
              "wait 5\n"
              "key Enter\n"
              "key Escape\n"
              "close\n"
              "# click on TFTest.MoveFieldN, which no console name finds\n");
}

TEST(SessionRecorder, RefusesAFileItCannotWrite) {
    HeadlessApp h;
    TempDir dir;
    app::SessionRecorder recorder(h.App());
    std::string error;
    EXPECT_FALSE(recorder.Open((dir / "no-such-folder" / "game.mhs").string(), error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

}  // namespace
