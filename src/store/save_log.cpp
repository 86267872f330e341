#include "store/save_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// Room for a full log and the line that makes it too long.
constexpr off_t kReserved = off_t(kSaveLogLimit) + 4096;

void reserve(int fd) {
    // Keeps the size as it is; the blocks past the end are the disk's promise to later lines.
    (void)::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, kReserved);
}

// The errno's symbolic name and the system's untranslated text, as a helper searches them.
std::string causeText(int cause) {
    if (cause == 0) return "- (0) no system error";
    const char* name = nullptr;
    const char* text = nullptr;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    name = strerrorname_np(cause);
    text = strerrordesc_np(cause);
#endif
    return std::string(name ? name : "errno") + " (" + std::to_string(cause) + ")" +
           (text ? std::string(" ") + text : "");
}

// Keeps the newest half of the log, from the start of a line.
void trim(const std::string& path, std::size_t size) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.size() <= size) return;
    const std::size_t lineEnd = text.find('\n', text.size() - size - 1);
    text.erase(0, lineEnd == std::string::npos ? text.size() : lineEnd + 1);
    const std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out) return;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) return;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return;
    reserve(fd);
    ::close(fd);
}

}  // namespace

std::string saveLogLine(const SaveResult& r, const LocalDateTime& when) {
    return formatDateText(when) + " " + r.failedFile() + " " + causeText(r.cause()) + "\n";
}

void logSaveFailure(const DataDir& dir, const SaveResult& r, const LocalDateTime& when) {
    if (r.ok()) return;
    const std::string path = dir.path(kSaveLogName);
    const std::string line = saveLogLine(r, when);
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const bool written = ::write(fd, line.data(), line.size()) == ssize_t(line.size());
    struct stat st;
    const bool tooLong = ::fstat(fd, &st) == 0 && std::size_t(st.st_size) > kSaveLogLimit;
    ::close(fd);
    if (written && tooLong) trim(path, kSaveLogLimit / 2);
}

void reserveSaveLog(const DataDir& dir) {
    const int fd = ::open(dir.path(kSaveLogName).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    reserve(fd);
    ::close(fd);
}
