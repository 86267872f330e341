#include "store/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "store/file_io_seams.h"

namespace fileio {
namespace {

using testing::DiskEvent;
using testing::PlantedFault;

long successfulWrites = 0;
long syncsIssued = 0;  // fsyncs that reached the disk, files and folders alike
thread_local int lastError = 0;

// Every call that reports success or failure ends through one of these two.
bool failure(int error) {
    lastError = error;
    return false;
}
bool success() {
    lastError = 0;
    return true;
}

// A sync skipped for speed counts as done; a planted fault leaves it out altogether.
bool syncFile(int fd, const std::string& path) {
    if (seam::planted(PlantedFault::NoFileSync)) return true;
    if (!seam::skipSyncs()) {
        ++syncsIssued;
        if (::fsync(fd) != 0) return false;
    }
    seam::record(DiskEvent::FileSync, path);
    return true;
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(Fd&&) = delete;
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes and reports whether the close went well.
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Opens a regular file; anything else (a folder, a device) is refused. *size gets its size.
Fd openRegular(const std::string& path, int flags, long* size = nullptr) {
    Fd fd(::open(path.c_str(), flags | O_CLOEXEC));
    if (!fd) return Fd();
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return Fd();
    if (!S_ISREG(st.st_mode)) {
        fd.close();
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return Fd();
    }
    if (size) *size = long(st.st_size);
    return fd;
}

bool preadAll(int fd, long offset, char* dst, std::size_t n, std::size_t* got) {
    std::size_t done = 0;
    while (done < n) {
        ssize_t r = ::pread(fd, dst + done, n - done, off_t(offset) + off_t(done));
        if (r < 0) {
            if (errno == EINTR) continue;
            *got = done;
            return false;
        }
        if (r == 0) break;
        done += std::size_t(r);
    }
    *got = done;
    return true;
}

bool pwriteAll(int fd, long offset, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t r = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(offset) + off_t(done));
        if (r < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += std::size_t(r);
    }
    return true;
}

std::string emptyStretch(EmptyPattern gap, long from, long to) {
    if (to <= from) return std::string();
    std::string s(std::size_t(to - from), ' ');
    if (gap.recordLength <= 0) return s;
    // Blanks, and a line feed at the last byte of every record (and of a header before them).
    long nl = gap.firstRecord - 1;
    if (from > nl) nl += ((from - nl + gap.recordLength - 1) / gap.recordLength) * gap.recordLength;
    for (; nl < to; nl += gap.recordLength)
        if (nl >= from) s[std::size_t(nl - from)] = '\n';
    return s;
}

// Writes bytes at offset of an open file of the given size, filling a gap before them.
bool writeOpen(const Fd& fd, const std::string& path, long size, long offset, std::string_view bytes,
               EmptyPattern gap) {
    std::string joined;
    long at = offset;
    const long end = offset + long(bytes.size());
    if (offset > size || (end > size && gap.recordLength > 0)) {
        // A file made longer stays whole records: the gap before the bytes and the rest of
        // the last record after them are filled as an empty stretch of the file.
        at = std::min(offset, size);
        joined = emptyStretch(gap, at, offset);
        joined.append(bytes);
        long wholeEnd = end;
        if (gap.recordLength > 0 && end > gap.firstRecord) {
            const long into = (end - gap.firstRecord) % gap.recordLength;
            if (into != 0) wholeEnd = end + (gap.recordLength - into);
        }
        joined += emptyStretch(gap, end, wholeEnd);
        bytes = joined;
    }
    if (seam::writeRefused(path, at, bytes.size(), size)) return failure(errno);
    seam::step();
    if (!pwriteAll(fd.get(), at, bytes)) return failure(errno);
    seam::record(DiskEvent::Write, path, {}, at, bytes);
    ++successfulWrites;
    return true;
}

std::string temporaryOf(const std::string& path) {
    return path + std::string(kTemporarySuffix);
}

}  // namespace

char EmptyPattern::byteAt(long offset) const {
    if (recordLength <= 0) return ' ';
    if (offset < firstRecord) return offset == firstRecord - 1 ? '\n' : ' ';
    return (offset - firstRecord) % recordLength == recordLength - 1 ? '\n' : ' ';
}

bool isRegularFile(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

long fileSize(const std::string& path) {
    long size = -1;
    Fd fd = openRegular(path, O_RDONLY, &size);
    return fd ? size : -1;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    auto ns = [](const timespec& t) { return (long long)t.tv_sec * 1000000000LL + t.tv_nsec; };
    return FileStamp{(unsigned long)st.st_dev, (unsigned long)st.st_ino, (long)st.st_size, ns(st.st_mtim),
                     ns(st.st_ctim)};
}

bool readAt(const std::string& path, long offset, char* dst, std::size_t n, std::size_t* got) {
    std::size_t dummy = 0;
    if (!got) got = &dummy;
    *got = 0;
    Fd fd = openRegular(path, O_RDONLY);
    if (!fd) return failure(errno);
    if (offset < 0) return success();
    const bool ok = preadAll(fd.get(), offset, dst, n, got);
    seam::noteRead(path, *got);
    return ok ? success() : failure(errno);
}

std::optional<std::string> readAll(const std::string& path) {
    long size = -1;
    Fd fd = openRegular(path, O_RDONLY, &size);
    if (!fd || size < 0) {
        failure(errno);
        return std::nullopt;
    }
    std::string out(std::size_t(size), '\0');
    std::size_t got = 0;
    const bool ok = preadAll(fd.get(), 0, out.data(), out.size(), &got);
    seam::noteRead(path, got);
    if (!ok) {
        failure(errno);
        return std::nullopt;
    }
    success();
    out.resize(got);
    return out;
}

bool writeAt(const std::string& path, long offset, std::string_view bytes, EmptyPattern gap) {
    if (offset < 0) return failure(EINVAL);
    long size = -1;
    Fd fd = openRegular(path, O_RDWR, &size);
    if (!fd) return failure(errno);
    if (!writeOpen(fd, path, size, offset, bytes, gap)) return false;
    return fd.close() ? success() : failure(errno);
}

bool updateAt(const std::string& path, long offset, std::size_t n, const std::function<void(std::string&)>& change,
              EmptyPattern gap) {
    if (offset < 0) return failure(EINVAL);
    long size = -1;
    Fd fd = openRegular(path, O_RDWR, &size);
    if (!fd) return failure(errno);
    std::string buf(n, ' ');
    std::size_t got = 0;
    const bool read = preadAll(fd.get(), offset, buf.data(), n, &got);
    seam::noteRead(path, got);
    if (!read) return failure(errno);
    if (got < n) buf.replace(got, n - got, emptyStretch(gap, offset + long(got), offset + long(n)));
    change(buf);
    if (!writeOpen(fd, path, size, offset, buf, gap)) return false;
    return fd.close() ? success() : failure(errno);
}

int lastFailure() {
    return lastError;
}

bool mayWrite(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? success() : failure(errno);
    if (!S_ISREG(st.st_mode)) return failure(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    if (::access(path.c_str(), W_OK) != 0) return failure(errno);
    if (seam::writeRefused(path, 0, 0, long(st.st_size))) return failure(errno);
    return success();
}

bool mayCreateIn(const std::string& folder) {
    const std::string probe = temporaryOf(folder + "/.tallyfold-probe");
    if (seam::writeRefused(probe, 0, 0, -1)) return failure(errno);
#ifdef O_TMPFILE
    // An unnamed file: no name to make durable, nothing to remove, gone when closed.
    if (Fd fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600)); fd) return success();
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return failure(errno);
#endif
    // Nothing is written to it, so nothing needs a sync; a probe left by a killed process is
    // a temporary file that start-up removes.
    if (!Fd(::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600))) return failure(errno);
    ::unlink(probe.c_str());
    return success();
}

