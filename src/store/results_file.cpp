#include "store/results_file.h"

#include "store/file_io.h"
#include "store/text_ops.h"

namespace {

const std::string& emptyResult() {
    static const std::string r = emptyRecord(layouts::get(layouts::Result));
    return r;
}

const std::string& emptyBlock() {
    static const std::string b = emptyRecords(layouts::get(layouts::Result), kTeamPositions);
    return b;
}

std::string emptyHeader() {
    std::string h(kResultsHeaderLength, ' ');
    h.back() = '\n';
    return h;
}

// Reads n bytes at offset; what lies past the end of the file reads as its empty pattern.
std::string readPadded(const DataDir& dir, long offset, std::size_t n, bool* readable) {
    std::string buf(n, ' ');
    std::size_t count = 0;
    const bool ok = fileio::readAt(dir.path(files::kResults), offset, buf.data(), n, &count);
    if (readable) *readable = ok;
    const fileio::EmptyPattern gap = resultsFilePattern();
    for (std::size_t i = count; i < n; ++i) buf[i] = gap.byteAt(offset + long(i));
    return buf;
}

}  // namespace

long resultRecordOffset(int slot, int n) {
    return kResultsHeaderLength + long(slot) * kTermBlockLength + long(n - 1) * kResultRecordLength;
}

fileio::EmptyPattern resultsFilePattern() {
    return layouts::emptyPattern(layouts::Result, kResultsHeaderLength);
}

std::string makeTermKey(int year, int half) {
    return formatNumber(year, std::size_t(layouts::width(layouts::TermKey, term_key_field::Year))) +
           (half == 1 ? '1' : '0');
}

bool TermHeader::holdsTerm(int slot) const {
    const char c = key(slot)[0];
    return c != ' ' && c != '\0';
}

int TermHeader::year(int slot) const {
    return int(parseLong(layouts::field(key(slot), layouts::TermKey, term_key_field::Year)));
}

int TermHeader::storedTerms() const {
    int n = 0;
    for (int s = 0; s < kTermSlots; ++s) n += holdsTerm(s) ? 1 : 0;
    return n;
}

int TermHeader::find(std::string_view k) const {
    for (int s = 0; s < kTermSlots; ++s)
        if (holdsTerm(s) && key(s) == k.substr(0, kTermKeyLength)) return s;
    return -1;
}

TermHeader readTermHeader(const DataDir& dir) {
    TermHeader h;
    std::size_t got = 0;
    std::string buf(h.bytes.size(), ' ');
    h.readable = fileio::readAt(dir.path(files::kResults), 0, buf.data(), buf.size(), &got);
    h.bytes.replace(0, got, buf, 0, got);
    return h;
}

TeamScan scanTeamNames(std::string_view block) {
    TeamScan scan;
    for (int n = 1; n <= kTeamPositions; ++n) {
        const std::size_t at = std::size_t(n - 1) * kResultRecordLength;
        if (at >= block.size()) break;
        if (!holdsTeam(block.substr(at, 1))) continue;
        scan.present[n - 1] = 1;
        ++scan.perGroup[slotOfPosition(n)];
        ++scan.count;
    }
    return scan;
}

std::string readTermBlock(const DataDir& dir, int slot, bool* readable) {
    if (slot < 0 || slot >= kTermSlots) {
        if (readable) *readable = false;
        return emptyBlock();
    }
    return readPadded(dir, resultRecordOffset(slot, 1), kTermBlockLength, readable);
}

std::array<std::string, kTeamsPerGroup> readGroupRecords(const DataDir& dir, int termSlot, int groupSlot,
                                                         bool* readable) {
    std::array<std::string, kTeamsPerGroup> rows;
    if (termSlot < 0 || termSlot >= kTermSlots || groupSlot < 0 || groupSlot >= kGroups) {
        rows.fill(emptyResult());
        if (readable) *readable = false;
        return rows;
    }
    const std::string block = readPadded(dir, resultRecordOffset(termSlot, positionNumber(groupSlot, 0)),
                                         std::size_t(kTeamsPerGroup) * kResultRecordLength, readable);
    for (int r = 0; r < kTeamsPerGroup; ++r)
        rows[r] = block.substr(std::size_t(r) * kResultRecordLength, kResultRecordLength);
    return rows;
}

