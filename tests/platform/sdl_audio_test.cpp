// The SDL sound device on a driver that opens one device at a time (SDL's dummy driver): the
// effects and every wave-out player share that one device.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/application.h"
#include "platform/audio_silent.h"
#include "support/child_peak.h"
#include "support/headless_app.h"
#include "support/temp_dir.h"

namespace {

using testsupport::HeadlessApp;

TEST(SdlAudio, EffectsAndEveryPlayerShareOneDeviceAndBuffersComeBack) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    HeadlessApp h;
    platform::Form main(h.App(), "Main", 100, 100);
    std::string error;
    auto device = platform::MakeSdlAudio(h.App(), error);
    ASSERT_NE(device, nullptr) << error;
    auto music = device->CreateWaveOut();
    auto second = device->CreateWaveOut();
    std::vector<int> done;
    auto onDone = [&](platform::WaveBuffer* b) { done.push_back(b->tag); };
    // Two players in different formats beside the effects channel: every open succeeds.
    ASSERT_EQ(music->Open({2, 44100, 16}, false, onDone), platform::kWaveOk);
    ASSERT_EQ(second->Open({1, 22050, 8}, false, onDone), platform::kWaveOk);
    EXPECT_EQ(music->Open({2, 44100, 16}, false, onDone), platform::kWaveAllocated);

    std::vector<std::uint8_t> pcm(4410 * 4, 0);  // a tenth of a second of 16-bit stereo
    std::vector<std::uint8_t> pcm8(2205, 0x80);  // a tenth of a second of 8-bit mono
    platform::WaveBuffer a{pcm.data(), static_cast<std::uint32_t>(pcm.size())};
    a.tag = 1;
    platform::WaveBuffer b{pcm8.data(), static_cast<std::uint32_t>(pcm8.size())};
    b.tag = 2;
    music->Prepare(&a);
    second->Prepare(&b);
    ASSERT_EQ(music->Write(&a), platform::kWaveOk);
    ASSERT_EQ(second->Write(&b), platform::kWaveOk);
    device->PlaySoundAsync("missing.wav");  // plays nothing, reports nothing

    // The device plays in real time on its own thread; its notices arrive on this thread.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    std::function<void()> poll = [&] {
        if (done.size() >= 2 || std::chrono::steady_clock::now() > until) {
            main.Close();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        h.Then(poll);
    };
    h.Then(poll);
    h.App().Run(main);
    EXPECT_EQ(done.size(), 2u);
    EXPECT_EQ(music->Close(), platform::kWaveOk);
    // A player that outlives the device is closed and released without harm.
    device.reset();
    second.reset();
    unsetenv("SDL_AUDIODRIVER");
}

// A sound file larger than any effect may be plays nothing and is not read: a gigabyte costs no
// memory (measured from outside).
TEST(SdlAudio, AnOversizedSoundFileIsNotRead) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    HeadlessApp h;
    testsupport::MakeSparseFile(h.Data() / "huge.wav", std::uintmax_t{1} << 30);
    const testsupport::ChildRun run = testsupport::RunInChild([&h] {
        std::string error;
        auto device = platform::MakeSdlAudio(h.App(), error);
        if (!device) return 1;
        device->PlaySoundAsync("huge.wav");
        return 0;
    });
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);
}

}  // namespace
