#include "postal_dictionary/jpostal_source.h"

#include <algorithm>
#include <filesystem>

#include "contacts/kana_input.h"
#include "postal_dictionary/json_rows.h"
#include "postal_dictionary/text_prep.h"
#include "store/file_io.h"
#include "store/sjis.h"

namespace postal_build {
namespace {

namespace fs = std::filesystem;

enum Column { Code, Prefecture, City, Town, Street, Business, PrefectureKana, CityKana, TownKana, Columns };

std::vector<std::string> jsonFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.path().extension() == ".json") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

long countByte(std::string_view text, char c) {
    return long(std::count(text.begin(), text.end(), c));
}

// The rows' texts in Shift-JIS. iconv is set up once per file rather than once per text:
// the texts go through it joined by line feeds, which no text holds any more.
std::vector<std::string> toShiftJis(const std::vector<std::string>& utf8, BuildReport& report) {
    std::string joined;
    for (const auto& s : utf8) {
        for (char c : s) joined += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        joined += '\n';
    }
    std::string cp932 = sjis::fromUnicode(joined);
    report.replacedCharacters += countByte(cp932, '?') - countByte(joined, '?');
    std::vector<std::string> out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        std::size_t end = cp932.find('\n', at);
        if (end == std::string::npos) end = cp932.size();
        out.push_back(cp932.substr(at, end - at));
        at = std::min(end + 1, cp932.size());
    }
    return out;
}

}  // namespace

bool readJpostalFolder(const std::string& folder, std::vector<DictionaryEntry>& entries, BuildReport& report,
                       Progress& progress, std::string* error) {
    const std::vector<std::string> files = jsonFiles(folder);
    if (files.empty()) {
        if (error) *error = "no .json files in " + folder;
        return false;
    }
    for (std::size_t f = 0; f < files.size(); ++f) {
        progress.step("Reading the JSON files", long(f), long(files.size()));
        auto text = fileio::readAll(files[f]);
        std::vector<StringRow> rows;
        std::string why;
        if (!text || !parseStringRows(*text, rows, &why)) {
            if (error) *error = files[f] + ": " + (text ? why : "cannot be read");
            return false;
        }
        std::vector<std::string> texts;
        for (auto& row : rows) {
            ++report.entriesRead;
            row.resize(Columns);
            std::string code = row[Code].substr(row[Code].empty() || row[Code][0] != '_' ? 0 : 1);
            if (!isPostalCode(code)) {
                ++report.skipped;
                continue;
            }
            texts.push_back(code);
            for (int c = Prefecture; c <= Business; ++c) texts.push_back(row[c]);
            texts.push_back(kana::toHalfWidthKatakana(row[PrefectureKana] + row[CityKana] + row[TownKana]));
        }
        const std::vector<std::string> cp932 = toShiftJis(texts, report);
        for (std::size_t k = 0; k + 7 <= cp932.size(); k += 7) {
            DictionaryEntry e;
            e.code = cp932[k];
            e.prefecture = cp932[k + 1];
            e.city = cp932[k + 2];
            e.town = cp932[k + 3];
            e.street = cp932[k + 4];
            e.business = cp932[k + 5];
            e.reading = withoutBlanks(cp932[k + 6]);
            entries.push_back(std::move(e));
        }
    }
    progress.step("Reading the JSON files", 1, 1);
    return true;
}

}  // namespace postal_build
