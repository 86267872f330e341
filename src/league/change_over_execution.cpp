#include "league/change_over_execution.h"

#include <filesystem>
#include <system_error>

#include "league/change_over_registers.h"
#include "standings/term_choice.h"
#include "store/backup.h"
#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/newest_term.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

// The results file with the new term in slot 0: the line-up's names, no results.
std::string newResults(const LeagueModel& m, const ChangeOverSources& s, const ChangeOverRegisters& regs,
                       std::string_view key) {
    std::string out = withNewestTerm(s.results, key);
    const std::string rest = emptyRecord(layouts::get(layouts::Result)).substr(kTeamNameWidth);
    for (int i = 0; i < kTeamPositions; ++i)
        if (const int team = m.NextTermTeam[i]; team != 0)
            out.replace(resultRecordOffset(0, i + 1), kResultRecordLength,
                        padField(regs.name(team), false, kTeamNameWidth) + rest);
    return out;
}

}  // namespace

ChangeOverRun executeChangeOver(LeagueModel& m, const DataDir& dir, const LocalDateTime& now, bool lossAccepted) {
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
    ChangeOverSources s;
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
        // Every record, the uncounted ones an older program may have written past the hundredth too.
        s.suspended = bytes->substr(0, bytes->size() / kTeamRecordLength * kTeamRecordLength);
    } else if (std::error_code ec; std::filesystem::exists(suspendedPath, ec) || ec) {
        // Only a register that is not there at all stands for no suspended team.
        run.saved = SaveResult::failed(files::kSuspended);
        return run;
    }

    const ChangeOverRegisters regs(m, s);
    std::string teamRegister = regs.teamRegister(&run.detailsLost);
    if (!run.detailsLost.empty() && !lossAccepted) {
        run.outcome = ChangeOverOutcome::DetailsWouldBeLost;
        run.saved = SaveResult::saved();
        return run;
    }
    DataBackup backup = DataBackup::make(dir, now, BackupOperation::ChangeOver);
    if (!backup) {
        run.outcome = ChangeOverOutcome::BackupFailed;
        run.saved = backup.result();
        return run;
    }

    std::string kept;
    bool anyReturned = false;
    std::string suspended = regs.suspendedRegister(&kept, &anyReturned);
    FileTransaction t(dir);
    t.replace(files::kResults, newResults(m, s, regs, makeTermKey(next.year, next.half)));
    t.replace(files::kTeamRegister, std::move(teamRegister));
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

    backup.keep();
    run.outcome = ChangeOverOutcome::Done;
    m.teamMax = m.resultTeams;
    m.registeredTeams = m.resultTeams;
    m.suspendedCount = suspendedCountOf(suspended);
    resetToNewestTerm(m, dir);
    m.resultGroupCount = 0;
    for (int g = 0; g < kGroups; ++g)
        if (m.resultTeams[g] > 0) m.resultGroupCount = g + 1;
    return run;
}
