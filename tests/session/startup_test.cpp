// Start-up and close: what a first start leaves in Data/, the date, and damaged files.

#include <gtest/gtest.h>

#include "session/league_session.h"
#include "store/file_io.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

namespace {

const CalendarDate kDecember2026{2026, 12, 8};

TEST(FirstStart, AnEmptyFolderGetsEveryDataFile) {
    TempFolder t;
    LeagueModel m;
    StartupResult r = loadLeague(m, t.dir(), kDecember2026);
    EXPECT_TRUE(r.dataFolderReady);
    EXPECT_TRUE(r.allFilesReady);
    EXPECT_EQ(t.read(files::kUserName), std::string(40, ' '));
    EXPECT_EQ(t.read(files::kGroups), std::string(1000, ' '));
    EXPECT_EQ(t.read(files::kTeamMax), std::string(1000, ' '));
    EXPECT_EQ(t.size(files::kSuspended), 0);
    EXPECT_EQ(t.size(files::kSavedPostalCodes), 0);
    EXPECT_EQ(t.read(files::kResults), std::string(31, ' ') + "\n" + repeatRecord(std::string(45, ' ') + "\n", 200));
    EXPECT_EQ(t.read(files::kTeamRegister), repeatRecord(std::string(999, ' ') + "\n", 200));
    EXPECT_FALSE(t.exists(files::kChangePositions));
    EXPECT_EQ(m.suspendedCount, 0);
    EXPECT_EQ(m.termTeamCount, 0);
    EXPECT_EQ(m.resultGroupCount, 0);
    for (int s = 0; s < kGroups; ++s) {
        EXPECT_EQ(m.registeredTeams[s], 0);
        EXPECT_EQ(m.teamMax[s], 0);
    }
    EXPECT_EQ(m.yearFieldText, "38");
    EXPECT_EQ(m.termHalf, 1);  // December lies in the second half
    EXPECT_EQ(m.currentGroup, 1);
    EXPECT_EQ(m.currentRecordNo, 1);

    // A second start changes nothing, nor syncs anything: it finds out whether Data/ may be
    // written without leaving a name there. Closing writes back what it read.
    const std::string results = t.read(files::kResults);
    LeagueModel again;
    std::vector<fileio::testing::DiskEvent> events;
    fileio::testing::recordDiskEvents(&events);
    const StartupResult second = loadLeague(again, t.dir(), kDecember2026);
    fileio::testing::recordDiskEvents(nullptr);
    EXPECT_TRUE(second.writable);
    EXPECT_TRUE(events.empty()) << events.size() << " events, the first on " << events.front().path;
    ASSERT_TRUE(closeLeague(again, t.dir()));
    EXPECT_EQ(t.read(files::kResults), results);
    EXPECT_EQ(t.read(files::kGroups), std::string(1000, ' '));
    EXPECT_EQ(t.read(files::kUserName), std::string(40, ' '));
}

TEST(FirstStart, AFolderThatCannotHoldDataIsReported) {
    TempFolder t;
    t.write("Data", "a file where the folder should be");
    LeagueModel m;
    StartupResult r = loadLeague(m, t.dir(), kDecember2026);
    EXPECT_FALSE(r.dataFolderReady);
    EXPECT_FALSE(r.allFilesReady);
    EXPECT_EQ(m.termTeamCount, 0);
}

TEST(TodaysDate, TwoAndFourDigitYearsAndTheBusinessYear) {
    EXPECT_EQ(parseDateText("10/11/22 09:00:00").year, 2010);
    EXPECT_EQ(parseDateText("95/11/22").year, 1995);
    CalendarDate d = parseDateText("2010/03/15 12:00:00");
    EXPECT_EQ(d.year, 2010);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 15);
    EXPECT_EQ(parseDateText(formatDateText({2026, 12, 8, 7, 5, 0})).month, 12);

    LeagueModel m;
    applyToday(m, d);
    EXPECT_EQ(m.todayHeiseiYear, 22);
    EXPECT_EQ(m.todayHeiseiYearText, "22");
    EXPECT_EQ(m.yearFieldText, "21");
    EXPECT_EQ(m.termHalf, 1);
    applyToday(m, {2026, 4, 1});
    EXPECT_EQ(m.yearFieldText, "38");
    EXPECT_EQ(m.termHalf, 0);
    applyToday(m, {2026, 10, 1});
    EXPECT_EQ(m.termHalf, 1);
    EXPECT_EQ(parseDateText("").year, 0);  // no crash on an empty text
}

