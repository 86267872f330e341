#pragma once
// Comma-separated text read as RFC 4180 describes it, and as leniently as spreadsheet
// programs read it: fields split at commas, records at CR LF, LF or a lone CR; a quoted
// field may hold commas, line breaks and doubled quotes; a quote inside an unquoted field,
// or text after a closing quote, is kept as it stands.

#include <string>
#include <string_view>
#include <vector>

namespace csv {

struct Record {
    int row = 0;  // 1-based, as a spreadsheet numbers the rows: a record with line breaks is one row
    std::vector<std::string> fields;
};

struct Table {
    std::vector<Record> records;
    // The row whose quoted field never closes: it and everything after it are not in
    // records, since they cannot be told apart. 0 when every quote closes.
    int unclosedQuoteRow = 0;
};

// The text without a byte-order mark. A line break at the very end ends the last record
// and does not start another.
Table parse(std::string_view text);

}  // namespace csv
