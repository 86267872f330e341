#pragma once
// One address on its way from an input file into the dictionary, and the counts the
// builder reports. All text is Shift-JIS, not yet cut to any width.

#include <string>

namespace postal_build {

struct DictionaryEntry {
    std::string code;  // 7 digits
    std::string prefecture;
    std::string city;
    std::string town;
    std::string street;    // the rest of a business's address
    std::string business;  // the business name of a business code
    std::string reading;   // prefecture + city + town in half-width katakana, no blanks
};

struct BuildReport {
    long entriesRead = 0;         // entries (joined lines) found in the input
    long skipped = 0;             // of those, not a 7-digit code: summaries, version stamps, broken lines
    long records = 0;             // records written
    long businessRecords = 0;     // of those, with a business name
    long cutEntries = 0;          // records with a field cut to fit its width
    long replacedCharacters = 0;  // characters with no Shift-JIS form, written as '?'
};

}  // namespace postal_build
