#include "store/league_session.h"

#include "contacts/saved_postal_codes.h"
#include "store/file_io.h"
#include "store/results_file.h"
#include "store/settings_files.h"
#include "store/suspended_register.h"
#include "store/team_register.h"

StartupResult loadLeague(LeagueModel& m, const DataDir& dir, const CalendarDate& today) {
    StartupResult r;
    r.dataFolderReady = dir.ensureDataFolder();
    bool ok = r.dataFolderReady;

    m.selectedRow = 0;
    m.deleteDone = 0;
    for (int i = 0; i < kChangePositions; ++i) {
        m.ChangePositionMap[i] = i + 1;
        m.BasePositionMap[i] = i + 1;
        m.NextTermTeam[i] = 0;
        m.RankedTeamRecord[i] = 0;
    }
    m.resultTeams.fill(0);
    applyToday(m, today);
    m.registeredTeams.fill(0);

    ok &= loadUserName(m, dir);
    applyToday(m, today);
    m.currentGroup = 0;
    ok &= loadGroups(m, dir);

    m.suspendedCodec.clearRecord();
    m.changePositionCodec.clearRecord();
    ok &= countSuspended(m, dir);

    m.resultCodec.clearRecord();
    readTermSlots(m, dir);
    if (fileio::exists(dir.path(files::kResults))) {
        ok &= countTermTeams(m, dir);
    } else {
        ok &= createResultsFile(dir);
        m.termTeamCount = 0;
    }

    m.teamCodec.clearRecord();
    if (!fileio::exists(dir.path(files::kTeamRegister))) ok &= createTeamRegister(dir);

    m.savedCodeCodec.clearRecord();
    ok &= countSavedCodes(m, dir);
    mergeTeamRegisterCodes(m, dir);

    m.manualHint = 0;
    countRegisteredTeams(m, dir);
    countGroupTeams(m, dir);
    loadChangePositions(m, dir);
    ok &= loadTeamMax(m, dir);
    countSuspended(m, dir);
    m.allTeamsLinked = 1;
    m.currentGroup = 1;
    m.currentRecordNo = 1;
    m.termSlotIndex = 0;

    r.allFilesReady = ok;
    return r;
}

bool closeLeague(const LeagueModel& m, const DataDir& dir) {
    bool ok = true;
    if (fileio::exists(dir.path(files::kUserName))) ok &= saveUserName(m, dir);
    if (fileio::exists(dir.path(files::kGroups))) ok &= saveGroups(m, dir);
    if (fileio::exists(dir.path(files::kChangePositions))) ok &= sortChangePositions(dir);
    return ok;
}
