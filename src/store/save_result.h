#pragma once
// What a save reports: whether everything reached the disk, and if not, the first file that
// could not be written. The screens tell the user which file that was.

#include <string>
#include <utility>

class [[nodiscard]] SaveResult {
public:
    static SaveResult saved() { return SaveResult(); }
    // relativePath as the data files are named, e.g. "Data/Seiseki.001".
    static SaveResult failed(std::string relativePath) {
        SaveResult r;
        r.failedFile_ = std::move(relativePath);
        if (r.failedFile_.empty()) r.failedFile_ = "?";
        return r;
    }
    // failed(relativePath) unless ok.
    static SaveResult check(bool ok, std::string relativePath) {
        return ok ? saved() : failed(std::move(relativePath));
    }

    bool ok() const { return failedFile_.empty(); }
    explicit operator bool() const { return ok(); }
    // "Data/Seiseki.001", empty when saved.
    const std::string& failedFile() const { return failedFile_; }
    // "Seiseki.001": the name without its folder, as the user knows it.
    std::string failedFileName() const {
        std::size_t slash = failedFile_.rfind('/');
        return slash == std::string::npos ? failedFile_ : failedFile_.substr(slash + 1);
    }

    // Keeps the first failure.
    SaveResult& operator&=(const SaveResult& other) {
        if (ok() && !other.ok()) failedFile_ = other.failedFile_;
        return *this;
    }

private:
    std::string failedFile_;
};
