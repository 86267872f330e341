#include "league/suspension.h"

#include <optional>

#include "league/line_up.h"
#include "league/register_follow.h"
#include "standings/standings.h"
#include "store/backup.h"
#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

LineUpOutcome outcomeOf(LineUpRefusal r) {
    switch (r) {
        case LineUpRefusal::GroupFull:
            return LineUpOutcome::GroupFull;
        case LineUpRefusal::NoGroupLeft:
            return LineUpOutcome::NoGroupLeft;
        case LineUpRefusal::NoTeam:
            return LineUpOutcome::NoTeam;
        case LineUpRefusal::None:
            break;
    }
    return LineUpOutcome::Done;
}

// A copy of Data/ before a change the organiser asked for; none for a request without a moment.
std::optional<DataBackup> backupFirst(const DataDir& dir, const BackupMoment& at, BackupOperation op) {
    if (!at) return std::nullopt;
    return DataBackup::make(dir, *at, op);
}

std::vector<int> changedGroups(const LineUpChange& change) {
    std::vector<int> groups;
    if (change.refusal != LineUpRefusal::None) return groups;
    for (int g = 0; g < kGroups; ++g)
        if (groupChanged(change.plan, g)) groups.push_back(g);
    return groups;
}

bool validRequest(const LineUpRequest& at) {
    return at.termSlot >= 0 && at.termSlot < kTermSlots && at.groupSlot >= 0 && at.groupSlot < kGroups && at.row >= 0 &&
           at.row < kTeamsPerGroup;
}

// Counts, rate and ranks of every changed group, worked out from its new results.
void recomputeChangedGroups(std::string& block, const LineUpPlan& plan, bool keepManualRanks) {
    const int resultsAt = layouts::offset(layouts::Result, result_field::FirstResult);
    for (int g = 0; g < kGroups; ++g) {
        if (!groupChanged(plan, g)) continue;
        std::array<std::string, kTeamsPerGroup> records;
        TeamRows teams{};
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            records[r] = block.substr(std::size_t(positionNumber(g, r) - 1) * kResultRecordLength, kResultRecordLength);
            teams[r] = holdsTeam(std::string_view(records[r]).substr(0, kTeamNameWidth));
        }
        ResultsTable table = tableFromRecords(records);
        computeStandings(table, teams, keepManualRanks);
        const auto fields = groupResultFields(table, keepManualRanks);
        for (int r = 0; r < kTeamsPerGroup; ++r)
            block.replace(std::size_t(positionNumber(g, r) - 1) * kResultRecordLength + resultsAt, fields[r].size(),
                          fields[r]);
    }
}

// Everything one change reads before it decides anything.
struct Files {
    std::string block;      // the term's 200 records
    std::string results;    // Data/Seiseki.001, long enough to hold that term
    std::string reg;        // Data/Info.001 as it is
    std::string suspended;  // Data/Kyuubu.001's whole records
};

std::optional<Files> readFiles(const DataDir& dir, int termSlot, SaveResult& failure) {
    Files f;
    bool readable = false;
    f.block = readTermBlock(dir, termSlot, &readable);
    auto results = readImageCovering(dir, resultRecordOffset(termSlot, kTeamPositions) + kResultRecordLength);
    if (!readable || !results) {
        failure = SaveResult::failed(files::kResults);
        return std::nullopt;
    }
    f.results = std::move(*results);
    auto reg = fileio::readAll(dir.path(files::kTeamRegister));
    if (!reg) {
        failure = SaveResult::failed(files::kTeamRegister);
        return std::nullopt;
    }
    f.reg = std::move(*reg);
    auto suspended = readSuspendedImage(dir);
    if (!suspended) {
        failure = SaveResult::failed(files::kSuspended);
        return std::nullopt;
    }
    f.suspended = std::move(*suspended);
    return f;
}

// The register's first 200 records (a short file reads as empty records past its end).
std::string registerRecords(const std::string& reg) {
    std::string out = emptyRecords(layouts::get(layouts::Team), kTeamPositions);
    out.replace(0, std::min(reg.size(), out.size()), reg, 0, std::min(reg.size(), out.size()));
    return out;
}

// The new register file: its 200 records, then whatever followed them as it was.
std::string registerFile(const std::string& old, const std::string& records) {
    return old.size() > records.size() ? records + old.substr(records.size()) : records;
}

SaveResult commit(LeagueModel& m, const DataDir& dir, const Files& f, int termSlot, const std::string& block,
                  const std::string& reg, const std::string* suspended, bool scratch) {
    std::string results = f.results;
    results.replace(resultRecordOffset(termSlot, 1), block.size(), block);
    FileTransaction t(dir);
    t.replace(files::kResults, std::move(results));
    t.replace(files::kTeamRegister, registerFile(f.reg, reg));
    if (suspended) t.replace(files::kSuspended, *suspended);
    // The older program leaves the list's scratch copy behind whenever a team leaves the list.
    if (suspended && scratch) t.replace(files::kSuspendedScratch, *suspended);
    SaveResult saved = t.commit();
    m.registerNames.invalidate();
    if (!saved) return saved;
    if (suspended) m.suspendedCount = suspendedCountOf(*suspended);
    if (termSlot == m.termSlotIndex) countTermTeams(m, dir);
    countRegisteredTeams(m, dir);
    return saved;
}

}  // namespace

