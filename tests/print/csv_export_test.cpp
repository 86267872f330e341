// Both CSV files of the shown term as a spreadsheet reads them (Python's csv module): every
// field in place, formulas kept as text and given back as stored, and every way writing
// them can fail.

#include "print/csv_export.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <filesystem>

#include "print/csv_reports.h"
#include "print/league_files.h"
#include "print/python_reader.h"
#include "store/csv_writer.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

struct CsvFile {
    bool bom = false;
    bool crlf = false;
    std::vector<std::vector<std::string>> records;
};

CsvFile readCsv(const std::string& path) {
    CsvFile out;
    const QJsonObject o = readWithPython("read_csv.py", path);
    out.bom = o.value("bom").toBool();
    out.crlf = o.value("crlf").toBool();
    for (const QJsonValue& r : o.value("records").toArray()) {
        std::vector<std::string>& rec = out.records.emplace_back();
        for (const QJsonValue& f : r.toArray()) rec.push_back(f.toString().toStdString());
    }
    return out;
}

class CsvExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!pythonAvailable()) GTEST_SKIP() << "no python3 here";
    }
    void TearDown() override { fileio::testing::reset(); }

    // Two groups of the term 2026後期; the second team of group B has a comma and quotes in
    // its name and full details, the first of group A full details with blanks around them.
    void layLeague() {
        LeagueFiles f("381");
        f.league(2, 4);
        f.team(1, 1, "ベアーズ,\"北\"", "1 23", " 1 1 1 3    2");
        f.contacts(3, "ベアーズ,\"北\"",
                   {"北村　一", "090-1234-5678", "011-222-3333", "", "北区", "北7条西2-8", "北ビル 3F", "060-0001",
                    "北海道", "kita@example.jp", "会費は\r\n来月"});
        f.contacts(1, leagueTeamName(0, 0),
                   {"佐藤　花子　", "080-1111-2222", "03-1111-2222", "03-1111-3333", "千代田区", "丸の内1-1", "",
                    "100-0005", "東京都", "sato@example.jp"});
        f.writeTo(t);
    }

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m = modelWithGroups(2);
};

