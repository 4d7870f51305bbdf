// Replays a console script in a fresh copy of the program and shortens a failing one.
#include "app/script_shrinker.h"
#include "app/script.h"
#include "platform/temp_folder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace app {

namespace {

// A transcript line "TIME FAIL line N: WHY": N and WHY, or 0 when the line is no failure.
int FailedLine(const std::string& line, std::string& why) {
    const std::string marker = " FAIL line ";
    const size_t at = line.find(marker);
    if (at == std::string::npos) return 0;
    const size_t number = at + marker.size();
    const size_t colon = line.find(':', number);
    if (colon == std::string::npos) return 0;
    why = line.substr(std::min(line.size(), colon + 2));
    return std::atoi(line.c_str() + number);
}

bool FailsOnlyAtEnd(const ReplayResult& r, size_t size, const std::string& failure) {
    return r.ran && r.failedLines == std::vector<int>{static_cast<int>(size)} &&
           r.lastFailure == failure;
}

// Whether the last line fails as before; failures of other lines are allowed (a command that
// fails does nothing, so they are dropped afterwards).
bool FailsAtEnd(const ReplayResult& r, size_t size, const std::string& failure) {
    return r.ran && !r.failedLines.empty() && r.failedLines.back() == static_cast<int>(size) &&
           r.lastFailure == failure;
}

using Accept = std::function<bool(const ReplayResult&, size_t)>;

// Drops chunks of commands (not the check at the end) while the replay is accepted, halving the
// chunk size whenever no chunk could go.
std::vector<std::string> DropChunks(const ReplaySetup& setup, std::vector<std::string> lines,
                                    const Accept& accept,
                                    std::chrono::steady_clock::time_point deadline) {
    const std::string check = lines.back();
    lines.pop_back();
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
            if (accept(Replay(setup, candidate), candidate.size())) {
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

// The script without the commands that failed in its replay (the check at the end stays).
std::vector<std::string> WithoutFailedCommands(const ReplaySetup& setup,
                                               const std::vector<std::string>& lines) {
    const ReplayResult r = Replay(setup, lines);
    std::vector<std::string> kept;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const bool failed =
            std::find(r.failedLines.begin(), r.failedLines.end(), number) != r.failedLines.end();
        if (!failed || i + 1 == lines.size()) kept.push_back(lines[i]);
    }
    return kept;
}

}  // namespace

ReplayResult Replay(const ReplaySetup& setup, const std::vector<std::string>& lines) {
    ReplayResult result;
    const platform::TempFolder folder("marchholt-replay-");
    if (!folder.Made()) return result;
    const std::filesystem::path& dir = folder.Path();
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
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);) {
        std::string why;
        const int number = FailedLine(line, why);
        if (number == 0) continue;
        result.failedLines.push_back(number);
        result.lastFailure = why;
    }
    result.ran = child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 1;
    return result;
}

bool FailsAtLastCommand(const ReplaySetup& setup, const std::vector<std::string>& lines) {
    const ReplayResult r = Replay(setup, lines);
    return FailsOnlyAtEnd(r, lines.size(), r.lastFailure);
}

std::vector<std::string> ShrinkScript(const ReplaySetup& setup, std::vector<std::string> lines,
                                      std::chrono::steady_clock::time_point deadline) {
    if (lines.size() < 2) return lines;
    const std::string failure = Replay(setup, lines).lastFailure;
    const Accept strict = [&](const ReplayResult& r, size_t size) {
        return FailsOnlyAtEnd(r, size, failure);
    };
    const Accept lenient = [&](const ReplayResult& r, size_t size) {
        return FailsAtEnd(r, size, failure);
    };
    // First drop freely, letting commands fail that no longer find their window; then take those
    // out, which leaves the replay alike, and drop on with every command carried out.
    const auto middle =
        std::chrono::steady_clock::now() + (deadline - std::chrono::steady_clock::now()) * 2 / 3;
    std::vector<std::string> shorter =
        WithoutFailedCommands(setup, DropChunks(setup, lines, lenient, middle));
    if (!strict(Replay(setup, shorter), shorter.size())) shorter = lines;
    return DropChunks(setup, shorter, strict, deadline);
}

int RunShrink(const ReplaySetup& setup, const std::string& path, int seconds, std::FILE* out) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "marchholt-console: cannot read %s\n", path.c_str());
        return 2;
    }
    std::string text, error;
    if (!ReadScriptText(in, text, error)) {
        std::fprintf(stderr, "marchholt-console: %s: %s\n", path.c_str(), error.c_str());
        return 2;
    }
    std::istringstream script(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(script, line);) {
        const size_t first = line.find_first_not_of(" \t\r");
        if (first != std::string::npos && line[first] != '#') lines.push_back(line);
    }
    if (!FailsAtLastCommand(setup, lines)) {
        std::fprintf(stderr, "marchholt-console: %s does not fail at its last command alone\n",
                     path.c_str());
        return 2;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const std::vector<std::string> shorter = ShrinkScript(setup, lines, deadline);
    std::fprintf(out, "# the short script (%zu of %zu commands):\n", shorter.size(), lines.size());
    for (const std::string& line : shorter)
        std::fprintf(out, "%s\n", line.c_str());
    std::fflush(out);
    return 0;
}

}  // namespace app
