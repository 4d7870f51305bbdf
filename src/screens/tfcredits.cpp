#include "screens/tfcredits.h"

#include "screens/screen_services.h"

namespace screens {

namespace {
constexpr const char* kCredits =
    "Marchholt\n"
    "A game of lords, castles and dungeons.\n"
    "\n"
    "Made by the Marchholt team: design, programming, pictures, sounds and music.\n"
    "Every picture, sound and tune is drawn and composed by the game's own generator.\n"
    "\n"
    "Built on:\n"
    "SDL 2 - zlib licence\n"
    "SDL_ttf and FreeType - zlib licence; FreeType licence\n"
    "libjpeg-turbo - IJG licence and modified BSD licence\n"
    "libogg, libvorbis and libvorbisfile - BSD licence (Xiph.Org)\n"
    "libpng - libpng licence\n"
    "Fontconfig - MIT licence\n"
    "DejaVu fonts - Bitstream Vera licence (free)\n"
    "nlohmann/json - MIT licence\n"
    "GoogleTest and Google Benchmark - BSD and Apache 2.0 licences (tests only)";
}

TFCredits::TFCredits(ScreenServices& screens) : Form(screens.App(), "TFCredits", 640, 520) {
    SetCaption(kDialogCaption);
    auto* title = AddLabel(*this, "Label1", 20, 18, 600, 40, 26, true, false);
    title->SetAlign(platform::Align::Center);
    title->SetColor(platform::colors::kGold);
    title->SetCaption("Credits");
    auto* text = AddLabel(*this, "Label2", 40, 70, 560, 380, 14);
    text->SetAlign(platform::Align::Center);
    text->SetCaption(kCredits);
    AddButton(*this, screens.Svc(), "SpeedButton1", "Back", 245, 466, 150, 38, [this] { Close(); });
}

}  // namespace screens
