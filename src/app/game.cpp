#include "app/game.h"

#include <string>

#include "app/script_registry.h"
#include "platform/application.h"
#include "platform/trace.h"

namespace app {

namespace {

// A first start form: a background window with one button that opens a modal dialog, whose
// timer ticks while it is shown. The game's real windows replace it.
class StartForm final : public platform::Form {
public:
    explicit StartForm(platform::Application& app)
        : Form(app, "TForm1", app.CanvasWidth(), app.CanvasHeight()), dialog_(app, "TestDialog", 400, 200),
          timer_(app, 1000, false) {
        SetFullCanvas(true);
        SetColor(platform::colors::kBlack);
        SetCaption("Marchholt");
        auto* title = Add<platform::Label>("Label1");
        title->SetBounds(0, 200, app.CanvasWidth(), 60);
        title->SetFontSize(40);
        title->SetBold(true);
        title->SetAlign(platform::Align::Center);
        title->SetColor(platform::colors::kGold);
        title->SetCaption("Marchholt");
        auto* open = Add<platform::SpeedButton>("SpeedButton1");
        open->SetCaption("Open a dialog");
        open->SetBounds((app.CanvasWidth() - 240) / 2, 320, 240, 40);
        open->OnClick = [this] { dialog_.ShowModal(); };
        auto* quit = Add<platform::SpeedButton>("SpeedButton2");
        quit->SetCaption("Quit");
        quit->SetBounds((app.CanvasWidth() - 240) / 2, 380, 240, 40);
        quit->OnClick = [this] { Close(); };

        ticks_ = dialog_.Add<platform::Label>("Label1");
        ticks_->SetBounds(20, 40, 360, 40);
        ticks_->SetAlign(platform::Align::Center);
        auto* close = dialog_.Add<platform::SpeedButton>("SpeedButton1");
        close->SetCaption("Close");
        close->SetBounds(150, 130, 100, 36);
        close->OnClick = [this] { dialog_.SetModalResult(platform::mrOk); };
        dialog_.SetCaption("Marchholt");
        dialog_.OnShow = [this] {
            count_ = 0;
            ticks_->SetCaption("Ticks: 0");
            timer_.SetEnabled(true);
        };
        dialog_.OnClose = [this] { timer_.SetEnabled(false); };
        timer_.OnTimer = [this] {
            ++count_;
            ticks_->SetCaption("Ticks: " + std::to_string(count_));
            platform::Trace("tick " + std::to_string(count_));
        };
    }

private:
    platform::Form dialog_;
    platform::Timer timer_;
    platform::Label* ticks_ = nullptr;
    int count_ = 0;
};

}  // namespace

int RunMarchholt(platform::Application& app, const GameOptions&) {
    app.SwitchToFullScreen();
    StartForm start(app);
    app.Run(start);
    app.RestoreDisplay();
    return 0;
}

}  // namespace app
