#include "sound/wave_out.h"

#include <algorithm>
#include <cstdio>

namespace sound {

TWaveOut::TWaveOut(std::unique_ptr<platform::WaveOut> device)
    : device_(std::move(device)),
      memory_(static_cast<size_t>(kBufferCount) * kBufferSize),
      self_(std::make_shared<TWaveOut*>(this)) {
    for (int i = 0; i < kBufferCount; ++i) {
        buffers_[static_cast<size_t>(i)].tag = i;
        free_.push_back(i);
    }
}

TWaveOut::~TWaveOut() {
    self_.reset();
    if (!open_) return;
    playing_ = false;
    device_->Reset();
    ReclaimQueued();
    device_->Close();
}

std::string TWaveOut::ErrorText(int result) const {
    std::string text;
    if (device_->ErrorText(result, text)) return text;
    char fallback[64];
    std::snprintf(fallback, sizeof fallback, "Unknown error - waveOutGetErrorText: %d", result);
    return fallback;
}

void TWaveOut::SetFormat(const platform::WaveFormat& format) {
    if (playing_) throw EWaveOut("Cannot change waveOut device parameters while playing", 0);
    const bool wasOpen = open_;
    if (wasOpen) Close();
    format_ = format;
    if (wasOpen) Open();
}

void TWaveOut::Open() {
    if (open_) throw EWaveOut("WaveOut device already opened", 0);
    int result = device_->Open(format_, true, nullptr);
    if (result != platform::kWaveOk) {
        // The data rate in kbit/s, truncated like every division of the game.
        const int kbps = format_.samplesPerSec * format_.channels * format_.bitsPerSample / 1000;
        char text[160];
        std::snprintf(text, sizeof text,
                      "Wave format not supported (%s; %.1f KHz; %d bits (%d kb/s) - waveOutOpen: ",
                      format_.channels == 1 ? "Mono" : "Stereo", format_.samplesPerSec / 1000.0,
                      format_.bitsPerSample, kbps);
        throw EWaveOut(text + ErrorText(result), result);
    }
    std::weak_ptr<TWaveOut*> self = self_;
    result = device_->Open(format_, false, [self](platform::WaveBuffer* buffer) {
        if (auto player = self.lock()) (*player)->OnBufferDone(buffer);
    });
    if (result != platform::kWaveOk) {
        throw EWaveOut("Unable to open wave device - waveOutOpen: " + ErrorText(result), result);
    }
    open_ = true;
}

void TWaveOut::Close() {
    if (!open_) return;
    Stop();
    const int result = device_->Close();
    if (result != platform::kWaveOk) {
        throw EWaveOut("Cannot close waveOut - waveOutClose: " + ErrorText(result), result);
    }
    open_ = false;
}

void TWaveOut::Start() {
    if (playing_) return;
    written_ = 0;
    playing_ = true;
    // Stops at the end of the data as well as on an empty pool: a fill that returns nothing
    // puts its buffer back, so counting free buffers alone would never end.
    try {
        while (playing_ && !free_.empty())
            WriteCycle();
    } catch (const EWaveOut&) {
        playing_ = false;
        throw;
    }
    // No data at all: no buffer will ever come back to report the end, so report it now.
    if (!playing_ && queued_.empty() && finished_) finished_();
}

void TWaveOut::Stop() {
    playing_ = false;
    if (!open_) return;
    device_->Reset();
    ReclaimQueued();
}

void TWaveOut::ReclaimQueued() {
    while (!queued_.empty()) {
        const int index = queued_.front();
        queued_.pop_front();
        device_->Unprepare(&buffers_[static_cast<size_t>(index)]);
        free_.push_back(index);
    }
}

bool TWaveOut::WriteCycle() {
    if (free_.empty()) return false;
    const int index = free_.front();
    free_.pop_front();
    platform::WaveBuffer& buffer = buffers_[static_cast<size_t>(index)];
    std::uint8_t* data = memory_.data() + static_cast<size_t>(index) * kBufferSize;

    const long filled = fill_ ? fill_(data, kBufferSize, playTime_) : 0;
    if (filled <= 0) {
        free_.push_front(index);
        playing_ = false;
        return false;
    }
    buffer.data = data;
    buffer.length = static_cast<std::uint32_t>(std::min<long>(filled, kBufferSize));
    buffer.done = false;

    int result = device_->Prepare(&buffer);
    if (result != platform::kWaveOk) {
        free_.push_front(index);
        throw EWaveOut("Cannot send wave buffer - waveOutPrepareHeader: " + ErrorText(result),
                       result);
    }
    result = device_->Write(&buffer);
    if (result != platform::kWaveOk) {
        device_->Unprepare(&buffer);
        free_.push_front(index);
        throw EWaveOut("Cannot send wave buffer - waveOutWrite: " + ErrorText(result), result);
    }
    queued_.push_back(index);
    ++written_;
    if (progress_) progress_();
    return true;
}

int TWaveOut::IndexOf(const platform::WaveBuffer* buffer) const {
    for (int i = 0; i < kBufferCount; ++i) {
        if (&buffers_[static_cast<size_t>(i)] == buffer) return i;
    }
    return -1;
}

void TWaveOut::OnBufferDone(platform::WaveBuffer* buffer) {
    // Only a buffer we still count as queued is ours to take back: a notice for one that Stop
    // already reclaimed, or for a closed device, is stale.
    const int index = IndexOf(buffer);
    auto queuedAt = std::find(queued_.begin(), queued_.end(), index);
    if (!open_ || index < 0 || queuedAt == queued_.end()) return;

    device_->Unprepare(buffer);
    // The device plays in order, so this is the oldest queued buffer.
    queued_.erase(queuedAt);
    free_.push_back(index);
    if (progress_) progress_();
    try {
        if (playing_) WriteCycle();
    } catch (const EWaveOut& error) {
        playing_ = false;
        if (error_) error_(error);
    }
    // Checked after the write cycle too: when it found the end of the data and nothing is
    // queued any more, no further notice would come to report the end.
    if (!playing_ && queued_.empty() && finished_) finished_();
}

}  // namespace sound
