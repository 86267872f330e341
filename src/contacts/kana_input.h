#pragma once
// What a Linux input method leaves in the city field, made fit for the reading lookup.
// The dictionary's readings are half-width katakana (with the voicing marks as their own
// bytes) and ASCII digits and letters; an input method gives hiragana, full-width katakana
// and full-width digits instead.

#include <string>
#include <string_view>

namespace kana {

// UTF-8 text with hiragana and full-width katakana turned into half-width katakana
// (が → ｶﾞ, ぱ → ﾊﾟ, small kana without a half-width form → their large form), the
// Japanese punctuation that has a half-width form (ー・「」、。) turned into it, and
// full-width ASCII turned into ASCII. Everything else, kanji included, is kept as it is.
std::string toHalfWidthKatakana(std::string_view utf8);

// True when Shift-JIS text may start a reading lookup: its first byte is a half-width
// katakana letter (ｦ to ﾝ).
bool startsWithKatakanaLetter(std::string_view cp932);

}  // namespace kana
