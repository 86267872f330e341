#include "league/change_over_execution.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "standings/term_choice.h"
#include "store/backup.h"
#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

int nameAt() {
    return layouts::offset(layouts::Team, team_field::TeamName);
}
int reservedAt() {
    return layouts::offset(layouts::Team, team_field::Reserved);
}

std::string recordAt(const std::string& image, int index) {
    std::string r = image.substr(std::size_t(index) * kTeamRecordLength, kTeamRecordLength);
    r.resize(kTeamRecordLength, ' ');
    return r;
}

bool isEmptyTeamRecord(std::string_view r) {
    for (std::size_t i = 0; i < r.size() && i + 2 < std::size_t(kTeamRecordLength); ++i)
        if (r[i] != ' ' && r[i] != '\0') return false;
    return true;
}

// What the new term is made from, as the files hold it now.
struct Sources {
    std::string results;    // the whole results file, ten blocks
    std::string registry;   // Data/Info.001, 200 records
    std::string suspended;  // the counted records of Data/Kyuubu.001
};

class NewRegisters {
public:
    NewRegisters(const LeagueModel& m, const Sources& s) : m_(m), s_(s) { claimDetails(); }

    std::string name(int team) const {
        if (team >= 1 && team <= kTeamPositions) return s_.results.substr(resultRecordOffset(0, team), kTeamNameWidth);
        return suspendedRecord(team).substr(nameAt(), kTeamNameWidth);
    }

    // Data/Info.001 in the order of the new line-up.
    std::string teamRegister() const {
        std::string out = emptyRecords(layouts::get(layouts::Team), kTeamPositions);
        std::array<bool, kTeamPositions> used{};
        for (int i = 0; i < kTeamPositions; ++i) {
            const int team = m_.NextTermTeam[i];
            if (team == 0) continue;
            out.replace(std::size_t(i) * kTeamRecordLength, kTeamRecordLength,
                        team <= kTeamPositions ? details(team) : suspendedRecord(team));
            used[i] = true;
        }
        // Records of no team in the line-up keep their place when it is free, else take the
        // first free one; a record under the name of a team that has its own is out of date.
        std::vector<int> homeless;
        for (int j = 0; j < kTeamPositions; ++j) {
            if (claimed_[j]) continue;
            const std::string r = recordAt(s_.registry, j);
            if (isEmptyTeamRecord(r) || names_.count(r.substr(nameAt(), kTeamNameWidth))) continue;
            if (used[j]) {
                homeless.push_back(j);
                continue;
            }
            used[j] = true;
            out.replace(std::size_t(j) * kTeamRecordLength, kTeamRecordLength, r);
        }
        for (int j : homeless)
            for (int k = 0; k < kTeamPositions; ++k)
                if (!used[k]) {
                    used[k] = true;
                    out.replace(std::size_t(k) * kTeamRecordLength, kTeamRecordLength, recordAt(s_.registry, j));
                    break;
                }
        return out;
    }

    // The suspended register without the teams that return; *kept is it before the newly
    // suspended teams are added.
    std::string suspendedRegister(std::string* kept, bool* anyReturned) const {
        std::string out;
        *anyReturned = false;
        const int count = int(s_.suspended.size() / kTeamRecordLength);
        for (int k = 0; k < count; ++k) {
            if (inGroups(kTeamPositions + k + 1)) {
                *anyReturned = true;
                continue;
            }
            out += recordAt(s_.suspended, k);
        }
        *kept = out;
        for (int i = kSuspendedColumn; i < kChangePositions; ++i) {
            const int team = m_.NextTermTeam[i];
            if (team < 1 || team > kTeamPositions) continue;
            std::string r = details(team);
            r.replace(nameAt(), kTeamNameWidth, name(team));
            r.replace(reservedAt(), kTeamRecordLength - 2 - reservedAt(),
                      fillSpaces(kTeamRecordLength - 2 - reservedAt()));
            r.replace(kTeamRecordLength - 2, 2, " \n");
            out += r;
        }
        return out;
    }

private:
    bool inGroups(int team) const {
        for (int i = 0; i < kSuspendedColumn; ++i)
            if (m_.NextTermTeam[i] == team) return true;
        return false;
    }

    std::string suspendedRecord(int team) const {
        const int k = team - kTeamPositions - 1;
        if (k < 0 || std::size_t(k + 1) * kTeamRecordLength > s_.suspended.size())
            return emptyRecord(layouts::get(layouts::Team));
        return recordAt(s_.suspended, k);
    }

    // A team's own record: the one at its position when that carries its name, else the first
    // other one that does; a team without any gets a record holding just its name.
    std::string details(int team) const {
        const int j = record_[team];
        if (j >= 0) return recordAt(s_.registry, j);
        std::string r = emptyRecord(layouts::get(layouts::Team));
        r.replace(nameAt(), kTeamNameWidth, name(team));
        return r;
    }