TEST(StartUp, ReportsLeftHalfWrittenByAStoppedSaveAreRemovedAndNothingElse) {
    TempFolder t;
    const std::vector<std::string> stray = {"Export/勝敗表_2026後期.csv.tf-new", "Print/.勝敗表_2026後期.pdf.a1B2c3"};
    const std::vector<std::string> kept = {"Export/勝敗表_2026後期.csv", "Print/勝敗表_2026後期.pdf",
                                           "Print/.hidden", "Print/notes.pdf.a1B2c3", "Export/メモ.txt"};
    for (const auto& name : stray) t.write(name, "half");
    for (const auto& name : kept) t.write(name, "whole");
    LeagueModel m;
    loadLeague(m, t.dir(), {2026, 12, 8});
    for (const auto& name : stray) EXPECT_FALSE(t.exists(name)) << name;
    for (const auto& name : kept) EXPECT_EQ(t.read(name), "whole") << name;
}

TEST(TodaysDate, TheNewestStoredTermOverridesTheDate) {
    TempFolder t;
    LeagueModel m;
    loadLeague(m, t.dir(), {2010, 3, 15});
    // Nothing stored: the date's own term, the second half of the year before.
    EXPECT_EQ(m.yearFieldText, "21");
    EXPECT_EQ(m.termHalf, 1);
    LeagueModel december;
    loadLeague(december, t.dir(), {2026, 12, 8});
    EXPECT_EQ(december.yearFieldText, "38");
    EXPECT_EQ(december.termHalf, 1);

    std::string res = t.read(files::kResults);
    res.replace(0, 3, "201");
    t.write(files::kResults, res);
    LeagueModel n;
    loadLeague(n, t.dir(), {2010, 3, 15});
    EXPECT_EQ(n.yearFieldText, "20");
    EXPECT_EQ(n.latestYear, 20);
    EXPECT_EQ(n.termHalf, 1);
}

// Files from the older program, cut short, overlong or holding odd bytes: start-up reads
// what it can, never crashes, and closing changes only the forty bytes it owns.
struct DamagedCase {
    const char* what;
    const char* file;
    std::string bytes;
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.what;
}

class DamagedFiles : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFiles, StartAndCloseWithoutHarm) {
    const DamagedCase& c = GetParam();
    TempFolder t;
    {
        LeagueModel first;
        loadLeague(first, t.dir(), kDecember2026);
    }
    t.write(c.file, c.bytes);
    LeagueModel m;
    loadLeague(m, t.dir(), kDecember2026);
    EXPECT_GE(m.suspendedCount, 0);
    EXPECT_LE(m.suspendedCount, 100);
    EXPECT_GE(m.termTeamCount, 0);
    EXPECT_LE(m.termTeamCount, 200);
    for (int v : m.ChangePositionMap) EXPECT_TRUE(v >= 0 && v <= 300);
    EXPECT_TRUE(closeLeague(m, t.dir()).ok()) << c.file;
    std::string after = t.read(c.file);
    if (std::string(c.file) == files::kGroups || std::string(c.file) == files::kUserName) {
        ASSERT_GE(after.size(), std::min<std::size_t>(c.bytes.size(), 40));
        EXPECT_EQ(after.substr(40), c.bytes.size() > 40 ? c.bytes.substr(40) : std::string());
    } else if (std::string(c.file) != files::kChangePositions && std::string(c.file) != files::kSavedPostalCodes) {
        EXPECT_EQ(after, c.bytes) << c.what;
    }
}

std::string longResults() {
    std::string r = std::string(3, ' ') + "221" + std::string(25, ' ') + " \n";
    for (int i = 0; i < 2000; ++i) r += std::string(45, 'x') + "\n";
    return r + "trailing bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedFiles,
    ::testing::Values(DamagedCase{"short results", files::kResults, "221 "},
                      DamagedCase{"long results with a blank newest slot", files::kResults, longResults()},
                      DamagedCase{"results of NULs", files::kResults, std::string(500, '\0')},
                      DamagedCase{"short register", files::kTeamRegister, std::string(1500, 'r')},
                      DamagedCase{"suspended register not in whole records", files::kSuspended, std::string(2500, 's')},
                      DamagedCase{"short groups", files::kGroups, "A1"},
                      DamagedCase{"long user name", files::kUserName, std::string(70, 'u')},
                      DamagedCase{"team maxima of garbage", files::kTeamMax, "\xff\xfe-9x"},
                      DamagedCase{"rules out of range", files::kChangePositions, "999-10 \n  0  5 \n -3300 \nxx"},
                      DamagedCase{"saved codes not in whole records", files::kSavedPostalCodes, "1234567 abc"}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

}  // namespace
