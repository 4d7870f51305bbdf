// marchholt-gendata: draws and composes every picture, sound and music file of the game.
//
//   marchholt-gendata --out DIR [--extra-names FILE] [--threads N]
//   marchholt-gendata --contact-sheet DIR
//   marchholt-gendata --icons DIR
//
// The extra names are the monster and item pictures that the scenario sources use; the
// scenario compiler writes them to a list so that every picture its data names exists.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app_icon.h"
#include "generate.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: marchholt-gendata --out DIR [--extra-names FILE] [--threads N]\n"
                 "       marchholt-gendata --contact-sheet DIR\n"
                 "       marchholt-gendata --icons DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    std::string sheets;
    std::string extra;
    std::string icons;
    int threads = 2;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else if (arg == "--contact-sheet" && hasValue) {
            sheets = argv[++i];
        } else if (arg == "--icons" && hasValue) {
            icons = argv[++i];
        } else if (arg == "--extra-names" && hasValue) {
            extra = argv[++i];
        } else if (arg == "--threads" && hasValue) {
            threads = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (!sheets.empty()) {
        std::string error;
        if (!gendata::WriteContactSheets(sheets, error)) {
            std::fprintf(stderr, "marchholt-gendata: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (!icons.empty()) {
        std::string error;
        if (!gendata::WriteAppIcons(icons, error)) {
            std::fprintf(stderr, "marchholt-gendata: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (out.empty()) return Usage();
    std::vector<std::string> extraNames;
    // A missing list is fine: the scenario sources may not name any pictures yet.
    if (!extra.empty()) gendata::ReadNameList(extra, extraNames);

    const auto start = std::chrono::steady_clock::now();
    const gendata::GenerateReport report = gendata::GenerateAll(out, extraNames, threads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const auto& failure : report.failures) {
        std::fprintf(stderr, "marchholt-gendata: %s\n", failure.c_str());
    }
    std::printf("marchholt-gendata: %d files, %.1f MB in %.1f s\n", report.files,
                static_cast<double>(report.bytes) / 1e6, seconds);
    return report.failures.empty() ? 0 : 1;
}
