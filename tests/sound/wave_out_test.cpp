#include "sound/wave_out.h"

#include <gtest/gtest.h>

#include <deque>

#include "sound/fake_audio.h"

namespace {

using sound::EWaveOut;
using sound::TWaveOut;
using soundtest::FakeWaveOut;
using soundtest::WaveLog;

// A player on a fake device whose fill hook hands out the byte counts of a script, then 0.
struct PlayerRig {
    std::shared_ptr<WaveLog> log = std::make_shared<WaveLog>();
    std::unique_ptr<TWaveOut> player =
        std::make_unique<TWaveOut>(std::make_unique<FakeWaveOut>(log));
    std::deque<long> fills;
    int fillCalls = 0;
    int finished = 0;
    int progress = 0;
    std::vector<std::string> errors;

    PlayerRig() {
        player->SetFillHook([this](std::uint8_t* data, std::uint32_t capacity, double& time) {
            ++fillCalls;
            time = fillCalls * 0.25;
            if (fills.empty()) return 0L;
            const long n = fills.front();
            fills.pop_front();
            if (n > 0) std::fill(data, data + std::min<long>(n, capacity), std::uint8_t{7});
            return n;
        });
        player->SetFinishedHook([this] { ++finished; });
        player->SetProgressHook([this] { ++progress; });
        player->SetErrorHook([this](const EWaveOut& e) { errors.push_back(e.what()); });
    }
};

std::string ThrownBy(const std::function<void()>& action) {
    try {
        action();
    } catch (const EWaveOut& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

TEST(WaveOut, WriteCycleKeepsFourBuffersQueuedAndEndsWhenTheDataDoes) {
    PlayerRig rig;
    EXPECT_EQ(rig.player->Format().channels, 2);
    EXPECT_EQ(rig.player->Format().samplesPerSec, 44100);
    EXPECT_EQ(rig.player->Format().bitsPerSample, 16);
    rig.player->Open();
    EXPECT_EQ(rig.log->calls, (std::vector<std::string>{"query 2 44100 16", "open"}));
    rig.log->calls.clear();

    rig.fills = {65536, 65536, 65536, 65536, 65536, 1000};
    rig.player->Start();
    EXPECT_TRUE(rig.player->IsPlaying());
    EXPECT_EQ(rig.player->InFlight(), 4);
    EXPECT_EQ(rig.player->FreeBuffers(), 0);
    EXPECT_EQ(rig.player->WrittenSinceStart(), 4);
    EXPECT_EQ(rig.fillCalls, 4);
    EXPECT_EQ(rig.progress, 4);
    EXPECT_EQ(rig.log->calls, (std::vector<std::string>{
                                  "prepare 0 65536", "write 0", "prepare 1 65536", "write 1",
                                  "prepare 2 65536", "write 2", "prepare 3 65536", "write 3"}));
    EXPECT_DOUBLE_EQ(rig.player->PlayTime(), 1.0);

    // A buffer back: unprepared, and the same buffer goes out again with the next data.
    rig.log->calls.clear();
    ASSERT_TRUE(rig.log->CompleteOldest());
    EXPECT_EQ(rig.log->calls,
              (std::vector<std::string>{"unprepare 0", "prepare 0 65536", "write 0"}));
    EXPECT_EQ(rig.player->WrittenSinceStart(), 5);
    EXPECT_EQ(rig.progress, 6);  // one for the buffer back, one for the write
    ASSERT_TRUE(rig.log->CompleteOldest());
    EXPECT_EQ(rig.log->calls.back(), "write 1");
    EXPECT_EQ(rig.log->queued.back()->length, 1000u);

    // The data ends: playing stops, the rest drains, finished comes once with the last one.
    ASSERT_TRUE(rig.log->CompleteOldest());
    EXPECT_FALSE(rig.player->IsPlaying());
    EXPECT_EQ(rig.player->InFlight(), 3);
    EXPECT_EQ(rig.log->CompleteAll(), 3);
    EXPECT_EQ(rig.finished, 1);
    EXPECT_EQ(rig.player->FreeBuffers(), 4);
    EXPECT_EQ(rig.log->bytesWritten, 5u * 65536u + 1000u);
    EXPECT_EQ(rig.fillCalls, 7);
    EXPECT_TRUE(rig.errors.empty());

    // Starting again resets the count of buffers written.
    rig.fills = {10};
    rig.player->Start();
    EXPECT_EQ(rig.player->WrittenSinceStart(), 1);
}

TEST(WaveOut, FillsOfZeroOrLessEndAtOnceWithoutSpinning) {
    for (long first : {0L, -1L, -131L}) {
        PlayerRig rig;
        rig.player->Open();
        rig.fills = {first, 500};
        rig.player->Start();
        EXPECT_EQ(rig.fillCalls, 1) << first;
        EXPECT_FALSE(rig.player->IsPlaying()) << first;
        EXPECT_EQ(rig.player->FreeBuffers(), 4) << first;
        EXPECT_EQ(rig.log->writes, 0) << first;
        EXPECT_EQ(rig.finished, 1) << "nothing queued: the end is reported at once";
    }
    // A negative fill after some data ends the data like 0 does.
    PlayerRig rig;
    rig.player->Open();
    rig.fills = {100, 200, -3, 400};
    rig.player->Start();
    EXPECT_EQ(rig.fillCalls, 3);
    EXPECT_EQ(rig.player->InFlight(), 2);
    EXPECT_EQ(rig.finished, 0);
    rig.log->CompleteAll();
    EXPECT_EQ(rig.finished, 1);
    EXPECT_EQ(rig.fillCalls, 3) << "no fill after the end";
}

TEST(WaveOut, SendFailuresRaiseTheirTextsAndGiveTheBufferBack) {
    PlayerRig rig;
    rig.player->Open();
    rig.log->prepareResult = platform::kWaveNoMemory;
    rig.fills = {100};
    EXPECT_EQ(ThrownBy([&] { rig.player->Start(); }),
              "Cannot send wave buffer - waveOutPrepareHeader: device says 7");
    EXPECT_EQ(rig.player->FreeBuffers(), 4);
    EXPECT_EQ(rig.player->InFlight(), 0);
    EXPECT_FALSE(rig.player->IsPlaying());

    PlayerRig second;
    second.player->Open();
    second.log->writeResult = 99;  // a code the device has no text for
    second.fills = {100};
    EXPECT_EQ(ThrownBy([&] { second.player->Start(); }),
              "Cannot send wave buffer - waveOutWrite: Unknown error - waveOutGetErrorText: 99");
    EXPECT_EQ(second.player->FreeBuffers(), 4);
    EXPECT_EQ(second.log->calls.back(), "unprepare 0");

    // Inside a done notice the failure goes to the error hook and playing stops; the queued
    // buffers still drain and the end is reported.
    PlayerRig third;
    third.player->Open();
    third.fills = {100, 100, 100, 100, 100};
    third.player->Start();
    third.log->writeResult = platform::kWaveError;
    ASSERT_TRUE(third.log->CompleteOldest());
    EXPECT_EQ(third.errors,
              std::vector<std::string>{"Cannot send wave buffer - waveOutWrite: device says 1"});
    EXPECT_FALSE(third.player->IsPlaying());
    third.log->CompleteAll();
    EXPECT_EQ(third.finished, 1);
}

TEST(WaveOut, OpeningChecksTheFormatFirstAndRefusesTwice) {
    PlayerRig rig;
    rig.log->queryResult = platform::kWaveBadFormat;
    EXPECT_EQ(ThrownBy([&] { rig.player->Open(); }),
              "Wave format not supported (Stereo; 44.1 KHz; 16 bits (1411 kb/s) - waveOutOpen: "
              "device says 32");
    EXPECT_EQ(rig.log->calls, std::vector<std::string>{"query 2 44100 16"});
    EXPECT_FALSE(rig.player->IsOpen());

    rig.player->SetFormat({1, 22050, 16});
    EXPECT_EQ(ThrownBy([&] { rig.player->Open(); }),
              "Wave format not supported (Mono; 22.1 KHz; 16 bits (352 kb/s) - waveOutOpen: "
              "device says 32");

    rig.log->queryResult = platform::kWaveOk;
    rig.log->openResult = platform::kWaveAllocated;
    EXPECT_EQ(ThrownBy([&] { rig.player->Open(); }),
              "Unable to open wave device - waveOutOpen: device says 4");
    rig.log->openResult = platform::kWaveOk;
    rig.player->Open();
    EXPECT_TRUE(rig.player->IsOpen());
    EXPECT_EQ(ThrownBy([&] { rig.player->Open(); }), "WaveOut device already opened");

    // A new format on an open player closes and opens it again.
    rig.log->calls.clear();
    rig.player->SetFormat({2, 48000, 16});
    EXPECT_EQ(rig.log->calls,
              (std::vector<std::string>{"reset", "close", "query 2 48000 16", "open"}));

    rig.fills = {100, 100, 100, 100, 100};
    rig.player->Start();
    EXPECT_EQ(ThrownBy([&] {
                  rig.player->SetFormat({1, 8000, 16});
              }),
              "Cannot change waveOut device parameters while playing");
    EXPECT_EQ(rig.player->Format().samplesPerSec, 48000);
}

TEST(WaveOut, CloseResetsFirstAndReportsItsFailure) {
    PlayerRig rig;
    rig.player->Open();
    rig.fills = {100, 100};
    rig.player->Start();
    rig.log->closeResult = platform::kWaveError;
    rig.log->calls.clear();
    EXPECT_EQ(ThrownBy([&] { rig.player->Close(); }),
              "Cannot close waveOut - waveOutClose: device says 1");
    EXPECT_EQ(rig.log->calls,
              (std::vector<std::string>{"reset", "unprepare 0", "unprepare 1", "close"}));
    EXPECT_EQ(rig.player->FreeBuffers(), 4);
    rig.log->closeResult = platform::kWaveOk;
    rig.player->Close();
    EXPECT_FALSE(rig.player->IsOpen());
}

TEST(WaveOut, StaleAndLateNoticesAreIgnored) {
    PlayerRig rig;
    rig.player->Open();
    rig.fills = {100, 100, 100};
    rig.player->Start();
    rig.player->Stop();
    EXPECT_EQ(rig.player->FreeBuffers(), 4);
    // The notices the device posts for the buffers Reset returned arrive after Stop.
    const auto returned = rig.log->resetReturned;
    ASSERT_EQ(returned.size(), 3u);
    rig.log->calls.clear();
    for (auto* buffer : returned)
        rig.log->callback(buffer);
    EXPECT_TRUE(rig.log->calls.empty());
    EXPECT_EQ(rig.player->FreeBuffers(), 4);
    EXPECT_EQ(rig.finished, 0);

    // A notice for a player that no longer exists touches nothing.
    rig.fills = {100};
    rig.player->Start();
    platform::WaveBuffer* late = rig.log->queued.front();
    auto callback = rig.log->callback;
    rig.player.reset();
    EXPECT_EQ(rig.log->destroyed, 1);
    rig.log->calls.clear();
    callback(late);
    EXPECT_TRUE(rig.log->calls.empty());
    EXPECT_EQ(rig.finished, 0);
}

}  // namespace
