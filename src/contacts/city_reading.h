#pragma once
// The city field's text as [Enter] there takes it. An input method on Linux gives hiragana
// or full-width katakana where the dictionary's readings are half-width katakana; such text
// becomes half-width katakana, so that しんじゅく finds what ｼﾝｼﾞｭｸ finds. Text that would
// keep a double-byte character after that (a city written in kanji, or さいたま市) is left
// as typed: it is no reading, and is stored as the city.

#include <string>
#include <string_view>

namespace kana {

// UTF-8 in, UTF-8 out.
std::string cityFieldText(std::string_view utf8);

}  // namespace kana