LineUpResult removeTeam(LeagueModel& m, const DataDir& dir, const LineUpRequest& at, Leaving how,
                        BackupMoment backupAt) {
    if (!validRequest(at)) return {};
    SaveResult failure = SaveResult::saved();
    const auto f = readFiles(dir, at.termSlot, failure);
    if (!f) return {LineUpOutcome::NotSaved, failure};
    const LineUpChange change = planRemoval(f->block, at.groupSlot, at.row, at.linked);
    if (change.refusal != LineUpRefusal::None) return {outcomeOf(change.refusal)};
    // The list is full before anything is written: the team stays where it is.
    if (how == Leaving::Suspension && suspendedCountOf(f->suspended) >= kMaxSuspended) return {LineUpOutcome::ListFull};

    std::string block = applyLineUp(f->block, change.plan, std::string_view());
    recomputeChangedGroups(block, change.plan, at.keepManualRanks);
    const int leaving = positionNumber(at.groupSlot, at.row) - 1;
    // A team that leaves an older term may still play in the newest one: its details stay then.
    const std::string newest = at.termSlot == 0 ? std::string() : readTermBlock(dir, 0);
    const RegisterFollow reg =
        registerAfter(registerRecords(f->reg), f->block, block, newest, change, leaving, std::string());

    std::optional<std::string> suspended;
    if (how == Leaving::Suspension) suspended = f->suspended + suspendedRecordFrom(reg.leavingRecord);
    auto backup = backupFirst(dir, backupAt,
                              how == Leaving::Suspension ? BackupOperation::Suspension : BackupOperation::Withdrawal);
    if (backup && !*backup) return {LineUpOutcome::BackupFailed, backup->result()};
    LineUpResult r;
    r.saved = commit(m, dir, *f, at.termSlot, block, reg.image, suspended ? &*suspended : nullptr, false);
    r.outcome = r.saved ? LineUpOutcome::Done : LineUpOutcome::NotSaved;
    if (r.saved && backup) backup->keep();
    return r;
}

LineUpResult returnTeam(LeagueModel& m, const DataDir& dir, const LineUpRequest& at, int k, BackupMoment backupAt) {
    if (!validRequest(at)) return {};
    SaveResult failure = SaveResult::saved();
    const auto f = readFiles(dir, at.termSlot, failure);
    if (!f) return {LineUpOutcome::NotSaved, failure};
    if (k < 0 || k >= suspendedCountOf(f->suspended)) return {};
    const std::string record = f->suspended.substr(std::size_t(k) * kTeamRecordLength, kTeamRecordLength);
    const std::string name = record.substr(layouts::offset(layouts::Team, team_field::TeamName), kTeamNameWidth);
    if (!holdsTeam(name)) return {};

    const LineUpChange change = planReturn(f->block, at.groupSlot, at.row, at.linked);
    if (change.refusal != LineUpRefusal::None) return {outcomeOf(change.refusal)};
    std::string block = applyLineUp(f->block, change.plan, name);
    recomputeChangedGroups(block, change.plan, at.keepManualRanks);
    const RegisterFollow reg =
        registerAfter(registerRecords(f->reg), f->block, block, std::string_view(), change, -1, record);
    if (!reg.placed) return {LineUpOutcome::NoRegisterRecord};

    const std::string suspended = suspendedImageWithout(f->suspended, k);
    auto backup = backupFirst(dir, backupAt, BackupOperation::Return);
    if (backup && !*backup) return {LineUpOutcome::BackupFailed, backup->result()};
    LineUpResult r;
    r.saved = commit(m, dir, *f, at.termSlot, block, reg.image, &suspended, true);
    if (!r.saved) {
        r.outcome = LineUpOutcome::NotSaved;
        return r;
    }
    if (backup) backup->keep();
    r.outcome = LineUpOutcome::Done;
    r.arrivalRow = rowOfPosition(change.arrival + 1);
    m.currentRecordNo = change.arrival + 1;
    m.selectedRow = r.arrivalRow;
    return r;
}

LineUpResult withdrawSuspended(LeagueModel& m, const DataDir& dir, int k, BackupMoment backupAt) {
    if (k < 0 || k >= m.suspendedCount) return {};
    auto backup = backupFirst(dir, backupAt, BackupOperation::Withdrawal);
    if (backup && !*backup) return {LineUpOutcome::BackupFailed, backup->result()};
    LineUpResult r;
    r.saved = removeSuspended(m, dir, k);
    r.outcome = r.saved ? LineUpOutcome::Done : LineUpOutcome::NotSaved;
    if (r.saved && backup) backup->keep();
    return r;
}

std::vector<int> groupsChangedByRemoval(const DataDir& dir, const LineUpRequest& at) {
    if (!validRequest(at)) return {};
    return changedGroups(planRemoval(readTermBlock(dir, at.termSlot), at.groupSlot, at.row, at.linked));
}

std::vector<int> groupsChangedByReturn(const DataDir& dir, const LineUpRequest& at) {
    if (!validRequest(at)) return {};
    return changedGroups(planReturn(readTermBlock(dir, at.termSlot), at.groupSlot, at.row, at.linked));
}
