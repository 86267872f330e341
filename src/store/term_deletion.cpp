#include "store/term_deletion.h"

#include "store/file_io.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"

TermDeletion deleteNewestTermOnce(LeagueModel& m, const DataDir& dir) {
    if (!m.deleteAvailable) return TermDeletion::NotOffered;
    if (m.deleteDone) return TermDeletion::AlreadyDone;
    // Restoring the registers without removing the term would pair the old registers with
    // the new line-up, so make sure the term can be removed first.
    if (!fileio::readAll(dir.path(files::kResults))) return TermDeletion::Failed;
    restoreRegisters(m, dir);
    countRegisteredTeams(m, dir);
    deleteNewestTerm(m, dir);
    return TermDeletion::Deleted;
}
