#include "store/team_name_index.h"

#include <sys/stat.h>

#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

bool TeamNameIndex::identify(const std::string& path, Identity& out) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    out = Identity{static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_size),
                   static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec)};
    return true;
}

bool TeamNameIndex::refresh(const std::string& registerPath) {
    Identity now;
    if (valid_ && identify(registerPath, now) && now == identity_) return true;
    return reload(registerPath).has_value();
}

std::optional<std::string> TeamNameIndex::reload(const std::string& registerPath) {
    valid_ = false;
    names_.fill(std::string());
    // The identity is taken before the read: a change in between makes the next refresh read again.
    Identity now;
    if (!identify(registerPath, now)) return std::nullopt;
    auto bytes = fileio::readAll(registerPath);
    if (!bytes) return std::nullopt;
    const int at = layouts::offset(layouts::Team, team_field::TeamName);
    for (int i = 0; i < kTeamPositions; ++i) {
        const std::size_t from = std::size_t(i) * kTeamRecordLength + at;
        names_[i] = from < bytes->size() ? bytes->substr(from, kTeamNameWidth) : std::string();
        names_[i].resize(kTeamNameWidth, ' ');
    }
    identity_ = now;
    valid_ = true;
    return bytes;
}

void TeamNameIndex::noteWritten(const std::string& registerPath, int recordNo, std::string_view name20) {
    if (!valid_ || recordNo < 1 || recordNo > kTeamPositions) return;
    names_[recordNo - 1] = std::string(name20.substr(0, kTeamNameWidth));
    names_[recordNo - 1].resize(kTeamNameWidth, ' ');
    noteWritten(registerPath);
}

void TeamNameIndex::noteWritten(const std::string& registerPath) {
    if (valid_) valid_ = identify(registerPath, identity_);
}

int TeamNameIndex::find(std::string_view name20) const {
    if (!valid_) return 0;
    for (int i = 0; i < kTeamPositions; ++i)
        if (names_[i] == name20) return i + 1;
    return 0;
}

int TeamNameIndex::firstFree() const {
    if (!valid_) return 0;
    for (int i = 0; i < kTeamPositions; ++i)
        if (!holdsTeam(names_[i])) return i + 1;
    return 0;
}
