#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/control.h"
#include "platform/driver.h"
#include "platform/image.h"
#include "support/headless_app.h"

namespace {

using platform::Form;
using platform::SpeedButton;
using testsupport::HeadlessApp;

TEST(Forms, ModalFormOpenedFromAModalFormReturnsResultsInOrder) {
    HeadlessApp h;
    Form outer(h.App(), "Outer", 300, 200), inner(h.App(), "Inner", 200, 100),
        main(h.App(), "Main", 100, 100);
    auto* open = outer.Add<SpeedButton>("OpenInner");
    auto* yes = inner.Add<SpeedButton>("Yes");
    auto* ok = outer.Add<SpeedButton>("Ok");
    int innerResult = -1;
    std::vector<std::string> order;
    open->OnClick = [&] {
        innerResult = inner.ShowModal();
        order.push_back("inner returned");
    };
    yes->OnClick = [&] { inner.SetModalResult(platform::mrYes); };
    ok->OnClick = [&] { outer.SetModalResult(platform::mrOk); };
    int outerResult = -1;
    h.Then([&] {
        outerResult = outer.ShowModal();
        order.push_back("outer returned");
        main.Close();
    });
    h.Then([&] {
        EXPECT_EQ(h.App().InputForm(), &outer);
        platform::Driver(h.App()).ClickControl(*open);
    });
    h.Then([&] {
        EXPECT_EQ(h.App().InputForm(), &inner);  // only the topmost modal form takes input
        platform::Driver(h.App()).ClickControl(*yes);
    });
    h.Then([&] { platform::Driver(h.App()).ClickControl(*ok); });
    h.App().Run(main);
    EXPECT_EQ(innerResult, platform::mrYes);
    EXPECT_EQ(outerResult, platform::mrOk);
    EXPECT_EQ(order, (std::vector<std::string>{"inner returned", "outer returned"}));
}

TEST(Forms, CloseQueryCanRefuseAndEscapeGoesThroughIt) {
    HeadlessApp h;
    Form dialog(h.App(), "Dialog", 200, 100), main(h.App(), "Main", 100, 100);
    bool allow = false;
    int asked = 0;
    dialog.OnCloseQuery = [&] {
        ++asked;
        return allow;
    };
    int result = -1;
    h.Then([&] {
        result = dialog.ShowModal();
        main.Close();
    });
    h.Then([&] { platform::Driver(h.App()).RequestClose(); });  // the window frame's close: refused
    h.Then([&] { platform::Driver(h.App()).PressEnterEscape(false); });  // Escape: refused as well
    h.Then([&] {
        EXPECT_TRUE(dialog.Visible());
        allow = true;
        platform::Driver(h.App()).PressEnterEscape(false);
    });
    h.App().Run(main);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(result, platform::mrCancel);
    EXPECT_FALSE(dialog.Visible());
}

TEST(Forms, ARefusedModalResultKeepsTheFormOpen) {
    HeadlessApp h;
    Form dialog(h.App(), "Dialog", 200, 100), main(h.App(), "Main", 100, 100);
    bool pressed = false;
    dialog.OnCloseQuery = [&] { return pressed; };
    int result = -1;
    h.Then([&] {
        result = dialog.ShowModal();
        main.Close();
    });
    h.Then([&] {
        dialog.SetModalResult(2);  // refused: no button was pressed
        EXPECT_TRUE(dialog.Visible());
        EXPECT_EQ(dialog.ModalResult(), platform::mrNone);
        pressed = true;
        dialog.SetModalResult(1);
    });
    h.App().Run(main);
    EXPECT_EQ(result, 1);
}

TEST(Timers, FireInTimeOrderAndKeepFiringWhileAModalFormIsOpen) {
    HeadlessApp h;
    Form main(h.App(), "Main", 100, 100), dialog(h.App(), "Dialog", 100, 100);
    platform::Timer fast(h.App(), 300, false), slow(h.App(), 1000, false);
    std::vector<std::string> fired;
    fast.OnTimer = [&] { fired.push_back("fast@" + std::to_string(h.Clock().NowMs())); };
    slow.OnTimer = [&] {
        fired.push_back("slow@" + std::to_string(h.Clock().NowMs()));
        if (!dialog.Visible()) dialog.ShowModal();  // a timer that opens a modal form
    };
    h.Then([&] {
        fast.SetEnabled(true);
        slow.SetEnabled(true);
    });
    h.ThenWait(2100);
    h.Then([&] { dialog.Close(); });
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    const std::vector<std::string> expected = {"fast@300",  "fast@600",  "fast@900",
                                               "slow@1000", "fast@1200", "fast@1500",
                                               "fast@1800", "slow@2000", "fast@2100"};
    EXPECT_EQ(fired, expected);
}

TEST(Timers, ChangingTheIntervalRestartsTheCountAndDisabledTimersStayQuiet) {
    HeadlessApp h;
    Form main(h.App(), "Main", 100, 100);
    platform::Timer timer(h.App(), 1000, true);
    std::vector<std::int64_t> at;
    timer.OnTimer = [&] {
        at.push_back(h.Clock().NowMs());
        timer.SetEnabled(false);
        timer.SetInterval(50000);
        timer.SetEnabled(true);
    };
    platform::Timer off(h.App(), 10, false);
    off.OnTimer = [&] { ADD_FAILURE() << "a disabled timer fired"; };
    h.ThenWait(101000);
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    EXPECT_EQ(at, (std::vector<std::int64_t>{1000, 51000, 101000}));
}

// The number of caret-coloured pixels inside an edit box (its frame left out).
int InkInside(const platform::Image& shot, const platform::Edit& edit) {
    const platform::Rect r = edit.ScreenBounds();
    int ink = 0;
    for (int y = r.y + 2; y < r.y + r.h - 2; ++y) {
        for (int x = r.x + 2; x < r.x + r.w - 2; ++x) {
            if (shot.PixelAt(x, y) == 0xFF281C10u) ++ink;
        }
    }
    return ink;
}

TEST(Forms, OnlyTheEditBoxWithTheKeyboardShowsTheCaret) {
    HeadlessApp h;
    Form main(h.App(), "Main", 300, 200);
    auto* first = main.Add<platform::Edit>("Edit1");
    first->SetBounds(10, 10, 200, 24);
    auto* second = main.Add<platform::Edit>("Edit2");
    second->SetBounds(10, 60, 200, 24);
    std::vector<std::pair<int, int>> carets;
    auto look = [&] {
        h.App().DrawCanvas();
        auto shot = h.App().GetCanvas().Snapshot();
        carets.emplace_back(InkInside(*shot, *first), InkInside(*shot, *second));
    };
    h.Then(look);  // nothing has the keyboard yet
    h.Then([&] { platform::Driver(h.App()).ClickControl(*second); });
    h.Then(look);
    h.Then([&] { platform::Driver(h.App()).ClickControl(*first); });
    h.Then(look);
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    ASSERT_EQ(carets.size(), 3u);
    EXPECT_EQ(carets[0], std::make_pair(0, 0));
    EXPECT_EQ(carets[1].first, 0);
    EXPECT_GT(carets[1].second, 0);
    EXPECT_GT(carets[2].first, 0);
    EXPECT_EQ(carets[2].second, 0);
}

// The mean of red, green and blue over the middle of a radio button's box (the box is drawn
// at the left of the control, centred in its height).
int MiddleOfBox(const platform::Image& shot, const platform::RadioButton& radio) {
    const platform::Rect r = radio.ScreenBounds();
    const int box = 16, top = r.y + (r.h - box) / 2;
    int sum = 0, n = 0;
    for (int y = top + 6; y < top + box - 6; ++y) {
        for (int x = r.x + 6; x < r.x + box - 6; ++x) {
            const std::uint32_t p = shot.PixelAt(x, y);
            sum += static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
            ++n;
        }
    }
    return sum / n;
}

// The selected radio button is the marked one: a lit square in its box, where the others show
// an empty box on the form's colour.
TEST(Forms, TheCheckedRadioButtonIsTheMarkedOne) {
    HeadlessApp h;
    Form main(h.App(), "Main", 300, 200);
    auto* first = main.Add<platform::RadioButton>("RadioButton1");
    first->SetBounds(10, 10, 200, 32);
    first->SetCaption("Play this faction");
    auto* second = main.Add<platform::RadioButton>("RadioButton2");
    second->SetBounds(10, 60, 200, 32);
    second->SetCaption("Play this faction");
    second->SetChecked(true);
    std::vector<std::pair<int, int>> middles;
    auto look = [&] {
        h.App().DrawCanvas();
        auto shot = h.App().GetCanvas().Snapshot();
        middles.emplace_back(MiddleOfBox(*shot, *first), MiddleOfBox(*shot, *second));
    };
    h.Then(look);
    h.Then([&] { platform::Driver(h.App()).ClickControl(*first); });
    h.Then(look);
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    ASSERT_EQ(middles.size(), 2u);
    const platform::Color back = main.BackColor();
    const int empty = (back.r + back.g + back.b) / 3;
    EXPECT_TRUE(second->Checked() == false && first->Checked());
    EXPECT_EQ(middles[0].first, empty);
    EXPECT_GT(middles[0].second, empty + 100);
    EXPECT_GT(middles[1].first, empty + 100);
    EXPECT_EQ(middles[1].second, empty);
}

TEST(Forms, ShownFormsAreTracedWithTheirButtons) {
    HeadlessApp h;
    Form main(h.App(), "Main", 100, 100);
    main.SetCaption("Thornfeud");
    auto* b = main.Add<SpeedButton>("SpeedButton1");
    b->SetCaption("Save && quit");
    auto* hidden = main.Add<SpeedButton>("SpeedButton2");
    hidden->SetCaption("Hidden");
    hidden->Hide();
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    ASSERT_FALSE(h.Trace().empty());
    EXPECT_EQ(h.Trace().front(), "0 shown Main caption=\"Thornfeud\" buttons=\"Save & quit\"");
}

TEST(Forms, AnErrorIsShownOnceAfterTheOperationAndNeverStacks) {
    HeadlessApp h;
    Form main(h.App(), "Main", 100, 100);
    std::vector<std::string> steps;
    h.Then([&] {
        h.App().ReportError("Cannot load a.jpg", "picture:a.jpg");
        h.App().ReportError("Cannot load a.jpg", "picture:a.jpg");
        h.App().ReportError("Cannot load b.jpg", "picture:b.jpg");
        steps.push_back("operation finished");
    });
    h.Then([&] {
        ASSERT_NE(h.App().InputForm(), nullptr);
        EXPECT_EQ(h.App().InputForm()->ClassName(), "ErrorBox");
        steps.push_back("first box");
        platform::Driver(h.App()).PressEnterEscape(true);
    });
    h.Then([&] {
        EXPECT_EQ(h.App().InputForm()->ClassName(), "ErrorBox");
        steps.push_back("second box");
        platform::Driver(h.App()).PressEnterEscape(true);
    });
    h.Then([&] {
        EXPECT_EQ(h.App().InputForm(), &main);
        h.App().ReportError("Cannot load a.jpg", "picture:a.jpg");  // once per file name
        main.Close();
    });
    h.App().Run(main);
    EXPECT_EQ(steps, (std::vector<std::string>{"operation finished", "first box", "second box"}));
    int boxes = 0;
    for (const auto& line : h.Trace())
        boxes += line.find("shown ErrorBox") != std::string::npos;
    EXPECT_EQ(boxes, 2);
}

TEST(Display, CanvasSizeFollowsTheDesktopWidth) {
    int w = 0, h = 0;
    platform::Application::CanvasSizeFor(1440, 900, w, h);
    EXPECT_EQ(w, 1440);
    EXPECT_EQ(h, 900);
    platform::Application::CanvasSizeFor(1439, 1200, w, h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    platform::Application::CanvasSizeFor(801, 600, w, h);
    EXPECT_EQ(w, 1024);
    platform::Application::CanvasSizeFor(800, 600, w, h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
}

}  // namespace
