#include "contacts/saved_code_pages.h"

#include "contacts/saved_postal_codes.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

bool SavedCodePager::pageUp() {
    if (savedPageTop_ - kRows < 0) return false;
    savedPageTop_ -= kRows;
    return true;
}

bool SavedCodePager::pageDown() {
    if (savedPageTop_ + kRows >= savedCodeCount_) return false;
    savedPageTop_ += kRows;
    return true;
}

std::vector<SavedCodeRow> readSavedCodePage(const DataDir& dir, int savedPageTop) {
    std::vector<SavedCodeRow> rows(SavedCodePager::kRows, SavedCodeRow{fillSpaces(8), fillSpaces(30)});
    if (savedPageTop < 0) return rows;
    std::string bytes(std::size_t(SavedCodePager::kRows) * kSavedCodeRecordLength, ' ');
    std::size_t got = 0;
    if (!fileio::readAt(dir.path(files::kSavedPostalCodes), long(savedPageTop) * kSavedCodeRecordLength, bytes.data(),
                        bytes.size(), &got))
        return rows;
    for (std::size_t r = 0; (r + 1) * kSavedCodeRecordLength <= got; ++r) {
        rows[r].code = bytes.substr(r * kSavedCodeRecordLength, 8);
        rows[r].address = bytes.substr(r * kSavedCodeRecordLength + 8, 30);
    }
    return rows;
}

std::optional<std::string> chosenSavedCode(const SavedCodeRow& row) {
    std::string code = padField(row.code, false, 8);
    if (code[0] == ' ') return std::nullopt;
    return trimField(code);
}
