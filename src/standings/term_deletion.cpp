#include "standings/term_deletion.h"

#include "store/backup.h"
#include "store/file_transaction.h"
#include "store/newest_term.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"

TermDeletion deleteNewestTermOnce(LeagueModel& m, const DataDir& dir, const LocalDateTime& now) {
    TermDeletion d;
    if (!m.deleteAvailable) return d;
    if (m.deleteDone) {
        d.outcome = TermDeletionOutcome::AlreadyDone;
        return d;
    }
    auto image = readFullImage(dir);
    if (!image) {
        d.outcome = TermDeletionOutcome::NotSaved;
        d.saved = SaveResult::failed(files::kResults);
        return d;
    }
    const RestoredRegisters restored = restoredRegisters(dir);
    FileTransaction t(dir);
    if (!stageRestoredRegisters(restored, t)) {
        d.outcome = TermDeletionOutcome::SnapshotDamaged;
        d.saved = SaveResult::failed(restored.damaged);
        return d;
    }
    DataBackup backup = DataBackup::make(dir, now, BackupOperation::TermDeletion);
    if (!backup) {
        d.outcome = TermDeletionOutcome::BackupFailed;
        d.saved = backup.result();
        return d;
    }
    t.replace(files::kResults, withoutNewestTerm(*image));
    d.saved = t.commit();
    m.registerNames.invalidate();
    if (!d.saved) {
        d.outcome = TermDeletionOutcome::NotSaved;
        return d;
    }
    backup.keep();
    d.outcome = TermDeletionOutcome::Deleted;
    m.deleteDone = 1;
    resetToNewestTerm(m, dir);
    countSuspended(m, dir);
    countRegisteredTeams(m, dir);
    return d;
}
