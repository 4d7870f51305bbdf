#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#include "sound/fake_audio.h"
#include "sound/music_player.h"
#include "sound/music_sequencer.h"
#include "sound/sound_fixture.h"
#include "support/temp_dir.h"

namespace {

using sound::MusicChannels;
using sound::MusicSequencer;
using sound::SlotState;

constexpr int kSlot = MusicChannels::kMusicSlot;

// Channels and sequencer on a fake device, with the hooks recorded: traces, errors shown and
// jobs posted to a pretend message loop.
struct MusicRig {
    testsupport::TempGameFolders folders;
    soundtest::FakeAudio audio;
    bool musicOn = true;
    bool clock = false;
    std::vector<std::string> traces;
    std::vector<std::string> shown;
    std::deque<std::function<void()>> posted;
    std::unique_ptr<MusicChannels> channels;
    std::unique_ptr<MusicSequencer> music;

    explicit MusicRig(bool withPost = true) {
        sound::MusicHooks hooks;
        hooks.reportError = [this](const std::string& text) { shown.push_back(text); };
        hooks.clockRunning = [this] { return clock; };
        if (withPost) hooks.post = [this](std::function<void()> job) { posted.push_back(job); };
        hooks.trace = [this](const std::string& event) { traces.push_back(event); };
        channels = std::make_unique<MusicChannels>(audio, std::move(hooks));
        music = std::make_unique<MusicSequencer>(
            *channels, sound::SoundSwitches{[] { return true; }, [this] { return musicOn; }});
    }

    void Ogg(const std::string& name, double seconds = 0.5, int channelCount = 2,
             int rate = 44100) {
        soundtest::WriteSineOgg(folders.Data() / name, seconds, channelCount, rate);
    }
    void AllTracks() {
        Ogg("Intro.ogg");
        Ogg("Background.ogg");
        Ogg("PreppingTrack.ogg");
    }
    void RunPosted() {
        while (!posted.empty()) {
            auto job = posted.front();
            posted.pop_front();
            job();
        }
    }
};

TEST(MusicChannels, TrackPlaysThroughOnceAndItsSlotEmptiesAfterTheHandler) {
    MusicRig rig;
    rig.Ogg("Intro.ogg", 2.0);
    ASSERT_TRUE(rig.channels->PlayTrack(kSlot, "Intro.ogg"));
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Loaded);
    EXPECT_EQ(rig.channels->FileName(kSlot), "Intro.ogg");
    rig.channels->StartTrack(kSlot);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Playing);
    EXPECT_EQ(rig.audio.log->queued.size(), 4u);
    EXPECT_EQ(rig.audio.log->Count("prepare"), 4);
    EXPECT_EQ(rig.audio.log->calls[2], "prepare 0 65536");

    rig.audio.log->CompleteAll();
    // 2 s of 16-bit stereo at 44100 Hz, not a byte lost between buffers.
    EXPECT_EQ(rig.audio.log->bytesWritten, 2u * 44100u * 4u);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.traces,
              (std::vector<std::string>{"music start Intro.ogg", "music end Intro.ogg"}));
    // The player was not destroyed inside its own notice: it waits for the posted release.
    EXPECT_EQ(rig.audio.log->destroyed, 0);
    EXPECT_EQ(rig.channels->PendingReleases(), 1);
    ASSERT_EQ(rig.posted.size(), 1u);
    rig.RunPosted();
    EXPECT_EQ(rig.channels->PendingReleases(), 0);
    EXPECT_EQ(rig.audio.log->destroyed, 1);
    EXPECT_EQ(rig.audio.log->destroyedInsideNotice, 0);
    EXPECT_EQ(rig.audio.log->calls.back(), "close");
    EXPECT_TRUE(rig.shown.empty());
}

TEST(MusicChannels, ReleaseWaitsForTheNextCallWithoutAPostHookAndLateNoticesAreIgnored) {
    MusicRig rig(false);
    rig.Ogg("Intro.ogg", 0.5);
    rig.channels->PlayTrack(kSlot, "Intro.ogg");
    rig.channels->StartTrack(kSlot);
    // 88200 bytes: two buffers, the second partly filled.
    ASSERT_EQ(rig.audio.log->queued.size(), 2u);
    platform::WaveBuffer* last = rig.audio.log->queued.back();
    auto notice = rig.audio.log->callback;
    rig.audio.log->CompleteAll();
    EXPECT_EQ(rig.audio.log->bytesWritten, 88200u);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.channels->PendingReleases(), 1);
    EXPECT_EQ(rig.audio.log->destroyed, 0);

    rig.channels->Tidy();
    EXPECT_EQ(rig.audio.log->destroyed, 1);
    const size_t calls = rig.audio.log->calls.size();
    notice(last);  // a notice for the released player, delivered late
    EXPECT_EQ(rig.audio.log->calls.size(), calls);
    EXPECT_EQ(rig.traces.back(), "music end Intro.ogg");

    // A start whose very first fill finds no data ends at once and releases the slot too.
    soundtest::WriteSineOgg((rig.folders.Data() / "Silence.ogg"), 0.0, 2, 44100);
    ASSERT_TRUE(rig.channels->PlayTrack(kSlot, "Silence.ogg"));
    rig.channels->StartTrack(kSlot);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.traces.back(), "music end Silence.ogg");
    EXPECT_EQ(rig.channels->PendingReleases(), 1);
}

