#include "league/import_rows.h"

#include <algorithm>

#include "league/import_cells.h"
#include "store/csv_writer.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

void take(RowContent& out, int k, const CellBytes& value) {
    if (!value.problem.empty())
        out.problems.push_back(value.problem);
    else if (!value.bytes.empty())
        out.details[k] = padField(value.bytes, false, std::size_t(layouts::width(layouts::Team, k)));
}

}  // namespace

// The cells of a row, formula marks undone; a column past the row's end reads as empty.
class RowReader::Cells {
public:
    explicit Cells(const std::vector<std::string>& fields) {
        for (const std::string& f : fields) cells_.push_back(csv::restoreNeutralised(f));
    }
    std::string_view operator()(int column) const {
        return column >= 0 && std::size_t(column) < cells_.size() ? std::string_view(cells_[column]) : "";
    }
    bool anyText() const {
        for (const std::string& c : cells_)
            if (c.find_first_not_of(" \t\r\n") != std::string::npos && !trimmedCell(c).empty()) return true;
        return false;
    }

private:
    std::vector<std::string> cells_;
};

std::optional<RowContent> RowReader::read(const csv::Record& record) const {
    const Cells cell(record.fields);
    if (!cell.anyText()) return std::nullopt;
    RowContent out;
    out.row = record.row;
    readName(cell(c_.name), out);
    readGroup(cell, out);
    // In the order of the columns, so that the reasons read as the row does.
    std::vector<std::pair<int, int>> fields;  // column, field
    for (int k = 0; k < team_field::TeamName; ++k)
        if (c_.detail[k] != ImportColumns::kNone) fields.emplace_back(c_.detail[k], k);
    std::sort(fields.begin(), fields.end());
    for (const auto& [column, k] : fields) take(out, k, readDetailCell(k, cell(column), heading(column)));
    if (c_.address != ImportColumns::kNone) readAddress(cell(c_.address), out);
    return out;
}

void RowReader::readName(std::string_view cell, RowContent& out) const {
    const CellBytes name = readTeamNameCell(cell, heading(c_.name));
    if (!name.problem.empty())
        out.problems.push_back(name.problem);
    else if (name.bytes.empty())
        out.problems.push_back("チーム名がありません");
    else
        out.name = padField(name.bytes, false, kTeamNameWidth);
}

void RowReader::readGroup(const Cells& cell, RowContent& out) const {
    std::string given;
    if (c_.classLetter != ImportColumns::kNone) {
        given = trimmedCell(cell(c_.classLetter)) + trimmedCell(cell(c_.divisionLetter));
        out.groupSlot = groupSlotOfLetters(groups_, cell(c_.classLetter), cell(c_.divisionLetter));
    } else {
        given = trimmedCell(cell(c_.group));
        out.groupSlot = groupSlotOf(groups_, given);
    }
    if (given.empty())
        out.problems.push_back("組がありません");
    else if (out.groupSlot < 0)
        out.problems.push_back("組「" + given + "」はありません");
}

// A whole address: the prefecture it begins with goes to its field unless the row gives one
// (a different one keeps the address whole); then the city the dictionary knows in that
// prefecture, or the row's own city where the address repeats it; the rest is the street, and,
// when the street cannot hold it and the row gives no building, what follows its first blank
// is the building.
void RowReader::readAddress(std::string_view cell, RowContent& out) const {
    const std::string& h = heading(c_.address);
    AddressParts parts = splitPrefecture(cell);
    if (!parts.prefecture.empty()) {
        const CellBytes prefecture = readDetailCell(team_field::Prefecture, parts.prefecture, h);
        if (!out.details[team_field::Prefecture])
            take(out, team_field::Prefecture, prefecture);
        else if (out.details[team_field::Prefecture]->find(prefecture.bytes) != 0)
            parts.rest = trimmedCell(cell);
    }
    if (out.details[team_field::City]) {
        // The row names its city: an address that repeats it keeps only what follows.
        const std::string city = trimmedCell(sjis::toUnicode(*out.details[team_field::City]));
        if (!city.empty() && parts.rest.starts_with(city))
            parts.rest = trimmedCell(std::string_view(parts.rest).substr(city.size()));
    } else if (out.details[team_field::Prefecture]) {
        const std::string prefecture = trimmedCell(sjis::toUnicode(*out.details[team_field::Prefecture]));
        const std::string city = leadingCity(prefecture, parts.rest, knownCity_);
        if (const CellBytes bytes = readDetailCell(team_field::City, city, h); !city.empty() && bytes.problem.empty()) {
            take(out, team_field::City, bytes);
            parts.rest = trimmedCell(std::string_view(parts.rest).substr(city.size()));
        }
    }
    const CellBytes street = readDetailCell(team_field::Street, parts.rest, h);
    if (!street.problem.empty() && !out.details[team_field::Building]) {
        const std::size_t blank = std::min(parts.rest.find(' '), parts.rest.find("\u3000"));
        if (blank != std::string::npos) {
            const CellBytes first = readDetailCell(team_field::Street, parts.rest.substr(0, blank), h);
            const CellBytes rest = readDetailCell(team_field::Building, trimmedCell(parts.rest.substr(blank)), h);
            if (first.problem.empty() && rest.problem.empty()) {
                take(out, team_field::Street, first);
                take(out, team_field::Building, rest);
                return;
            }
        }
    }
    take(out, team_field::Street, street);
}
