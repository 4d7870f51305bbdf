#include "sound/music_player.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace sound {

namespace {

constexpr int kBitsPerSample = 16;

bool NoDevice(int result) {
    return result == platform::kWaveNoDriver || result == platform::kWaveBadDevice;
}

}  // namespace

MusicChannels::MusicChannels(platform::AudioDevice& device, MusicHooks hooks)
    : device_(device),
      hooks_(std::move(hooks)),
      errors_(hooks_),
      self_(std::make_shared<MusicChannels*>(this)) {}

// Players and decoders go with the slots; nothing is reported any more.
MusicChannels::~MusicChannels() {
    self_.reset();
}

MusicChannels::Slot* MusicChannels::SlotAt(int slot) {
    if (slot < 1 || slot > kSlots) return nullptr;
    return &slots_[static_cast<size_t>(slot)];
}

const MusicChannels::Slot* MusicChannels::SlotAt(int slot) const {
    if (slot < 1 || slot > kSlots) return nullptr;
    return &slots_[static_cast<size_t>(slot)];
}

SlotState MusicChannels::State(int slot) const {
    const Slot* s = SlotAt(slot);
    if (!s || !s->track) return SlotState::Empty;
    if (!s->player) return SlotState::FileOnly;
    if (s->player->IsPlaying() || s->player->InFlight() > 0) return SlotState::Playing;
    return SlotState::Loaded;
}

std::string MusicChannels::FileName(int slot) const {
    const Slot* s = SlotAt(slot);
    return s && s->track ? s->fileName : std::string();
}

void MusicChannels::ReportDeviceError(const std::string& file, const EWaveOut& error) {
    // Without a device every track fails the same way; the player hears about it once.
    errors_.Report(file, error.what(), NoDevice(error.Result()) ? "no audio device" : "");
}

void MusicChannels::Empty(Slot& slot) {
    if (slot.player) {
        try {
            slot.player->Close();
        } catch (const EWaveOut& error) {
            ReportDeviceError(slot.fileName, error);
        }
    }
    slot.player.reset();
    slot.track.reset();
    slot.fileName.clear();
}

void MusicChannels::EmptyLater(Slot& slot) {
    released_.push_back(std::move(slot));
    slot = Slot{};
    PostRelease();
}

void MusicChannels::PostRelease() {
    if (!hooks_.post || releasePosted_) return;
    releasePosted_ = true;
    std::weak_ptr<MusicChannels*> self = self_;
    hooks_.post([self] {
        if (auto channels = self.lock()) (*channels)->ReleasePending();
    });
}

void MusicChannels::ReleasePending() {
    releasePosted_ = false;
    std::vector<Slot> released;
    released.swap(released_);
    for (Slot& slot : released)
        Empty(slot);
}

void MusicChannels::Tidy() {
    ReleasePending();
    errors_.Flush();
}

void MusicChannels::TrackFinished(int slot, const TWaveOut* player) {
    Slot* s = SlotAt(slot);
    if (!s || s->player.get() != player) return;
    Trace("music end " + s->fileName);
    EmptyLater(*s);
}

void MusicChannels::TrackFailed(int slot, const TWaveOut* player, const EWaveOut& error) {
    Slot* s = SlotAt(slot);
    if (!s || s->player.get() != player) return;
    // The player has stopped writing; the buffers still queued drain, and the finished hook
    // empties the slot when the last one is back (or the next track replaces it).
    ReportDeviceError(s->fileName, error);
}

// A file as it is now: its path, size and time of change.
std::string MusicChannels::LengthKey(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    const auto changed = std::filesystem::last_write_time(path, ec);
    return path.string() + "|" + std::to_string(size) + "|" +
           std::to_string(changed.time_since_epoch().count());
}

bool MusicChannels::PlayTrack(int slot, const std::string& fileName) {
    Tidy();
    Slot* s = SlotAt(slot);
    if (!s) return false;
    StopTrack(slot);

    const auto path = platform::CurrentFiles().Find(fileName);
    std::error_code sizeError;
    if (path && std::filesystem::file_size(*path, sizeError) > kMusicFileLimit && !sizeError) {
        errors_.Report(fileName, platform::IoErrorText("open", fileName, EFBIG));
        return false;
    }
    auto track = std::make_unique<MusicTrack>();
    if (!path || !track->OpenFile(*path)) {
        const int error = path ? errno : ENOENT;
        errors_.Report(fileName, platform::IoErrorText("open", fileName, error));
        return false;
    }
    s->fileName = fileName;
    s->track = std::move(track);
    // Where nobody hears the music, a file decoded once before is only counted: its length
    // and format are known.
    const std::string key = device_.Audible() ? std::string() : LengthKey(*path);
    const auto known = key.empty() ? lengths_.end() : lengths_.find(key);
    if (known != lengths_.end()) {
        s->track->OpenKnown(known->second);
    } else if (!s->track->OpenDecoder()) {
        // Plays nothing and shows nothing; the file stays open in the slot until it is next
        // emptied.
        Trace("music error " + fileName + " \"not an Ogg Vorbis file\"");
        return false;
    }

    std::unique_ptr<platform::WaveOut> output = device_.CreateWaveOut();
    if (!output) {
        Trace("music error " + fileName + " \"no wave-out device\"");
        Empty(*s);
        return false;
    }
    auto player = std::make_unique<TWaveOut>(std::move(output));
    const TWaveOut* self = player.get();
    MusicTrack* decoder = s->track.get();
    player->SetFormat({s->track->Channels(), s->track->Rate(), kBitsPerSample});
    // Music nobody hears keeps its rhythm without being decoded.
    if (device_.Audible()) {
        player->SetFillHook([decoder](std::uint8_t* data, std::uint32_t capacity, double& time) {
            return decoder->Fill(data, capacity, time);
        });
    } else {
        // Decoded once for its length; every later play of the same file counts silence.
        player->SetFillHook(
            [this, decoder, key](std::uint8_t* data, std::uint32_t capacity, double& time) {
                const long got = decoder->FillSilence(data, capacity, time);
                if (decoder->Ended()) lengths_.emplace(key, decoder->DecodedLength());
                return got;
            });
    }
    player->SetFinishedHook([this, slot, self] { TrackFinished(slot, self); });
    player->SetErrorHook(
        [this, slot, self](const EWaveOut& error) { TrackFailed(slot, self, error); });
    try {
        player->Open();
    } catch (const EWaveOut& error) {
        ReportDeviceError(fileName, error);
        Empty(*s);
        return false;
    }
    s->player = std::move(player);
    return true;
}

void MusicChannels::StartTrack(int slot) {
    Tidy();
    Slot* s = SlotAt(slot);
    if (!s || !s->player || s->player->IsPlaying()) return;
    Trace("music start " + s->fileName);
    try {
        s->player->Start();
    } catch (const EWaveOut& error) {
        // Start has returned, so the player may go at once.
        const std::string fileName = s->fileName;
        Empty(*s);
        ReportDeviceError(fileName, error);
    }
}

void MusicChannels::StopTrack(int slot) {
    ReleasePending();
    Slot* s = SlotAt(slot);
    if (!s) return;
    if (s->player) Trace("music stop " + s->fileName);
    Empty(*s);
}

void MusicChannels::ResetMusicPlayers() {
    ReleasePending();
    for (int slot = 1; slot <= kSlots; ++slot)
        Empty(slots_[static_cast<size_t>(slot)]);
}

void MusicChannels::ReleaseAll() {
    for (int slot = 1; slot <= kSlots; ++slot)
        StopTrack(slot);
    ReleasePending();
}

}  // namespace sound
