// The music channels: six slots, each able to hold one track (its file, its decoder and its
// wave-out player). The game plays its music on slot 2.
//
// A slot is empty, loaded (player made, device open) or playing. PlayTrack always empties the
// slot first, so a slot plays at most one track; a track that reaches its end empties its slot.
//
// A track's player is never destroyed from inside its own buffer-done handler (which is where
// its end is noticed): the slot is emptied at once, and its contents wait on a release list that
// is cleared at the next turn of the message loop (when a post hook is given) or at the next
// call into the channels.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "sound/music_errors.h"
#include "sound/music_track.h"
#include "sound/sound_hooks.h"
#include "sound/wave_out.h"

namespace sound {

// FileOnly: the file is open but is not Ogg Vorbis, so no player was made.
enum class SlotState { Empty, FileOnly, Loaded, Playing };

class MusicChannels {
  public:
    static constexpr int kSlots = 6;
    static constexpr int kMusicSlot = 2;
    // The largest music file opened: many times the longest track of the game. The decoder
    // streams, but a larger file is refused before the decoder searches it.
    static constexpr std::uintmax_t kMusicFileLimit = 256u << 20;

    MusicChannels(platform::AudioDevice& device, MusicHooks hooks);
    ~MusicChannels();
    MusicChannels(const MusicChannels&) = delete;
    MusicChannels& operator=(const MusicChannels&) = delete;

    // Empties the slot, then opens the file by bare name, its decoder and a player in the
    // decoder's format. A missing file, or one larger than kMusicFileLimit, is reported; a file
    // that is not Ogg Vorbis stays open in the slot and plays nothing. False when nothing can
    // play.
    bool PlayTrack(int slot, const std::string& fileName);
    // Starts a loaded slot playing.
    void StartTrack(int slot);
    // Empties the slot: the player is reset and closed, the decoder and the file released.
    void StopTrack(int slot);
    // At start-up: every slot empty.
    void ResetMusicPlayers();
    // At shut-down: every slot emptied and every release carried out.
    void ReleaseAll();

    SlotState State(int slot) const;
    // The file name a slot holds ("" when it holds no file).
    std::string FileName(int slot) const;
    // Players whose release is still to be carried out.
    int PendingReleases() const { return static_cast<int>(released_.size()); }
    // Carries out the waiting releases and shows the errors kept back.
    void Tidy();

    MusicErrors& Errors() { return errors_; }
    void Trace(const std::string& event) const { errors_.Trace(event); }

  private:
    struct Slot {
        std::string fileName;
        std::unique_ptr<MusicTrack> track;
        std::unique_ptr<TWaveOut> player;
    };

    Slot* SlotAt(int slot);
    const Slot* SlotAt(int slot) const;
    // Closes the slot's player and releases everything it holds.
    void Empty(Slot& slot);
    // Moves the slot's contents to the release list (safe inside the player's own handlers).
    void EmptyLater(Slot& slot);
    void ReportDeviceError(const std::string& file, const EWaveOut& error);
    void TrackFinished(int slot, const TWaveOut* player);
    void TrackFailed(int slot, const TWaveOut* player, const EWaveOut& error);
    void ReleasePending();
    void PostRelease();

    static std::string LengthKey(const std::filesystem::path& path);

    platform::AudioDevice& device_;
    MusicHooks hooks_;
    // Where nobody hears the music: each file's decoded length, by LengthKey.
    std::map<std::string, MusicTrack::Length> lengths_;
    MusicErrors errors_;
    std::array<Slot, kSlots + 1> slots_;  // numbered 1 to 6; 0 unused
    std::vector<Slot> released_;
    // Cleared when the channels go away, so that a posted release left over finds nothing.
    std::shared_ptr<MusicChannels*> self_;
    bool releasePosted_ = false;
};

}  // namespace sound
