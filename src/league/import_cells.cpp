#include "league/import_cells.h"

#include <algorithm>
#include <optional>

#include "store/capacities.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kPostalMark = "〒";

constexpr std::string_view kPrefectures[] = {
    "北海道", "青森県", "岩手県", "宮城県",   "秋田県", "山形県",   "福島県", "茨城県", "栃木県", "群馬県",
    "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県",   "石川県", "福井県", "山梨県", "長野県",
    "岐阜県", "静岡県", "愛知県", "三重県",   "滋賀県", "京都府",   "大阪府", "兵庫県", "奈良県", "和歌山県",
    "鳥取県", "島根県", "岡山県", "広島県",   "山口県", "徳島県",   "香川県", "愛媛県", "高知県", "福岡県",
    "佐賀県", "長崎県", "熊本県", "大分県",   "宮崎県", "鹿児島県", "沖縄県"};

// Length of the UTF-8 character that starts with c.
std::size_t charLength(unsigned char c) {
    return c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
}

// The first character that code page 932 cannot hold; empty when there is none.
std::string firstUnencodable(std::string_view utf8) {
    if (sjis::encodable(utf8)) return std::string();
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(charLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        if (!sjis::encodable(utf8.substr(i, n))) return std::string(utf8.substr(i, n));
        i += n;
    }
    return std::string();
}

// Nothing but blanks (half- or full-width), tabs and line breaks.
bool blankOnly(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == ' ' || utf8[i] == '\t' || utf8[i] == '\r' || utf8[i] == '\n') continue;
        if (utf8.substr(i).starts_with(kIdeographicSpace)) {
            i += kIdeographicSpace.size() - 1;
            continue;
        }
        return false;
    }
    return true;
}

bool hasControlCharacter(std::string_view utf8, bool lineBreaksAllowed) {
    for (char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (lineBreaksAllowed && (c == '\r' || c == '\n' || c == '\t')) continue;
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

std::string quoted(std::string_view heading) {
    return "「" + std::string(heading) + "」";
}

std::string widthLimit(int width) {
    return "全角" + std::to_string(width / 2) + "文字・半角" + std::to_string(width) + "文字まで";
}

// The checks every field shares, on a value already in its final UTF-8 form.
CellBytes encode(std::string_view utf8, int width, std::string_view heading, bool lineBreaksAllowed) {
    CellBytes out;
    if (hasControlCharacter(utf8, lineBreaksAllowed)) {
        out.problem = quoted(heading) + "に改行やタブなどの制御文字があります";
        return out;
    }
    if (const std::string bad = firstUnencodable(utf8); !bad.empty()) {
        out.problem = quoted(heading) + "の「" + bad + "」はシフトJISで表せない文字です";
        return out;
    }
    out.bytes = sjis::fromUnicode(utf8);
    if (int(out.bytes.size()) > width) {
        out.problem = quoted(heading) + "が長すぎます（" + widthLimit(width) + "）";
        out.bytes.clear();
    }
    return out;
}

bool typedHalfWidth(int k) {
    return k == team_field::Mobile || k == team_field::Telephone || k == team_field::Fax || k == team_field::PostalCode;
}

// Every line break as CR LF, without the ones the memo would begin with.
std::string memoLines(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' || utf8[i] == '\n') {
            if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            if (!out.empty()) out += "\r\n";
        } else {
            out += utf8[i];
        }
    }
    return out;
}

bool usable(std::string_view groupBlock, int slot) {
    return slot >= 0 && slot < kGroups && std::size_t(2 * slot + 1) < groupBlock.size() &&
           !isBlankField(groupBlock.substr(std::size_t(2 * slot), 1));
}

// A letter cell as the one byte it is stored as; nothing when it is not one byte.
std::optional<char> letterByte(std::string_view utf8) {
    const std::string text = trimmedCell(foldFullWidthAscii(utf8));
    const std::string bytes = sjis::fromUnicode(text);
    if (bytes.empty()) return ' ';
    if (bytes.size() == 1 && sjis::encodable(text)) return bytes[0];
    return std::nullopt;
}

int slotWithLetters(std::string_view groupBlock, char cls, char div) {
    for (int slot = 0; slot < kGroups; ++slot)
        if (usable(groupBlock, slot) && groupBlock[2 * slot] == cls && groupBlock[2 * slot + 1] == div) return slot;
    return -1;
}

}  // namespace

