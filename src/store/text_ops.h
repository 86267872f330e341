#pragma once
// The small text operations every fixed-width field goes through.

#include <cstddef>
#include <string>
#include <string_view>

// n blanks.
std::string fillSpaces(std::size_t n);

// text placed into a field of width bytes, blank-padded. Left-aligned text is cut at the
// end, right-aligned text (trailing blanks and NULs dropped first) at the front; a cut
// never splits a double-byte character: the whole character goes and a blank takes its place.
std::string padField(std::string_view text, bool rightAlign, std::size_t width);

// text without leading and trailing blanks, NULs, carriage returns and line feeds.
std::string trimField(std::string_view text);

// text without leading and trailing half-width and full-width blanks (Shift-JIS), cut at
// character boundaries only.
std::string trimBlanks(std::string_view sjisText);

// A fixed-width field is empty when its first byte is a blank or NUL (a file cut short and
// extended by another program may hold NULs).
inline bool isBlankField(std::string_view field) {
    return field.empty() || field[0] == ' ' || field[0] == '\0';
}
// The one test of whether a name field holds a team.
inline bool holdsTeam(std::string_view nameField) {
    return !isBlankField(nameField);
}

// The C library's atol on a field: leading blanks skipped, optional sign, digits up to the
// first other byte; an all-blank or non-numeric field is 0. Never overflows.
long parseLong(std::string_view text);

// A count as "%<width>d", blank when zero.
std::string formatCount(long value, std::size_t width);

// A value as "%<width>d" (zero shown as 0), cut to width from the front if longer.
std::string formatNumber(long value, std::size_t width);