bool writeTemporary(const std::string& path, std::string_view bytes) {
    // The planted fault writes over the file itself, as a careless save would.
    const std::string temp = seam::planted(PlantedFault::RewriteInPlace) ? path : temporaryOf(path);
    struct stat original, existing;
    const bool replacing = ::stat(path.c_str(), &original) == 0;
    const bool truncating = ::lstat(temp.c_str(), &existing) == 0;
    if (seam::writeRefused(temp, 0, bytes.size(), -1)) return failure(errno);
    seam::step();
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd) return failure(errno);
    seam::record(truncating ? DiskEvent::Truncate : DiskEvent::Create, temp);
    bool ok = true;
    if (replacing) ok = ::fchmod(fd.get(), original.st_mode & 07777) == 0;
    if (ok && !bytes.empty()) {
        seam::step();
        ok = pwriteAll(fd.get(), 0, bytes);
        if (ok) seam::record(DiskEvent::Write, temp, {}, 0, bytes);
    }
    ok = ok && syncFile(fd.get(), temp);
    const int error = ok ? 0 : errno;
    ok = fd.close() && ok;
    if (ok) return success();
    const int cause = error ? error : errno;
    if (temp != path && ::unlink(temp.c_str()) == 0) seam::record(DiskEvent::Remove, temp);
    return failure(cause);
}

