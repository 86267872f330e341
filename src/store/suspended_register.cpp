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

SaveResult appendSuspended(LeagueModel& m, const DataDir& dir, const std::string& teamRecord) {
    if (m.suspendedCount >= kMaxSuspended) return SaveResult::failed(files::kSuspended);
    RecordCodec team(layouts::get(layouts::Team));
    team.record() = teamRecord;
    team.record().resize(kTeamRecordLength, ' ');
    team.unpackRecord();
    RecordCodec s(layouts::get(layouts::Suspended));
    for (int f = 0; f <= team_field::TeamName; ++f) s.field(f).setRaw(team.field(f).bytes());
    s.packRecord();
    const long at = long(m.suspendedCount) * kTeamRecordLength;
    if (!fileio::writeAt(dir.path(files::kSuspended), at, s.record(), layouts::emptyPattern(layouts::Suspended)))
        return SaveResult::failed(files::kSuspended);
    ++m.suspendedCount;
    return SaveResult::saved();
}

SaveResult removeSuspended(LeagueModel& m, const DataDir& dir, int k) {
    auto bytes = fileio::readAll(dir.path(files::kSuspended));
    if (!bytes) return SaveResult::failed(files::kSuspended);
    std::string kept;
    for (int j = 0; j < m.suspendedCount; ++j) {
        if (j == k) continue;
        const std::size_t at = std::size_t(j) * kTeamRecordLength;
        if (at + kTeamRecordLength <= bytes->size()) kept.append(*bytes, at, kTeamRecordLength);
    }
    FileTransaction t(dir);
    t.replace(files::kSuspended, kept);
    t.replace(files::kSuspendedScratch, kept);
    SaveResult saved = t.commit();
    if (saved) m.suspendedCount = int(kept.size() / kTeamRecordLength);
    return saved;
}

SaveResult snapshotRegisters(const LeagueModel& m, const DataDir& dir) {
    auto suspended = fileio::readAll(dir.path(files::kSuspended));
    if (!suspended) return SaveResult::failed(files::kSuspended);
    auto teams = fileio::readAll(dir.path(files::kTeamRegister));
    if (!teams) return SaveResult::failed(files::kTeamRegister);
    FileTransaction t(dir);
    t.replace(files::kSuspendedSnapshot, leadingRecords(*suspended, m.suspendedCount));
    t.replace(files::kTeamSnapshot, leadingRecords(*teams, kTeamPositions));
    return t.commit();
}

RestoredRegisters restoredRegisters(const DataDir& dir) {
    RestoredRegisters r;
    if (fileio::isRegularFile(dir.path(files::kSuspendedSnapshot))) {
        auto bytes = fileio::readAll(dir.path(files::kSuspendedSnapshot));
        if (bytes)
            r.suspended = leadingRecords(*bytes, kMaxSuspended);
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
