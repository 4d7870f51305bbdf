// Drawing speed of the offscreen canvas: a form of 150 pictures of 50 x 50 (the size of the map
// tiles), and a full map of 132 tiles loaded by name as the map view does.
#include <benchmark/benchmark.h>

#include <cctype>
#include <string>

#include "platform/application.h"
#include "platform/files.h"
#include "support/temp_dir.h"
#include "support/test_pictures.h"

namespace {

struct Scene {
    testsupport::TempDir data, user;
    platform::VirtualClock clock;
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<platform::Form> form;
    std::vector<platform::Picture*> pictures;

    Scene() {
        for (int i = 0; i < 20; ++i) {
            data.WriteFile(
                "tile" + std::to_string(i) + ".jpg",
                testsupport::MakeJpeg(50, 50, static_cast<unsigned char>(20 + i * 10), 120, 60));
        }
        platform::UseFiles(platform::Files(data.Path(), user.Path()));
        platform::AppOptions options;
        options.headless = true;
        options.clock = &clock;
        app = std::make_unique<platform::Application>(options);
        std::string error;
        app->Init(error);
        form = std::make_unique<platform::Form>(*app, "Bench", 1000, 800);
        for (int i = 0; i < 150; ++i) {
            auto* p = form->Add<platform::Picture>("Image" + std::to_string(i));
            p->SetBounds((i % 15) * 60, (i / 15) * 60, 50, 50);
            p->LoadPicture("tile" + std::to_string(i % 20) + ".jpg");
            pictures.push_back(p);
        }
        form->Show();
    }
};

void BM_DrawFormWith150Pictures(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        scene.app->DrawCanvas();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawFormWith150Pictures)->Unit(benchmark::kMillisecond);

void BM_LoadAndDraw132Tiles(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        for (int i = 0; i < 132; ++i)
            scene.pictures[i]->LoadPicture("tile" + std::to_string(i % 20) + ".jpg");
        scene.app->DrawCanvas();
    }
}
BENCHMARK(BM_LoadAndDraw132Tiles)->Unit(benchmark::kMillisecond);

// A player's folder of 2,000 scenarios named in capitals: the list of them, and each one looked
// up by another case, as the scenario list reaches them.
void BM_List2000ScenariosOfOtherCase(benchmark::State& state) {
    testsupport::TempDir data, user;
    for (int i = 0; i < 2000; ++i)
        user.WriteText("SCENARIO" + std::to_string(i) + ".MOD", "x");
    const platform::Files files(data.Path(), user.Path());
    for (auto _ : state) {
        std::size_t found = 0;
        for (const std::string& name : files.UserFilesEnding(".mod")) {
            std::string lower = name;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            found += files.Find(lower).has_value() ? 1 : 0;
        }
        if (found != 2000) state.SkipWithError("a scenario was not found");
    }
}
BENCHMARK(BM_List2000ScenariosOfOtherCase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
