#include <gtest/gtest.h>

#include "platform/driver.h"
#include "screens/message_dialogs.h"
#include "state/game_state.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

// The pictures the dialogs of these tests show.
bool WritePictures(const HeadlessApp& h) {
    for (const char* name : {"p.jpg", "m2_castle.jpg", "m1_action_help.jpg"}) {
        h.Data().WriteFile(name, testsupport::MakeJpeg(40, 40, 120, 100, 60));
    }
    return true;
}

struct DialogFixture {
    HeadlessApp h;
    bool pictures = WritePictures(h);
    sound::SoundSystem sound{h.App().Audio(),
                             sound::SoundSwitches{[] { return true; }, [] { return false; }},
                             [](int) { return 0; }, sound::MusicHooks{}};
    screens::Services services{h.App(), sound};
    screens::MessageDialogs dialogs{services};
    platform::Form main{h.App(), "Main", 100, 100};
    logic::Dialogs& ui = dialogs;

    platform::Form* Top() { return h.App().InputForm(); }
    void Click(const std::string& name) {
        platform::Control* c = Top()->Find(name);
        ASSERT_NE(c, nullptr) << name;
        platform::Driver(h.App()).ClickControl(*c);
    }
    void Run() {
        h.Then([this] { main.Close(); });
        h.App().Run(main);
    }
};

TEST(MessageDialogs, ChoiceLeaveIsTwoWithOneOptionAndThreeWithTwo) {
    DialogFixture f;
    int one = 0, two = 0, first = 0;
    int heightOne = 0, heightTwo = 0;
    f.h.Then([&] { one = f.ui.AskChoice("p.jpg", "T", "x", "Enter dungeon"); });
    f.h.Then([&] {
        heightOne = f.Top()->Height();
        EXPECT_FALSE(f.Top()->Find("SpeedButton3")->Visible());
        EXPECT_EQ(f.Top()->Find("SpeedButton2")->Caption(), "Leave");
        f.Click("SpeedButton2");
    });
    f.h.Then([&] { two = f.ui.AskChoice("p.jpg", "T", "x", "Buy", "Sell"); });
    f.h.Then([&] {
        heightTwo = f.Top()->Height();
        EXPECT_EQ(f.Top()->Find("SpeedButton3")->Caption(), "Leave");
        f.Click("SpeedButton3");
    });
    f.h.Then([&] { first = f.ui.AskChoice("p.jpg", "T", "x", "Buy", "Sell"); });
    f.h.Then([&] { f.Click("SpeedButton1"); });
    f.Run();
    EXPECT_EQ(one, 2);
    EXPECT_EQ(two, 3);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(heightOne, 365);
    EXPECT_EQ(heightTwo, 413);
}

TEST(MessageDialogs, ADisabledOptionCannotBePressedAndIsEnabledAgainAfterwards) {
    DialogFixture f;
    int result = 0;
    f.h.Then([&] { result = f.ui.AskChoice("p.jpg", "T", "x", "Enter", "", false); });
    f.h.Then([&] {
        EXPECT_FALSE(f.Top()->Find("SpeedButton1")->Enabled());
        EXPECT_EQ(f.Top()->Find("SpeedButton1")->Caption(), "Enter");
        f.Click("SpeedButton2");
    });
    f.Run();
    EXPECT_EQ(result, 2);
    EXPECT_TRUE(f.dialogs.Form("TFMessage7").Button(1)->Enabled());
}

TEST(MessageDialogs, OfferAndYesNoRefuseAFrameCloseButNoticesDoNot) {
    DialogFixture f;
    int offer = -5, yesNo = -5;
    f.h.Then(
        [&] { offer = f.ui.AskOffer("p.jpg", "Dungeon", "x", "Enter dungeon", "Leave", true); });
    f.h.Then([&] { platform::Driver(f.h.App()).RequestClose(); });
    f.h.Then([&] {
        EXPECT_EQ(f.Top()->ClassName(), "TFMessage4");  // still open
        platform::Driver(f.h.App()).PressEnterEscape(false);
    });
    f.h.Then([&] {
        EXPECT_EQ(f.Top()->ClassName(), "TFMessage4");
        f.Click("SpeedButton2");
    });
    f.h.Then([&] { yesNo = f.ui.AskYesNo("Really?", "Yes", "No"); });
    f.h.Then([&] { platform::Driver(f.h.App()).RequestClose(); });
    f.h.Then([&] {
        EXPECT_EQ(f.Top()->ClassName(), "TFMessage5");
        f.Click("SpeedButton1");
    });
    f.h.Then([&] { f.ui.ShowShortNotice("Done.", "Continue"); });
    f.h.Then([&] { platform::Driver(f.h.App()).RequestClose(); });
    f.h.Then([&] { EXPECT_EQ(f.Top(), &f.main); });
    f.Run();
    EXPECT_EQ(offer, 2);
    EXPECT_EQ(yesNo, 1);
    EXPECT_EQ(state::G().dialogAnswer, 1);
}

TEST(MessageDialogs, EveryButtonPlaysTheClickFirstAndTheTranscriptShowsTheDialog) {
    DialogFixture f;
    f.h.Then([&] {
        f.ui.ShowNotice("m2_castle.jpg", "Siege!!", "You plunder 5 gold coins!", "Continue");
    });
    f.h.Then([&] { f.Click("SpeedButton1"); });
    f.Run();
    bool shown = false, clicked = false;
    for (const auto& line : f.h.Trace()) {
        if (line.find("shown TFMessage2 title=\"Siege!!\" text=\"You plunder 5 gold coins!\" "
                      "buttons=\"Continue\" picture=\"m2_castle.jpg\"") != std::string::npos) {
            shown = true;
        }
        if (line.find("sound button.wav") != std::string::npos) {
            EXPECT_TRUE(shown);
            clicked = true;
        }
    }
    EXPECT_TRUE(shown);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(f.h.Traced("closed TFMessage2"));
}

TEST(MessageDialogs, CaptionsPersistBetweenUses) {
    DialogFixture f;
    f.h.Then([&] { f.ui.ShowShortNotice("First", "Fine"); });
    f.h.Then([&] { f.Click("SpeedButton1"); });
    f.Run();
    // The window keeps what the last caller set until another caller changes it.
    EXPECT_EQ(f.dialogs.Form("TFMessage3").Button(1)->Caption(), "Fine");
    EXPECT_EQ(f.dialogs.Form("TFMessage3").TextLabel()->Caption(), "First");
    EXPECT_EQ(f.dialogs.Form("TFMessage3").Caption(), "Thornfeud");
    EXPECT_EQ(f.dialogs.Form("TFGameOver").Caption(), "Marchholt");
}

}  // namespace