std::string foldFullWidthAscii(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(charLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view ch = utf8.substr(i, n);
        i += n;
        if (ch == kIdeographicSpace) {
            out += ' ';
            continue;
        }
        if (n == 3) {
            const char32_t c = char32_t((ch[0] & 0x0F) << 12 | (ch[1] & 0x3F) << 6 | (ch[2] & 0x3F));
            if (c >= 0xFF01 && c <= 0xFF5E) {
                out += char(c - 0xFF01 + 0x21);
                continue;
            }
        }
        out += ch;
    }
    return out;
}

std::string trimmedCell(std::string_view utf8) {
    std::size_t b = 0, e = utf8.size();
    for (;;) {
        if (b < e && utf8[b] == ' ')
            ++b;
        else if (utf8.substr(b, e - b).starts_with(kIdeographicSpace))
            b += kIdeographicSpace.size();
        else
            break;
    }
    for (;;) {
        if (e > b && utf8[e - 1] == ' ')
            --e;
        else if (utf8.substr(b, e - b).ends_with(kIdeographicSpace))
            e -= kIdeographicSpace.size();
        else
            break;
    }
    return std::string(utf8.substr(b, e - b));
}

CellBytes readTeamNameCell(std::string_view cell, std::string_view heading) {
    return encode(trimmedCell(cell), kTeamNameWidth, heading, false);
}

CellBytes readDetailCell(int k, std::string_view cell, std::string_view heading) {
    if (blankOnly(cell)) return {};
    std::string value = typedHalfWidth(k) ? foldFullWidthAscii(cell) : std::string(cell);
    if (k == team_field::PostalCode) {
        value = trimmedCell(value);
        if (value.starts_with(kPostalMark)) value = trimmedCell(value.substr(kPostalMark.size()));
    }
    if (k == team_field::Remarks) value = memoLines(value);
    // Trailing half-width blanks are what a field is padded with anyway.
    while (!value.empty() && value.back() == ' ') value.pop_back();
    if (value.empty()) return {};
    return encode(value, layouts::width(layouts::Team, k), heading, k == team_field::Remarks);
}

std::string leadingCity(std::string_view prefecture, std::string_view rest, const KnownCity& knownCity) {
    if (!knownCity || prefecture.empty()) return {};
    std::string found;
    for (std::string_view end : {"市", "区", "町", "村"}) {
        for (std::size_t at = rest.find(end); at != std::string_view::npos; at = rest.find(end, at + end.size())) {
            const std::string_view city = rest.substr(0, at + end.size());
            if (city.size() > found.size() && knownCity(prefecture, city)) found = city;
        }
    }
    return found;
}

AddressParts splitPrefecture(std::string_view utf8) {
    const std::string text = trimmedCell(utf8);
    for (std::string_view p : kPrefectures)
        if (text.starts_with(p)) return {std::string(p), trimmedCell(std::string_view(text).substr(p.size()))};
    return {std::string(), text};
}

int groupSlotOf(std::string_view groupBlock, std::string_view utf8) {
    std::string text = trimmedCell(foldFullWidthAscii(utf8));
    // "A級1部" reads as the letters A and 1.
    for (std::string_view mark : {"級", "部"}) {
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, mark.size());
    }
    text = trimmedCell(text);
    const std::string bytes = sjis::fromUnicode(text);
    if (!bytes.empty() && bytes.size() <= 2 && sjis::encodable(text)) {
        const int slot = slotWithLetters(groupBlock, bytes[0], bytes.size() == 2 ? bytes[1] : ' ');
        if (slot >= 0) return slot;
    }
    if (!text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos) {
        const int slot = std::stoi(text) - 1;
        if (usable(groupBlock, slot)) return slot;
    }
    return -1;
}

int groupSlotOfLetters(std::string_view groupBlock, std::string_view classUtf8, std::string_view divisionUtf8) {
    const std::optional<char> cls = letterByte(classUtf8), div = letterByte(divisionUtf8);
    if (!cls || !div || *cls == ' ') return -1;
    return slotWithLetters(groupBlock, *cls, *div);
}

std::string groupDisplayName(std::string_view groupBlock, int slot) {
    if (slot < 0 || std::size_t(2 * slot + 1) >= groupBlock.size()) return std::string();
    auto letter = [&](int at) { return trimmedCell(sjis::toUnicode(groupBlock.substr(std::size_t(at), 1))); };
    const std::string cls = letter(2 * slot), div = letter(2 * slot + 1);
    return cls + "級" + (div.empty() ? std::string() : " " + div + "部");
}
