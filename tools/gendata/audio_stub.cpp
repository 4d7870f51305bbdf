#include "audio.h"
namespace gendata {
std::optional<Effect> MakeEffect(const std::string&) {
    return std::nullopt;
}
std::optional<Track> MakeTrack(const std::string&) {
    return std::nullopt;
}
}  // namespace gendata
