// Writing an import: names into the empty rows of the shown term, details into the team
// register, after a copy of Data/, as one save; nothing else changes, and nothing at all when
// the files moved on since the preview or a write fails.

#include "league/import_writing.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "import_fixture.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/records.h"

namespace {

const LocalDateTime kNow{2026, 12, 8, 10, 0, 0};

class ImportWritingTest : public ImportFixture {
protected:
    ImportWrite write(const ImportPreview& p) { return writeImport(m, dir, p, kNow); }
};

TEST_F(ImportWritingTest, NamesFillEmptyRowsInFileOrderAndDetailsGoToTheRegister) {
    // Record 3 is free, but an earlier team left its representative and memo there.
    std::string left = teams;
    left.replace(2000, 1000, teamRecord("前の代表", "", 'm'));
    t.write(files::kTeamRegister, left);
    const ImportPreview p = preview(
        "組,チーム名,代表者名,携帯電話,備考\n"
        "A1,一番,一野,090-1,\"メモ\n二行\"\n"
        "C3,二番,,,\n"
        "A1,三番,三野,,\n"
        "A1,北斗,,080-9,\n");  // already in A1: only the mobile changes
    ASSERT_EQ(p.teams.size(), 4u);
    const ImportWrite w = write(p);
    ASSERT_EQ(w.outcome, ImportWrite::Written) << w.saved.failedFile();
    EXPECT_EQ(w.added, 3);
    EXPECT_EQ(w.updated, 1);
    EXPECT_EQ(importWriteText(w), "3チームを取り込みました（詳細の更新 1チーム）");

    // A1's rows 2 and 4, C3's row 1: the name bytes only; every result byte stays.
    std::string expected = results;
    expected.replace(std::size_t(resultAt(0, 2)), 20, name20("一番"));
    expected.replace(std::size_t(resultAt(0, 4)), 20, name20("三番"));
    expected.replace(std::size_t(resultAt(0, 21)), 20, name20("二番"));
    EXPECT_EQ(t.read(files::kResults), expected);

    // New names take the free records in order (3, then 5, 6) and hold nothing of an earlier
    // team; 北斗 keeps record 1.
    std::string reg = teams;
    std::string one = teamRecord("一野", "一番");
    one.replace(16, 13, stored(team_field::Mobile, "090-1"));
    one.replace(211, 400, stored(team_field::Remarks, "メモ\r\n二行"));
    reg.replace(2000, 1000, one);
    reg.replace(4000, 1000, teamRecord("", "二番"));
    reg.replace(5000, 1000, teamRecord("三野", "三番"));
    reg.replace(16, 13, stored(team_field::Mobile, "080-9"));
    EXPECT_EQ(t.read(files::kTeamRegister), reg);

    // The model counts what the files now hold.
    EXPECT_EQ(m.termTeamCount, 2 + 9 + 3);
    EXPECT_EQ(m.registeredTeams[0], 4);  // records 1, 3, 4 and 6 have a representative
    // A copy of Data/ as it was, and no journal or temporary file left.
    ASSERT_FALSE(w.backup.empty());
    EXPECT_EQ(t.read(w.backup + "/Info.001"), left);
    EXPECT_EQ(t.read(w.backup + "/Seiseki.001"), results);
    for (const auto& e : std::filesystem::directory_iterator(t.path("Data")))
        EXPECT_TRUE(e.path().filename() == "Seiseki.001" || e.path().filename() == "Info.001" ||
                    e.path().filename() == "Kyuubu.001")
            << e.path().filename();
}

TEST_F(ImportWritingTest, AnExistingRecordChangesOnlyWhereTheFileGivesAValue) {
    // 北斗's record has a representative and a memo of x; the file gives the telephone only.
    std::string withMemo = teams;
    withMemo.replace(211, 400, std::string(400, 'x'));
    t.write(files::kTeamRegister, withMemo);
    // 昔のチーム has a record but is not in the term: it comes back into C3 with its record.
    const ImportWrite w = write(preview("組,チーム名,代表者名,電話番号,備考\nA1,北斗,,03-1,\nC3,昔のチーム, ,, \n"));
    ASSERT_EQ(w.outcome, ImportWrite::Written);
    std::string reg = withMemo;
    reg.replace(29, 13, stored(team_field::Telephone, "03-1"));
    EXPECT_EQ(t.read(files::kTeamRegister), reg);
    EXPECT_EQ(t.read(files::kResults).substr(std::size_t(resultAt(0, 21)), 20), name20("昔のチーム"));

    // Details alone: the message says what was done, not that no team came in.
    const ImportWrite details = write(preview("組,チーム名,電話番号\nA1,北斗,03-2\n"));
    ASSERT_EQ(details.outcome, ImportWrite::Written);
    EXPECT_EQ(importWriteText(details), "1チームの詳細を更新しました");

    // The same file again changes nothing and writes nothing, not even a copy.
    const std::size_t copies = std::distance(std::filesystem::directory_iterator(t.path("Backup")), {});
    const ImportWrite again = write(preview("組,チーム名,電話番号\nA1,北斗,03-2\n"));
    EXPECT_EQ(again.outcome, ImportWrite::NothingToWrite);
    EXPECT_EQ(std::size_t(std::distance(std::filesystem::directory_iterator(t.path("Backup")), {})), copies);
}

TEST_F(ImportWritingTest, FilesThatMovedOnSinceThePreviewAreLeftAlone) {
    const ImportPreview p = preview("組,チーム名\nA1,一番\n");
    // Someone typed a name into A1's row 2 meanwhile.
    std::string typed = results;
    typed.replace(std::size_t(resultAt(0, 2)), 20, name20("割込み"));
    t.write(files::kResults, typed);
    EXPECT_EQ(write(p).outcome, ImportWrite::Changed);
    EXPECT_EQ(t.read(files::kResults), typed);
    EXPECT_EQ(t.read(files::kTeamRegister), teams);
    EXPECT_FALSE(t.exists("Backup"));

    // The free record was taken by another name.
    t.write(files::kResults, results);
    std::string reg = teams;
    reg.replace(2000, 1000, teamRecord("", "別の"));
    t.write(files::kTeamRegister, reg);
    EXPECT_EQ(write(p).outcome, ImportWrite::Changed);
    // Another term shown now.
    t.write(files::kTeamRegister, teams);
    m.termSlotIndex = 1;
    EXPECT_EQ(write(p).outcome, ImportWrite::Changed);
    EXPECT_EQ(t.read(files::kResults), results);
}

TEST_F(ImportWritingTest, AFailedSaveOrCopyWritesNothingAndNamesTheFile) {
    const ImportPreview p = preview("組,チーム名,代表者名\nA1,一番,一野\n");
    fileio::testing::failWritesWhen(
        [](const fileio::testing::WriteAttempt& a) { return a.path.find("/Data/Info.001") != std::string::npos; });
    ImportWrite w = write(p);
    EXPECT_EQ(w.outcome, ImportWrite::NotSaved);
    EXPECT_EQ(w.saved.failedFile(), files::kTeamRegister);
    EXPECT_EQ(importWriteText(w), "保存できないため取り込みませんでした：Info.001");
    fileio::testing::reset();
    EXPECT_EQ(t.read(files::kResults), results);
    EXPECT_EQ(t.read(files::kTeamRegister), teams);

    std::filesystem::remove_all(t.path("Backup"));
    t.write("Backup", "a file where the folder should be");
    w = write(p);
    EXPECT_EQ(w.outcome, ImportWrite::BackupFailed);
    EXPECT_EQ(t.read(files::kResults), results);
    EXPECT_EQ(t.read(files::kTeamRegister), teams);
}

}  // namespace
