#include "league/group_names.h"

#include <string>

#include "store/settings_files.h"
#include "store/sjis.h"
#include "store/text_ops.h"

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

std::string groupLabel(const LeagueModel& m, int slot) {
    const std::string letters = trimField(m.groupLetters(slot));
    if (!letters.empty()) return letters;
    return std::to_string(slot + 1) + sjis::fromUnicode("番目");
}
