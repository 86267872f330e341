#include "league/team_import.h"

#include <map>
#include <set>

#include "league/import_cells.h"
#include "league/import_columns.h"
#include "league/import_rows.h"
#include "store/csv_reader.h"
#include "store/csv_writer.h"
#include "store/file_io.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

constexpr int kHeadingSearchRows = 10;

// What the league holds now, as the preview weighs each row against it.
struct LeagueNow {
    std::string block;      // the shown term's 200 result records
    std::string teams;      // the team register's 200 records
    std::string suspended;  // the counted suspended records
};

std::optional<LeagueNow> readLeague(const LeagueModel& m, const DataDir& dir) {
    LeagueNow now;
    bool resultsReadable = false, registerReadable = false;
    now.block = readTermBlock(dir, m.termSlotIndex, &resultsReadable);
    now.teams = readRegisterImage(dir, &registerReadable);
    const std::optional<std::string> suspended = readSuspendedImage(dir);
    if (!resultsReadable || !registerReadable || !suspended) return std::nullopt;
    now.suspended = suspended->substr(0, std::size_t(suspendedCountOf(*suspended)) * kTeamRecordLength);
    return now;
}

std::string_view nameInRecord(std::string_view records, int index, int recordLength, int nameOffset) {
    return records.substr(std::size_t(index) * recordLength + nameOffset, kTeamNameWidth);
}

// Weighs each read row against the league and against the rows before it.
class Placement {
public:
    Placement(const LeagueNow& now, const std::string& groupBlock, ImportPreview& out)
        : now_(now), groups_(groupBlock), out_(out) {
        const RecordLayout& result = layouts::get(layouts::Result);
        for (int i = 0; i < kTeamPositions; ++i) {
            const std::string name(nameInRecord(now.block, i, result.recordLength, 0));
            taken_[i] = holdsTeam(name);
            if (taken_[i]) termPositions_.emplace(name, i + 1);  // the first keeps the name
        }
        const int nameOffset = layouts::offset(layouts::Team, team_field::TeamName);
        for (int i = 0; i < kTeamPositions; ++i) {
            const std::string name(nameInRecord(now.teams, i, kTeamRecordLength, nameOffset));
            if (holdsTeam(name))
                records_.emplace(name, i + 1);
            else
                freeRecords_.push_back(i + 1);
        }
        for (int i = 0; i < int(now.suspended.size() / kTeamRecordLength); ++i)
            suspended_.emplace(nameInRecord(now.suspended, i, kTeamRecordLength, nameOffset));
    }

    void place(RowContent&& r) {
        if (!r.name.empty()) {
            const auto [first, isFirst] = seen_.emplace(r.name, r.row);
            if (!isFirst) r.problems.push_back("同じチーム名が" + std::to_string(first->second) + "行目にもあります");
        }
        if (!r.problems.empty()) return refuse(r);
        ImportTeam t;
        t.row = r.row;
        t.groupSlot = r.groupSlot;
        t.name = r.name;
        t.details = r.details;
        const std::string group = groupDisplayName(groups_, r.groupSlot);
        if (suspended_.count(r.name)) {
            r.problems.push_back("休会中のチームです");
        } else if (const auto p = termPositions_.find(r.name); p != termPositions_.end()) {
            if (slotOfPosition(p->second) != r.groupSlot)
                r.problems.push_back("すでに" + groupDisplayName(groups_, slotOfPosition(p->second)) +
                                     "にいるチームです");
        } else {
            t.groupRow = firstEmptyRow(r.groupSlot);
            if (t.groupRow < 0) r.problems.push_back(group + "は10チームでいっぱいです");
        }
        if (r.problems.empty()) {
            if (const auto rec = records_.find(r.name); rec != records_.end()) {
                t.recordNo = rec->second;
            } else if (nextFree_ < freeRecords_.size()) {
                t.recordNo = freeRecords_[nextFree_];
                t.newRecord = true;
            } else {
                r.problems.push_back("チーム情報の空きがありません（200チームまで）");
            }
        }
        if (!r.problems.empty()) return refuse(r);
        if (t.newRecord) ++nextFree_;
        if (t.groupRow >= 0) taken_[positionNumber(t.groupSlot, t.groupRow) - 1] = true;
        const bool changes = t.groupRow >= 0 || t.newRecord || changesDetails(t);
        countIn(t, changes);
        if (changes) out_.teams.push_back(std::move(t));
    }

    // The counts per group, in group order.
    void finish() {
        for (auto& [slot, g] : counts_) out_.groups.push_back(g);
    }

private:
    int firstEmptyRow(int slot) const {
        for (int row = 0; row < kTeamsPerGroup; ++row)
            if (!taken_[positionNumber(slot, row) - 1]) return row;
        return -1;
    }

    void refuse(const RowContent& r) {
        std::string reason;
        for (const std::string& p : r.problems) reason += (reason.empty() ? "" : "、") + p;
        out_.refused.push_back({r.row, reason});
    }

    bool changesDetails(const ImportTeam& t) const {
        for (int k = 0; k < team_field::TeamName; ++k) {
            const std::size_t at = std::size_t(t.recordNo - 1) * kTeamRecordLength + layouts::offset(layouts::Team, k);
            if (t.details[k] && now_.teams.compare(at, t.details[k]->size(), *t.details[k]) != 0) return true;
        }
        return false;
    }