TEST(MusicChannels, StopTrackResetsAndClosesAtOnce) {
    MusicRig rig;
    rig.Ogg("Intro.ogg", 2.0);
    rig.channels->PlayTrack(kSlot, "Intro.ogg");
    rig.channels->StartTrack(kSlot);
    rig.channels->StopTrack(kSlot);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.audio.log->destroyed, 1);
    EXPECT_EQ(rig.audio.log->Count("reset"), 1);
    EXPECT_EQ(rig.audio.log->Count("unprepare"), 4);
    EXPECT_EQ(rig.audio.log->calls.back(), "close");
    EXPECT_EQ(rig.traces.back(), "music stop Intro.ogg");
    // The notices of the reset buffers come after the player is gone.
    for (auto* buffer : rig.audio.log->resetReturned)
        rig.audio.log->callback(buffer);
    EXPECT_EQ(rig.audio.log->calls.back(), "close");
    // Stopping an empty slot, or a slot that does not exist, does nothing.
    rig.channels->StopTrack(kSlot);
    rig.channels->StopTrack(0);
    rig.channels->StopTrack(7);
    EXPECT_EQ(rig.traces.size(), 2u);
}

TEST(MusicChannels, PlayerTakesTheFormatOfTheFile) {
    MusicRig rig;
    rig.Ogg("Mono.ogg", 0.5, 1, 22050);
    ASSERT_TRUE(rig.channels->PlayTrack(4, "Mono.ogg"));
    EXPECT_EQ(rig.audio.log->calls.front(), "query 1 22050 16");
    rig.channels->StartTrack(4);
    rig.audio.log->CompleteAll();
    EXPECT_EQ(rig.audio.log->bytesWritten, 22050u);  // 0.5 s of 16-bit mono
    EXPECT_EQ(rig.channels->State(4), SlotState::Empty);
}

TEST(MusicChannels, NonOggFileKeepsItsSlotAndShowsNothing) {
    MusicRig rig;
    rig.folders.WriteData("Intro.ogg", "RIFF....WAVEfmt this is no Ogg Vorbis stream at all");
    EXPECT_FALSE(rig.channels->PlayTrack(kSlot, "Intro.ogg"));
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::FileOnly);
    EXPECT_EQ(rig.channels->FileName(kSlot), "Intro.ogg");
    EXPECT_EQ(rig.audio.log->made, 0);
    rig.channels->StartTrack(kSlot);
    EXPECT_TRUE(rig.shown.empty());
    EXPECT_EQ(rig.traces.size(), 1u);
    EXPECT_EQ(rig.traces[0].rfind("music error Intro.ogg", 0), 0u) << rig.traces[0];

    rig.Ogg("Background.ogg");
    EXPECT_TRUE(rig.channels->PlayTrack(kSlot, "Background.ogg"));
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Loaded);
}

