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
    if (!fileio::exists(path)) return 0;
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

std::optional<PostalDictRecord> readPostalRecord(const DataDir& dir, long recordNo) {
    if (recordNo < 1) return std::nullopt;
    std::string bytes(kRecordLength, ' ');
    std::size_t got = 0;
    if (!fileio::readAt(dir.path(kDictionaryFile), (recordNo - 1) * kRecordLength, bytes.data(), bytes.size(), &got) ||
        got != bytes.size())
        return std::nullopt;
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

std::vector<PostalDictRecord> readPostalPage(const DataDir& dir, const MatchList& matches, long first, int count) {
    std::vector<PostalDictRecord> page;
    for (long i = std::max(first, 0L); i < first + count && i < matches.count(); ++i) {
        auto r = readPostalRecord(dir, matches.records[i]);
        page.push_back(r ? std::move(*r) : blankRecord());
    }
    return page;
}

std::string streetOfSingleMatch(const PostalDictRecord& record) {
    return padField(upToBlank(record.townShown), false, kStreetWidth);
}

}  // namespace postal
