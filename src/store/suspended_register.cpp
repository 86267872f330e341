#include "store/suspended_register.h"

#include <algorithm>

#include "store/file_io.h"
#include "store/record_layout.h"

namespace {

// The first count whole records of a register file (what is missing stays out).
std::string leadingRecords(const std::string& bytes, long count) {
    long whole = long(bytes.size()) / kTeamRecordLength;
    return bytes.substr(0, std::size_t(std::clamp(count, 0L, whole)) * kTeamRecordLength);
}

// Every whole record of a register file.
std::string wholeRecords(const std::string& bytes) {
    return leadingRecords(bytes, long(bytes.size()) / kTeamRecordLength);
}

}  // namespace

bool countSuspended(LeagueModel& m, const DataDir& dir) {
    const RecordCount c = countOrCreate(dir, files::kSuspended, kTeamRecordLength, kMaxSuspended);
    m.suspendedCount = c.count;
    return c.ready;
}

std::string readSuspended(const DataDir& dir, int k) {
    RecordCodec c(layouts::get(layouts::Suspended));
    if (k >= 1 && k <= kMaxSuspended) (void)c.readRecord(dir.path(files::kSuspended), k);
    return c.record();
}

std::optional<std::string> readSuspendedImage(const DataDir& dir) {
    const std::string path = dir.path(files::kSuspended);
    if (!fileio::isRegularFile(path) && fileio::mayWrite(path)) return std::string();
    auto bytes = fileio::readAll(path);
    if (!bytes) return std::nullopt;
    return wholeRecords(*bytes);
}

std::string suspendedRecordFrom(const std::string& teamRecord) {
    RecordCodec team(layouts::get(layouts::Team));
    team.record() = teamRecord;
    team.record().resize(kTeamRecordLength, ' ');
    team.unpackRecord();
    RecordCodec s(layouts::get(layouts::Suspended));
    for (int f = 0; f <= team_field::TeamName; ++f) s.field(f).setRaw(team.field(f).bytes());
    s.packRecord();
    return s.record();
}

std::string suspendedImageWithout(const std::string& image, int k) {
    const std::string whole = wholeRecords(image);
    if (k < 0 || std::size_t(k) * kTeamRecordLength >= whole.size()) return whole;
    return whole.substr(0, std::size_t(k) * kTeamRecordLength) + whole.substr(std::size_t(k + 1) * kTeamRecordLength);
}

int suspendedCountOf(const std::string& image) {
    return int(std::min<std::size_t>(image.size() / kTeamRecordLength, kMaxSuspended));
}

SaveResult appendSuspended(LeagueModel& m, const DataDir& dir, const std::string& teamRecord) {
    if (m.suspendedCount >= kMaxSuspended) return SaveResult::failed(files::kSuspended);
    const long at = long(m.suspendedCount) * kTeamRecordLength;
    if (!fileio::writeAt(dir.path(files::kSuspended), at, suspendedRecordFrom(teamRecord),
                         layouts::emptyPattern(layouts::Suspended)))
        return SaveResult::failed(files::kSuspended);
    ++m.suspendedCount;
    return SaveResult::saved();
}

SaveResult removeSuspended(LeagueModel& m, const DataDir& dir, int k) {
    auto image = readSuspendedImage(dir);
    if (!image) return SaveResult::failed(files::kSuspended);
    // Only a counted record can be chosen; the uncounted ones stay as they are.
    const std::string kept = k >= 0 && k < m.suspendedCount ? suspendedImageWithout(*image, k) : *image;
    FileTransaction t(dir);
    t.replace(files::kSuspended, kept);
    t.replace(files::kSuspendedScratch, kept);
    SaveResult saved = t.commit();
    if (saved) m.suspendedCount = suspendedCountOf(kept);
    return saved;
}

SaveResult snapshotRegisters(const LeagueModel&, const DataDir& dir) {
    auto suspended = fileio::readAll(dir.path(files::kSuspended));
    if (!suspended) return SaveResult::failed(files::kSuspended);
    auto teams = fileio::readAll(dir.path(files::kTeamRegister));
    if (!teams) return SaveResult::failed(files::kTeamRegister);
    FileTransaction t(dir);
    // Every record, the uncounted ones past the hundredth too: deleting the term brings them back.
    t.replace(files::kSuspendedSnapshot, wholeRecords(*suspended));
    t.replace(files::kTeamSnapshot, leadingRecords(*teams, kTeamPositions));
    return t.commit();
}

RestoredRegisters restoredRegisters(const DataDir& dir) {
    RestoredRegisters r;
    if (fileio::isRegularFile(dir.path(files::kSuspendedSnapshot))) {
        auto bytes = fileio::readAll(dir.path(files::kSuspendedSnapshot));
        if (bytes)
            r.suspended = wholeRecords(*bytes);
        else
            r.damaged = files::kSuspendedSnapshot;
    }
    if (fileio::isRegularFile(dir.path(files::kTeamSnapshot))) {
        auto bytes = fileio::readAll(dir.path(files::kTeamSnapshot));
        if (bytes && long(bytes->size()) >= long(kTeamPositions) * kTeamRecordLength)
            r.team = leadingRecords(*bytes, kTeamPositions);
        else if (r.damaged.empty())
            r.damaged = files::kTeamSnapshot;
    }
    return r;
}

bool stageRestoredRegisters(const RestoredRegisters& r, FileTransaction& t) {
    if (!r.damaged.empty()) return false;
    if (r.suspended) t.replace(files::kSuspended, *r.suspended);
    if (r.team) t.replace(files::kTeamRegister, *r.team);
    return true;
}
