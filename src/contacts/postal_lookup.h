#pragma once
// The two dictionary lookups: by postal code ([Enter] in the postal-code field) and by
// the reading of part of an address in half-width katakana ([Enter] in the city field).
// Both only find record numbers; readPostalPage and readPostalRecord fetch the rows.

#include <functional>
#include <string>
#include <string_view>

#include "contacts/postal_dictionary.h"

namespace postal {

enum class LookupOutcome {
    NotAReading,   // reading lookup only: the text does not start with a katakana letter
    NoDictionary,  // the index or ZipNo.txt is missing or holds no entry
    NotFound,      // nothing matched, or the code was empty or began with a blank
    TooMany,       // more than kMaxMatches matched
    Found,         // matchList holds the records
};

struct LookupResult {
    LookupOutcome outcome = LookupOutcome::NotFound;
    std::string query;  // what was looked for; for a code, what the postal-code field shows
    MatchList matchList;
};

// "100-0001" and the like become the 7 digits and a blank ("1000001 "); a shorter tail
// after the hyphen is kept as a prefix ("100-00" -> "10000"). Other text is kept as typed.
std::string applyHyphenRule(std::string_view typed);

// Every code that begins with the typed text (after the hyphen rule), by bisection over
// Zip/ZipNo.idx. With no usable dictionary the query stays as typed, hyphen and all.
LookupResult lookupByCode(const DataDir& dir, std::string_view typed);

// Every entry of Zip/ZipKana.idx whose reading holds the query within its first
// blank-free stretch. The query is the city field's Shift-JIS text, at most 20 bytes
// (longer text is cut at a character boundary, trailing blanks are dropped). progress,
// when given, hears the whole percentage of entries scanned each time it changes.
LookupResult lookupByReading(const DataDir& dir, std::string_view cityText,
                             const std::function<void(int percent)>& progress = {});

}  // namespace postal
