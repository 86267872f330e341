#pragma once
// Comma-separated text as RFC 4180 writes it: fields joined by commas, records ended by
// CR LF, a field quoted when it holds a comma, a double quote or a line break, and a double
// quote inside a quoted field written twice. The text is UTF-8; a file begins with the
// byte-order mark so that spreadsheet programs read the Japanese as UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace csv {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string field(std::string_view utf8);

// One record, CR LF included.
std::string record(const std::vector<std::string>& fields);

}  // namespace csv
