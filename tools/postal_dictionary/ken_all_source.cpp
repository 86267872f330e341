#include "postal_dictionary/ken_all_source.h"

#include <algorithm>

#include "postal_dictionary/text_prep.h"
#include "store/file_io.h"
#include "store/sjis.h"

namespace postal_build {
namespace {

// Columns of KEN_ALL.CSV and JIGYOSYO.CSV that the dictionary uses.
enum KenAllColumn {
    KenCode = 2,
    KenPrefectureKana,
    KenCityKana,
    KenTownKana,
    KenPrefecture,
    KenCity,
    KenTown,
    KenColumns
};
enum JigyosyoColumn { BizName = 2, BizPrefecture, BizCity, BizTown, BizStreet, BizCode, BizColumns };

const std::string& sjisText(const char* utf8, std::string& cache) {
    if (cache.empty()) cache = sjis::fromUnicode(utf8);
    return cache;
}
const std::string& openParen() {
    static std::string s;
    return sjisText("（", s);
}
const std::string& closeParen() {
    static std::string s;
    return sjisText("）", s);
}

bool validUtf8WithNonAscii(std::string_view t) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < t.size();) {
        unsigned char b = static_cast<unsigned char>(t[i]);
        std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > t.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return false;
        nonAscii |= n > 1;
        i += n;
    }
    return nonAscii;
}

// The file's lines in Shift-JIS, without their line ends.
bool readLines(const std::string& path, std::vector<std::string>& lines, BuildReport& report, std::string* error) {
    auto text = fileio::readAll(path);
    if (!text) {
        if (error) *error = path + ": cannot be read";
        return false;
    }
    if (text->compare(0, 3, "\xEF\xBB\xBF") == 0) text->erase(0, 3);
    if (validUtf8WithNonAscii(*text)) {
        std::string cp932 = sjis::fromUnicode(*text);
        report.replacedCharacters +=
            long(std::count(cp932.begin(), cp932.end(), '?')) - long(std::count(text->begin(), text->end(), '?'));
        *text = std::move(cp932);
    }
    std::size_t at = 0;
    while (at < text->size()) {
        std::size_t end = text->find('\n', at);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(std::move(line));
        at = end + 1;
    }
    return true;
}

std::vector<std::string> cleanFields(std::string_view line) {
    std::vector<std::string> f = splitCsvLine(line);
    for (auto& s : f) s = withoutControls(s);
    return f;
}

std::string upTo(const std::string& text, std::string_view ch) {
    return text.substr(0, std::min(findCharacter(text, ch), text.size()));
}

bool unclosed(const std::string& town) {
    return countCharacter(town, openParen()) > countCharacter(town, closeParen());
}

}  // namespace

std::vector<std::string> splitCsvLine(std::string_view line) {
    // Byte by byte is safe for Shift-JIS: no second byte of a character is '"' or ','.
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(std::move(field));
    return fields;
}

bool isPlaceholderTown(std::string_view town) {
    static const std::string none = sjis::fromUnicode("以下に掲載がない場合");
    static const std::string nextIsNumber = sjis::fromUnicode("の次に番地がくる場合");
    static const std::string whole = sjis::fromUnicode("一円");
    // The tail must start on a character of its own, not on the second byte of one.
    auto endsWith = [&](const std::string& tail) {
        if (town.size() < tail.size()) return false;
        std::size_t at = town.size() - tail.size();
        return town.substr(at) == tail && sjis::boundaryAtOrBefore(town, at) == at;
    };
    // A town called 一円 on its own is a real place.
    return town == none || endsWith(nextIsNumber) || (town.size() > whole.size() && endsWith(whole));
}

std::string PlaceReadings::readingOf(const std::string& prefecture, const std::string& city,
                                     const std::string& town) const {
    std::string r;
    auto find = [](const std::map<std::string, std::string>& m, const std::string& key) {
        auto it = m.find(key);
        return it == m.end() ? std::string() : it->second;
    };
    r += find(prefectures, prefecture);
    r += find(cities, prefecture + '\t' + city);
    r += find(towns, prefecture + '\t' + city + '\t' + upTo(town, openParen()));
    return withoutBlanks(r);
}

bool readKenAll(const std::string& path, std::vector<DictionaryEntry>& entries, PlaceReadings& readings,
                BuildReport& report, Progress& progress, std::string* error) {
    std::vector<std::string> lines;
    if (!readLines(path, lines, report, error)) return false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        progress.step("Reading KEN_ALL.CSV", long(i), long(lines.size()));
        ++report.entriesRead;
        std::vector<std::string> f = cleanFields(lines[i]);
        if (f.size() < KenColumns || !isPostalCode(f[KenCode])) {
            ++report.skipped;
            continue;
        }
        std::string town = f[KenTown];
        std::string townKana = f[KenTownKana];
        std::string lastKana = townKana;
        // A long town goes on over the next lines of the same code until its parenthesis closes.
        while (unclosed(town) && i + 1 < lines.size()) {
            std::vector<std::string> next = cleanFields(lines[i + 1]);
            if (next.size() < KenColumns || next[KenCode] != f[KenCode]) break;
            town += next[KenTown];
            // Where only the town itself was too long, the reading is repeated, not continued.
            if (next[KenTownKana] != lastKana) townKana += next[KenTownKana];
            lastKana = next[KenTownKana];
            ++i;
        }
        if (isPlaceholderTown(town)) {
            town.clear();
            townKana.clear();
        }
        readings.prefectures.emplace(f[KenPrefecture], f[KenPrefectureKana]);
        readings.cities.emplace(f[KenPrefecture] + '\t' + f[KenCity], f[KenCityKana]);
        if (!town.empty())
            readings.towns.emplace(f[KenPrefecture] + '\t' + f[KenCity] + '\t' + upTo(town, openParen()),
                                   upTo(townKana, "("));
        DictionaryEntry e;
        e.code = f[KenCode];
        e.prefecture = f[KenPrefecture];
        e.city = f[KenCity];
        e.town = std::move(town);
        e.reading = withoutBlanks(f[KenPrefectureKana] + f[KenCityKana] + townKana);
        entries.push_back(std::move(e));
    }
    progress.step("Reading KEN_ALL.CSV", 1, 1);
    return true;
}

bool readJigyosyo(const std::string& path, const PlaceReadings& readings, std::vector<DictionaryEntry>& entries,
                  BuildReport& report, Progress& progress, std::string* error) {
    std::vector<std::string> lines;
    if (!readLines(path, lines, report, error)) return false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        progress.step("Reading JIGYOSYO.CSV", long(i), long(lines.size()));
        ++report.entriesRead;
        std::vector<std::string> f = cleanFields(lines[i]);
        if (f.size() < BizColumns || !isPostalCode(f[BizCode])) {
            ++report.skipped;
            continue;
        }
        DictionaryEntry e;
        e.code = f[BizCode];
        e.prefecture = f[BizPrefecture];
        e.city = f[BizCity];
        e.town = f[BizTown];
        e.street = f[BizStreet];
        e.business = f[BizName];
        e.reading = readings.readingOf(e.prefecture, e.city, e.town);
        entries.push_back(std::move(e));
    }
    progress.step("Reading JIGYOSYO.CSV", 1, 1);
    return true;
}

}  // namespace postal_build