// Cuts one Ogg page out of a file: the decoder then meets a hole in the data.
void DropPage(const std::filesystem::path& path, size_t fromEnd) {
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<size_t> pages;
    for (size_t at = bytes.find("OggS"); at != std::string::npos; at = bytes.find("OggS", at + 1)) {
        pages.push_back(at);
    }
    ASSERT_GT(pages.size(), fromEnd + 3);
    const size_t drop = pages.size() - 1 - fromEnd;
    bytes.erase(pages[drop], pages[drop + 1] - pages[drop]);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(MusicChannels, DecoderErrorEndsTheTrackInsteadOfHanging) {
    MusicRig rig;
    rig.Ogg("Intro.ogg", 6.0);
    DropPage((rig.folders.Data() / "Intro.ogg"), 1);

    // The decoder reports the hole (a negative return); the track ends there for good.
    sound::MusicTrack track;
    ASSERT_TRUE(track.OpenFile((rig.folders.Data() / "Intro.ogg")));
    ASSERT_TRUE(track.OpenDecoder());
    std::vector<std::uint8_t> buffer(sound::TWaveOut::kBufferSize);
    double time = -1;
    long total = 0;
    for (int i = 0; i < 100 && !track.DecodeFailed(); ++i) {
        total += track.Fill(buffer.data(), static_cast<std::uint32_t>(buffer.size()), time);
    }
    ASSERT_TRUE(track.DecodeFailed());
    EXPECT_GT(total, 0);
    EXPECT_LT(total, 6L * 44100 * 4);
    EXPECT_GE(time, 0.0);
    EXPECT_EQ(track.Fill(buffer.data(), static_cast<std::uint32_t>(buffer.size()), time), 0);

    // Played through the channels, and again: the second time it is counted out to the same
    // length and ends alike.
    for (int play = 1; play <= 2; ++play) {
        rig.audio.log->bytesWritten = 0;
        ASSERT_TRUE(rig.channels->PlayTrack(kSlot, "Intro.ogg"));
        rig.channels->StartTrack(kSlot);
        EXPECT_LT(rig.audio.log->CompleteAll(), 30);
        EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
        EXPECT_EQ(rig.audio.log->bytesWritten, static_cast<std::uint64_t>(total)) << play;
        EXPECT_EQ(rig.traces.back(), "music end Intro.ogg");
        EXPECT_TRUE(rig.shown.empty());
    }

    // The file made anew, whole and longer: its own length, not the one counted before.
    rig.Ogg("Intro.ogg", 7.0);
    rig.audio.log->bytesWritten = 0;
    ASSERT_TRUE(rig.channels->PlayTrack(kSlot, "Intro.ogg"));
    rig.channels->StartTrack(kSlot);
    rig.audio.log->CompleteAll();
    EXPECT_EQ(rig.audio.log->bytesWritten, std::uint64_t{7 * 44100 * 4});
    EXPECT_EQ(rig.traces.back(), "music end Intro.ogg");
}

TEST(MusicSequencer, IntroThenBackgroundAndPreppingTrackInTurn) {
    MusicRig rig;
    rig.AllTracks();
    EXPECT_FALSE(rig.music->Started());
    EXPECT_EQ(rig.music->NextMusic(), std::nullopt);
    EXPECT_TRUE(rig.music->Started());
    EXPECT_EQ(rig.music->TrackNumber(), 2);
    EXPECT_EQ(rig.music->TimerTick(), 50000);
    EXPECT_EQ(rig.music->TrackNumber(), 3);
    EXPECT_EQ(rig.music->NextMusic(), std::optional<int>(31000));
    EXPECT_EQ(rig.music->TrackNumber(), 2);
    EXPECT_EQ(rig.music->TimerTick(), 50000);
    EXPECT_EQ(rig.music->TimerTick(), 31000);
    EXPECT_EQ(rig.traces, (std::vector<std::string>{
                              "music start Intro.ogg",
                              "music stop Intro.ogg",
                              "music start Background.ogg",
                              "music stop Background.ogg",
                              "music start PreppingTrack.ogg",
                              "music stop PreppingTrack.ogg",
                              "music start Background.ogg",
                              "music stop Background.ogg",
                              "music start PreppingTrack.ogg",
                          }));
    EXPECT_EQ(rig.channels->FileName(kSlot), "PreppingTrack.ogg");
    EXPECT_EQ(rig.channels->State(1), SlotState::Empty);
}

TEST(MusicSequencer, MusicOffStopsAtOnceAndOnRestartsTheIntro) {
    MusicRig rig;
    rig.AllTracks();
    rig.music->NextMusic();
    rig.music->NextMusic();
    rig.musicOn = false;
    rig.music->MusicOff();
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.traces.back(), "music stop Background.ogg");
    EXPECT_EQ(rig.music->TimerTick(), 50000);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty) << "the switch is off";
    EXPECT_EQ(rig.music->TrackNumber(), 3) << "a tick with music off changes nothing";

    rig.musicOn = true;
    rig.music->MusicOn();
    EXPECT_EQ(rig.channels->FileName(kSlot), "Intro.ogg");
    EXPECT_EQ(rig.traces.back(), "music start Intro.ogg");
    EXPECT_EQ(rig.music->TrackNumber(), 2);
    rig.music->NextMusic();
    EXPECT_EQ(rig.channels->FileName(kSlot), "Background.ogg");
}

TEST(MusicSequencer, MissingFileIsShownOnceAndTheSequenceMovesOn) {
    MusicRig rig;
    rig.Ogg("Intro.ogg");
    rig.Ogg("PreppingTrack.ogg");
    rig.music->NextMusic();
    rig.music->NextMusic();  // Background.ogg is missing
    EXPECT_EQ(rig.shown,
              std::vector<std::string>{"I/O error: cannot open \"Background.ogg\" (No such file or "
                                       "directory)."});
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.music->NextMusic(), std::optional<int>(31000));
    EXPECT_EQ(rig.channels->FileName(kSlot), "PreppingTrack.ogg");
    rig.music->NextMusic();  // missing again: traced, not shown again
    EXPECT_EQ(rig.shown.size(), 1u);
    EXPECT_EQ(rig.traces.back(),
              "music error Background.ogg \"I/O error: cannot open \\\"Background.ogg\\\" (No "
              "such file or directory).\"");
}

