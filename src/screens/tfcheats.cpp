#include "screens/tfcheats.h"

#include "rules/lords.h"
#include "screens/screen_services.h"
#include "screens/tfaistatusscreen.h"
#include "screens/tfcampaign1.h"
#include "state/game_state.h"
#include "state/int_math.h"

namespace screens {

namespace {
state::Record& CurrentLordRecord() {
    state::GameState& g = state::G();
    const int lord = logic::ShownLord();
    return g.lord[lord];
}

// The amounts come from a saved game and may already be at the end of the range.
void AddTo(state::Int& amount, state::Int change) {
    amount = state::AddSaturated(amount, change);
}
}  // namespace

TFCheats::TFCheats(ScreenServices& screens, TFCampaign1& campaign)
    : Form(screens.App(), "TFCheats", 420, 380), screens_(screens), campaign_(campaign) {
    SetCaption(kGameCaption);
    Services& s = screens.Svc();
    auto* title = AddLabel(*this, "Label1", 20, 18, 380, 36, 22, true, false);
    title->SetAlign(platform::Align::Center);
    title->SetColor(platform::colors::kGold);
    title->SetCaption("Cheats");
    const int x = 60, w = 300;
    AddButton(*this, s, "SpeedButton12", "+ 1.000 gold", x, 70, w, 40, [this] {
        AddTo(CurrentLordRecord()[state::Lord::gold], 1000);
        Done();
    });
    AddButton(*this, s, "SpeedButton2", "-1000 gold", x, 120, w, 40, [this] {
        AddTo(CurrentLordRecord()[state::Lord::gold], -1000);
        Done();
    });
    AddButton(*this, s, "SpeedButton4", "Some resources", x, 170, w, 40, [this] {
        state::Record& lord = CurrentLordRecord();
        for (int slot : {state::Lord::honor, state::Lord::wood, state::Lord::iron,
                         state::Lord::stone, state::Lord::gems}) {
            AddTo(lord[slot], 100);
        }
        Done();
    });
    AddButton(*this, s, "SpeedButton5", "Show AI status screen", x, 220, w, 40, [this] {
        // Not modal: the status screen stays open beside the game, on the green lord.
        aiStatus_->ShowLord(2);
        aiStatus_->Show();
        Done();
    });
    AddButton(*this, s, "SpeedButton1", "Back to the game", x, 300, w, 40, [this] { Close(); });
}

void TFCheats::Done() {
    screens_.Dialogs().ShowShortNotice("Done.", "Continue");
    campaign_.DrawStatusBar();
}

}  // namespace screens
