#include "postal_dictionary/text_prep.h"

#include "store/sjis.h"

namespace postal_build {
namespace {

std::size_t charLength(std::string_view text, std::size_t i) {
    return sjis::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

bool isPostalCode(std::string_view text) {
    if (text.size() != 7) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string withoutBlanks(std::string_view cp932) {
    std::string out;
    for (std::size_t i = 0; i < cp932.size();) {
        std::size_t n = charLength(cp932, i);
        std::string_view ch = cp932.substr(i, n);
        if (ch != " " && ch != "\x81\x40") out += ch;
        i += n;
    }
    return out;
}

std::string withoutControls(std::string_view cp932) {
    std::string out(cp932);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return out;
}

std::size_t findCharacter(std::string_view text, std::string_view ch) {
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i))
        if (text.substr(i, ch.size()) == ch) return i;
    return std::string_view::npos;
}

int countCharacter(std::string_view text, std::string_view ch) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i))
        if (text.substr(i, ch.size()) == ch) ++n;
    return n;
}

}  // namespace postal_build
