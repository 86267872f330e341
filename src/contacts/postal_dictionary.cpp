#include "contacts/postal_dictionary.h"

#include <algorithm>

#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace postal {
namespace {

// Whole entries of a plain file, or 0.
long wholeEntries(const std::string& path, int entryLength) {
    if (!fileio::isRegularFile(path)) return 0;
    long size = fileio::fileSize(path);
    return size > 0 ? size / entryLength : 0;
}

// A field's bytes with control bytes (NUL, line ends of a damaged file) as blanks, so that
// nothing but text reaches a label or a team record.
std::string cleanField(std::string_view record, int field) {
    const RecordLayout& l = layouts::get(layouts::PostalLine);
    std::string text(record.substr(l.offsets[field], l.widths[field]));
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return text;
}

std::string_view upToBlank(std::string_view text) {
    return text.substr(0, std::min(text.find(' '), text.size()));
}

// Text in a field: anything but blanks and control bytes (a damaged file's NULs and line ends).
bool holdsText(std::string_view field) {
    for (char c : field)
        if (static_cast<unsigned char>(c) > 0x20 && c != 0x7F) return true;
    return false;
}

// Runs of matches read as one: neighbours closer than kMaxGap records are read through, and
// a run stops at kMaxRun records (half a megabyte of the business names' file region).
constexpr long kMaxGap = 8;
constexpr long kMaxRun = 1024;

// Whether each of records[first, end) carries a business name; they ascend from records[first].
void readBusinessRun(const std::string& path, const std::vector<long>& records, std::size_t first, std::size_t end,
                     std::vector<char>& business) {
    const RecordLayout& l = layouts::get(layouts::PostalLine);
    const std::size_t at = std::size_t(l.offsets[dict_field::Business]),
                      width = std::size_t(l.widths[dict_field::Business]);
    const long base = records[first];
    // From the first record's business name to the end of the last one's.
    std::string bytes(std::size_t(records[end - 1] - base) * kRecordLength + width, ' ');
    std::size_t got = 0;
    if (!fileio::readAt(path, (base - 1) * kRecordLength + long(at), bytes.data(), bytes.size(), &got)) got = 0;
    for (std::size_t i = first; i < end; ++i) {
        const std::size_t from = std::size_t(records[i] - base) * kRecordLength;
        if (from + width <= got) business[i] = holdsText(std::string_view(bytes).substr(from, width));
    }
}

}  // namespace

PostalDictRecord blankRecord() {
    PostalDictRecord r;
    r.code = fillSpaces(kPostalCodeWidth);
    r.prefecture = fillSpaces(kPrefectureWidth);
    r.city = fillSpaces(kCityWidth);
    r.town = fillSpaces(kStreetWidth);
    r.townShown = fillSpaces(layouts::get(layouts::PostalLine).widths[dict_field::Town]);
    r.business = fillSpaces(layouts::get(layouts::PostalLine).widths[dict_field::Business]);
    return r;
}

bool MatchList::add(long recordNo) {
    if (overflow) return false;
    if (count() >= kMaxMatches) {
        overflow = true;
        return false;
    }
    records.push_back(recordNo);
    return true;
}

long usableEntries(const DataDir& dir, const char* indexFile, int entryLength) {
    long entries = wholeEntries(dir.path(indexFile), entryLength);
    if (entries == 0) return 0;
    return std::min(entries, wholeEntries(dir.path(kDictionaryFile), kRecordLength));
}

namespace {

PostalDictRecord recordFromBytes(std::string_view bytes, long recordNo) {
    PostalDictRecord r;
    r.recordNo = recordNo;
    r.code = padField(sjis::cutToWidth(cleanField(bytes, dict_field::Code), 7), false, kPostalCodeWidth);
    r.prefecture = padField(cleanField(bytes, dict_field::Prefecture), false, kPrefectureWidth);
    r.city = padField(cleanField(bytes, dict_field::City), false, kCityWidth);
    r.townShown = cleanField(bytes, dict_field::Town);
    r.town = padField(trimField(r.townShown), false, kStreetWidth);
    r.business = cleanField(bytes, dict_field::Business);
    return r;
}

// Records first .. first + count - 1 in one read; those not there in whole come back blank.
void readRun(const std::string& path, long first, long count, std::vector<PostalDictRecord>& out) {
    std::string bytes(std::size_t(count) * kRecordLength, ' ');
    std::size_t got = 0;
    if (first < 1 || !fileio::readAt(path, (first - 1) * kRecordLength, bytes.data(), bytes.size(), &got)) got = 0;
    for (long k = 0; k < count; ++k) {
        if (std::size_t(k + 1) * kRecordLength <= got)
            out.push_back(recordFromBytes(std::string_view(bytes).substr(std::size_t(k) * kRecordLength), first + k));
        else
            out.push_back(blankRecord());
    }
}

}  // namespace

std::optional<PostalDictRecord> readPostalRecord(const DataDir& dir, long recordNo) {
    std::vector<PostalDictRecord> one;
    readRun(dir.path(kDictionaryFile), recordNo, 1, one);
    if (one[0].recordNo == 0) return std::nullopt;
    return std::move(one[0]);
}

std::vector<PostalDictRecord> readPostalPage(const DataDir& dir, const MatchList& matches, long first, int count) {
    std::vector<PostalDictRecord> page;
    const std::string path = dir.path(kDictionaryFile);
    const long end = std::min(first + count, matches.count());
    // A code lookup finds runs of neighbouring records; each run is one read.
    for (long i = std::max(first, 0L); i < end;) {
        long run = 1;
        while (i + run < end && matches.records[i + run] == matches.records[i] + run) ++run;
        readRun(path, matches.records[i], run, page);
        i += run;
    }
    return page;
}

bool PostalDictRecord::isBusiness() const {
    return holdsText(business);
}

std::string shownTown(const PostalDictRecord& record) {
    if (!record.isBusiness()) return trimField(record.townShown);
    return sjis::fromUnicode(kBusinessMarkUtf8) + trimField(record.business);
}

void putAddressesFirst(const DataDir& dir, MatchList& matches) {
    std::vector<long>& records = matches.records;
    std::vector<char> business(records.size(), 0);
    const std::string path = dir.path(kDictionaryFile);
    for (std::size_t i = 0; i < records.size();) {
        std::size_t end = i + 1;
        // A run goes on while the records ascend closely; a list out of order starts a new one.
        while (end < records.size() && records[end] > records[end - 1] && records[end] - records[end - 1] <= kMaxGap &&
               records[end] - records[i] < kMaxRun)
            ++end;
        if (records[i] >= 1) readBusinessRun(path, records, i, end, business);
        i = end;
    }
    std::vector<long> ordered;
    ordered.reserve(records.size());
    for (int kind = 0; kind < 2; ++kind)
        for (std::size_t i = 0; i < records.size(); ++i)
            if (business[i] == kind) ordered.push_back(records[i]);
    records = std::move(ordered);
}

std::string streetOfSingleMatch(const PostalDictRecord& record) {
    return padField(upToBlank(record.townShown), false, kStreetWidth);
}

}  // namespace postal