bool writeSyncedFile(const std::string& path, std::string_view bytes) {
    if (seam::writeRefused(path, 0, bytes.size(), -1)) return failure(errno);
    seam::step();
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd) return failure(errno);
    seam::record(DiskEvent::Create, path);
    bool ok = true;
    if (!bytes.empty()) {
        seam::step();
        ok = pwriteAll(fd.get(), 0, bytes);
        if (ok) seam::record(DiskEvent::Write, path, {}, 0, bytes);
    }
    ok = ok && syncFile(fd.get(), path);
    const int error = ok ? 0 : errno;
    ok = fd.close() && ok;
    if (ok) return success();
    const int cause = error ? error : errno;
    if (::unlink(path.c_str()) == 0) seam::record(DiskEvent::Remove, path);
    return failure(cause);
}

bool commitTemporary(const std::string& path) {
    if (seam::planted(PlantedFault::RewriteInPlace)) return success();  // written in place already
    seam::step();
    const std::string temp = temporaryOf(path);
    if (::rename(temp.c_str(), path.c_str()) != 0) return failure(errno);
    seam::record(DiskEvent::Rename, temp, path);
    ++successfulWrites;
    return success();
}

long writesDone() {
    return successfulWrites;
}

long syncsDone() {
    return syncsIssued;
}

void discardTemporary(const std::string& path) {
    if (seam::planted(PlantedFault::RewriteInPlace)) return;
    const std::string temp = temporaryOf(path);
    if (::unlink(temp.c_str()) == 0) seam::record(DiskEvent::Remove, temp);
}

bool replaceFile(const std::string& path, std::string_view bytes) {
    if (!mayWrite(path)) return false;
    if (!writeTemporary(path, bytes)) return false;
    if (!commitTemporary(path)) {
        discardTemporary(path);
        return false;
    }
    return syncFolder(folderOf(path));
}

bool removeFile(const std::string& path) {
    seam::step();
    if (::unlink(path.c_str()) != 0) return failure(errno);
    seam::record(DiskEvent::Remove, path);
    return success();
}

bool renamePath(const std::string& from, const std::string& to) {
    seam::step();
    if (::rename(from.c_str(), to.c_str()) != 0) return failure(errno);
    seam::record(DiskEvent::Rename, from, to);
    return success();
}

bool makeFolder(const std::string& path) {
    seam::step();
    if (::mkdir(path.c_str(), 0777) != 0) return failure(errno);
    seam::record(DiskEvent::CreateFolder, path);
    return success();
}

bool removeTree(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISDIR(st.st_mode)) {
        std::vector<std::string> entries;
        std::error_code ec;
        for (std::filesystem::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
            entries.push_back(it->path().string());
        for (const std::string& entry : entries) removeTree(entry);
    }
    seam::step();
    if ((S_ISDIR(st.st_mode) ? ::rmdir(path.c_str()) : ::unlink(path.c_str())) != 0) return false;
    seam::record(DiskEvent::Remove, path);
    return true;
}

bool syncBuiltFolder(const std::string& folder) {
    return seam::planted(PlantedFault::NoBuiltFolderSync) ? success() : syncFolder(folder);
}

bool syncFolder(const std::string& folder) {
    if (seam::writeRefused(folder, 0, 0, 0, true)) return failure(errno);
    Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) return failure(errno);
    if (seam::planted(PlantedFault::NoFolderSync)) return success();
    if (!seam::skipSyncs()) {
        ++syncsIssued;
        if (::fsync(fd.get()) != 0) return failure(errno);
    }
    seam::record(DiskEvent::FolderSync, folder);
    return success();
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace fileio
