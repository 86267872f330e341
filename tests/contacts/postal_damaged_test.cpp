// Damaged, short, long and missing dictionary files, from one table: each reads as a
// missing dictionary or as fewer entries, and every row it gives is clean text of exactly
// its width.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

#include "contacts/postal_lookup.h"
#include "postal_fixture.h"
#include "store/file_io.h"

namespace {

using postal::LookupOutcome;
using Outcome = std::optional<LookupOutcome>;  // nullopt: any outcome will do, as long as nothing breaks

const std::string kFolder = "\x01 a folder in place of the file";

struct DictionaryFiles {
    std::optional<std::string> text, codes, readings;
};

struct DamagedCase {
    const char* name;
    std::function<void(DictionaryFiles&)> damage;
    Outcome firstCode;  // 0600000, record 1
    Outcome lastCode;   // 9998531, record 61
    Outcome reading;    // ｽｶﾞｻﾄ, record 61
};

// Test names show the case, not its bytes.
void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr auto ND = LookupOutcome::NoDictionary;
constexpr auto NF = LookupOutcome::NotFound;
constexpr auto OK = LookupOutcome::Found;

std::string reversedEntries(const std::string& bytes, std::size_t width) {
    std::string out;
    for (std::size_t at = bytes.size() / width; at-- > 0;) out += bytes.substr(at * width, width);
    return out;
}

const DamagedCase kCases[] = {
    {"every file missing", [](DictionaryFiles& f) { f = {}; }, ND, ND, ND},
    {"records missing while the indexes are there", [](DictionaryFiles& f) { f.text.reset(); }, ND, ND, ND},
    {"code index missing", [](DictionaryFiles& f) { f.codes.reset(); }, ND, ND, OK},
    {"reading index missing", [](DictionaryFiles& f) { f.readings.reset(); }, OK, OK, ND},
    {"code index empty", [](DictionaryFiles& f) { f.codes = ""; }, ND, ND, OK},
    {"code index shorter than one entry", [](DictionaryFiles& f) { f.codes->resize(22); }, ND, ND, OK},
    {"reading index shorter than one entry", [](DictionaryFiles& f) { f.readings->resize(201); }, OK, OK, ND},
    {"indexes ending in part of an entry",
     [](DictionaryFiles& f) {
         *f.codes += "99999";
         *f.readings += std::string(100, '\xB1');
     },
     OK, OK, OK},
    {"records one byte short", [](DictionaryFiles& f) { f.text->pop_back(); }, OK, NF, NF},
    {"records longer than the indexes", [](DictionaryFiles& f) { *f.text += std::string(700, '\x93'); }, OK, OK, OK},
    {"indexes longer than the records", [](DictionaryFiles& f) { f.text->resize(30 * 500); }, OK, NF, NF},
    {"reading index of wrong bytes", [](DictionaryFiles& f) { f.readings->assign(f.readings->size(), '\xFF'); }, OK, OK,
     NF},
    {"code index of lead bytes", [](DictionaryFiles& f) { f.codes->assign(f.codes->size(), '\x82'); }, NF, NF, OK},
    {"code index out of order", [](DictionaryFiles& f) { *f.codes = reversedEntries(*f.codes, 23); }, std::nullopt,
     std::nullopt, OK},
    {"records of NULs and line ends",
     [](DictionaryFiles& f) {
         for (std::size_t i = 0; i < f.text->size(); ++i) (*f.text)[i] = "\0\n\r"[i % 3];
     },
     OK, OK, OK},
    {"records whose fields end in the first byte of a character",
     [](DictionaryFiles& f) {
         std::string& last = *f.text;
         const std::size_t r = 60 * 500;
         last.replace(r + 114, 8, sj("山形県") + " \x93");
         last.replace(r + 122, 20, std::string(19, 'x') + "\x88");
         last.replace(r + 142, 74, std::string(39, 'y') + "\x88\x9F" + std::string(33, 'z'));
         last.replace(r + 0, 7, "999853\x93");
     },
     OK, OK, OK},
    {"code index is a folder", [](DictionaryFiles& f) { f.codes = kFolder; }, ND, ND, OK},
    {"records file is a folder", [](DictionaryFiles& f) { f.text = kFolder; }, ND, ND, ND},
    {"reading index is a folder", [](DictionaryFiles& f) { f.readings = kFolder; }, OK, OK, ND},
};

void lay(const TempFolder& t, const char* name, const std::optional<std::string>& bytes) {
    if (!bytes) return;
    if (*bytes == kFolder)
        std::filesystem::create_directories(t.path(name));
    else
        t.write(name, *bytes);
}

// Every row of a page is text of exactly its width that ends on a character boundary.
void expectCleanRows(const DataDir& dir, const postal::MatchList& matches, const char* name) {
    for (const auto& row : postal::readPostalPage(dir, matches, 0, 20)) {
        const std::pair<const std::string*, std::size_t> fields[] = {{&row.code, 8},       {&row.prefecture, 8},
                                                                     {&row.city, 20},      {&row.town, 40},
                                                                     {&row.townShown, 74}, {&row.business, 100}};
        for (auto [text, width] : fields) {
            EXPECT_EQ(text->size(), width) << name;
            EXPECT_EQ(sjis::boundaryAtOrBefore(*text, width), width) << name << ": a character is split";
            for (char c : *text) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << name;
        }
    }
}

class DamagedDictionary : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedDictionary, ReadsAsMissingOrShorterAndNeverBreaks) {
    const DamagedCase& c = GetParam();
    DictionaryFiles files{fileio::readAll(fixturePath("postal/jpostal/Zip/ZipNo.txt")),
                          fileio::readAll(fixturePath("postal/jpostal/Zip/ZipNo.idx")),
                          fileio::readAll(fixturePath("postal/jpostal/Zip/ZipKana.idx"))};
    ASSERT_TRUE(files.text && files.codes && files.readings);
    c.damage(files);
    TempFolder t;
    t.write("Zip/.keep", "");
    lay(t, postal::kDictionaryFile, files.text);
    lay(t, postal::kCodeIndexFile, files.codes);
    lay(t, postal::kReadingIndexFile, files.readings);
    const DataDir dir = t.dir();

