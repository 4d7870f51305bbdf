#include "screens/tfsaveload.h"
#include "events/theme_display.h"

#include "campaign/turn_cycle.h"
#include "dungeon/duel.h"
#include "rules/lords.h"
#include "screens/screen_services.h"
#include "screens/tfcampaign1.h"
#include "state/game_state.h"
#include "state/saved_games.h"
#include "state/slot_info.h"

namespace screens {

TFSaveLoad::TFSaveLoad(ScreenServices& screens, TFCampaign1& campaign)
    : Form(screens.App(), "TFSaveLoad", 860, 640), screens_(screens), campaign_(campaign) {
    SetCaption("Save / Load");
    Services& s = screens.Svc();
    for (int slot = 1; slot <= 5; ++slot) {
        const int y = 20 + (slot - 1) * 96;
        auto* label = AddLabel(*this, "LabelSlot" + std::to_string(slot), 20, y + 30, 90, 28, 16,
                               true, false);
        label->SetCaption("Slot: " + std::to_string(slot));
        auto* hint =
            AddLabel(*this, "LabelHint" + std::to_string(slot), 120, y, 420, 22, 12, false, false);
        hint->SetCaption("Enter a description for the savegame here:");
        descriptions_[slot] = Add<platform::Edit>("Edit" + std::to_string(slot));
        descriptions_[slot]->SetBounds(120, y + 26, 420, 34);
        saveButtons_[slot] =
            AddButton(*this, s, "SpeedButton" + std::to_string(slot * 2 - 1), "Save", 560, y + 24,
                      130, 38, [this, slot] { SaveSlot(slot); });
        loadButtons_[slot] = AddButton(*this, s, "SpeedButton" + std::to_string(slot * 2), "Load",
                                       706, y + 24, 130, 38, [this, slot] { LoadSlot(slot); });
        // What the slot's small file tells of the game in it, under its description.
        details_[slot] = AddLabel(*this, "LabelDetails" + std::to_string(slot), 120, y + 64, 716,
                                  22, 12, false, false);
    }
    loadButtons_[state::kAutoSlot] =
        AddButton(*this, s, "SpeedButton12", "Continue your last game (autosave feature)", 120, 510,
                  560, 42, [this] { LoadSlot(state::kAutoSlot); });
    details_[state::kAutoSlot] =
        AddLabel(*this, "LabelDetails6", 120, 553, 560, 22, 12, false, false);
    details_[state::kAutoSlot]->SetAlign(platform::Align::Center);
    AddButton(*this, s, "SpeedButton11", "Back", 355, 576, 150, 42, [this] {
        logic::SetupThemeDisplay();
        Close();
    });
}

void TFSaveLoad::FillSaveScreen() {
    const state::GameState& g = state::G();
    const state::SlotDescriptions texts = state::ReadDescriptions();
    for (int slot = 1; slot <= 5; ++slot)
        descriptions_[slot]->SetText(texts[slot - 1]);
    for (int slot = 1; slot <= 6; ++slot) {
        const bool exists = state::SlotExists(slot);
        loadButtons_[slot]->SetEnabled(exists);
        // A slot saved without the small file shows its description alone.
        const std::optional<state::SlotInfo> info =
            exists ? state::ReadSlotInfo(slot) : std::nullopt;
        details_[slot]->SetCaption(info ? state::SlotDetailsLine(*info) : "");
    }
    const int lord = logic::ShownLord();
    // From the main menu no game is being played: the tables still hold the game that was left
    // (or nothing), and a save of them could not be loaded or would hold a finished game.
    const bool running = campaign_.Visible() && !g.gameOver && g.inDungeon >= 0 &&
                         g.lord[lord][state::Lord::inGame] >= 1;
    for (int slot = 1; slot <= 5; ++slot)
        saveButtons_[slot]->SetEnabled(running);
}

void TFSaveLoad::SaveDescriptions() {
    state::SlotDescriptions texts;
    for (int slot = 1; slot <= 5; ++slot)
        texts[slot - 1] = descriptions_[slot]->Text();
    std::string error;
    if (!state::WriteDescriptions(texts, error)) screens_.ShowError(error);
}

void TFSaveLoad::SaveSlot(int slot) {
    logic::Dialogs& ui = screens_.Dialogs();
    if (loadButtons_[slot]->Enabled() &&
        ui.AskYesNo("Do you really want to SAVE the game in this slot (any saved games in this "
                    "slot are lost)?",
                    "Yes", "No") != 1) {
        ui.ShowShortNotice("Error! Game could not be saved. Please try again.", "Continue");
        return;
    }
    // The game first, then the descriptions: a save that fails leaves both as they were.
    std::string error;
    if (!state::SaveGame(slot, error)) {
        screens_.ShowError(error);
        return;
    }
    SaveDescriptions();
    ui.ShowShortNotice("Game saved.", "Continue");
    FillSaveScreen();
}

void TFSaveLoad::LoadSlot(int slot) {
    state::GameState& g = state::G();
    logic::Dialogs& ui = screens_.Dialogs();
    const int dungeonLord = state::InRange(g.dungeonLord, 1, 4) ? g.dungeonLord : 1;
    if (g.heroSkill[dungeonLord][1] > 0) {
        const char* question =
            slot == state::kAutoSlot
                ? "Do you really want to LOAD your last automatic savegame (the current game "
                  "will be lost)?"
                : "Do you really want to LOAD this game (the current game will be lost)?";
        if (ui.AskYesNo(question, "Yes", "No") != 1) return;
    }
    std::string error;
    if (!state::LoadGame(slot, error)) {
        screens_.ShowError(error);
        return;
    }
    // A loaded game is never on its way into a dungeon, and no duel of the old game goes on.
    state::G().enteringDungeon = false;
    logic::AbandonDuel();
    // The notice opens over the loaded game's map, not the old one's.
    if (campaign_.Visible()) campaign_.DrawMap(logic::HumanMayAct(), false);
    ui.ShowShortNotice("Game loaded.", "Continue");
    FillSaveScreen();
    logic::SetupThemeDisplay();
    Close();
}

}  // namespace screens