    void countIn(const ImportTeam& t, bool changes) {
        auto& g = counts_[t.groupSlot];
        if (g.name.empty()) {
            g.groupSlot = t.groupSlot;
            g.name = groupDisplayName(groups_, t.groupSlot);
            const int length = layouts::get(layouts::Result).recordLength;
            for (int row = 0; row < kTeamsPerGroup; ++row)
                g.teamsBefore += holdsTeam(nameInRecord(now_.block, positionNumber(t.groupSlot, row) - 1, length, 0));
        }
        (t.groupRow >= 0 ? g.added : changes ? g.updated : g.unchanged) += 1;
    }

    const LeagueNow& now_;
    const std::string& groups_;
    ImportPreview& out_;
    std::array<bool, kTeamPositions> taken_{};
    std::map<std::string, int> termPositions_, records_, seen_;
    std::set<std::string, std::less<>> suspended_;
    std::vector<int> freeRecords_;
    std::size_t nextFree_ = 0;
    std::map<int, ImportGroupCount> counts_;
};

}  // namespace

int ImportPreview::added() const {
    int n = 0;
    for (const ImportGroupCount& g : groups) n += g.added;
    return n;
}

int ImportPreview::updated() const {
    int n = 0;
    for (const ImportGroupCount& g : groups) n += g.updated;
    return n;
}

ImportPreview previewImport(const LeagueModel& m, const DataDir& dir, const std::string& path,
                            const KnownCity& knownCity) {
    const long size = fileio::fileSize(path);
    if (size > kImportFileLimit) {
        ImportPreview p;
        p.status = ImportPreview::TooLarge;
        return p;
    }
    const std::optional<std::string> bytes = size < 0 ? std::nullopt : fileio::readAll(path);
    if (!bytes) return ImportPreview{};
    return previewImportBytes(m, dir, *bytes, knownCity);
}

ImportPreview previewImportBytes(const LeagueModel& m, const DataDir& dir, std::string_view bytes,
                                 const KnownCity& knownCity) {
    ImportPreview p;
    p.termSlot = m.termSlotIndex;
    if (bytes.size() > std::size_t(kImportFileLimit)) {
        p.status = ImportPreview::TooLarge;
        return p;
    }
    const DecodedText text = decodeText(bytes);
    p.encoding = text.encoding;
    if (text.encoding == TextEncoding::Utf16 || text.encoding == TextEncoding::Unknown) {
        p.status = text.encoding == TextEncoding::Utf16 ? ImportPreview::Utf16 : ImportPreview::UnknownEncoding;
        return p;
    }
    const csv::Table table = csv::parse(text.utf8);
    std::optional<ImportColumns> columns;
    std::size_t first = 0;
    for (; first < table.records.size() && first < std::size_t(kHeadingSearchRows) && !columns; ++first) {
        std::vector<std::string> headings;
        for (const std::string& f : table.records[first].fields) headings.push_back(csv::restoreNeutralised(f));
        columns = matchHeadings(headings);
        if (columns) p.headingRow = table.records[first].row;
    }
    if (!columns) {
        p.status = ImportPreview::NoNameColumn;
        return p;
    }
    if (!columns->hasGroup()) {
        p.status = ImportPreview::NoGroupColumn;
        return p;
    }
    for (int column : columns->unused) p.unusedHeadings.push_back(columns->headings[std::size_t(column)]);
    const std::optional<LeagueNow> now = readLeague(m, dir);
    if (!now) {
        p.status = ImportPreview::LeagueUnreadable;
        return p;
    }

    const RowReader reader(*columns, m.groupBlock, knownCity);
    Placement placement(*now, m.groupBlock, p);
    for (std::size_t i = first; i < table.records.size(); ++i)
        if (std::optional<RowContent> row = reader.read(table.records[i])) placement.place(std::move(*row));
    placement.finish();
    if (table.unclosedQuoteRow > 0)
        p.refused.push_back({table.unclosedQuoteRow, "「\"」が閉じていないため、この行から後を読めません"});
    p.status = ImportPreview::Ready;
    return p;
}

std::string importStatusText(const ImportPreview& p) {
    switch (p.status) {
        case ImportPreview::Ready:
            return std::string();
        case ImportPreview::FileUnreadable:
            return "ファイルを読めません";
        case ImportPreview::TooLarge:
            return "ファイルが大きすぎます（8MBまで）";
        case ImportPreview::Utf16:
            return "UTF-16 のファイルは読めません。Excel では「CSV UTF-8」か「CSV」で保存してください";
        case ImportPreview::UnknownEncoding:
            return "文字コードが分かりません。UTF-8 か Shift_JIS の CSV で保存してください";
        case ImportPreview::NoNameColumn:
            return "「チーム名」の見出しがありません（最初の10行のどこかに見出しの行が要ります）";
        case ImportPreview::NoGroupColumn:
            return "組の見出しがありません（「組」「リーグ」「クラス」「部」、または「級」と「部」）";
        case ImportPreview::LeagueUnreadable:
            return "成績やチーム情報のファイルを読めません";
    }
    return std::string();
}
