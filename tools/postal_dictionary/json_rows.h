#pragma once
// A small reader for the one shape of JSON the postal data comes in: an array of arrays of
// strings, possibly wrapped in a JSONP call such as callback( ... );

#include <string>
#include <string_view>
#include <vector>

namespace postal_build {

using StringRow = std::vector<std::string>;

// Parses the text into rows of UTF-8 strings (null counts as an empty string, a number as
// its text). False, with a message naming the byte offset, on anything else.
bool parseStringRows(std::string_view text, std::vector<StringRow>& rows, std::string* error);

}  // namespace postal_build
