#include "store/text_encoding.h"

#include "store/sjis.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        char32_t value = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            value = c & 0x07;
        } else {
            return false;
        }
        if (i + len > bytes.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            value = (value << 6) | (cc & 0x3F);
        }
        const char32_t least = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
        if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

DecodedText decodeText(std::string_view bytes) {
    DecodedText d;
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        if (!isValidUtf8(bytes)) return d;
        d.encoding = TextEncoding::Utf8WithBom;
        d.utf8 = std::string(bytes);
        return d;
    }
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        d.encoding = TextEncoding::Utf16;
        return d;
    }
    if (isValidUtf8(bytes)) {
        d.encoding = TextEncoding::Utf8;
        d.utf8 = std::string(bytes);
        return d;
    }
    // Code page 932 maps nothing to U+FFFD, so one in the result marks a byte it does not hold.
    std::string text = sjis::toUnicode(bytes);
    if (text.find(kReplacement) != std::string::npos) return d;
    d.encoding = TextEncoding::Cp932;
    d.utf8 = std::move(text);
    return d;
}

std::string_view encodingName(TextEncoding e) {
    switch (e) {
        case TextEncoding::Utf8:
            return "UTF-8";
        case TextEncoding::Utf8WithBom:
            return "UTF-8 (BOM付き)";
        case TextEncoding::Cp932:
            return "Shift_JIS (CP932)";
        case TextEncoding::Utf16:
            return "UTF-16";
        case TextEncoding::Unknown:
            break;
    }
    return "不明";
}
