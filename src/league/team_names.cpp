#include "league/team_names.h"

#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

bool isTeam(std::string_view nameField) {
    return !nameField.empty() && nameField[0] != ' ';
}

}  // namespace

std::string teamNameField(std::string_view sjisText) {
    return padField(sjisText, false, kTeamNameWidth);
}

bool storeTeamName(LeagueModel& m, const DataDir& dir, int row, std::string_view nameField) {
    m.resultCodec.field(result_field::TeamName).setRaw(nameField);
    m.currentRecordNo = positionNumber(m.currentGroup - 1, row);
    m.selectedRow = row;
    if (writeTeamName(m, dir)) return true;
    m.termTeamCount = 0;
    return false;
}

void selectTeam(LeagueModel& m, const DataDir& dir, int row) {
    m.currentRecordNo = positionNumber(m.currentGroup - 1, row);
    m.selectedRow = row;
    readResultRecord(m, dir);
    const std::string name = m.resultCodec.field(result_field::TeamName).bytes();
    m.detailRecordNo = isTeam(name) ? findOrAllocateTeam(m, dir, name) : 0;
}

void registerShownTeams(LeagueModel& m, const DataDir& dir, const std::array<std::string, kTeamsPerGroup>& names) {
    for (const std::string& name : names)
        if (isTeam(name)) findOrAllocateTeam(m, dir, name);
}
