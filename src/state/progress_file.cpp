#include "state/progress_file.h"

#include <cstdint>
#include <vector>

#include "platform/files.h"
#include "state/int_file.h"
#include "state/range_check.h"

namespace state {

namespace {

constexpr std::size_t kProgressValues = 6;

}  // namespace

bool ReadProgress(std::string& error, GameState& g) {
    std::vector<std::uint8_t> data;
    std::string readError;
    if (platform::CurrentFiles().Read(kProgressFile, kProgressValues * 4, data, readError) !=
        platform::Files::ReadResult::read)
        data.clear();
    const std::size_t count = data.size() / 4;
    // A value outside its range reads as one the file does not hold.
    auto value = [&](std::size_t index) {
        const Int stored = index < count ? IntAt(data, index) : 0;
        return ProgressValueInRange(static_cast<int>(index) + 1, stored) ? stored : 0;
    };

    g.scenariosUnlocked = value(0);
    g.difficultyUnlocked = value(1);
    g.startCount = value(2);
    if (count >= kProgressValues) {
        g.soundOn = value(3) == 1;
        g.musicOn = value(4) == 1;
        g.hintsOn = value(5) == 1;
        return true;
    }
    g.soundOn = true;
    g.musicOn = true;
    g.hintsOn = true;
    return WriteProgress(error, g);
}

bool WriteProgress(std::string& error, const GameState& g) {
    std::vector<std::uint8_t> data;
    data.reserve(kProgressValues * 4);
    for (Int v : {g.scenariosUnlocked, g.difficultyUnlocked, g.startCount, Int{g.soundOn},
                  Int{g.musicOn}, Int{g.hintsOn}}) {
        AppendInt(data, v);
    }
    return platform::CurrentFiles().Write(kProgressFile, data, error);
}

}  // namespace state