std::string readResultRecord(const DataDir& dir, int termSlot, int recordNo) {
    if (termSlot < 0 || termSlot >= kTermSlots || recordNo < 1 || recordNo > kTeamPositions) return emptyResult();
    return readPadded(dir, resultRecordOffset(termSlot, recordNo), kResultRecordLength, nullptr);
}

std::optional<std::string> readFullImage(const DataDir& dir) {
    auto bytes = fileio::readAll(dir.path(files::kResults));
    if (!bytes) return std::nullopt;
    std::string image = emptyHeader();
    for (int s = 0; s < kTermSlots; ++s) image += emptyBlock();
    const std::size_t n = std::min(bytes->size(), image.size());
    image.replace(0, n, *bytes, 0, n);
    return image;
}

std::optional<std::string> readImageCovering(const DataDir& dir, long end) {
    auto bytes = fileio::readAll(dir.path(files::kResults));
    if (!bytes) return std::nullopt;
    const fileio::EmptyPattern gap = resultsFilePattern();
    for (long p = long(bytes->size()); p < end; ++p) *bytes += gap.byteAt(p);
    return bytes;
}

SaveResult createResultsFile(const DataDir& dir) {
    return SaveResult::check(fileio::replaceFile(dir.path(files::kResults), emptyHeader() + emptyBlock()),
                             files::kResults);
}

bool countTermTeams(LeagueModel& m, const DataDir& dir) {
    bool readable = false;
    const TeamScan scan = scanTeamNames(readTermBlock(dir, m.termSlotIndex, &readable));
    m.termTeamPresent = scan.present;
    m.termTeamCount = scan.count;
    return readable;
}

bool countGroupTeams(LeagueModel& m, const DataDir& dir) {
    bool readable = false;
    const TeamScan scan = scanTeamNames(readTermBlock(dir, 0, &readable));
    m.resultGroupCount = 0;
    for (int s = 0; s < kGroups; ++s) {
        m.resultTeams[s] = scan.perGroup[s];
        m.teamMax[s] = scan.perGroup[s];
        if (scan.perGroup[s] != 0) m.resultGroupCount = s + 1;
    }
    return readable;
}

SaveResult writeTeamName(LeagueModel& m, const DataDir& dir, int termSlot, int recordNo, std::string_view name20) {
    if (termSlot < 0 || termSlot >= kTermSlots || recordNo < 1 || recordNo > kTeamPositions)
        return SaveResult::failed(files::kResults);
    const std::string name = padField(name20, false, kTeamNameWidth);
    SaveResult saved = SaveResult::check(
        fileio::writeAt(dir.path(files::kResults), resultRecordOffset(termSlot, recordNo), name, resultsFilePattern()),
        files::kResults);
    if (termSlot == m.termSlotIndex) countTermTeams(m, dir);
    return saved;
}

SaveResult writeGroupFields(const DataDir& dir, int termSlot, int groupSlot, int fieldOffset,
                            const std::array<std::string, kTeamsPerGroup>& rows) {
    if (termSlot < 0 || termSlot >= kTermSlots || groupSlot < 0 || groupSlot >= kGroups || fieldOffset < 0)
        return SaveResult::failed(files::kResults);
    auto patch = [&](std::string& block) {
        for (int row = 0; row < kTeamsPerGroup; ++row) {
            const std::size_t at = std::size_t(row) * kResultRecordLength + fieldOffset;
            const std::size_t n = std::min(rows[row].size(), std::size_t(kResultRecordLength - 2) - fieldOffset);
            block.replace(at, n, rows[row], 0, n);
        }
    };
    const bool ok =
        fileio::updateAt(dir.path(files::kResults), resultRecordOffset(termSlot, positionNumber(groupSlot, 0)),
                         std::size_t(kTeamsPerGroup) * kResultRecordLength, patch, resultsFilePattern());
    return SaveResult::check(ok, files::kResults);
}

