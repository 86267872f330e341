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

namespace {

std::size_t codeWidth() {
    return std::size_t(layouts::width(layouts::SavedPostalCode, saved_code_field::Code));
}

}  // namespace

std::vector<SavedCodeRow> readSavedCodePage(const DataDir& dir, int savedPageTop) {
    const std::size_t addressWidth = std::size_t(layouts::width(layouts::SavedPostalCode, saved_code_field::Address));
    std::vector<SavedCodeRow> rows(SavedCodePager::kRows,
                                   SavedCodeRow{fillSpaces(codeWidth()), fillSpaces(addressWidth)});
    if (savedPageTop < 0) return rows;
    std::string bytes(std::size_t(SavedCodePager::kRows) * kSavedCodeRecordLength, ' ');
    std::size_t got = 0;
    if (!fileio::readAt(dir.path(files::kSavedPostalCodes), long(savedPageTop) * kSavedCodeRecordLength, bytes.data(),
                        bytes.size(), &got))
        return rows;
    for (std::size_t r = 0; (r + 1) * kSavedCodeRecordLength <= got; ++r) {
        const std::string_view record = std::string_view(bytes).substr(r * kSavedCodeRecordLength);
        rows[r].code = layouts::field(record, layouts::SavedPostalCode, saved_code_field::Code);
        rows[r].address = layouts::field(record, layouts::SavedPostalCode, saved_code_field::Address);
    }
    return rows;
}

std::optional<std::string> chosenSavedCode(const SavedCodeRow& row) {
    std::string code = padField(row.code, false, codeWidth());
    if (code[0] == ' ') return std::nullopt;
    return trimField(code);
}
