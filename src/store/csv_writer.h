#pragma once
// Comma-separated text as RFC 4180 writes it: fields joined by commas, records ended by
// CR LF, a field quoted when it holds a comma, a double quote or a line break, and a double
// quote inside a quoted field written twice. The text is UTF-8; a file begins with the
// byte-order mark so that spreadsheet programs read the Japanese as UTF-8.
//
// A spreadsheet runs a cell that begins with = + - @ (or a tab or carriage return before
// them) as a formula, or turns "+81…" into a number. Every field written here is therefore
// neutralised first, as OWASP's advice on CSV injection describes: such a cell gets an
// apostrophe in front, which spreadsheets read as "this is text". The change can be undone
// exactly, so a file written here reads back into the very bytes it was made from.

#include <string>
#include <string_view>
#include <vector>

namespace csv {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The first characters that make a spreadsheet cell a formula.
inline constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// The text with one apostrophe in front when it begins with a formula character. A text
// that already begins with apostrophes before a formula character gets one more, so that
// restoreNeutralised gives back exactly what was written.
std::string neutralise(std::string_view utf8);
// Undoes neutralise: drops one leading apostrophe when apostrophes lead to a formula
// character (for a text written here: when the next character is one of them or another
// such apostrophe). Any other text comes back as it is.
std::string restoreNeutralised(std::string_view cell);

// One field, neutralised and quoted as needed.
std::string field(std::string_view utf8);

// One record, CR LF included.
std::string record(const std::vector<std::string>& fields);

}  // namespace csv
