#include "store/results_file.h"

#include <cstdio>
#include <optional>

#include "store/file_io.h"
#include "store/text_ops.h"

namespace {

const std::string& emptyResult() {
    static const std::string r = emptyRecord(layouts::get(layouts::Result));
    return r;
}

// The whole file as it would be with all ten blocks: what is missing reads as empty.
std::optional<std::string> readFullImage(const std::string& path) {
    auto bytes = fileio::readAll(path);
    if (!bytes) return std::nullopt;
    std::string image(kResultsHeaderLength, ' ');
    image[kResultsHeaderLength - 1] = '\n';
    image += emptyRecords(layouts::get(layouts::Result), kTermSlots * kTeamPositions);
    image.replace(0, std::min<std::size_t>(bytes->size(), image.size()), *bytes, 0,
                  std::min<std::size_t>(bytes->size(), image.size()));
    return image;
}

char resultChar(int code) {
    switch (code) {
        case Win:
            return '1';
        case Loss:
            return '2';
        case Draw:
            return '3';
        default:
            return ' ';
    }
}

int firstRecordOfGroup(const LeagueModel& m) {
    return (m.currentGroup - 1) * kTeamsPerGroup + 1;
}

}  // namespace

long resultRecordOffset(int slot, int n) {
    return kResultsHeaderLength + long(slot) * kTermBlockLength + long(n - 1) * kResultRecordLength;
}

std::string makeTermKey(int year, int half) {
    return formatNumber(year, 2) + (half == 1 ? '1' : '0');
}

std::string encodeWinRate(double rate, bool played) {
    if (!played) return fillSpaces(4);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%4.3f", rate);
    return padField(std::string(buf).substr(0, 4), false, 4);
}

bool createResultsFile(const DataDir& dir) {
    std::string bytes(kResultsHeaderLength - 1, ' ');
    bytes += '\n';
    bytes += emptyRecords(layouts::get(layouts::Result), kTeamPositions);
    return fileio::createFile(dir.path(files::kResults), bytes);
}

bool countTermTeams(LeagueModel& m, const DataDir& dir) {
    m.termTeamPresent.fill(0);
    m.termTeamCount = 0;
    std::string block(kTermBlockLength, ' ');
    std::size_t got = 0;
    if (!fileio::readAt(dir.path(files::kResults), resultRecordOffset(m.termSlotIndex, 1), block.data(), block.size(),
                        &got))
        return false;
    for (int n = 1; n <= kTeamPositions; ++n) {
        std::size_t at = std::size_t(n - 1) * kResultRecordLength;
        if (at < got && block[at] != ' ') {
            m.termTeamPresent[n - 1] = 1;
            ++m.termTeamCount;
        }
    }
    return true;
}

bool countGroupTeams(LeagueModel& m, const DataDir& dir) {
    m.resultTeams.fill(0);
    m.resultGroupCount = 0;
    std::string block(kTermBlockLength, ' ');
    std::size_t got = 0;
    bool opened = fileio::readAt(dir.path(files::kResults), resultRecordOffset(0, 1), block.data(), block.size(), &got);
    for (int n = 1; opened && n <= kTeamPositions; ++n) {
        std::size_t at = std::size_t(n - 1) * kResultRecordLength;
        if (at < got && block[at] != ' ') ++m.resultTeams[slotOfPosition(n)];
    }
    for (int s = 0; s < kGroups; ++s) {
        m.teamMax[s] = m.resultTeams[s];
        if (m.resultTeams[s] != 0) m.resultGroupCount = s + 1;
    }
    return opened;
}

bool readResultRecord(LeagueModel& m, const DataDir& dir) {
    RecordCodec& c = m.resultCodec;
    c.clearRecord();
    std::string buf = emptyResult();
    std::size_t got = 0;
    bool opened = fileio::readAt(dir.path(files::kResults), resultRecordOffset(m.termSlotIndex, m.currentRecordNo),
                                 buf.data(), buf.size(), &got);
    if (opened) c.record().replace(0, got, buf, 0, got);
    c.unpackRecord();
    return opened;
}

bool writeTeamName(LeagueModel& m, const DataDir& dir) {
    const std::string path = dir.path(files::kResults);
    if (!fileio::writeAt(path, resultRecordOffset(m.termSlotIndex, m.currentRecordNo),
                         m.resultCodec.field(result_field::TeamName).bytes()))
        return false;
    std::string block(kTermBlockLength, ' ');
    std::size_t got = 0;
    fileio::readAt(path, resultRecordOffset(m.termSlotIndex, 1), block.data(), block.size(), &got);
    int count = 0;
    for (std::size_t at = 0; at < got; at += kResultRecordLength)
        if (block[at] != ' ') ++count;
    m.termTeamCount = count;
    return true;
}

bool writeGroupResults(const LeagueModel& m, const DataDir& dir, bool keepStoredRanks) {
    const std::string path = dir.path(files::kResults);
    if (!fileio::exists(path)) return false;
    bool ok = true;
    for (int row = 0; row < kTeamsPerGroup; ++row) {
        std::string bytes;
        for (int col = 0; col < kTeamsPerGroup; ++col) bytes += resultChar(m.table.results[row][col]);
        const TeamStanding& st = m.table.standings[row];
        bytes += formatCount(st.wins, 2);
        bytes += formatCount(st.losses, 2);
        bytes += formatCount(st.draws, 2);
        bytes += formatCount(st.points, 2);
        bytes += encodeWinRate(m.table.winRate[row], st.wins + st.losses + st.draws > 0);
        if (!keepStoredRanks) bytes += formatCount(st.rank, 2);
        ok &= fileio::writeAt(path, resultRecordOffset(m.termSlotIndex, firstRecordOfGroup(m) + row) + 20, bytes);
    }
    return ok;
}

