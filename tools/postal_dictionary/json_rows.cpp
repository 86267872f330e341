#include "postal_dictionary/json_rows.h"

#include <cctype>

#include "store/utf8.h"

namespace postal_build {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : t_(text) {}

    bool parse(std::vector<StringRow>& rows, std::string* error) {
        // Anything before the first bracket is the JSONP call's name and parenthesis.
        std::size_t open = t_.find('[');
        if (open == std::string_view::npos) return fail("no array", error);
        bool wrapped = t_.substr(0, open).find('(') != std::string_view::npos;
        i_ = open + 1;
        skipBlank();
        if (peek(']')) {
            ++i_;
        } else {
            for (;;) {
                skipBlank();
                StringRow row;
                if (!peek('[') || !parseRow(row)) return fail("expected an array of strings", error);
                rows.push_back(std::move(row));
                skipBlank();
                if (peek(',')) {
                    ++i_;
                    continue;
                }
                if (peek(']')) {
                    ++i_;
                    break;
                }
                return fail("expected ',' or ']'", error);
            }
        }
        skipBlank();
        if (wrapped && peek(')')) {
            ++i_;
            skipBlank();
            if (peek(';')) ++i_;
            skipBlank();
        }
        if (i_ != t_.size()) return fail("unexpected text after the array", error);
        return true;
    }

private:
    std::string_view t_;
    std::size_t i_ = 0;

    bool fail(const char* what, std::string* error) {
        if (error) *error = std::string(what) + " at byte " + std::to_string(i_);
        return false;
    }
    bool peek(char c) const { return i_ < t_.size() && t_[i_] == c; }
    void skipBlank() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r')) ++i_;
    }

    bool parseRow(StringRow& row) {
        ++i_;  // '['
        skipBlank();
        if (peek(']')) {
            ++i_;
            return true;
        }
        for (;;) {
            skipBlank();
            std::string value;
            if (!parseValue(value)) return false;
            row.push_back(std::move(value));
            skipBlank();
            if (peek(',')) {
                ++i_;
                continue;
            }
            if (peek(']')) {
                ++i_;
                return true;
            }
            return false;
        }
    }

    bool parseValue(std::string& out) {
        if (peek('"')) return parseString(out);
        if (t_.substr(i_, 4) == "null") {
            i_ += 4;
            return true;
        }
        std::size_t start = i_;
        while (i_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[i_])) || t_[i_] == '-' || t_[i_] == '+' ||
                                  t_[i_] == '.' || t_[i_] == 'e' || t_[i_] == 'E'))
            ++i_;
        out.assign(t_.substr(start, i_ - start));
        return i_ > start;
    }

    bool hex4(unsigned* v) {
        if (i_ + 4 > t_.size()) return false;
        *v = 0;
        for (int k = 0; k < 4; ++k) {
            char c = t_[i_ + k];
            unsigned d = c >= '0' && c <= '9'   ? c - '0'
                         : c >= 'a' && c <= 'f' ? c - 'a' + 10
                         : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                : 16;
            if (d == 16) return false;
            *v = *v * 16 + d;
        }
        i_ += 4;
        return true;
    }

    bool parseString(std::string& out) {
        ++i_;  // '"'
        while (i_ < t_.size()) {
            char c = t_[i_++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= t_.size()) return false;
            char e = t_[i_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned c1;
                    if (!hex4(&c1)) return false;
                    if (c1 >= 0xD800 && c1 <= 0xDBFF && t_.substr(i_, 2) == "\\u") {
                        std::size_t back = i_;
                        i_ += 2;
                        unsigned c2;
                        if (hex4(&c2) && c2 >= 0xDC00 && c2 <= 0xDFFF) {
                            appendUtf8(out, char32_t(0x10000 + ((c1 - 0xD800) << 10) + (c2 - 0xDC00)));
                            break;
                        }
                        i_ = back;
                    }
                    // A lone surrogate has no character; the replacement character takes its place.
                    appendUtf8(out, char32_t(c1 >= 0xD800 && c1 <= 0xDFFF ? 0xFFFD : c1));
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }
};

}  // namespace

bool parseStringRows(std::string_view text, std::vector<StringRow>& rows, std::string* error) {
    return Parser(text).parse(rows, error);
}

}  // namespace postal_build
