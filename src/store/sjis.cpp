#include "store/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace sjis {
namespace {

// Runs iconv over the whole input; on a character it cannot convert it skips
// skipBytes of input and emits the replacement instead.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement, bool utf8Input,
                    std::size_t* failures = nullptr) {
    iconv_t cd = iconv_open(to, from);
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
    iconv_close(cd);
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
        if (i + len > width) break;
        i += len;
    }
    return i < width ? i : width;
}

std::string cutToWidth(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, boundaryAtOrBefore(text, width)));
}

std::string toUnicode(std::string_view cp932) {
    std::string clean(cp932);
    for (char& c : clean)
        if (c == '\0') c = ' ';
    return convert("UTF-8", "CP932", clean, "\xEF\xBF\xBD", false);
}

std::string fromUnicode(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8, "?", true);
}

bool encodable(std::string_view utf8) {
    std::size_t failures = 0;
    convert("CP932", "UTF-8", utf8, "", true, &failures);
    return failures == 0;
}

}  // namespace sjis
