#include "sound/fake_audio.h"

#include <algorithm>

namespace soundtest {

bool WaveLog::CompleteOldest() {
    if (queued.empty() || !callback) return false;
    platform::WaveBuffer* buffer = queued.front();
    queued.pop_front();
    auto notice = callback;  // the handler may close the device that holds the callback
    insideNotice = true;
    notice(buffer);
    insideNotice = false;
    return true;
}

int WaveLog::CompleteAll(int limit) {
    int n = 0;
    while (n < limit && CompleteOldest())
        ++n;
    return n;
}

int WaveLog::Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
        return c.compare(0, prefix.size(), prefix) == 0;
    }));
}

FakeWaveOut::~FakeWaveOut() {
    ++log_->destroyed;
    if (log_->insideNotice) ++log_->destroyedInsideNotice;
}

int FakeWaveOut::Open(const platform::WaveFormat& format, bool queryOnly, DoneCallback onDone) {
    log_->formats.push_back(format);
    if (queryOnly) {
        log_->calls.push_back("query " + std::to_string(format.channels) + " " +
                              std::to_string(format.samplesPerSec) + " " +
                              std::to_string(format.bitsPerSample));
        return log_->queryResult;
    }
    log_->calls.push_back("open");
    if (open_) return platform::kWaveAllocated;
    if (log_->openResult != platform::kWaveOk) return log_->openResult;
    open_ = true;
    log_->callback = std::move(onDone);
    return platform::kWaveOk;
}

int FakeWaveOut::Prepare(platform::WaveBuffer* buffer) {
    log_->calls.push_back("prepare " + std::to_string(buffer->tag) + " " +
                          std::to_string(buffer->length));
    if (!open_) return platform::kWaveInvalidHandle;
    if (log_->prepareResult != platform::kWaveOk) return log_->prepareResult;
    buffer->prepared = true;
    return platform::kWaveOk;
}

int FakeWaveOut::Write(platform::WaveBuffer* buffer) {
    log_->calls.push_back("write " + std::to_string(buffer->tag));
    if (!open_) return platform::kWaveInvalidHandle;
    if (!buffer->prepared) return platform::kWaveUnprepared;
    if (log_->writeResult != platform::kWaveOk) return log_->writeResult;
    if (log_->failWriteAfter >= 0 && log_->writes >= log_->failWriteAfter) {
        return log_->writeFailure;
    }
    ++log_->writes;
    log_->bytesWritten += buffer->length;
    buffer->queued = true;
    log_->queued.push_back(buffer);
    return platform::kWaveOk;
}

int FakeWaveOut::Unprepare(platform::WaveBuffer* buffer) {
    log_->calls.push_back("unprepare " + std::to_string(buffer->tag));
    if (std::find(log_->queued.begin(), log_->queued.end(), buffer) != log_->queued.end()) {
        return platform::kWaveStillPlaying;
    }
    buffer->prepared = false;
    buffer->queued = false;
    return platform::kWaveOk;
}

int FakeWaveOut::Reset() {
    log_->calls.push_back("reset");
    for (platform::WaveBuffer* buffer : log_->queued) {
        buffer->done = true;
        log_->resetReturned.push_back(buffer);
    }
    log_->queued.clear();
    return platform::kWaveOk;
}

int FakeWaveOut::Close() {
    log_->calls.push_back("close");
    if (!open_) return platform::kWaveInvalidHandle;
    if (!log_->queued.empty()) return platform::kWaveStillPlaying;
    if (log_->closeResult != platform::kWaveOk) return log_->closeResult;
    open_ = false;
    return platform::kWaveOk;
}

bool FakeWaveOut::ErrorText(int result, std::string& text) const {
    if (result <= 0 || result > 40) return false;
    text = "device says " + std::to_string(result);
    return true;
}

}  // namespace soundtest
