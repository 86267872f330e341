#pragma once
// Small text helpers shared by the two report layouts.

#include <string>
#include <string_view>

// The Shift-JIS bytes of one of the reports' fixed texts, converted once.
const std::string& sjisOf(std::string_view utf8);

// A stored field as it goes on paper: exactly width bytes, and a double-byte character that
// would be cut at the end (a damaged field) gives way to a blank.
std::string fitField(std::string_view field, std::size_t width);

// A field without its trailing blanks and NULs, never ending in half a character.
std::string trimEnd(std::string_view field);

// A one-byte group letter; a byte that cannot stand alone prints as a blank.
char printableLetter(char c);