SaveResult writeRank(const DataDir& dir, int termSlot, int groupSlot, int row, int rank) {
    if (termSlot < 0 || termSlot >= kTermSlots || groupSlot < 0 || groupSlot >= kGroups || row < 0 ||
        row >= kTeamsPerGroup)
        return SaveResult::failed(files::kResults);
    const long at = resultRecordOffset(termSlot, positionNumber(groupSlot, row)) +
                    layouts::offset(layouts::Result, result_field::Rank);
    const std::string bytes = formatCount(rank, std::size_t(layouts::width(layouts::Result, result_field::Rank)));
    return SaveResult::check(fileio::writeAt(dir.path(files::kResults), at, bytes, resultsFilePattern()),
                             files::kResults);
}

bool readTermSlots(LeagueModel& m, const DataDir& dir) {
    const TermHeader h = readTermHeader(dir);
    m.deleteAvailable = (h.year(0) != 0 && h.year(1) != 0) ? 1 : 0;
    if (h.holdsTerm(0)) {
        m.latestYear = h.year(0);
        m.termHalf = h.half(0);
    } else {
        // Nothing stored yet: the first term offered is the one today lies in, so that a first
        // start in the winter is not set to the half that is long over (or not begun).
        m.termHalf = m.todayHalf;
        m.latestYear = m.todayHeiseiYear - (m.todayMonth >= 1 && m.todayMonth < 4 ? 1 : 0);
    }
    m.yearFieldText = formatNumber(m.latestYear, 2);
    return h.readable;
}

TermSearch findTerm(const DataDir& dir, std::string_view key) {
    const TermHeader h = readTermHeader(dir);
    TermSearch r;
    r.slot = h.find(key);
    if (r.slot >= 0)
        r.lookup = TermLookup::Found;
    else
        r.lookup = h.storedTerms() > 0 ? TermLookup::NotFound : TermLookup::NoTermStored;
    return r;
}

SaveResult setNewestKey(const DataDir& dir, std::string_view key) {
    return SaveResult::check(
        fileio::writeAt(dir.path(files::kResults), 0, padField(key, false, kTermKeyLength), resultsFilePattern()),
        files::kResults);
}

std::string withNewestTerm(const std::string& image, std::string_view key) {
    std::string out = image;
    const int keys = kTermSlots * kTermKeyLength;
    out.replace(kTermKeyLength, keys - kTermKeyLength, image, 0, keys - kTermKeyLength);
    out.replace(0, kTermKeyLength, padField(key, false, kTermKeyLength));
    out.replace(kResultsHeaderLength + kTermBlockLength, long(kTermSlots - 1) * kTermBlockLength, image,
                kResultsHeaderLength, long(kTermSlots - 1) * kTermBlockLength);
    out.replace(kResultsHeaderLength, kTermBlockLength, emptyBlock());
    return out.substr(0, kResultsFullLength);
}

std::string withoutNewestTerm(const std::string& image) {
    std::string out = image;
    const int keys = kTermSlots * kTermKeyLength;
    out.replace(0, keys - kTermKeyLength, image, kTermKeyLength, keys - kTermKeyLength);
    out.replace(keys - kTermKeyLength, kTermKeyLength, fillSpaces(kTermKeyLength));
    out.replace(kResultsHeaderLength, long(kTermSlots - 1) * kTermBlockLength, image,
                kResultsHeaderLength + kTermBlockLength, long(kTermSlots - 1) * kTermBlockLength);
    out.replace(resultRecordOffset(kTermSlots - 1, 1), kTermBlockLength, emptyBlock());
    return out.substr(0, kResultsFullLength);
}

SaveResult insertNewestTerm(const DataDir& dir, std::string_view key) {
    auto image = readFullImage(dir);
    if (!image) return SaveResult::failed(files::kResults);
    return SaveResult::check(fileio::replaceFile(dir.path(files::kResults), withNewestTerm(*image, key)),
                             files::kResults);
}
