#pragma once
// The postal-code dictionary in Zip/, three files without headers that run in parallel:
// record r (from 1) of ZipNo.txt, entry r - 1 of ZipNo.idx and entry r - 1 of ZipKana.idx
// describe the same address. The program only reads them; tools/ builds them.
//
// Every reader here takes the working folder and copes with files that are missing,
// short, long or full of wrong bytes: such a dictionary reads as missing or as fewer
// entries, never past the end of a file or a field.

#include <optional>
#include <string>
#include <vector>

#include "store/data_dir.h"
#include "store/record_layout.h"

namespace postal {

inline constexpr const char* kDictionaryFile = "Zip/ZipNo.txt";
inline constexpr const char* kCodeIndexFile = "Zip/ZipNo.idx";
inline constexpr const char* kReadingIndexFile = "Zip/ZipKana.idx";

inline constexpr int kRecordLength = kPostalLineLength;  // one PostalDictRecord
inline constexpr int kCodeEntryLength = 23;              // one CodeIndexEntry
inline constexpr int kCodeKeyLength = 8;                 // 7 digits and a blank
inline constexpr int kReadingEntryLength = 202;          // one ReadingIndexEntry
inline constexpr int kReadingLength = 200;               // half-width katakana, blank-padded
inline constexpr int kMaxMatches = 10000;

// Field numbers of a dictionary record (layouts::PostalLine).
namespace dict_field {
enum : int { Code = 0, Prefecture = 4, City = 5, Town = 6, Street = 7, Business = 8 };
}

// Widths of the team record's fields that a chosen address fills.
inline constexpr int kPostalCodeWidth = 8;
inline constexpr int kPrefectureWidth = 8;
inline constexpr int kCityWidth = 20;
inline constexpr int kStreetWidth = 40;

// Record numbers (1-based) that a lookup found: ascending as found, then the codes of address
// areas before business codes (putAddressesFirst). A match beyond kMaxMatches sets overflow
// instead of being added.
struct MatchList {
    std::vector<long> records;
    bool overflow = false;

    bool add(long recordNo);  // false once the list has overflowed
    bool empty() const { return records.empty(); }
    long count() const { return long(records.size()); }
};

// One dictionary record as the result panel shows it and a chosen row fills the team
// record: every text cut at a character boundary and blank-padded to its width.
struct PostalDictRecord {
    long recordNo = 0;
    std::string code;        // 8 bytes: the 7 digits and a blank, as the postal-code field stores it
    std::string prefecture;  // 8 bytes
    std::string city;        // 20 bytes
    std::string town;        // 40 bytes: the town without its surrounding blanks, for the street-number field
    std::string townShown;   // the whole 74-byte town field, for the result row
    std::string business;    // 100 bytes: the business name of a business code

    // A business's own code (事業所), as opposed to the code of an address area.
    bool isBusiness() const;
};

// What the town column of the result panel shows for a record (Shift-JIS, without blanks
// around it): the town of an address area; for a business code, a mark and the business's
// name, so that a company's own code is never taken for an address.
std::string shownTown(const PostalDictRecord& record);
inline constexpr const char* kBusinessMarkUtf8 = "〔事業所〕";

// Reorders a lookup's records so that the codes of address areas come before business codes,
// each kind keeping its order. Reads the business name of every match from ZipNo.txt, in
// runs of neighbouring records; a record that cannot be read counts as an address.
void putAddressesFirst(const DataDir& dir, MatchList& matches);

// Entries of an index that a lookup may use: its whole entries, but no more than ZipNo.txt
// has whole records. 0 when the index or ZipNo.txt is missing, empty or not a plain file.
long usableEntries(const DataDir& dir, const char* indexFile, int entryLength);

// Record recordNo of ZipNo.txt; nothing when it is not there in whole.
std::optional<PostalDictRecord> readPostalRecord(const DataDir& dir, long recordNo);

// A record of blanks (recordNo 0), as a row past the end of the list shows.
PostalDictRecord blankRecord();

// The records of matches[first] .. matches[first + count - 1], in that order: one page of
// the result panel. Rows past the end of the list are left out; a record that cannot be
// read comes back blank.
std::vector<PostalDictRecord> readPostalPage(const DataDir& dir, const MatchList& matches, long first, int count);

// The street-number text of a single code match: the town up to its first blank, at most
// 40 bytes, blank-padded to 40.
std::string streetOfSingleMatch(const PostalDictRecord& record);

}  // namespace postal