// A music file larger than any track may be is refused before the decoder searches it, and
// shown like a file that cannot be opened.
TEST(MusicSequencer, AnOversizedMusicFileIsShownAndNotOpened) {
    MusicRig rig;
    rig.Ogg("Intro.ogg");
    testsupport::MakeSparseFile(rig.folders.Data() / "Background.ogg",
                                MusicChannels::kMusicFileLimit + 1);
    rig.music->NextMusic();
    rig.music->NextMusic();  // Background.ogg is too large
    EXPECT_EQ(rig.shown, std::vector<std::string>{
                             "I/O error: cannot open \"Background.ogg\" (File too large)."});
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
}

TEST(MusicSequencer, NoAudioDeviceIsShownOnceAndTheGameGoesOnSilently) {
    MusicRig rig;
    rig.AllTracks();
    rig.audio.log->queryResult = platform::kWaveNoDriver;
    for (int tick = 0; tick < 6; ++tick)
        rig.music->TimerTick();
    ASSERT_EQ(rig.shown.size(), 1u);
    EXPECT_EQ(rig.shown[0],
              "Wave format not supported (Stereo; 44.1 KHz; 16 bits (1411 kb/s) - waveOutOpen: "
              "device says 6");
    EXPECT_EQ(rig.music->TrackNumber(), 3);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    // The same once the format query passes but the device itself is absent.
    rig.audio.log->queryResult = platform::kWaveOk;
    rig.audio.log->openResult = platform::kWaveBadDevice;
    rig.music->TimerTick();
    EXPECT_EQ(rig.shown.size(), 1u);
}

TEST(MusicSequencer, DeviceErrorWaitsForTheClockAndNeverStopsTheMusic) {
    MusicRig rig;
    rig.AllTracks();
    rig.Ogg("Intro.ogg", 2.0);
    rig.music->NextMusic();
    rig.clock = true;  // a battle starts
    rig.audio.log->writeResult = platform::kWaveNoMemory;
    rig.audio.log->CompleteOldest();
    EXPECT_TRUE(rig.shown.empty()) << "held back while the battle clock runs";
    // The buffers already queued play out before the player goes.
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Playing);
    EXPECT_EQ(rig.audio.log->CompleteAll(), 3);
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Empty);
    EXPECT_EQ(rig.audio.log->destroyed, 0);
    rig.RunPosted();
    EXPECT_EQ(rig.audio.log->destroyed, 1);
    EXPECT_EQ(rig.audio.log->destroyedInsideNotice, 0);
    EXPECT_TRUE(rig.shown.empty());
    rig.audio.log->writeResult = platform::kWaveOk;
    rig.music->NextMusic();  // still in battle: the music goes on
    EXPECT_EQ(rig.channels->State(kSlot), SlotState::Playing);
    EXPECT_TRUE(rig.shown.empty());
    rig.clock = false;
    rig.music->NextMusic();
    EXPECT_EQ(rig.shown,
              std::vector<std::string>{"Cannot send wave buffer - waveOutWrite: device says 7"});
    EXPECT_EQ(rig.channels->FileName(kSlot), "PreppingTrack.ogg");
}

TEST(MusicChannels, ResetAndReleaseAllEmptyEverySlot) {
    MusicRig rig;
    rig.AllTracks();
    rig.channels->PlayTrack(1, "Intro.ogg");
    rig.channels->PlayTrack(2, "Background.ogg");
    rig.channels->StartTrack(2);
    rig.channels->PlayTrack(6, "PreppingTrack.ogg");
    EXPECT_FALSE(rig.channels->PlayTrack(0, "Intro.ogg"));
    EXPECT_FALSE(rig.channels->PlayTrack(7, "Intro.ogg"));
    rig.channels->ReleaseAll();
    for (int slot = 1; slot <= MusicChannels::kSlots; ++slot) {
        EXPECT_EQ(rig.channels->State(slot), SlotState::Empty) << slot;
    }
    EXPECT_EQ(rig.audio.log->destroyed, rig.audio.log->made);
    EXPECT_EQ(rig.audio.log->made, 3);

    rig.channels->PlayTrack(3, "Intro.ogg");
    rig.channels->ResetMusicPlayers();
    EXPECT_EQ(rig.channels->State(3), SlotState::Empty);
    EXPECT_EQ(rig.audio.log->destroyed, 4);
}

}  // namespace
