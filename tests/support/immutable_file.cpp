// Sets and clears the immutable attribute through the file system's flags.
#include "support/immutable_file.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace testsupport {

namespace {

bool ChangeImmutable(const std::filesystem::path& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

}  // namespace

ImmutableFile::ImmutableFile(std::filesystem::path path) : path_(std::move(path)) {
    marked_ = ChangeImmutable(path_, true);
}

ImmutableFile::~ImmutableFile() {
    if (marked_) ChangeImmutable(path_, false);
}

}  // namespace testsupport
