// Fuzz inputs as changes to real files. A damaged saved game or scenario is far more useful
// when it has the exact length of a good one, so an input names a base (a real save of a
// shipped scenario, or a shipped scenario's four files) and a list of changes to it:
//
//   byte 0       which base (modulo the number of bases)
//   then 8 bytes per change: a 32-bit little-endian place and a 32-bit little-endian value.
//
// Saved game: a place with its top bit clear sets integer (place mod 166641) of the ".int" file
// to the value; with the top bit set it sets byte (rest mod length) of the ".str" file to the
// value's low byte. Scenario: a place with its top bit clear writes the value as the decimal text
// of record (place mod records) of the module, map, monster and item files taken one after the
// other; with the top bit set it sets one byte of those files to the value's low byte.
//
// The bases are made at build time (marchholt-fuzz-seeds) in the corpus folder: bases/ holds
// the saves, scenarios/ the scenario files. The folder is $MARCHHOLT_FUZZ_CORPUS, or the one
// this program was built with.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "state/int_file.h"
#include "state/records.h"
#include "state/saved_layout.h"

namespace fuzzing {

using Bytes = std::vector<std::uint8_t>;

struct SavedBase {
    std::string name;
    Bytes ints, texts;
};

inline constexpr const char* kScenarioExtensions[4] = {".mod", ".map", ".mon", ".itm"};

struct ScenarioBase {
    std::string name;  // the base name of the four files
    std::array<Bytes, 4> files;
};

inline std::filesystem::path CorpusFolder() {
    if (const char* env = std::getenv("MARCHHOLT_FUZZ_CORPUS")) return env;
#ifdef MARCHHOLT_FUZZ_CORPUS_DIR
    return MARCHHOLT_FUZZ_CORPUS_DIR;
#else
    return "fuzz_corpus";
#endif
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff size = in.tellg();
    if (size <= 0) return {};
    Bytes bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The stems of the files with this extension in a folder, sorted.
inline std::vector<std::string> Stems(const std::filesystem::path& folder, const char* ext) {
    std::vector<std::string> stems;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ext) stems.push_back(entry.path().stem().string());
    }
    std::sort(stems.begin(), stems.end());
    return stems;
}

inline const std::vector<SavedBase>& SavedBases() {
    static const std::vector<SavedBase> bases = [] {
        std::vector<SavedBase> out;
        const auto folder = CorpusFolder() / "bases";
        for (const std::string& stem : Stems(folder, ".int")) {
            SavedBase b{stem, ReadBytes(folder / (stem + ".int")),
                        ReadBytes(folder / (stem + ".str"))};
            if (b.ints.size() == state::kSavedInts * 4 &&
                b.texts.size() == state::kSavedTexts * state::kRecordSize)
                out.push_back(std::move(b));
        }
        return out;
    }();
    return bases;
}

inline const std::vector<ScenarioBase>& ScenarioBases() {
    static const std::vector<ScenarioBase> bases = [] {
        std::vector<ScenarioBase> out;
        const auto folder = CorpusFolder() / "scenarios";
        for (const std::string& stem : Stems(folder, ".mod")) {
            ScenarioBase b{stem, {}};
            for (int f = 0; f < 4; ++f)
                b.files[static_cast<std::size_t>(f)] =
                    ReadBytes(folder / (stem + kScenarioExtensions[f]));
            out.push_back(std::move(b));
        }
        return out;
    }();
    return bases;
}

struct Change {
    std::uint32_t place;
    std::int32_t value;
};

inline std::vector<Change> Changes(const std::uint8_t* data, std::size_t size) {
    std::vector<Change> out;
    for (std::size_t at = 1; at + 8 <= size; at += 8) {
        std::vector<std::uint8_t> eight(data + at, data + at + 8);
        out.push_back({static_cast<std::uint32_t>(state::IntAt(eight, 0)), state::IntAt(eight, 1)});
    }
    return out;
}

inline constexpr std::uint32_t kRawByte = 0x80000000u;

// The base chosen by byte 0 with the changes applied, or nullptr without bases or input.
inline const SavedBase* ChangedSave(const std::uint8_t* data, std::size_t size, SavedBase& out) {
    const auto& bases = SavedBases();
    if (bases.empty() || size == 0) return nullptr;
    out = bases[data[0] % bases.size()];
    for (const Change& c : Changes(data, size)) {
        if (c.place & kRawByte) {
            out.texts[(c.place & ~kRawByte) % out.texts.size()] =
                static_cast<std::uint8_t>(c.value);
        } else {
            Bytes four;
            state::AppendInt(four, c.value);
            std::copy(four.begin(), four.end(),
                      out.ints.begin() + static_cast<long>(c.place % state::kSavedInts) * 4);
        }
    }
    return &out;
}

inline const ScenarioBase* ChangedScenario(const std::uint8_t* data, std::size_t size,
                                           ScenarioBase& out) {
    const auto& bases = ScenarioBases();
    if (bases.empty() || size == 0) return nullptr;
    out = bases[data[0] % bases.size()];
    std::size_t total = 0;
    for (const Bytes& f : out.files)
        total += f.size();
    if (total < state::kRecordSize) return &out;
    for (const Change& c : Changes(data, size)) {
        std::size_t at = c.place & kRawByte
                             ? (c.place & ~kRawByte) % total
                             : (c.place % (total / state::kRecordSize)) * state::kRecordSize;
        Bytes* file = nullptr;
        for (Bytes& f : out.files) {
            if (at < f.size()) {
                file = &f;
                break;
            }
            at -= f.size();
        }
        if (file == nullptr) continue;
        if (c.place & kRawByte) {
            (*file)[at] = static_cast<std::uint8_t>(c.value);
        } else if (at + state::kRecordSize <= file->size()) {
            const std::string text = std::to_string(c.value);
            (*file)[at] = static_cast<std::uint8_t>(text.size());
            std::copy(text.begin(), text.end(), file->begin() + static_cast<long>(at) + 1);
        }
    }
    return &out;
}

// One change as the 8 bytes an input holds (for seeds and tests).
inline void AppendChange(Bytes& input, std::uint32_t place, std::int32_t value) {
    state::AppendInt(input, static_cast<std::int32_t>(place));
    state::AppendInt(input, value);
}

}  // namespace fuzzing
