#include "store/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace fileio {
namespace {

long successfulWrites = 0;
long syncsIssued = 0;

struct Seams {
    bool skipSyncs = false;
    long crashAt = 0;
    long steps = 0;
    std::function<bool(const testing::WriteAttempt&)> fails;
};

Seams& seams() {
    static Seams s;
    return s;
}

// Every change to a file passes here first, so a test can stop the process before any of them.
void step() {
    Seams& s = seams();
    ++s.steps;
    if (s.crashAt > 0 && s.steps == s.crashAt) throw testing::SimulatedCrash{s.steps};
}

bool writeRefused(const std::string& path, long offset, std::size_t length, long sizeBefore) {
    const Seams& s = seams();
    if (!s.fails) return false;
    if (!s.fails(testing::WriteAttempt{path, offset, length, sizeBefore})) return false;
    errno = EIO;
    return true;
}

bool sync(int fd) {
    if (seams().skipSyncs) return true;
    ++syncsIssued;
    return ::fsync(fd) == 0;
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
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return Fd();
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
    if (writeRefused(path, at, bytes.size(), size)) return false;
    step();
    if (!pwriteAll(fd.get(), at, bytes)) return false;
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

bool readAt(const std::string& path, long offset, char* dst, std::size_t n, std::size_t* got) {
    std::size_t dummy = 0;
    if (!got) got = &dummy;
    *got = 0;
    Fd fd = openRegular(path, O_RDONLY);
    if (!fd) return false;
    if (offset < 0) return true;
    return preadAll(fd.get(), offset, dst, n, got);
}

std::optional<std::string> readAll(const std::string& path) {
    long size = -1;
    Fd fd = openRegular(path, O_RDONLY, &size);
    if (!fd || size < 0) return std::nullopt;
    std::string out(std::size_t(size), '\0');
    std::size_t got = 0;
    if (!preadAll(fd.get(), 0, out.data(), out.size(), &got)) return std::nullopt;
    out.resize(got);
    return out;
}

bool writeAt(const std::string& path, long offset, std::string_view bytes, EmptyPattern gap) {
    if (offset < 0) return false;
    long size = -1;
    Fd fd = openRegular(path, O_RDWR, &size);
    if (!fd || !writeOpen(fd, path, size, offset, bytes, gap)) return false;
    return fd.close();
}

bool updateAt(const std::string& path, long offset, std::size_t n, const std::function<void(std::string&)>& change,
              EmptyPattern gap) {
    if (offset < 0) return false;
    long size = -1;
    Fd fd = openRegular(path, O_RDWR, &size);
    if (!fd) return false;
    std::string buf(n, ' ');
    std::size_t got = 0;
    if (!preadAll(fd.get(), offset, buf.data(), n, &got)) return false;
    if (got < n) buf.replace(got, n - got, emptyStretch(gap, offset + long(got), offset + long(n)));
    change(buf);
    if (!writeOpen(fd, path, size, offset, buf, gap)) return false;
    return fd.close();
}

bool mayWrite(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0) return false;
    return !writeRefused(path, 0, 0, long(st.st_size));
}

bool writeTemporary(const std::string& path, std::string_view bytes) {
    const std::string temp = temporaryOf(path);
    struct stat original;
    const bool replacing = ::stat(path.c_str(), &original) == 0;
    if (writeRefused(temp, 0, bytes.size(), -1)) return false;
    step();
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd) return false;
    bool ok = true;
    if (replacing) ok = ::fchmod(fd.get(), original.st_mode & 07777) == 0;
    if (ok && !bytes.empty()) {
        step();
        ok = pwriteAll(fd.get(), 0, bytes);
    }
    ok = ok && sync(fd.get());
    ok = fd.close() && ok;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool writeSyncedFile(const std::string& path, std::string_view bytes) {
    if (writeRefused(path, 0, bytes.size(), -1)) return false;
    step();
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd) return false;
    bool ok = true;
    if (!bytes.empty()) {
        step();
        ok = pwriteAll(fd.get(), 0, bytes);
    }
    ok = ok && sync(fd.get());
    ok = fd.close() && ok;
    if (!ok) ::unlink(path.c_str());
    return ok;
}

bool commitTemporary(const std::string& path) {
    step();
    if (::rename(temporaryOf(path).c_str(), path.c_str()) != 0) return false;
    ++successfulWrites;
    return true;
}

long writesDone() {
    return successfulWrites;
}

long syncsDone() {
    return syncsIssued;
}

void discardTemporary(const std::string& path) {
    ::unlink(temporaryOf(path).c_str());
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
    step();
    return ::unlink(path.c_str()) == 0;
}

bool renamePath(const std::string& from, const std::string& to) {
    step();
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool syncFolder(const std::string& folder) {
    Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) return false;
    return sync(fd.get());
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

namespace testing {

void crashAtStep(long k) {
    seams().crashAt = k;
    seams().steps = 0;
}

long stepsTaken() {
    return seams().steps;
}

void failWritesWhen(std::function<bool(const WriteAttempt&)> predicate) {
    seams().fails = std::move(predicate);
}

bool diskFull(const WriteAttempt& a) {
    return a.sizeBefore < 0 || a.offset + long(a.length) > a.sizeBefore;
}

void skipSyncs(bool skip) {
    seams().skipSyncs = skip;
}

void reset() {
    const bool skip = seams().skipSyncs;
    seams() = Seams{};
    seams().skipSyncs = skip;
}

}  // namespace testing

}  // namespace fileio
