#include "session/league_session.h"

#include "contacts/saved_postal_codes.h"
#include "print/export_files.h"
#include "store/backup.h"
#include "store/data_folder_swap.h"
#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/newest_term.h"
#include "store/results_file.h"
#include "store/settings_files.h"
#include "store/suspended_register.h"
#include "store/team_register.h"

StartupResult loadLeague(LeagueModel& m, const DataDir& dir, const CalendarDate& today) {
    StartupResult r;
    // A restore first, for it decides which Data/ there is; then a save within it.
    r.recovered = finishInterruptedSwap(dir);
    r.dataFolderReady = dir.ensureDataFolder();
    if (r.dataFolderReady) r.recovered &= recoverInterruptedWrites(dir);
    removeUnfinishedBackups(dir);
    removeStrayReportFiles(dir);
    bool ok = r.dataFolderReady;

    m.selectedRow = 0;
    m.deleteDone = 0;
    resetPositionMaps(m);
    m.NextTermTeam.fill(0);
    m.RankedTeamRecord.fill(0);
    m.resultTeams.fill(0);
    m.registeredTeams.fill(0);
    applyToday(m, today);

    ok &= loadUserName(m, dir);
    applyToday(m, today);
    m.currentGroup = 0;
    ok &= loadGroups(m, dir);
    ok &= countSuspended(m, dir);

    if (!fileio::isRegularFile(dir.path(files::kResults))) ok &= createResultsFile(dir).ok();
    if (!fileio::isRegularFile(dir.path(files::kTeamRegister))) ok &= createTeamRegister(dir).ok();

    // The register is read once: the name index, the saved codes and the counts come from it.
    const auto reg = m.registerNames.reload(dir.path(files::kTeamRegister));
    const std::string_view registerBytes = reg ? std::string_view(*reg) : std::string_view();
    ok &= countSavedCodes(m, dir);
    ok &= mergeTeamRegisterCodes(m, dir, registerBytes).ok();

    countRegisteredTeams(m, registerBytes);
    countGroupTeams(m, dir);
    loadChangePositions(m, dir);
    ok &= loadTeamMax(m, dir);
    countSuspended(m, dir);
    m.allTeamsLinked = 1;
    ok &= resetToNewestTerm(m, dir);

    r.allFilesReady = ok;
    r.writable = r.dataFolderReady && dir.dataFolderWritable();
    return r;
}

SaveResult closeLeague(const LeagueModel& m, const DataDir& dir) {
    SaveResult r = SaveResult::saved();
    if (fileio::isRegularFile(dir.path(files::kUserName))) r &= saveUserName(m, dir);
    if (fileio::isRegularFile(dir.path(files::kGroups))) r &= saveGroups(m, dir);
    if (fileio::isRegularFile(dir.path(files::kChangePositions))) r &= sortChangePositions(dir);
    return r;
}
