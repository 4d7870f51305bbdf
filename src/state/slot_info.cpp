#include "state/slot_info.h"

#include <cctype>
#include <charconv>
#include <string_view>

#include "platform/files.h"
#include "state/lord_colours.h"
#include "state/new_game.h"
#include "state/saved_games.h"

namespace state {

namespace {

constexpr std::string_view kFirstLine = "marchholt slot";
// Far more than the file ever holds; a larger one is not read.
constexpr std::size_t kLargestInfoFile = 4096;
constexpr std::size_t kLongestText = 255;

std::optional<Int> WholeNumber(std::string_view text, Int lowest, Int highest) {
    Int value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

// A text kept to one line of printable characters and the length a record holds.
std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text.substr(0, kLongestText))
        line += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? ' ' : c;
    return line;
}

Int HumanLordOf(const GameState& g) {
    for (Int lord = 1; lord <= 4; ++lord) {
        if (g.lord[lord][Lord::controller] == 1) return lord;
    }
    return 0;
}

}  // namespace

SlotInfo DescribeSavedGame(const GameState& g, const std::string& savedAt) {
    SlotInfo info;
    info.round = g.round;
    info.title = g.modText[ModText::title];
    info.lord = HumanLordOf(g);
    info.difficulty = info.lord != 0 ? g.lord[info.lord][Lord::difficulty] : 0;
    info.savedAt = savedAt;
    info.version = GameVersion();
    return info;
}

std::vector<std::uint8_t> EncodeSlotInfo(const SlotInfo& info) {
    std::string text = std::string(kFirstLine) + "\n";
    text += "round=" + std::to_string(info.round) + "\n";
    text += "title=" + OneLine(info.title) + "\n";
    text += "lord=" + std::to_string(info.lord) + "\n";
    text += "colour=" + LordColourName(info.lord) + "\n";
    text += "difficulty=" + std::to_string(info.difficulty) + "\n";
    text += "saved=" + OneLine(info.savedAt) + "\n";
    text += "version=" + OneLine(info.version) + "\n";
    return {text.begin(), text.end()};
}

std::optional<SlotInfo> DecodeSlotInfo(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > kLargestInfoFile) return std::nullopt;
    const std::string text(bytes.begin(), bytes.end());
    std::string_view rest = text;
    auto nextLine = [&rest]() {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    };
    if (nextLine() != kFirstLine) return std::nullopt;
    SlotInfo info;
    while (!rest.empty()) {
        const std::string_view line = nextLine();
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "round") {
            info.round = WholeNumber(value, 1, kLargestRound).value_or(kUnknownRound);
        } else if (key == "title") {
            info.title = OneLine(value);
        } else if (key == "lord") {
            info.lord = WholeNumber(value, 1, 4).value_or(0);
        } else if (key == "difficulty") {
            info.difficulty = WholeNumber(value, 1, 12).value_or(0);
        } else if (key == "saved") {
            info.savedAt = OneLine(value);
        } else if (key == "version") {
            info.version = OneLine(value);
        }
    }
    return info;
}

std::optional<SlotInfo> ReadSlotInfo(int slot) {
    const std::string base = SlotBaseName(slot);
    if (base.empty()) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (platform::CurrentFiles().Read(base + kSlotInfoExtension, kLargestInfoFile, bytes, error) !=
        platform::Files::ReadResult::read)
        return std::nullopt;
    return DecodeSlotInfo(bytes);
}

std::string SlotDetailsLine(const SlotInfo& info) {
    std::string line = info.title;
    auto add = [&line](const std::string& part) {
        if (part.empty()) return;
        line += (line.empty() ? "" : " - ") + part;
    };
    add("Round " + (info.round > 0 ? std::to_string(info.round) : std::string("?")));
    add(LordColourName(info.lord));
    add(DifficultyCaption(info.difficulty));
    add(info.savedAt);
    return line;
}

std::string LordColourName(Int lord) {
    std::string name = LordColourWord(lord);
    if (name.empty()) return name;
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

std::string DifficultyCaption(Int value) {
    for (std::size_t i = 0; i < std::size(kDifficultyValues); ++i) {
        if (kDifficultyValues[i] == value) return kDifficultyCaptions[i];
    }
    return {};
}

const char* GameVersion() {
    return MARCHHOLT_VERSION;
}

}  // namespace state
