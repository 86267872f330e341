#include "store/suspended_register.h"

#include <algorithm>
#include <string>

#include "store/file_io.h"
#include "store/team_register.h"

namespace {

// The first count whole records of a register file (what is missing stays out).
std::string leadingRecords(const std::string& bytes, long count) {
    long whole = long(bytes.size()) / kTeamRecordLength;
    return bytes.substr(0, std::size_t(std::min(whole, count)) * kTeamRecordLength);
}

}  // namespace

bool countSuspended(LeagueModel& m, const DataDir& dir) {
    const std::string path = dir.path(files::kSuspended);
    long size = fileio::fileSize(path);
    if (size < 0) {
        m.suspendedCount = 0;
        return fileio::createFile(path, "");
    }
    m.suspendedCount = int(std::min<long>(size / kTeamRecordLength, kMaxSuspended));
    return true;
}

bool readSuspended(LeagueModel& m, const DataDir& dir) {
    return m.suspendedCodec.readRecord(dir.path(files::kSuspended), m.suspendedRecordNo);
}

bool writeSuspended(LeagueModel& m, const DataDir& dir) {
    return m.suspendedCodec.writeRecord(dir.path(files::kSuspended), m.suspendedRecordNo);
}

bool appendSuspended(LeagueModel& m, const DataDir& dir) {
    if (m.suspendedCount >= kMaxSuspended) return false;
    m.suspendedRecordNo = m.suspendedCount + 1;
    RecordCodec& s = m.suspendedCodec;
    s.clearRecord();
    for (int f = 0; f <= team_field::TeamName; ++f) s.field(f).setRaw(m.teamCodec.field(f).bytes());
    s.packRecord();
    if (!writeSuspended(m, dir)) return false;
    ++m.suspendedCount;
    return true;
}

bool removeSuspended(LeagueModel& m, const DataDir& dir, int k) {
    const std::string path = dir.path(files::kSuspended);
    auto bytes = fileio::readAll(path);
    if (!bytes) {
        m.suspendedCount = 0;
        return false;
    }
    std::string kept;
    for (int j = 0; j < m.suspendedCount; ++j) {
        if (j == k) continue;
        std::size_t at = std::size_t(j) * kTeamRecordLength;
        if (at + kTeamRecordLength <= bytes->size()) kept.append(*bytes, at, kTeamRecordLength);
    }
    // The scratch copy is written first, so the records survive if the rewrite fails.
    if (!fileio::createFile(dir.path(files::kSuspendedScratch), kept)) return false;
    if (!fileio::createFile(path, kept)) return false;
    m.suspendedCount = int(kept.size() / kTeamRecordLength);
    return true;
}

bool snapshotRegisters(LeagueModel& m, const DataDir& dir) {
    bool ok = true;
    auto suspended = fileio::readAll(dir.path(files::kSuspended));
    if (suspended)
        ok &= fileio::createFile(dir.path(files::kSuspendedSnapshot), leadingRecords(*suspended, m.suspendedCount));
    auto teams = fileio::readAll(dir.path(files::kTeamRegister));
    if (teams) ok &= fileio::createFile(dir.path(files::kTeamSnapshot), leadingRecords(*teams, kTeamPositions));
    return ok && suspended && teams;
}

bool restoreRegisters(LeagueModel& m, const DataDir& dir) {
    bool ok = true;
    if (auto suspended = fileio::readAll(dir.path(files::kSuspendedSnapshot))) {
        std::string records = leadingRecords(*suspended, kMaxSuspended);
        ok &= fileio::createFile(dir.path(files::kSuspended), records);
        m.suspendedCount = int(records.size() / kTeamRecordLength);
    }
    if (auto teams = fileio::readAll(dir.path(files::kTeamSnapshot))) {
        // The register always holds 200 records, even if the snapshot was cut short.
        std::string records = leadingRecords(*teams, kTeamPositions);
        records += emptyRecords(layouts::get(layouts::Team), kTeamPositions - int(records.size() / kTeamRecordLength));
        ok &= fileio::createFile(dir.path(files::kTeamRegister), records);
    }
    return ok;
}
