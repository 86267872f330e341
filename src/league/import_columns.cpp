#include "league/import_columns.h"

#include <initializer_list>

#include "league/import_cells.h"
#include "store/team_field_captions.h"

namespace {

enum class Part { Name, Group, Class, Division, Address, Detail };

struct Word {
    std::string_view key;  // as headingKey gives it
    Part part;
    int field = -1;  // for Detail
};

// Every caption the CSV team list writes is in here too, so that its files read back.
constexpr Word kWords[] = {
    {"チーム名", Part::Name},
    {"チーム", Part::Name},
    {"チーム名称", Part::Name},
    {"team", Part::Name},
    {"teamname", Part::Name},
    {"組", Part::Group},
    {"リーグ", Part::Group},
    {"クラス", Part::Group},
    {"級部", Part::Group},
    {"グループ", Part::Group},
    {"級", Part::Class},
    {"部", Part::Division},  // the group as a whole when there is no 級 column
    {"住所", Part::Address},
    {"住所1", Part::Address},
    {"代表者名", Part::Detail, team_field::Representative},
    {"代表者", Part::Detail, team_field::Representative},
    {"代表", Part::Detail, team_field::Representative},
    {"代表者氏名", Part::Detail, team_field::Representative},
    {"携帯電話", Part::Detail, team_field::Mobile},
    {"携帯", Part::Detail, team_field::Mobile},
    {"携帯番号", Part::Detail, team_field::Mobile},
    {"携帯電話番号", Part::Detail, team_field::Mobile},
    {"電話番号", Part::Detail, team_field::Telephone},
    {"電話", Part::Detail, team_field::Telephone},
    {"tel", Part::Detail, team_field::Telephone},
    {"fax", Part::Detail, team_field::Fax},
    {"fax番号", Part::Detail, team_field::Fax},
    {"ファックス", Part::Detail, team_field::Fax},
    {"郵便番号", Part::Detail, team_field::PostalCode},
    {"〒", Part::Detail, team_field::PostalCode},
    {"郵便", Part::Detail, team_field::PostalCode},
    {"都道府県", Part::Detail, team_field::Prefecture},
    {"区市郡", Part::Detail, team_field::City},
    {"市区町村", Part::Detail, team_field::City},
    {"市区郡", Part::Detail, team_field::City},
    {"番地", Part::Detail, team_field::Street},
    {"町名番地", Part::Detail, team_field::Street},
    {"建物", Part::Detail, team_field::Building},
    {"建物名", Part::Detail, team_field::Building},
    {"ビル名", Part::Detail, team_field::Building},
    {"住所2", Part::Detail, team_field::Building},
    {"メール", Part::Detail, team_field::Mail},
    {"メールアドレス", Part::Detail, team_field::Mail},
    {"email", Part::Detail, team_field::Mail},
    {"mail", Part::Detail, team_field::Mail},
    {"eメール", Part::Detail, team_field::Mail},
    {"備考", Part::Detail, team_field::Remarks},
    {"メモ", Part::Detail, team_field::Remarks},
    {"memo", Part::Detail, team_field::Remarks},
};

const Word* wordFor(std::string_view key) {
    for (const Word& w : kWords)
        if (w.key == key) return &w;
    return nullptr;
}

}  // namespace

std::string headingKey(std::string_view utf8) {
    std::string folded = foldFullWidthAscii(utf8);
    std::string key;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const char c = folded[i];
        if (c == ' ' || c == '-' || c == '_' || c == '.' || c == ':') continue;
        if (folded.compare(i, 3, "・") == 0 || folded.compare(i, 3, "：") == 0) {
            i += 2;
            continue;
        }
        key += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    return key;
}

std::optional<ImportColumns> matchHeadings(const std::vector<std::string>& headings) {
    ImportColumns c;
    std::vector<const Word*> words;
    bool hasClass = false;
    for (const std::string& h : headings) {
        c.headings.push_back(trimmedCell(h));
        words.push_back(wordFor(headingKey(h)));
        hasClass |= words.back() && words.back()->part == Part::Class;
    }
    bool hasStreet = false;
    for (const Word* w : words) hasStreet |= w && w->part == Part::Detail && w->field == team_field::Street;

    // The first column that names a part feeds it; a later one for the same part is unused.
    auto claim = [&](int& slot, int column) {
        if (slot == ImportColumns::kNone)
            slot = column;
        else
            c.unused.push_back(column);
    };
    for (int i = 0; i < int(words.size()); ++i) {
        const Word* w = words[i];
        if (!w) {
            if (!c.headings[i].empty()) c.unused.push_back(i);
            continue;
        }
        switch (w->part) {
            case Part::Name:
                claim(c.name, i);
                break;
            case Part::Group:
                claim(c.group, i);
                break;
            case Part::Class:
                claim(c.classLetter, i);
                break;
            case Part::Division:
                claim(hasClass ? c.divisionLetter : c.group, i);
                break;
            case Part::Address:
                if (hasStreet)
                    c.unused.push_back(i);
                else
                    claim(c.address, i);
                break;
            case Part::Detail:
                claim(c.detail[std::size_t(w->field)], i);
                break;
        }
    }
    // A group given both ways is read from its letters.
    if (c.classLetter != ImportColumns::kNone && c.group != ImportColumns::kNone) {
        c.unused.push_back(c.group);
        c.group = ImportColumns::kNone;
    }
    if (c.name == ImportColumns::kNone) return std::nullopt;
    return c;
}
