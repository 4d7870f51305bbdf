// Replays a console script in a fresh copy of the program and shortens a failing one.
#include "app/script_shrinker.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace app {

namespace {

std::filesystem::path TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "marchholt-replay-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

}  // namespace

bool FailsAtLastCommand(const ReplaySetup& setup, const std::vector<std::string>& lines) {
    const std::filesystem::path dir = TempDir();
    if (dir.empty()) return false;
    const std::filesystem::path script = dir / "replay.mhs", output = dir / "replay.out";
    {
        std::ofstream file(script);
        for (const std::string& line : lines)
            file << line << '\n';
    }
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_DATA_HOME", (dir / "user").c_str(), 1);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int devNull = open("/dev/null", O_WRONLY);
        if (out >= 0) dup2(out, STDOUT_FILENO);
        if (devNull >= 0) dup2(devNull, STDERR_FILENO);
        const std::string seed = std::to_string(setup.seed);
        const std::string desktop =
            std::to_string(setup.desktopWidth) + "x" + std::to_string(setup.desktopHeight);
        execl(setup.program.c_str(), setup.program.c_str(), "--seed", seed.c_str(), "--desktop",
              desktop.c_str(), script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
    int failures = 0;
    bool lastFailed = false;
    std::ifstream in(output);
    const std::string lastLine = "FAIL line " + std::to_string(lines.size()) + ":";
    for (std::string line; std::getline(in, line);) {
        if (line.find(" FAIL line ") == std::string::npos) continue;
        ++failures;
        if (line.find(lastLine) != std::string::npos) lastFailed = true;
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 1 && failures == 1 &&
           lastFailed;
}

std::vector<std::string> ShrinkScript(const ReplaySetup& setup, std::vector<std::string> lines,
                                      std::chrono::steady_clock::time_point deadline) {
    if (lines.size() < 2) return lines;
    const std::string check = lines.back();
    lines.pop_back();
    // Drop chunks of commands, halving the chunk size whenever no chunk could go.
    size_t chunk = std::max<size_t>(1, lines.size() / 2);
    while (!lines.empty() && std::chrono::steady_clock::now() < deadline) {
        bool dropped = false;
        for (size_t start = 0;
             start < lines.size() && std::chrono::steady_clock::now() < deadline;) {
            std::vector<std::string> candidate(lines.begin(),
                                               lines.begin() + static_cast<long>(start));
            const size_t end = std::min(lines.size(), start + chunk);
            candidate.insert(candidate.end(), lines.begin() + static_cast<long>(end), lines.end());
            candidate.push_back(check);
            if (FailsAtLastCommand(setup, candidate)) {
                candidate.pop_back();
                lines = std::move(candidate);
                dropped = true;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1 && !dropped) break;
        if (!dropped) chunk = std::max<size_t>(1, chunk / 2);
    }
    lines.push_back(check);
    return lines;
}

}  // namespace app
