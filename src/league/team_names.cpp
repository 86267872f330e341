#include "league/team_names.h"

#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

std::string teamNameField(std::string_view sjisText) {
    return padField(trimBlanks(sjisText), false, kTeamNameWidth);
}

SaveResult storeTeamName(LeagueModel& m, const DataDir& dir, int termSlot, int groupSlot, int row,
                         std::string_view nameField) {
    const int recordNo = positionNumber(groupSlot, row);
    m.currentRecordNo = recordNo;
    m.selectedRow = row;
    return writeTeamName(m, dir, termSlot, recordNo, nameField);
}

SaveResult selectTeam(LeagueModel& m, const DataDir& dir, int groupSlot, int row) {
    const int recordNo = positionNumber(groupSlot, row);
    m.currentRecordNo = recordNo;
    m.selectedRow = row;
    const std::string record = readResultRecord(dir, m.termSlotIndex, recordNo);
    const std::string name = record.substr(0, kTeamNameWidth);
    if (!holdsTeam(name)) {
        m.detailRecordNo = 0;
        return SaveResult::saved();
    }
    const TeamAllocation a = findOrAllocateTeam(m, dir, name);
    m.detailRecordNo = a.recordNo;
    return a.saved;
}

SaveResult registerShownTeams(LeagueModel& m, const DataDir& dir,
                              const std::array<std::string, kTeamsPerGroup>& names) {
    SaveResult r = SaveResult::saved();
    for (const std::string& name : names)
        if (holdsTeam(name)) r &= findOrAllocateTeam(m, dir, name).saved;
    return r;
}
