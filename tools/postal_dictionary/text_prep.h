#pragma once
// Small text steps every input shares on its way into the dictionary.

#include <string>
#include <string_view>

namespace postal_build {

// True for exactly 7 ASCII digits.
bool isPostalCode(std::string_view text);

// Shift-JIS text without its half-width and full-width blanks.
std::string withoutBlanks(std::string_view cp932);

// Shift-JIS text with control bytes (line ends and the like) turned into blanks.
std::string withoutControls(std::string_view cp932);

// Byte offset of the first occurrence of the Shift-JIS character ch (one or two bytes) in
// text, looking at character starts only; npos when absent.
std::size_t findCharacter(std::string_view text, std::string_view ch);

// How many times ch occurs in text as a whole character.
int countCharacter(std::string_view text, std::string_view ch);

}  // namespace postal_build
