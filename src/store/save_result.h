#pragma once
// What a save reports: whether everything reached the disk, and if not, the first file that
// could not be written and why (the errno of the failure, 0 when the system gave none, as
// for a file that holds something this program cannot take). The screens tell the user both.

#include <string>
#include <utility>

#include "store/file_io.h"

class [[nodiscard]] SaveResult {
public:
    static SaveResult saved() { return SaveResult(); }
    // relativePath as the data files are named, e.g. "Data/Seiseki.001". The cause is, unless
    // given, that of the file layer's last failure: call this right after the call that failed.
    static SaveResult failed(std::string relativePath, int cause = fileio::lastFailure()) {
        SaveResult r;
        r.failedFile_ = std::move(relativePath);
        if (r.failedFile_.empty()) r.failedFile_ = "?";
        r.cause_ = cause;
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
    // The errno of the failure (ENOSPC, EACCES, …); 0 when saved or when there was none.
    int cause() const { return cause_; }

    // Keeps the first failure.
    SaveResult& operator&=(const SaveResult& other) {
        if (ok() && !other.ok()) *this = other;
        return *this;
    }

private:
    std::string failedFile_;
    int cause_ = 0;
};
