#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "platform/text_case.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

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

// A file open for reading, closed when it goes out of scope.
class OpenForReading {
  public:
    explicit OpenForReading(const fs::path& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenForReading() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenForReading(const OpenForReading&) = delete;
    OpenForReading& operator=(const OpenForReading&) = delete;
    int Descriptor() const { return fd_; }

  private:
    int fd_;
};

// Up to count bytes from offset; fewer where the file ends. False (errno set) on a read error.
bool ReadAt(int fd, std::uintmax_t offset, std::size_t count, std::vector<std::uint8_t>& out) {
    out.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n =
            ::pread(fd, out.data() + got, count - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return true;
}

// One file of a set being replaced: its temporary file, its target and, while the set is being
// renamed, the target's previous version kept under a name of its own.
struct Replacement {
    fs::path temporary;
    fs::path target;
    fs::path previous;  // empty: there was no previous file to keep
    bool placed = false;
};

// Keeps the target's current file as a second name beside it (a hard link, or a copy where the
// file system has none), so it can be put back after the target is replaced.
bool KeepPrevious(Replacement& r, std::string& error) {
    struct stat st {};
    if (::lstat(r.target.c_str(), &st) != 0) {
        if (errno == ENOENT) return true;
        error = IoErrorText("write", r.target.filename().string(), errno);
        return false;
    }
    // A folder is never replaced by a file: the rename reports it, with nothing to keep.
    if (S_ISDIR(st.st_mode)) return true;
    const fs::path previous = r.temporary.string() + ".old";
    if (::link(r.target.c_str(), previous.c_str()) != 0) {
        std::error_code ec;
        if (!fs::copy_file(r.target, previous, ec)) {
            if (ec != std::errc::file_exists) ::unlink(previous.c_str());
            error = IoErrorText("write", r.target.filename().string(), ec.value());
            return false;
        }
    }
    r.previous = previous;
    return true;
}

// Puts a replaced target's previous version back, or removes the target where it had none.
bool PutBack(const Replacement& r) {
    if (r.previous.empty()) return ::unlink(r.target.c_str()) == 0 || errno == ENOENT;
    return ::rename(r.previous.c_str(), r.target.c_str()) == 0;
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

// The entry of dir whose name equals name ignoring case; the exact spelling wins.
std::optional<fs::path> Files::FindInFolder(const fs::path& dir, const std::string& name) const {
    if (dir.empty()) return std::nullopt;
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::is_regular_file(exact, ec)) return exact;
    return index_->Find(dir, LowerCase(name));
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

Files::ReadResult Files::ReadFrom(const std::string& name, std::uintmax_t offset,
                                  std::optional<std::size_t> count, std::uintmax_t limit,
                                  std::vector<std::uint8_t>& out, std::string& error) const {
    out.clear();
    auto path = Find(name);
    if (!path) {
        error = IoErrorText("open", name, ENOENT);
        return ReadResult::failed;
    }
    const OpenForReading file(*path);
    if (file.Descriptor() < 0) {
        error = IoErrorText("open", name, errno);
        return ReadResult::failed;
    }
    if (!count) {
        struct stat st {};
        if (::fstat(file.Descriptor(), &st) != 0) {
            error = IoErrorText("read", name, errno);
            return ReadResult::failed;
        }
        const auto size = static_cast<std::uintmax_t>(st.st_size);
        if (size > limit) {
            error = IoErrorText("read", name, EFBIG);
            return ReadResult::tooLarge;
        }
        count = static_cast<std::size_t>(size);
    }
    if (!ReadAt(file.Descriptor(), offset, *count, out)) {
        error = IoErrorText("read", name, errno);
        return ReadResult::failed;
    }
    return ReadResult::read;
}

Files::ReadResult Files::Read(const std::string& name, std::uintmax_t limit,
                              std::vector<std::uint8_t>& out, std::string& error) const {
    return ReadFrom(name, 0, std::nullopt, limit, out, error);
}

Files::ReadResult Files::ReadPart(const std::string& name, std::uintmax_t offset, std::size_t count,
                                  std::vector<std::uint8_t>& out, std::string& error) const {
    return ReadFrom(name, offset, count, 0, out, error);
}

std::optional<std::uintmax_t> Files::Size(const std::string& name) const {
    auto path = Find(name);
    if (!path) return std::nullopt;
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(*path, ec);
    if (ec) return std::nullopt;
    return size;
}

std::optional<fs::path> Files::UserTarget(const std::string& name) const {
    if (!IsBareName(name) || userDir_.empty()) return std::nullopt;
    if (auto existing = FindInFolder(userDir_, name)) return existing;
    return userDir_ / name;
}

bool Files::Write(const std::string& name, const std::vector<std::uint8_t>& data,
                  std::string& error) const {
    return WriteAll({PendingFile{name, data}}, error) == WriteResult::written;
}

Files::WriteResult Files::WriteAll(const std::vector<PendingFile>& files,
                                   std::string& error) const {
    std::error_code ec;
    fs::create_directories(userDir_, ec);
    std::vector<Replacement> set;
    auto discardTemporaries = [&set] {
        for (const Replacement& r : set) {
            if (!r.placed) ::unlink(r.temporary.c_str());
        }
    };
    for (const auto& file : files) {
        auto target = UserTarget(file.name);
        if (!target) {
            error = IoErrorText("create", file.name, EINVAL);
            discardTemporaries();
            return WriteResult::unchanged;
        }
        fs::path temporary;
        if (!WriteTemporary(*target, file.data, temporary, error)) {
            discardTemporaries();
            return WriteResult::unchanged;
        }
        set.push_back({temporary, *target, {}, false});
    }
    for (std::size_t i = 0; i < set.size(); ++i) {
        Replacement& r = set[i];
        if (KeepPrevious(r, error)) {
            if (::rename(r.temporary.c_str(), r.target.c_str()) == 0) {
                r.placed = true;
                continue;
            }
            error = IoErrorText("write", r.target.filename().string(), errno);
            if (!r.previous.empty()) ::unlink(r.previous.c_str());
        }
        // The files renamed so far get their previous versions back, last first.
        WriteResult result = WriteResult::unchanged;
        for (std::size_t j = i; j-- > 0;) {
            if (PutBack(set[j])) continue;
            result = WriteResult::mixed;
            const std::string name = set[j].target.filename().string();
            error += set[j].previous.empty()
                         ? " The new \"" + name + "\" could not be removed again."
                         : " The previous \"" + name + "\" is kept as \"" +
                               set[j].previous.filename().string() + "\".";
        }
        discardTemporaries();
        return result;
    }
    for (const Replacement& r : set) {
        if (!r.previous.empty()) ::unlink(r.previous.c_str());
    }
    return WriteResult::written;
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
