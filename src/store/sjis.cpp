#include "store/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace sjis {
namespace {

// One conversion descriptor per direction, opened once and reset before every use: opening
// one costs far more than a short conversion, and a group switch converts a few hundred texts.
enum class Direction { ToUtf8, FromUtf8 };

iconv_t descriptor(Direction d) {
    struct Pair {
        iconv_t toUtf8 = iconv_open("UTF-8", "CP932");
        iconv_t fromUtf8 = iconv_open("CP932", "UTF-8");
    };
    static const Pair pair;
    iconv_t cd = d == Direction::ToUtf8 ? pair.toUtf8 : pair.fromUtf8;
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return cd;
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Runs iconv over the whole input; on a character it cannot convert it skips it and emits
// the replacement instead.
std::string convert(Direction d, std::string_view in, std::string_view replacement, std::size_t* failures = nullptr) {
    const bool utf8Input = d == Direction::FromUtf8;
    iconv_t cd = descriptor(d);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    std::string out;
    std::vector<char> chunk(4 * in.size() + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = chunk.data();
        size_t dstLeft = chunk.size();
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(chunk.data(), dst - chunk.data());
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip one character of input.
        size_t skip = 1;
        if (utf8Input) {
            unsigned char c = static_cast<unsigned char>(*src);
            skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        } else if (isLeadByte(static_cast<unsigned char>(*src)) && srcLeft >= 2) {
            skip = 2;
        }
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
        out.append(replacement);
        if (failures) ++*failures;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t boundaryAtOrBefore(std::string_view text, std::size_t width) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t len = isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        // A lead byte with nothing after it is half a character: it is dropped like one cut off.
        if (i + len > width || i + len > text.size()) break;
        i += len;
    }
    return i;
}

std::string cutToWidth(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, boundaryAtOrBefore(text, width)));
}

std::string toUnicode(std::string_view cp932) {
    std::string clean(cp932);
    if (isAscii(clean)) {
        for (char& c : clean)
            if (c == '\0') c = ' ';
        return clean;
    }
    for (char& c : clean)
        if (c == '\0') c = ' ';
    return convert(Direction::ToUtf8, clean, "\xEF\xBF\xBD");
}

std::string fromUnicode(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    return convert(Direction::FromUtf8, utf8, "?");
}

bool encodable(std::string_view utf8) {
    if (isAscii(utf8)) return true;
    std::size_t failures = 0;
    convert(Direction::FromUtf8, utf8, "", &failures);
    return failures == 0;
}

}  // namespace sjis
