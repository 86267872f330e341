#include "support/records.h"

#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

const std::string kEmptyResult = std::string(45, ' ') + "\n";
const std::string kEmptyTeam = std::string(999, ' ') + "\n";

std::string name20(const std::string& utf8Name) {
    return padField(sjis::fromUnicode(utf8Name), false, 20);
}

std::string resultRecord(const std::string& utf8Name, const std::string& rest) {
    return name20(utf8Name) + padField(rest, false, 24) + " \n";
}

std::string resultsHeader(const std::string& keys) {
    return padField(keys, false, 30) + " \n";
}

std::string termBlock(std::initializer_list<std::pair<int, std::string>> records) {
    std::string b = repeatRecord(kEmptyResult, kTeamPositions);
    for (const auto& [n, rec] : records) b.replace(std::size_t(n - 1) * 46, 46, rec);
    return b;
}

std::string teamRecord(const std::string& representative, const std::string& utf8Name, char memoFill) {
    std::string r = kEmptyTeam;
    r.replace(0, 16, padField(sjis::fromUnicode(representative), false, 16));
    r.replace(211, 400, std::string(400, memoFill));
    r.replace(611, 20, name20(utf8Name));
    return r;
}

std::string teamRegister(std::initializer_list<std::pair<int, std::string>> records) {
    std::string r = repeatRecord(kEmptyTeam, kTeamPositions);
    for (const auto& [n, rec] : records) r.replace(std::size_t(n - 1) * 1000, 1000, rec);
    return r;
}

long resultAt(int slot, int recordNo) {
    return 32 + long(slot) * 9200 + long(recordNo - 1) * 46;
}
