#include "print/print_text.h"

#include <map>

#include "store/sjis.h"
#include "store/text_ops.h"

const std::string& sjisOf(std::string_view utf8) {
    static std::map<std::string, std::string, std::less<>> cache;
    auto it = cache.find(utf8);
    if (it == cache.end()) it = cache.emplace(std::string(utf8), sjis::fromUnicode(utf8)).first;
    return it->second;
}

std::string fitField(std::string_view field, std::size_t width) {
    return padField(field, false, width);
}

std::string trimEnd(std::string_view field) {
    std::size_t end = field.size();
    while (end > 0 && (field[end - 1] == ' ' || field[end - 1] == '\0')) --end;
    return sjis::cutToWidth(field.substr(0, end), end);
}

char printableLetter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || sjis::isLeadByte(u) ? ' ' : c;
}
