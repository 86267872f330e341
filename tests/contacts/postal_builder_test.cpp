// The dictionary builder of tools/: both inputs give the three files byte for byte, a
// rebuild replaces a dictionary whole, and a failed one leaves the old one alone.

#include <gtest/gtest.h>

#include <filesystem>

#include "contacts/postal_dictionary.h"
#include "postal_dictionary/build_dictionary.h"
#include "postal_dictionary/json_rows.h"
#include "postal_dictionary/ken_all_source.h"
#include "postal_fixture.h"
#include "store/file_io.h"
#include "store/text_ops.h"

namespace {

using postal_build::BuildReport;
using postal_build::Progress;

class PostalBuilder : public ::testing::Test {
protected:
    TempFolder t;
    Progress quiet;
    BuildReport report;
    std::string error;

    void expectFilesEqualFixture(const std::string& fixtureZip) {
        for (const char* name : {"ZipNo.txt", "ZipNo.idx", "ZipKana.idx"}) {
            auto expected = fileio::readAll(fixturePath(fixtureZip + "/" + name));
            ASSERT_TRUE(expected) << name;
            EXPECT_TRUE(t.read(std::string("Zip/") + name) == *expected) << name << " differs from " << fixtureZip;
        }
        for (const auto& e : std::filesystem::directory_iterator(t.path("Zip")))
            EXPECT_NE(e.path().extension(), ".part") << "a temporary file was left behind";
    }
    std::string record(int r) const { return t.read(postal::kDictionaryFile).substr(std::size_t(r - 1) * 500, 500); }
    std::string reading(int r) const { return t.read(postal::kReadingIndexFile).substr(std::size_t(r - 1) * 202, 200); }
};

TEST_F(PostalBuilder, TheNpmJsonFilesGiveTheExpectedFilesAndCounts) {
    ASSERT_TRUE(postal_build::buildFromJpostal(fixturePath("postal/jpostal/json"), t.root(), report, quiet, &error))
        << error;
    expectFilesEqualFixture("postal/jpostal/Zip");
    // The version stamp and two three-digit summaries are no addresses.
    EXPECT_EQ(report.entriesRead, 64);
    EXPECT_EQ(report.skipped, 3);
    EXPECT_EQ(report.records, 61);
    EXPECT_EQ(report.businessRecords, 3);
    // A city of 28 bytes and a business name of 104 bytes.
    EXPECT_EQ(report.cutEntries, 2);
    // 𠮷 (written as a surrogate pair) has no Shift-JIS form.
    EXPECT_EQ(report.replacedCharacters, 1);
}

TEST_F(PostalBuilder, KenAllJoinsContinuedTownsAndBlanksPlaceholders) {
    ASSERT_TRUE(postal_build::buildFromKenAll(fixturePath("postal/ken_all/KEN_ALL.CSV"),
                                              fixturePath("postal/ken_all/JIGYOSYO.CSV"), t.root(), report, quiet,
                                              &error))
        << error;
    expectFilesEqualFixture("postal/ken_all/Zip");
    EXPECT_EQ(report.entriesRead, 14);
    EXPECT_EQ(report.skipped, 1);  // the broken line
    EXPECT_EQ(report.records, 13);
    EXPECT_EQ(report.businessRecords, 2);
    EXPECT_EQ(report.cutEntries, 1);  // the town of 0660005 joined to more than 74 bytes

    // Sorted by code: 0282402 first, though it is the tenth line of the file.
    EXPECT_EQ(record(1).substr(0, 7), "0282402");
    EXPECT_EQ(record(1).substr(142, 74), padField(sj("小本（大久保、川谷、黒岩）"), false, 74));
    EXPECT_EQ(reading(1), padField(sj("ｲﾜﾃｹﾝｼﾓﾍｲｸﾞﾝｲﾜｲｽﾞﾐﾁｮｳｵﾓﾄ(ｵｵｸﾎﾞ､ｶﾜﾀﾞﾆ､ｸﾛｲﾜ)"), false, 200));
    // A reading repeated on the continued line is not doubled.
    EXPECT_EQ(reading(7), padField(sj("ﾎｯｶｲﾄﾞｳﾁﾄｾｼｲｽﾞﾐｻﾜ(ﾁｮｳﾒ)"), false, 200));
    EXPECT_EQ(record(7).substr(142, 74), padField(sj("泉沢（１～３丁目、５丁目）"), false, 74));
    // Placeholders become blank, with their readings; the village called 一円 stays.
    EXPECT_EQ(record(2).substr(142, 74), std::string(74, ' '));  // 仁木町の次に番地がくる場合
    EXPECT_EQ(record(3).substr(142, 74), std::string(74, ' '));  // 以下に掲載がない場合
    EXPECT_EQ(reading(3), padField(sj("ﾎｯｶｲﾄﾞｳｻｯﾎﾟﾛｼﾁｭｳｵｳｸ"), false, 200));
    EXPECT_EQ(record(11).substr(142, 74), std::string(74, ' '));  // 利島村一円
    EXPECT_EQ(record(13).substr(142, 74), padField(sj("一円"), false, 74));
    // A business takes its reading from the places of KEN_ALL.CSV, as far as they are known.
    EXPECT_EQ(record(5).substr(316, 100), padField(sj("株式会社　北海道新聞社"), false, 100));
    EXPECT_EQ(reading(5), padField(sj("ﾎｯｶｲﾄﾞｳｻｯﾎﾟﾛｼﾁｭｳｵｳｸｵｵﾄﾞｵﾘﾆｼ"), false, 200));
    EXPECT_EQ(reading(12), padField(sj("ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ"), false, 200));
}

TEST_F(PostalBuilder, AUtf8CopyOfKenAllGivesTheSameDictionary) {
    TempFolder input;
    input.write("KEN_ALL.CSV", sjis::toUnicode(*fileio::readAll(fixturePath("postal/ken_all/KEN_ALL.CSV"))));
    input.write("JIGYOSYO.CSV",
                "\xEF\xBB\xBF" + sjis::toUnicode(*fileio::readAll(fixturePath("postal/ken_all/JIGYOSYO.CSV"))));
    ASSERT_TRUE(postal_build::buildFromKenAll(input.path("KEN_ALL.CSV"), input.path("JIGYOSYO.CSV"), t.root(), report,
                                              quiet, &error))
        << error;
    expectFilesEqualFixture("postal/ken_all/Zip");
}

TEST_F(PostalBuilder, ARebuildReplacesTheDictionaryAndAFailedOneKeepsIt) {
    t.write(postal::kDictionaryFile, std::string(5000, 'x'));
    t.write(postal::kCodeIndexFile, "old");
    ASSERT_TRUE(
        postal_build::buildFromKenAll(fixturePath("postal/ken_all/KEN_ALL.CSV"), "", t.root(), report, quiet, &error));
    EXPECT_EQ(t.size(postal::kDictionaryFile), 11 * 500);
    const std::string built = t.read(postal::kDictionaryFile);

    TempFolder input;
    input.copyFixture("postal/jpostal/json/100.json", "json/100.json");
    input.write("json/101.json", "jQuery_jpostal_callback(\n[[\"_1010001\",\"東京都\"");
    EXPECT_FALSE(postal_build::buildFromJpostal(input.path("json"), t.root(), report, quiet, &error));
    EXPECT_NE(error.find("101.json"), std::string::npos) << error;
    EXPECT_FALSE(postal_build::buildFromJpostal(input.path("no such folder"), t.root(), report, quiet, &error));
    EXPECT_FALSE(postal_build::buildFromKenAll(input.path("none.csv"), "", t.root(), report, quiet, &error));
    // An input with no postal code at all does not empty the dictionary either.
    input.write("empty.csv", "\r\n");
    EXPECT_FALSE(postal_build::buildFromKenAll(input.path("empty.csv"), "", t.root(), report, quiet, &error));
    EXPECT_EQ(t.read(postal::kDictionaryFile), built);
    for (const auto& e : std::filesystem::directory_iterator(t.path("Zip"))) EXPECT_NE(e.path().extension(), ".part");
}

TEST(PostalBuilderInput, JsonRowsAreReadOrRefusedWithoutCrashing) {
    std::vector<postal_build::StringRow> rows;
    std::string error;
    ASSERT_TRUE(postal_build::parseStringRows(" cb(\n[[\"_1\",null,12,\"a\\\"\\u00e9\\n\"],[]]\n);\n", rows, &error))
        << error;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (postal_build::StringRow{"_1", "", "12", "a\"\xC3\xA9\n"}));
    EXPECT_TRUE(rows[1].empty());
    for (const char* bad : {"", "[", "[[\"a\"", "[[\"a\"]", "[[1,]]", "[[\"\\u12\"]]", "[[\"\\q\"]]", "[\"a\"]",
                            "cb([[\"a\"]]);x", "[[\"a\"]] ]"}) {
        rows.clear();
        EXPECT_FALSE(postal_build::parseStringRows(bad, rows, &error)) << bad;
    }
}

TEST(PostalBuilderInput, PlaceholderTownsAreKnownByTheirWording) {
    EXPECT_TRUE(postal_build::isPlaceholderTown(sj("以下に掲載がない場合")));
    EXPECT_TRUE(postal_build::isPlaceholderTown(sj("仁木町の次に番地がくる場合")));
    EXPECT_TRUE(postal_build::isPlaceholderTown(sj("利島村一円")));
    EXPECT_FALSE(postal_build::isPlaceholderTown(sj("一円")));
    EXPECT_FALSE(postal_build::isPlaceholderTown(sj("以下に掲載がない場合の町")));
    EXPECT_FALSE(postal_build::isPlaceholderTown(""));
    EXPECT_EQ(postal_build::splitCsvLine("1,\"a,b\",\"say \"\"hi\"\"\",,x"),
              (std::vector<std::string>{"1", "a,b", "say \"hi\"", "", "x"}));
}

}  // namespace
