// The file readers of the game state, each fed one input as the file it reads. Shared by the
// libFuzzer targets (fuzz_*.cpp) and the corpus test of the normal build.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_bases.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "state/progress_file.h"
#include "state/saved_games.h"
#include "state/scenario_files.h"

namespace fuzzing {

enum class Reader { module, map, monsters, items, savedGame, progress };

// A user and a data folder of their own, made once per process (Run points the game at them).
inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marchholt-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        const std::filesystem::path root = pattern;
        std::filesystem::create_directories(root / "data");
        std::filesystem::create_directories(root / "user");
        return root;
    }();
    return folder;
}

// Points the game at the fuzzers' folders.
inline void UseFolders() {
    platform::UseFiles(platform::Files(Folder() / "data", Folder() / "user"));
}

inline void WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(Folder() / "user" / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Writes the input as the reader's file and reads it into a fresh game state; returns whether
// the reader accepted it. The saved game's two files are a real save changed as the input says
// (fuzz_bases.h), so they always have their exact lengths.
inline bool Run(Reader reader, const std::uint8_t* data, std::size_t size) {
    UseFolders();
    // The program's one game state: the readers overwrite what they read.
    state::GameState* g = &state::G();
    std::string error;
    switch (reader) {
        case Reader::module:
            WriteFile("fuzz.mod", data, size);
            return state::LoadModule("fuzz", *g).Ok();
        case Reader::map:
            WriteFile("fuzz.map", data, size);
            return state::LoadMap("fuzz", *g).Ok();
        case Reader::monsters:
            WriteFile("fuzz.mon", data, size);
            return state::LoadMonsters("fuzz", *g).Ok();
        case Reader::items:
            WriteFile("fuzz.itm", data, size);
            return state::LoadItems("fuzz", *g).Ok();
        case Reader::savedGame: {
            SavedBase save;
            if (ChangedSave(data, size, save) == nullptr) return false;
            const std::string base = state::SlotBaseName(1);
            WriteFile(base + ".int", save.ints.data(), save.ints.size());
            WriteFile(base + ".str", save.texts.data(), save.texts.size());
            return state::LoadGame(1, error, *g);
        }
        case Reader::progress:
            WriteFile(state::kProgressFile, data, size);
            return state::ReadProgress(error, *g);
    }
    return false;
}

}  // namespace fuzzing
