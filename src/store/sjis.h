#pragma once
// Shift-JIS (code page 932) text as it lies in the data files, and its conversion to
// and from the UTF-8 that the screens use. Widths are always counted in bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

// First byte of a double-byte character.
bool isLeadByte(unsigned char c);

// Largest n <= width such that the first n bytes of text end on a character boundary.
std::size_t boundaryAtOrBefore(std::string_view text, std::size_t width);

// The first bytes of text that fit into width without splitting a double-byte character.
std::string cutToWidth(std::string_view text, std::size_t width);

// CP932 bytes to UTF-8. Bytes that are not CP932 come out as U+FFFD, NULs as blanks.
std::string toUnicode(std::string_view cp932);

// UTF-8 to CP932 bytes. A character CP932 cannot hold comes out as '?'.
std::string fromUnicode(std::string_view utf8);

// True when every character of the UTF-8 text has a CP932 form.
bool encodable(std::string_view utf8);

}  // namespace sjis
