#pragma once
// The pages of the saved-postal-code panel: 15 codes of Data/MyZip.001 to a page, paged
// with its two arrows, and the rows read for a page.

#include <optional>
#include <string>
#include <vector>

#include "store/data_dir.h"

class SavedCodePager {
public:
    static constexpr int kRows = 15;

    // A freshly opened panel shows the first page.
    explicit SavedCodePager(int savedCodeCount = 0) : savedCodeCount_(savedCodeCount < 0 ? 0 : savedCodeCount) {}

    int savedCodeCount() const { return savedCodeCount_; }
    int savedPageTop() const { return savedPageTop_; }
    int currentPage() const { return savedPageTop_ / kRows + 1; }
    int pageCount() const { return savedCodeCount_ == 0 ? 1 : (savedCodeCount_ - 1) / kRows + 1; }
    // Row r (0..14) of the page shows a code.
    bool rowHasCode(int r) const { return r >= 0 && r < kRows && savedPageTop_ + r < savedCodeCount_; }

    // "▲" and "▼": true when the page changed.
    bool pageUp();
    bool pageDown();

private:
    int savedCodeCount_;
    int savedPageTop_ = 0;
};

// One row of the panel, both texts exactly as stored: the 8-byte code and the 30-byte address.
struct SavedCodeRow {
    std::string code;
    std::string address;
};

// The 15 rows of the page that starts at savedPageTop; rows past the end of the file, or
// that it holds only in part, are blank.
std::vector<SavedCodeRow> readSavedCodePage(const DataDir& dir, int savedPageTop);

// What a click on a row puts into the postal-code field: the code without its blanks, or
// nothing for an empty row.
std::optional<std::string> chosenSavedCode(const SavedCodeRow& row);
