#include "store/text_ops.h"

#include <cstdio>

#include "store/sjis.h"

std::string fillSpaces(std::size_t n) {
    return std::string(n, ' ');
}

std::string padField(std::string_view text, bool rightAlign, std::size_t width) {
    std::string out = fillSpaces(width);
    if (!rightAlign) {
        std::size_t n = sjis::boundaryAtOrBefore(text, width);
        out.replace(0, n, text.substr(0, n));
        return out;
    }
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\0')) --end;
    std::string_view body = text.substr(0, end);
    body = body.substr(0, sjis::boundaryAtOrBefore(body, body.size()));  // no half character at the end
    // Drop whole characters from the front until the rest fits.
    std::size_t start = 0;
    while (body.size() - start > width) {
        start += sjis::isLeadByte(static_cast<unsigned char>(body[start])) && start + 1 < body.size() ? 2 : 1;
    }
    std::string_view kept = body.substr(start);
    out.replace(width - kept.size(), kept.size(), kept);
    return out;
}

std::string trimField(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\0' || c == '\n' || c == '\r'; };
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

std::string trimBlanks(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = 0;  // end of the last character that is not a blank
    std::size_t i = 0;
    bool seen = false;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t len = sjis::isLeadByte(c) && i + 1 < text.size() ? 2 : 1;
        const bool blank = (len == 1 && c == ' ') || (len == 2 && c == 0x81 && text[i + 1] == '\x40');
        if (!blank) {
            if (!seen) b = i;
            seen = true;
            e = i + len;
        }
        i += len;
    }
    return seen ? std::string(text.substr(b, e - b)) : std::string();
}

long parseLong(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > 100000000L) break;  // fields are at most a few digits; stop long before overflow
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

std::string formatNumber(long value, std::size_t width) {
    // "%*ld" by hand: counts are formatted a few dozen times per click.
    char digits[24];
    std::size_t n = 0;
    unsigned long v = value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v > 0);
    if (value < 0) digits[n++] = '-';
    std::string out(n > width ? 0 : width - n, ' ');
    for (std::size_t i = n; i > 0; --i) out += digits[i - 1];
    return out.size() > width ? out.substr(out.size() - width) : out;
}

std::string formatCount(long value, std::size_t width) {
    return value == 0 ? fillSpaces(width) : formatNumber(value, width);
}
