#include "contacts/city_reading.h"

#include "contacts/kana_input.h"
#include "store/sjis.h"

namespace kana {

std::string cityFieldText(std::string_view utf8) {
    std::string converted = toHalfWidthKatakana(utf8);
    if (!sjis::encodable(converted)) return std::string(utf8);
    for (unsigned char c : sjis::fromUnicode(converted))
        if (sjis::isLeadByte(c)) return std::string(utf8);
    return converted;
}

}  // namespace kana
