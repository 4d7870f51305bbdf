// The wait window's tick and its modal run.
#include "screens/tfmessage6.h"

#include <string>

#include "dungeon/exploration.h"
#include "rules/dungeon_view.h"
#include "screens/screen_services.h"

namespace screens {

namespace {
constexpr int kMostDots = 6;
}

DungeonWait::DungeonWait(ScreenServices& screens, platform::Form& form)
    : app_(screens.App()), form_(form), timer_(screens.App(), logic::kWaitTickMs, false) {
    dots_ = dynamic_cast<platform::Label*>(form_.Find("Label2"));
    timer_.OnTimer = [this] { Tick(); };
    // Only the end of the generation closes it.
    form_.OnCloseQuery = [this] { return done_; };
}

void DungeonWait::Run() {
    done_ = false;
    dotCount_ = 1;
    if (dots_) dots_->SetCaption(".");
    openedMs_ = app_.GetClock().NowMs();
    timer_.SetEnabled(true);
    form_.ShowModal();
    timer_.SetEnabled(false);
}

void DungeonWait::Tick() {
    dotCount_ = dotCount_ % kMostDots + 1;
    if (dots_) dots_->SetCaption(std::string(static_cast<size_t>(dotCount_), '.'));
    const auto elapsed = app_.GetClock().NowMs() - openedMs_;
    if (!logic::GenerationTick(static_cast<int>(elapsed))) return;
    timer_.SetEnabled(false);
    done_ = true;
    form_.Close();
}

}  // namespace screens
