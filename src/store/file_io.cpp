#include "store/file_io.h"

#include <sys/stat.h>

#include <cstdio>

namespace fileio {
namespace {

struct File {
    std::FILE* f;
    File(const std::string& path, const char* mode) : f(std::fopen(path.c_str(), mode)) {}
    ~File() {
        if (f) std::fclose(f);
    }
    // Closes and reports whether everything buffered reached the file.
    bool close() {
        bool ok = std::fclose(f) == 0;
        f = nullptr;
        return ok;
    }
    explicit operator bool() const { return f != nullptr; }
};

}  // namespace

long fileSize(const std::string& path) {
    File file(path, "rb");
    if (!file) return -1;
    if (std::fseek(file.f, 0, SEEK_END) != 0) return -1;
    return std::ftell(file.f);
}

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool readAt(const std::string& path, long offset, char* dst, std::size_t n, std::size_t* got) {
    if (got) *got = 0;
    File file(path, "rb");
    if (!file) return false;
    if (offset < 0 || std::fseek(file.f, offset, SEEK_SET) != 0) return true;
    std::size_t r = std::fread(dst, 1, n, file.f);
    if (got) *got = r;
    return true;
}

bool writeAt(const std::string& path, long offset, std::string_view bytes) {
    if (!exists(path)) return false;
    File file(path, "r+b");
    if (!file || offset < 0) return false;
    if (std::fseek(file.f, offset, SEEK_SET) != 0) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.f) != bytes.size()) return false;
    return file.close();
}

bool createFile(const std::string& path, std::string_view bytes) {
    File file(path, "wb");
    if (!file) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.f) != bytes.size()) return false;
    return file.close();
}

std::optional<std::string> readAll(const std::string& path) {
    File file(path, "rb");
    if (!file) return std::nullopt;
    std::string out;
    char buf[65536];
    std::size_t r;
    while ((r = std::fread(buf, 1, sizeof buf, file.f)) > 0) out.append(buf, r);
    return out;
}

}  // namespace fileio
