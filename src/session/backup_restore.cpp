#include "session/backup_restore.h"

#include <algorithm>

#include "session/league_session.h"
#include "store/backup.h"
#include "store/data_folder_swap.h"

RestoreRun restoreBackup(LeagueModel& m, const DataDir& dir, const std::string& folder, const LocalDateTime& now) {
    RestoreRun run;
    // Only a copy the list shows can be restored: a name of our own, inside Backup/.
    const auto list = listBackups(dir);
    const auto copy = std::find_if(list.begin(), list.end(), [&](const BackupEntry& e) { return e.folder == folder; });
    if (copy == list.end()) return run;
    if (!copy->whole) {
        run.outcome = RestoreOutcome::NotWhole;
        return run;
    }
    DataBackup undo = DataBackup::make(dir, now, BackupOperation::Restore);
    if (!undo) {
        run.outcome = RestoreOutcome::BackupFailed;
        run.saved = undo.result();
        return run;
    }
    run.saved = replaceDataFolder(dir, std::string(files::kBackupFolder) + "/" + folder);
    if (!run.saved) {
        run.outcome = RestoreOutcome::NotSaved;
        return run;
    }
    undo.keep();
    run.undoCopy = undo.relativePath().substr(undo.relativePath().rfind('/') + 1);
    run.outcome = RestoreOutcome::Restored;

    const int linked = m.allTeamsLinked, deleted = m.deleteDone;
    run.reloaded = loadLeague(m, dir, CalendarDate{now.year, now.month, now.day});
    m.allTeamsLinked = linked;
    m.deleteDone = deleted;
    return run;
}
