// What the reports are gathered from: the shown term of the results file, the group
// letters, and each team's own record of the team register, whatever shape the files are in.

#include <gtest/gtest.h>

#include "print/league_files.h"
#include "print/standings_sheet_source.h"
#include "print/team_list_source.h"
#include "store/sjis.h"

namespace {

class ReportSources : public ::testing::Test {
protected:
    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m = modelWithGroups(3);

    std::optional<TeamListData> teamList() { return gatherTeamList(m, dir, {2026, 12, 8}); }
};

std::string text(const std::string& sjisBytes) {
    return sjis::toUnicode(sjisBytes);
}

TEST_F(ReportSources, EveryTeamGetsItsOwnRegisterRecordOrNone) {
    LeagueFiles f;
    f.team(0, 0, "赤組").team(0, 1, "白組").team(0, 2, "青組").team(1, 0, "黄組");
    // Records out of position order; 白組 twice, the first counts; 青組 has none, and a
    // record whose name only begins like 黄組 is not its record.
    f.contacts(1, "白組", {"白井", "090-1", "03-1", "03-2", "港区", "1-1", "白ビル"});
    f.contacts(4, "赤組", {"赤木", "090-2", "", "", "中央区", "2-2", ""});
    f.contacts(7, "白組", {"別人", "", "", "", "", "", ""});
    f.contacts(9, "黄組Ｂ", {"黄瀬", "", "", "", "", "", ""});
    f.writeTo(t);

    const auto d = teamList();
    ASSERT_TRUE(d);
    ASSERT_EQ(d->rows.size(), 4u);
    EXPECT_EQ(text(d->rows[0].name), text(storedName("赤組")));
    EXPECT_EQ(text(d->rows[0].contacts.representative), "赤木" + std::string(12, ' '));
    EXPECT_EQ(text(d->rows[0].contacts.city), "中央区" + std::string(14, ' '));
    EXPECT_EQ(text(d->rows[1].contacts.representative), "白井" + std::string(12, ' '));
    EXPECT_EQ(text(d->rows[1].contacts.building), "白ビル" + std::string(34, ' '));
    EXPECT_EQ(d->rows[2].contacts.representative, std::string(16, ' '));
    EXPECT_EQ(d->rows[2].contacts.mobile, std::string(13, ' '));
    EXPECT_EQ(d->rows[3].contacts.representative, std::string(16, ' '));
    EXPECT_EQ(d->rows[3].classLetter, 'B');
    EXPECT_EQ(d->rows[3].divisionLetter, '2');
}

TEST_F(ReportSources, GroupsCountUpToTheFirstBlankClassLetterAndTeamsOverTheWholeTerm) {
    LeagueFiles f;
    f.league(5, 2);
    f.team(0, 1, "", "1");  // an emptied position with stray result bytes
    f.writeTo(t);
    m.groupBlock[2 * 2] = ' ';  // group 3 has no class letter: groups 4 and 5 are not listed

    const auto sheet = gatherStandingsSheet(m, dir);
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->groups.size(), 2u);
    EXPECT_EQ(sheet->groups[1].classLetter, 'B');
    EXPECT_EQ(text(sheet->groups[1].rows[1].name), text(storedName("Bチーム2")));
    EXPECT_EQ(sheet->groups[1].rows[1].results.size(), 10u);
    EXPECT_EQ(sheet->term.heiseiYear, 38);
    EXPECT_EQ(sheet->term.half, 0);

    const auto d = teamList();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->groupCount, 2);
    EXPECT_EQ(d->rows.size(), 3u);
    EXPECT_EQ(d->termTeamCount, 9);
    EXPECT_EQ(d->date.day, 8);
}

TEST_F(ReportSources, TheShownTermIsTheOneRead) {
    LeagueFiles newest("381"), older("380");
    newest.team(0, 0, "新チーム");
    older.team(0, 0, "旧チーム");
    t.write(files::kResults, newest.results + older.results.substr(32));
    m.termSlotIndex = 1;
    std::string header = t.read(files::kResults);
    header.replace(3, 3, "370");
    t.write(files::kResults, header);

    const auto sheet = gatherStandingsSheet(m, dir);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(text(sheet->groups[0].rows[0].name), text(storedName("旧チーム")));
    EXPECT_EQ(sheet->term.heiseiYear, 37);

    m.termSlotIndex = 10;
    EXPECT_FALSE(gatherStandingsSheet(m, dir));
}

TEST_F(ReportSources, DamagedOrMissingFilesNeverReadOutOfBounds) {
    // No results file: nothing to print from.
    EXPECT_FALSE(gatherStandingsSheet(m, dir));
    EXPECT_FALSE(teamList());

    // A results file that ends inside the third record, after its wins, a register of half a record.
    LeagueFiles f;
    f.team(0, 0, "一番", "", " 1 2 3 4     5").team(0, 1, "二番").team(0, 2, "三番", "", " 7 7");
    t.write(files::kResults, f.results.substr(0, 32 + 2 * 46 + 32));
    LeagueFiles reg;
    reg.contacts(1, "一番", {"一郎", "", "", "", "", "", ""});
    t.write(files::kTeamRegister, reg.teams.substr(0, 500));

    const auto sheet = gatherStandingsSheet(m, dir);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->groups[0].rows[0].rank, " 5");
    EXPECT_EQ(sheet->groups[0].rows[2].wins, " 7");
    EXPECT_EQ(sheet->groups[0].rows[2].losses, "  ");  // past the end of the file
    const auto d = teamList();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->rows.size(), 3u);
    EXPECT_EQ(d->rows[0].contacts.representative, std::string(16, ' '));  // its name field was cut off

    // A name field beginning with NUL holds no team; a short group block lists nothing beyond.
    t.write(files::kResults, std::string(32, ' ') + std::string(1, '\0') + std::string(45, 'x'));
    m.groupBlock = "A";
    const auto nul = teamList();
    ASSERT_TRUE(nul);
    EXPECT_EQ(nul->groupCount, 1);
    EXPECT_TRUE(nul->rows.empty());
    EXPECT_EQ(nul->termTeamCount, 0);
    EXPECT_EQ(nul->term.heiseiYear, 0);
}

}  // namespace
