#include "contacts/kana_input.h"

#include "store/utf8.h"

namespace kana {
namespace {

constexpr char32_t kVoiced = U'\uFF9E';      // ﾞ
constexpr char32_t kSemiVoiced = U'\uFF9F';  // ﾟ

// Half-width forms of ァ (U+30A1) to ヺ (U+30FA), one per code point, and the voicing
// mark each needs: 0 none, 1 ﾞ, 2 ﾟ. Kana with no half-width form of their own (ヮ, ヰ,
// ヱ, ヵ, ヶ) take the nearest large one, as readings are written.
constexpr std::u32string_view kBases =
    U"ｧｱｨｲｩｳｪｴｫｵ"
    U"ｶｶｷｷｸｸｹｹｺｺ"
    U"ｻｻｼｼｽｽｾｾｿｿ"
    U"ﾀﾀﾁﾁｯﾂﾂﾃﾃﾄﾄ"
    U"ﾅﾆﾇﾈﾉ"
    U"ﾊﾊﾊﾋﾋﾋﾌﾌﾌﾍﾍﾍﾎﾎﾎ"
    U"ﾏﾐﾑﾒﾓ"
    U"ｬﾔｭﾕｮﾖ"
    U"ﾗﾘﾙﾚﾛ"
    U"ﾜﾜｲｴｦﾝｳｶｹ"
    U"ﾜｲｴｦ";
constexpr std::string_view kMarks =
    "0000000000"
    "0101010101"
    "0101010101"
    "01010010101"
    "00000"
    "012012012012012"
    "00000"
    "000000"
    "00000"
    "000000100"
    "1111";
static_assert(kBases.size() == 0x30FA - 0x30A1 + 1 && kMarks.size() == kBases.size());

// Decodes one UTF-8 character at text[i]; *len is how many bytes it took. A byte that does
// not start a well-formed character comes back as 0 with *len 1, to be copied as it is.
char32_t decodeUtf8(std::string_view text, std::size_t i, std::size_t* len) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    *len = 1;
    if (n == 1) return b;
    if (n == 0 || i + n > text.size()) return 0;
    char32_t c = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        unsigned char t = static_cast<unsigned char>(text[i + k]);
        if ((t & 0xC0) != 0x80) return 0;
        c = (c << 6) | (t & 0x3F);
    }
    *len = n;
    return c;
}

// The half-width form of one character, or 0 when it has none.
char32_t halfWidthPunctuation(char32_t c) {
    switch (c) {
        case U'。':
            return U'｡';
        case U'「':
            return U'｢';
        case U'」':
            return U'｣';
        case U'、':
            return U'､';
        case U'・':
            return U'･';
        case U'ー':
            return U'ｰ';
        case U'゛':
        case U'\u3099':
            return kVoiced;
        case U'゜':
        case U'\u309A':
            return kSemiVoiced;
        default:
            return 0;
    }
}

}  // namespace

std::string toHalfWidthKatakana(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        char32_t c = decodeUtf8(utf8, i, &len);
        if (c == 0) {
            out += utf8[i];
            i += len;
            continue;
        }
        i += len;
        // Hiragana ぁ..ゖ sit 0x60 below their katakana.
        char32_t k = (c >= 0x3041 && c <= 0x3096) ? c + 0x60 : c;
        if (k >= 0x30A1 && k <= 0x30FA) {
            std::size_t at = k - 0x30A1;
            appendUtf8(out, kBases[at]);
            if (kMarks[at] == '1') appendUtf8(out, kVoiced);
            if (kMarks[at] == '2') appendUtf8(out, kSemiVoiced);
        } else if (char32_t p = halfWidthPunctuation(c)) {
            appendUtf8(out, p);
        } else if (c >= 0xFF01 && c <= 0xFF5E) {
            out += char(c - 0xFF01 + 0x21);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

bool startsWithKatakanaLetter(std::string_view cp932) {
    if (cp932.empty()) return false;
    unsigned char b = static_cast<unsigned char>(cp932[0]);
    return b >= 0xA6 && b <= 0xDD;
}

}  // namespace kana