bool writeRank(const LeagueModel& m, const DataDir& dir, int row, int rank) {
    return fileio::writeAt(dir.path(files::kResults),
                           resultRecordOffset(m.termSlotIndex, firstRecordOfGroup(m) + row) + 42, formatCount(rank, 2));
}

bool readTermSlots(LeagueModel& m, const DataDir& dir) {
    char head[6] = {' ', ' ', ' ', ' ', ' ', ' '};
    bool opened = fileio::readAt(dir.path(files::kResults), 0, head, sizeof head);
    std::string slot0(head, 3), slot1(head + 3, 3);
    int year0 = int(parseLong(slot0.substr(0, 2)));
    int year1 = int(parseLong(slot1.substr(0, 2)));
    m.deleteAvailable = (year0 != 0 && year1 != 0) ? 1 : 0;
    if (m.deleteAvailable) {
        m.deleteCommandCaption =
            "F4 平成" + slot0.substr(0, 2) + "年 " + (slot0[2] == '1' ? "後" : "前") + "期 成績削除";
    } else {
        m.deleteCommandCaption = "F4" + fillSpaces(23);
    }
    m.latestYear = slot0[0] == ' ' ? m.todayHeiseiYear : year0;
    m.yearFieldText = formatNumber(m.latestYear, 2);
    m.termHalf = slot0[2] == '1' ? 1 : 0;
    return opened;
}

TermLookup findTerm(LeagueModel& m, const DataDir& dir, std::string_view key) {
    std::string head(30, ' ');
    std::size_t got = 0;
    fileio::readAt(dir.path(files::kResults), 0, head.data(), head.size(), &got);
    head.resize(got);
    head.resize(30, ' ');
    int stored = 0;
    for (int s = 0; s < kTermSlots; ++s) {
        std::string_view slot = std::string_view(head).substr(s * 3, 3);
        if (slot[0] == ' ') continue;
        ++stored;
        if (slot == key.substr(0, 3)) {
            m.termSlotIndex = s;
            return TermLookup::Found;
        }
    }
    return stored > 0 ? TermLookup::NotFound : TermLookup::NoTermStored;
}

bool setNewestKey(const DataDir& dir, std::string_view key) {
    return fileio::writeAt(dir.path(files::kResults), 0, padField(key, false, 3));
}

bool insertNewestTerm(const DataDir& dir, std::string_view key) {
    const std::string path = dir.path(files::kResults);
    if (!fileio::exists(path)) return false;
    auto image = readFullImage(path);
    if (!image) return false;
    std::string out = *image;
    out.replace(3, 27, *image, 0, 27);
    out.replace(0, 3, padField(key, false, 3));
    out.replace(kResultsHeaderLength + kTermBlockLength, 9L * kTermBlockLength, *image, kResultsHeaderLength,
                9L * kTermBlockLength);
    for (int n = 1; n <= kTeamPositions; ++n) out.replace(resultRecordOffset(0, n), kResultRecordLength, emptyResult());
    return fileio::writeAt(path, 0, std::string_view(out).substr(0, kResultsFullLength));
}

bool deleteNewestTerm(LeagueModel& m, const DataDir& dir) {
    const std::string path = dir.path(files::kResults);
    if (!fileio::exists(path)) return false;
    auto image = readFullImage(path);
    if (!image) return false;
    m.deleteDone = 1;
    std::string out = *image;
    out.replace(0, 27, *image, 3, 27);
    out.replace(27, 3, "   ");
    out.replace(kResultsHeaderLength, 9L * kTermBlockLength, *image, kResultsHeaderLength + kTermBlockLength,
                9L * kTermBlockLength);
    for (int n = 1; n <= kTeamPositions; ++n) out.replace(resultRecordOffset(9, n), kResultRecordLength, emptyResult());
    bool ok = fileio::writeAt(path, 0, std::string_view(out).substr(0, kResultsFullLength));
    readTermSlots(m, dir);
    m.termSlotIndex = 0;
    m.currentGroup = 1;
    m.currentRecordNo = 1;
    m.selectedRow = 0;
    countTermTeams(m, dir);
    return ok;
}

bool moveRecord(const LeagueModel& m, const DataDir& dir, int fromNo, int toNo) {
    const std::string path = dir.path(files::kResults);
    std::string buf = emptyResult();
    std::size_t got = 0;
    if (!fileio::readAt(path, resultRecordOffset(m.termSlotIndex, fromNo), buf.data(), buf.size(), &got)) return false;
    return fileio::writeAt(path, resultRecordOffset(m.termSlotIndex, toNo), buf);
}

bool blankRecord(const LeagueModel& m, const DataDir& dir, int recordNo) {
    return fileio::writeAt(dir.path(files::kResults), resultRecordOffset(m.termSlotIndex, recordNo), emptyResult());
}
