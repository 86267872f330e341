#pragma once
// One row of an imported spreadsheet read into a team: its name, its group and its details
// as field bytes, with every reason it cannot be taken as it stands. Whether it fits into the
// league is weighed afterwards.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "league/import_cells.h"
#include "league/import_columns.h"
#include "store/csv_reader.h"
#include "store/record_layout.h"

struct RowContent {
    int row = 0;
    int groupSlot = -1;
    std::string name;  // 20 bytes, Shift-JIS
    std::array<std::optional<std::string>, team_field::TeamName> details;
    std::vector<std::string> problems;  // Japanese, in the order of the columns
};

class RowReader {
public:
    RowReader(const ImportColumns& c, const std::string& groupBlock, const KnownCity& knownCity)
        : c_(c), groups_(groupBlock), knownCity_(knownCity) {}

    // Nothing for a row without any text: an empty line of the sheet.
    std::optional<RowContent> read(const csv::Record& record) const;

private:
    class Cells;
    const std::string& heading(int column) const { return c_.headings[std::size_t(column)]; }
    void readName(std::string_view cell, RowContent& out) const;
    void readGroup(const Cells& cell, RowContent& out) const;
    void readAddress(std::string_view cell, RowContent& out) const;

    const ImportColumns& c_;
    const std::string& groups_;
    const KnownCity& knownCity_;
};
