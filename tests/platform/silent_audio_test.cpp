#include <gtest/gtest.h>

#include "platform/application.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

// The headless sound device keeps time: a buffer is done when its data would have played.
TEST(SilentAudio, WaveOutBuffersFinishInTimeOrderAndNoticesStopAtClose) {
    HeadlessApp h;
    platform::Form main(h.App(), "Main", 100, 100);
    auto out = h.App().Audio().CreateWaveOut();
    std::vector<std::uint8_t> data(44100 * 4 / 2);  // half a second of 16-bit stereo
    platform::WaveBuffer a{data.data(), static_cast<std::uint32_t>(data.size())};
    platform::WaveBuffer b = a;
    b.tag = 2;
    std::vector<std::pair<int, std::int64_t>> done;
    EXPECT_EQ(out->Open({2, 44100, 16}, true, nullptr), platform::kWaveOk);
    EXPECT_EQ(out->Open({3, 44100, 16}, true, nullptr), platform::kWaveBadFormat);
    h.Then([&] {
        ASSERT_EQ(out->Open({2, 44100, 16}, false,
                            [&](platform::WaveBuffer* buf) {
                                done.emplace_back(buf->tag, h.Clock().NowMs());
                            }),
                  platform::kWaveOk);
        EXPECT_EQ(out->Write(&a), platform::kWaveUnprepared);
        out->Prepare(&a);
        out->Prepare(&b);
        EXPECT_EQ(out->Write(&a), platform::kWaveOk);
        EXPECT_EQ(out->Write(&b), platform::kWaveOk);
        EXPECT_EQ(out->Close(), platform::kWaveStillPlaying);
    });
    h.ThenWait(1200);
    h.Then([&] {
        out->Write(&a);
        out->Reset();                                // returns the buffer at once...
        EXPECT_EQ(out->Close(), platform::kWaveOk);  // ...but its notice comes after the close
    });
    h.ThenWait(100);
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[0], (std::pair<int, std::int64_t>{0, 500}));
    EXPECT_EQ(done[1], (std::pair<int, std::int64_t>{2, 1000}));
}

TEST(SilentAudio, EffectsAreRecordedInTheTranscript) {
    HeadlessApp h;
    h.App().Audio().PlaySoundAsync("button.wav");
    EXPECT_TRUE(h.Traced("0 sound button.wav"));
    EXPECT_FALSE(h.App().Audio().Audible());
}

}  // namespace
