#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "platform/text_case.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// The entry of dir whose name equals name ignoring case; the exact spelling wins.
std::optional<fs::path> FindInFolder(const fs::path& dir, const std::string& name) {
    if (dir.empty()) return std::nullopt;
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::is_regular_file(exact, ec)) return exact;
    const std::string wanted = platform::LowerCase(name);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (platform::LowerCase(it->path().filename().string()) == wanted &&
            it->is_regular_file(ec)) {
            return it->path();
        }
    }
    return std::nullopt;
}

// Writes data to a new temporary file beside target and flushes it to disk.
bool WriteTemporary(const fs::path& target, const std::vector<std::uint8_t>& data,
                    fs::path& temporary, std::string& error) {
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX"));
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = mkstemp(buffer.data());
    if (fd < 0) {
        error = IoErrorText("create", target.filename().string(), errno);
        return false;
    }
    temporary = buffer.data();
    const std::uint8_t* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = IoErrorText("write", target.filename().string(), errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = IoErrorText("write", target.filename().string(), errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

Files& Storage() {
    static Files files;
    return files;
}

}  // namespace

Files::Files(fs::path dataDir, fs::path userDir)
    : dataDir_(std::move(dataDir)), userDir_(std::move(userDir)) {}

fs::path Files::ExecutableDir(const fs::path& executable) {
    std::error_code ec;
    // The running program's own file. Started through PATH, argv[0] is a bare name that says
    // nothing about where the program lies; resolved against the working folder it would be
    // wrong whenever the game is started from anywhere but its own folder.
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.is_absolute()) return self.parent_path();
    return fs::weakly_canonical(fs::absolute(executable, ec), ec).parent_path();
}

Files Files::FromEnvironment(const fs::path& executable) {
    fs::path data;
    if (const char* env = std::getenv("MARCHHOLT_DATA"); env && *env) {
        data = env;
    } else {
        const fs::path exeDir = ExecutableDir(executable);
        std::error_code ec;
        if (fs::is_directory(exeDir / "data", ec)) {
            data = exeDir / "data";
        } else {
            data = exeDir / ".." / "share" / "marchholt";
        }
    }
    fs::path user;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        user = fs::path(xdg) / "marchholt";
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        user = fs::path(home) / ".local" / "share" / "marchholt";
    } else {
        user = fs::current_path() / "marchholt-user";
    }
    std::error_code ec;
    fs::create_directories(user, ec);
    return Files(data, user);
}

bool Files::IsBareName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return false;
    if (name.find("..") != std::string::npos) return false;
    if (name.find('\0') != std::string::npos) return false;
    return true;
}

std::optional<fs::path> Files::Find(const std::string& name) const {
    if (!IsBareName(name)) return std::nullopt;
    if (auto p = FindInFolder(userDir_, name)) return p;
    return FindInFolder(dataDir_, name);
}

std::vector<std::string> Files::UserFilesEnding(const std::string& suffix) const {
    std::vector<std::string> names;
    const std::string want = LowerCase(suffix);
    std::error_code ec;
    for (fs::directory_iterator it(userDir_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        const std::string lower = LowerCase(name);
        if (lower.size() > want.size() && IsBareName(name) &&
            lower.compare(lower.size() - want.size(), want.size(), want) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool Files::Read(const std::string& name, std::vector<std::uint8_t>& out,
                 std::string& error) const {
    auto path = Find(name);
    if (!path) {
        error = IoErrorText("open", name, ENOENT);
        return false;
    }
    std::ifstream in(*path, std::ios::binary);
    if (!in) {
        error = IoErrorText("open", name, errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) {
        error = IoErrorText("read", name, EIO);
        return false;
    }
    out.resize(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) {
        error = IoErrorText("read", name, EIO);
        return false;
    }
    return true;
}

std::optional<fs::path> Files::UserTarget(const std::string& name) const {
    if (!IsBareName(name) || userDir_.empty()) return std::nullopt;
    if (auto existing = FindInFolder(userDir_, name)) return existing;
    return userDir_ / name;
}

bool Files::Write(const std::string& name, const std::vector<std::uint8_t>& data,
                  std::string& error) const {
    return WriteAll({PendingFile{name, data}}, error);
}

bool Files::WriteAll(const std::vector<PendingFile>& files, std::string& error) const {
    std::error_code ec;
    fs::create_directories(userDir_, ec);
    std::vector<std::pair<fs::path, fs::path>> pending;  // temporary, target
    auto discard = [&pending] {
        for (auto& [tmp, target] : pending)
            ::unlink(tmp.c_str());
    };
    for (const auto& file : files) {
        auto target = UserTarget(file.name);
        if (!target) {
            error = IoErrorText("create", file.name, EINVAL);
            discard();
            return false;
        }
        // A target that could not be replaced (a folder of that name) is found before any file
        // of the set changes.
        if (std::filesystem::is_directory(*target, ec)) {
            error = IoErrorText("write", file.name, EISDIR);
            discard();
            return false;
        }
        fs::path tmp;
        if (!WriteTemporary(*target, file.data, tmp, error)) {
            discard();
            return false;
        }
        pending.emplace_back(tmp, *target);
    }
    for (size_t i = 0; i < pending.size(); ++i) {
        if (::rename(pending[i].first.c_str(), pending[i].second.c_str()) != 0) {
            error = IoErrorText("write", pending[i].second.filename().string(), errno);
            for (size_t j = i; j < pending.size(); ++j)
                ::unlink(pending[j].first.c_str());
            return false;
        }
    }
    return true;
}

Files& CurrentFiles() {
    return Storage();
}

void UseFiles(Files files) {
    Storage() = std::move(files);
}

std::string IoErrorText(const std::string& action, const std::string& name, int errorNumber) {
    return "I/O error: cannot " + action + " \"" + name + "\" (" + std::strerror(errorNumber) +
           ").";
}

}  // namespace platform
