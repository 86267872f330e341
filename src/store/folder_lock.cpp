#include "store/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

long pidIn(int fd) {
    char buf[24] = {};
    const ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
    if (n <= 0) return 0;
    const long pid = std::strtol(buf, nullptr, 10);
    return pid > 0 ? pid : 0;
}

}  // namespace

FolderLock FolderLock::take(const std::string& workRoot) {
    const std::string path = workRoot + "/" + kLockFile;
    // Opening without truncating changes nothing in a file another process holds.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);  // a folder we may only read
    if (fd < 0) return FolderLock(State::Unavailable, -1, 0);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        const long holder = busy ? pidIn(fd) : 0;
        ::close(fd);
        return FolderLock(busy ? State::Busy : State::Unavailable, -1, holder);
    }
    const std::string pid = std::to_string(long(::getpid())) + "\n";
    if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, pid.data(), pid.size(), 0);
    return FolderLock(State::Held, fd, 0);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : state_(other.state_), fd_(std::exchange(other.fd_, -1)), holder_(other.holder_) {}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}
