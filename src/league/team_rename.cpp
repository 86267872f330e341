#include "league/team_rename.h"

#include <string>

#include "league/team_names.h"
#include "store/file_transaction.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

std::string_view nameAt(std::string_view block, int position) {
    return block.substr(std::size_t(position - 1) * kResultRecordLength, kTeamNameWidth);
}

// Whether a position of the block other than `except` bears name.
bool otherRowBears(std::string_view block, std::string_view name, int except) {
    for (int p = 1; p <= kTeamPositions; ++p)
        if (p != except && nameAt(block, p) == name) return true;
    return false;
}

// The name at position in term slot termSlot and the team's register record, renamed together.
SaveResult renameRecord(LeagueModel& m, const DataDir& dir, int termSlot, int position, int recordNo,
                        const std::string& name) {
    const long at = resultRecordOffset(termSlot, position);
    auto results = readImageCovering(dir, at + kResultRecordLength);
    if (!results) return SaveResult::failed(files::kResults);
    bool readable = false;
    std::string reg = readRegisterImage(dir, &readable);
    if (!readable) return SaveResult::failed(files::kTeamRegister);
    results->replace(at, kTeamNameWidth, name);
    reg.replace(std::size_t(recordNo - 1) * kTeamRecordLength + layouts::offset(layouts::Team, team_field::TeamName),
                kTeamNameWidth, name);
    FileTransaction t(dir);
    t.replace(files::kResults, std::move(*results));
    t.replace(files::kTeamRegister, std::move(reg));
    SaveResult saved = t.commit();
    m.registerNames.invalidate();
    if (termSlot == m.termSlotIndex) countTermTeams(m, dir);
    return saved;
}

}  // namespace

NameChange changeTeamName(LeagueModel& m, const DataDir& dir, int termSlot, int groupSlot, int row,
                          std::string_view nameField) {
    NameChange c;
    const int position = positionNumber(groupSlot, row);
    const std::string name = padField(nameField, false, kTeamNameWidth);
    const std::string block = readTermBlock(dir, termSlot);
    const std::string before(nameAt(block, position));
    m.currentRecordNo = position;
    m.selectedRow = row;
    if (before == name) return c;

    const std::string registerPath = dir.path(files::kTeamRegister);
    // Without a readable register no record can be kept or used up: the name alone is stored.
    if (holdsTeam(name) && m.registerNames.refresh(registerPath) && m.registerNames.find(name) == 0) {
        const int own = holdsTeam(before) ? m.registerNames.find(before) : 0;
        const bool stillBorne = otherRowBears(block, before, position) ||
                                (termSlot != 0 && otherRowBears(readTermBlock(dir, 0), before, 0));
        if (own != 0 && !stillBorne) {
            c.outcome = NameChangeOutcome::RecordRenamed;
            c.saved = renameRecord(m, dir, termSlot, position, own, name);
            return c;
        }
        if (m.registerNames.firstFree() == 0) {
            c.outcome = NameChangeOutcome::RegisterFull;
            return c;
        }
    }
    c.outcome = NameChangeOutcome::Stored;
    c.saved = storeTeamName(m, dir, termSlot, groupSlot, row, name);
    return c;
}
