#include "league/group_names.h"

#include "store/settings_files.h"

char groupLetterFromText(std::string_view sjisText) {
    return sjisText.empty() ? ' ' : sjisText[0];
}

SaveResult storeGroupLetter(LeagueModel& m, const DataDir& dir, int slot, GroupColumn column, char letter) {
    if (slot < 0 || slot >= kGroups) return SaveResult::failed(files::kGroups);
    m.groupBlock.resize(kGroupBlockWidth, ' ');
    char& stored = m.groupBlock[2 * slot + (column == GroupColumn::Class ? 0 : 1)];
    if (stored == letter) return SaveResult::saved();
    const char before = stored;
    stored = letter;
    SaveResult saved = saveGroups(m, dir);
    if (!saved) stored = before;
    return saved;
}