    void claimDetails() {
        record_.fill(-1);
        std::vector<int> teams;
        for (int i = 0; i < kChangePositions; ++i) {
            const int team = m_.NextTermTeam[i];
            if (team >= 1 && team <= kTeamPositions) teams.push_back(team);
            // The names whose teams have a record of their own in the new registers.
            if (team != 0 && (i < kSuspendedColumn || team <= kTeamPositions)) names_.insert(name(team));
        }
        auto nameOfRecord = [&](int j) {
            return s_.registry.substr(std::size_t(j) * kTeamRecordLength + nameAt(), kTeamNameWidth);
        };
        for (int team : teams)
            if (record_[team] < 0 && !claimed_[team - 1] && nameOfRecord(team - 1) == name(team)) {
                record_[team] = team - 1;
                claimed_[team - 1] = true;
            }
        for (int team : teams) {
            if (record_[team] >= 0) continue;
            for (int j = 0; j < kTeamPositions; ++j)
                if (!claimed_[j] && nameOfRecord(j) == name(team)) {
                    record_[team] = j;
                    claimed_[j] = true;
                    break;
                }
        }
    }

    const LeagueModel& m_;
    const Sources& s_;
    std::array<int, kChangePositions + 1> record_{};
    std::array<bool, kTeamPositions> claimed_{};
    std::set<std::string> names_;
};

// The results file with the new term in slot 0: the line-up's names, no results.
std::string newResults(const LeagueModel& m, const Sources& s, const NewRegisters& regs, std::string_view key) {
    std::string out = withNewestTerm(s.results, key);
    const std::string rest = emptyRecord(layouts::get(layouts::Result)).substr(kTeamNameWidth);
    for (int i = 0; i < kTeamPositions; ++i)
        if (const int team = m.NextTermTeam[i]; team != 0)
            out.replace(resultRecordOffset(0, i + 1), kResultRecordLength,
                        padField(regs.name(team), false, kTeamNameWidth) + rest);
    return out;
}

}  // namespace

ChangeOverRun executeChangeOver(LeagueModel& m, const DataDir& dir, const LocalDateTime& now) {
    ChangeOverRun run;
    run.problem = checkLineUp(m);
    if (run.problem.kind != LineUpProblem::None) return run;
    const TermName newest = newestStoredTerm(dir);
    if (newest.year == 0) {
        run.outcome = ChangeOverOutcome::NoTermStored;
        return run;
    }
    const TermName next = termAfter(newest);

    run.outcome = ChangeOverOutcome::Unreadable;
    Sources s;
    auto results = readFullImage(dir);
    if (!results) {
        run.saved = SaveResult::failed(files::kResults);
        return run;
    }
    s.results = std::move(*results);
    bool readable = false;
    s.registry = readRegisterImage(dir, &readable);
    if (!readable) {
        run.saved = SaveResult::failed(files::kTeamRegister);
        return run;
    }
    const std::string suspendedPath = dir.path(files::kSuspended);
    if (auto bytes = fileio::readAll(suspendedPath)) {
        const std::size_t whole = bytes->size() / kTeamRecordLength;
        s.suspended = bytes->substr(
            0, std::min<std::size_t>(whole, std::size_t(std::max(m.suspendedCount, 0))) * kTeamRecordLength);
    } else if (std::error_code ec; std::filesystem::exists(suspendedPath, ec) || ec) {
        // Only a register that is not there at all stands for no suspended team.
        run.saved = SaveResult::failed(files::kSuspended);
        return run;
    }

    run.saved = backupDataFolder(dir, now);
    if (!run.saved) {
        run.outcome = ChangeOverOutcome::BackupFailed;
        return run;
    }

    const NewRegisters regs(m, s);
    std::string kept;
    bool anyReturned = false;
    std::string suspended = regs.suspendedRegister(&kept, &anyReturned);
    FileTransaction t(dir);
    t.replace(files::kResults, newResults(m, s, regs, makeTermKey(next.year, next.half)));
    t.replace(files::kTeamRegister, regs.teamRegister());
    t.replace(files::kSuspended, suspended);
    if (anyReturned) t.replace(files::kSuspendedScratch, kept);
    t.replace(files::kTeamSnapshot, s.registry);
    t.replace(files::kSuspendedSnapshot, s.suspended);
    run.saved = t.commit();
    m.registerNames.invalidate();
    if (!run.saved) {
        run.outcome = ChangeOverOutcome::NotSaved;
        return run;
    }

    run.outcome = ChangeOverOutcome::Done;
    m.teamMax = m.resultTeams;
    m.registeredTeams = m.resultTeams;
    m.suspendedCount = int(suspended.size() / kTeamRecordLength);
    readTermSlots(m, dir);
    m.termSlotIndex = 0;
    m.currentGroup = 1;
    m.currentRecordNo = 1;
    m.detailRecordNo = 1;
    m.selectedRow = 0;
    countTermTeams(m, dir);
    m.resultGroupCount = 0;
    for (int g = 0; g < kGroups; ++g)
        if (m.resultTeams[g] > 0) m.resultGroupCount = g + 1;
    return run;
}
