#include "sound/music_errors.h"

#include "platform/trace.h"

namespace sound {

void MusicErrors::Trace(const std::string& event) const {
    if (hooks_.trace) {
        hooks_.trace(event);
    } else {
        platform::Trace(event);
    }
}

void MusicErrors::Report(const std::string& file, const std::string& text, const std::string& key) {
    Trace("music error " + file + " " + platform::Quote(text));
    if (!seen_.insert(key.empty() ? text : key).second) return;
    pending_.push_back(text);
    Flush();
}

void MusicErrors::Flush() {
    if (ClockRunning()) return;
    while (!pending_.empty()) {
        const std::string text = pending_.front();
        pending_.pop_front();
        if (hooks_.reportError) hooks_.reportError(text);
    }
}

}  // namespace sound