TEST(CsvWriter, QuotesOnlyWhatRfc4180AsksToBeQuoted) {
    EXPECT_EQ(csv::field("タイガース"), "タイガース");
    EXPECT_EQ(csv::field("a,b"), "\"a,b\"");
    EXPECT_EQ(csv::field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv::field("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(csv::field(""), "");
    EXPECT_EQ(csv::record({"a", "", "b,c"}), "a,,\"b,c\"\r\n");
}

TEST(CsvWriter, FormulaCellsGetAnApostropheThatComesOffAgainExactly) {
    for (const char* formula : {"=1+2", "+81-90-1234-5678", "-5", "@SUM(A1)", "\t=1", "\r\n=1", "=", "'=1", "''+1"}) {
        const std::string cell = csv::neutralise(formula);
        EXPECT_EQ(cell, "'" + std::string(formula)) << formula;
        EXPECT_EQ(csv::restoreNeutralised(cell), formula) << formula;
    }
    for (const char* plain : {"", "090-1234-5678", "a=b", "'", "''", "'quoted", "＝全角", " =1", "北村　一"}) {
        EXPECT_EQ(csv::neutralise(plain), plain) << plain;
        EXPECT_EQ(csv::restoreNeutralised(plain), plain) << plain;
    }
    // A cell from elsewhere keeps an apostrophe that does not stand before a formula character.
    EXPECT_EQ(csv::restoreNeutralised("'090"), "'090");
    EXPECT_EQ(csv::restoreNeutralised("'-5"), "-5");
    // Neutralised before it is quoted.
    EXPECT_EQ(csv::field("=A1,B1"), "\"'=A1,B1\"");
    EXPECT_EQ(csv::field("-\"x\""), "\"'-\"\"x\"\"\"");
}

TEST(CsvWriter, StoredFieldsLoseTheirPaddingAndOnlyThat) {
    EXPECT_EQ(csvText(storedName("タイガース")), "タイガース");
    // Full-width blanks were typed, and stay for an import to put back.
    EXPECT_EQ(csvText(padField(sjis::fromUnicode("　北村　一　"), false, 16)), "　北村　一　");
    EXPECT_EQ(csvText(std::string("AB\0\0 ", 5)), "AB");
    EXPECT_EQ(csvText(std::string(20, ' ')), "");
    EXPECT_EQ(csvText(" 03-1111 "), " 03-1111");
    // Half of a double-byte character at the end of a damaged field is not dropped silently.
    EXPECT_EQ(csvText("\x83\x5E\x83"), "タ\uFFFD");
}

TEST_F(CsvExportTest, BothFilesReadBackWithEveryFieldInPlace) {
    layLeague();
    const CsvExport out = exportCsv(m, dir);
    ASSERT_EQ(out.kind, CsvExport::Written);
    EXPECT_EQ(out.written, (std::vector<std::string>{"Export/勝敗表_2026後期.csv", "Export/チーム一覧_2026後期.csv"}));

    // Two tables of four teams, each under its own heading, an empty line between them.
    const CsvFile standings = readCsv(t.path(out.written[0]));
    EXPECT_TRUE(standings.bom);
    EXPECT_TRUE(standings.crlf);
    ASSERT_EQ(standings.records.size(), 1u + 4u + 1u + 1u + 4u);
    EXPECT_EQ(standings.records[0],
              (std::vector<std::string>{"級", "部", "行", "チーム名", "勝", "敗", "分", "勝点", "勝率", "順位",
                                        "対Aチーム1", "対Aチーム2", "対Aチーム3", "対Aチーム4"}));
    EXPECT_TRUE(standings.records[5].empty());
    EXPECT_EQ(standings.records[6],
              (std::vector<std::string>{"級", "部", "行", "チーム名", "勝", "敗", "分", "勝点", "勝率", "順位",
                                        "対Bチーム1", "対ベアーズ,\"北\"", "対Bチーム3", "対Bチーム4"}));
    EXPECT_EQ(standings.records[8], (std::vector<std::string>{"B", "2", "2", "ベアーズ,\"北\"", "1", "1", "1", "3",
                                                              "0.500", "2", "○", "", "×", "△"}));
    // Group A's first team as league() lays it: lost to row 2, drew with 3, beat 4.
    EXPECT_EQ(standings.records[1], (std::vector<std::string>{"A", "1", "1", "Aチーム1", "1", "1", "1", "3", "0.500",
                                                              "1", "", "×", "△", "○"}));

    const CsvFile list = readCsv(t.path(out.written[1]));
    EXPECT_TRUE(list.bom);
    ASSERT_EQ(list.records.size(), 1u + 8u);
    EXPECT_EQ(list.records[0],
              (std::vector<std::string>{"級", "部", "チーム名", "代表者名", "携帯電話", "電話番号", "FAX", "郵便番号",
                                        "都道府県", "区市郡", "番地", "建物", "メール", "備考"}));
    EXPECT_EQ(list.records[1], (std::vector<std::string>{"A", "1", "Aチーム1", "佐藤　花子　", "080-1111-2222",
                                                         "03-1111-2222", "03-1111-3333", "100-0005", "東京都",
                                                         "千代田区", "丸の内1-1", "", "sato@example.jp", ""}));
    EXPECT_EQ(list.records[6], (std::vector<std::string>{"B", "2", "ベアーズ,\"北\"", "北村　一", "090-1234-5678",
                                                         "011-222-3333", "", "060-0001", "北海道", "北区", "北7条西2-8",
                                                         "北ビル 3F", "kita@example.jp", "会費は\r\n来月"}));
    // A team without a register record of its own has its letters and name only.
    EXPECT_EQ(list.records[2],
              (std::vector<std::string>{"A", "1", "Aチーム2", "", "", "", "", "", "", "", "", "", "", ""}));
}

TEST_F(CsvExportTest, FormulasReachTheSpreadsheetAsTextAndComeBackAsStored) {
    LeagueFiles f("381");
    f.league(1, 3);
    f.team(0, 1, "=1+2", "1 2", " 1 1   2    2");
    const TeamContactsText risky{"@SUM(A1:A9)", "+819012345678",  "-0120-000-000",    "\t=cmd|'/C'!A",
                                 "\r=1",        "'=既に印あり",   "北ビル",           "100-0005",
                                 "東京都",      "a=b@example.jp", "=HYPERLINK(\"x\")"};
    f.contacts(1, "=1+2", risky);
    f.writeTo(t);
    const CsvExport out = exportCsv(m, dir);
    ASSERT_EQ(out.kind, CsvExport::Written);

    const CsvFile standings = readCsv(t.path(out.written[0]));
    ASSERT_EQ(standings.records.size(), 4u);
    EXPECT_EQ(standings.records[2][3], "'=1+2");
    EXPECT_EQ(standings.records[0][11], "対=1+2");  // not at the start: no formula

    const CsvFile list = readCsv(t.path(out.written[1]));
    ASSERT_EQ(list.records.size(), 4u);
    const std::vector<std::string>& row = list.records[2];
    EXPECT_EQ(std::vector<std::string>(row.begin() + 2, row.end()),
              (std::vector<std::string>{"'=1+2", "'@SUM(A1:A9)", "'+819012345678", "'-0120-000-000", "'\t=cmd|'/C'!A",
                                        "100-0005", "東京都", "'\r=1", "''=既に印あり", "北ビル", "a=b@example.jp",
                                        "'=HYPERLINK(\"x\")"}));
    // Every cell, undone, padded to its width and put into Shift-JIS, is the stored field.
    const RecordLayout& l = layouts::get(layouts::Team);
    const int fields[] = {
        team_field::TeamName, team_field::Representative, team_field::Mobile,     team_field::Telephone,
        team_field::Fax,      team_field::PostalCode,     team_field::Prefecture, team_field::City,
        team_field::Street,   team_field::Building,       team_field::Mail,       team_field::Remarks};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const int k = fields[i];
        EXPECT_EQ(padField(sjis::fromUnicode(csv::restoreNeutralised(row[2 + i])), false, l.widths[k]),
                  f.teams.substr(std::size_t(l.offsets[k]), std::size_t(l.widths[k])))
            << "column " << 2 + i;
    }
}

TEST_F(CsvExportTest, ATermWithoutTeamsWritesNothing) {
    LeagueFiles("380").writeTo(t);
    EXPECT_EQ(exportCsv(m, dir).kind, CsvExport::NothingToExport);
    EXPECT_FALSE(t.exists("Export"));
}

TEST_F(CsvExportTest, FailuresWriteNothingAndSayWhich) {
    // No results file: nothing to export from, and no folder made for it.
    EXPECT_EQ(exportCsv(m, dir).kind, CsvExport::Unreadable);
    EXPECT_FALSE(t.exists("Export"));

    layLeague();
    t.write("Export", "a file where the folder should be");
    EXPECT_EQ(exportCsv(m, dir).kind, CsvExport::NoFolder);
    EXPECT_EQ(t.read("Export"), "a file where the folder should be");
    std::filesystem::remove(t.path("Export"));

    // An older pair is there; the second file cannot be written: neither is replaced, and
    // nothing else is left behind.
    t.write("Export/勝敗表_2026後期.csv", "older standings");
    t.write("Export/チーム一覧_2026後期.csv", "older list");
    fileio::testing::failWritesWhen(
        [](const fileio::testing::WriteAttempt& a) { return a.path.find("チーム一覧") != std::string::npos; });
    const CsvExport out = exportCsv(m, dir);
    EXPECT_EQ(out.kind, CsvExport::Failed);
    EXPECT_TRUE(out.written.empty());
    EXPECT_EQ(out.failed, "Export/チーム一覧_2026後期.csv");
    EXPECT_EQ(t.read("Export/勝敗表_2026後期.csv"), "older standings");
    EXPECT_EQ(t.read("Export/チーム一覧_2026後期.csv"), "older list");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(t.path("Export"))) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"チーム一覧_2026後期.csv", "勝敗表_2026後期.csv"}));
}

}  // namespace
