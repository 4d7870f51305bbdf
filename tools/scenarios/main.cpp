// marchholt-scenarios: compiles the readable scenario sources into the game's four scenario
// files, and turns the four files back into sources.
//
//   marchholt-scenarios compile SRC_DIR OUT_DIR
//   marchholt-scenarios decompile BASENAME DATA_DIR OUT_SRC_DIR
//   marchholt-scenarios pictures OUT_FILE SRC_DIR...
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "scenario_source.h"
#include "state/records.h"
#include "state/scenario_files.h"
#include "state/scenario_layout.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw scenarios::SourceError(path.string() + ": cannot be written");
}

Bytes ReadBytes(const fs::path& path, std::size_t records) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw scenarios::SourceError(path.string() + ": cannot be read");
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (state::RecordReader::CountIn(bytes) < records)
        throw scenarios::SourceError(path.string() + ": has " +
                                     std::to_string(state::RecordReader::CountIn(bytes)) +
                                     " records, needs " + std::to_string(records));
    return bytes;
}

std::unique_ptr<state::GameState> Compile(const std::string& srcDir) {
    auto g = std::make_unique<state::GameState>();
    scenarios::ReadSources(srcDir, *g);
    return g;
}

int CompileCommand(const std::string& srcDir, const std::string& outDir) {
    const auto g = Compile(srcDir);
    const fs::path out(outDir);
    fs::create_directories(out);
    const std::string base = g->modText[state::ModText::mapFile];
    WriteBytes(out / (base + ".mod"), state::EncodeModule(*g));
    WriteBytes(out / (g->modText[state::ModText::mapFile] + ".map"), state::EncodeMap(*g));
    WriteBytes(out / (g->modText[state::ModText::monsterFile] + ".mon"), state::EncodeMonsters(*g));
    WriteBytes(out / (g->modText[state::ModText::itemFile] + ".itm"), state::EncodeItems(*g));
    return 0;
}

// Reads one file through the same record walk the game's loader uses.
template <class Walk>
void ReadInto(const fs::path& path, std::size_t records, state::GameState& g, Walk walk) {
    const Bytes bytes = ReadBytes(path, records);
    state::RecordReader reader(bytes);
    walk(
        g, [&](state::Int& v) { v = reader.Number(); }, [&](std::string& s) { s = reader.Text(); });
}

int DecompileCommand(const std::string& base, const std::string& dataDir,
                     const std::string& outDir) {
    auto g = std::make_unique<state::GameState>();
    const fs::path data(dataDir);
    ReadInto(data / (base + ".mod"), state::kModuleRecords, *g,
             [](auto& gs, auto&& n, auto&& t) { state::WalkModuleFile(gs, n, t); });
    ReadInto(data / (g->modText[state::ModText::mapFile] + ".map"), state::kMapRecords, *g,
             [](auto& gs, auto&& n, auto&& t) { state::WalkMapFile(gs, n, t); });
    ReadInto(data / (g->modText[state::ModText::monsterFile] + ".mon"), state::kMonsterRecords, *g,
             [](auto& gs, auto&& n, auto&& t) { state::WalkMonsterFile(gs, n, t); });
    ReadInto(data / (g->modText[state::ModText::itemFile] + ".itm"), state::kItemRecords, *g,
             [](auto& gs, auto&& n, auto&& t) { state::WalkItemFile(gs, n, t); });
    scenarios::WriteSources(*g, outDir);
    return 0;
}

int PicturesCommand(const std::string& outFile, const std::vector<std::string>& srcDirs) {
    std::set<std::string> names;
    for (const std::string& dir : srcDirs)
        scenarios::CollectPictureNames(*Compile(dir), names);
    std::string text;
    for (const std::string& n : names)
        text += n + "\n";
    std::ofstream out(outFile, std::ios::binary);
    out << text;
    if (!out) throw scenarios::SourceError(outFile + ": cannot be written");
    return 0;
}

int Usage() {
    std::cerr << "usage: marchholt-scenarios compile SRC_DIR OUT_DIR\n"
                 "       marchholt-scenarios decompile BASENAME DATA_DIR OUT_SRC_DIR\n"
                 "       marchholt-scenarios pictures OUT_FILE SRC_DIR...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "compile") return CompileCommand(args[1], args[2]);
        if (args.size() == 4 && args[0] == "decompile")
            return DecompileCommand(args[1], args[2], args[3]);
        if (args.size() >= 3 && args[0] == "pictures")
            return PicturesCommand(args[1], {args.begin() + 2, args.end()});
    } catch (const std::exception& e) {
        // Faults in a source name the file inside the source folder.
        const std::string where = args.size() >= 2 && args[0] == "compile" ? args[1] + "/" : "";
        std::cerr << "marchholt-scenarios: " << where << e.what() << "\n";
        return 1;
    }
    return Usage();
}