    const std::pair<postal::LookupResult, Outcome> lookups[] = {
        {postal::lookupByCode(dir, "0600000"), c.firstCode},
        {postal::lookupByCode(dir, "9998531"), c.lastCode},
        {postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ")), c.reading},
    };
    for (const auto& [result, expected] : lookups) {
        if (expected) {
            EXPECT_EQ(result.outcome, *expected) << c.name << ": " << result.query;
        }
        expectCleanRows(dir, result.matchList, c.name);
    }
    // A wide lookup reads every row there is.
    expectCleanRows(dir, postal::lookupByCode(dir, "1").matchList, c.name);
    expectCleanRows(dir, postal::lookupByReading(dir, sj("ﾄｳｷｮｳ")).matchList, c.name);
    // With no usable dictionary a typed code stays as it was typed.
    if (c.firstCode == ND) {
        EXPECT_EQ(postal::lookupByCode(dir, "100-0001").query, "100-0001");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedDictionary, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DamagedCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(DamagedDictionaryRows, SplitCharactersAreDroppedAndPadded) {
    TempFolder t;
    copyFixtureDictionary(t);
    std::string text = t.read(postal::kDictionaryFile);
    const std::size_t r = 60 * 500;
    text.replace(r + 114, 8, sj("山形県") + " \x93");
    text.replace(r + 122, 20, std::string(19, 'x') + "\x88");
    text.replace(r + 0, 7, "999853\x93");
    t.write(postal::kDictionaryFile, text);
    auto row = postal::readPostalRecord(t.dir(), 61);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->prefecture, sj("山形県") + "  ");
    EXPECT_EQ(row->city, std::string(19, 'x') + " ");
    EXPECT_EQ(row->code, "999853  ");
}

}  // namespace
