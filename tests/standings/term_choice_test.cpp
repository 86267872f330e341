// What the year field accepts and which term comes next.

#include "standings/term_choice.h"

#include <gtest/gtest.h>

#include "store/calendar.h"
#include "support/temp_folder.h"

namespace {

LeagueModel modelOn(CalendarDate today, int latestYear) {
    LeagueModel m;
    applyToday(m, today);
    m.latestYear = latestYear;
    return m;
}

TEST(YearField, OnEntryAYearFarFromTheNewestTermBecomesThisYear) {
    LeagueModel m = modelOn({2026, 12, 8}, 38);
    EXPECT_EQ(yearTextOnEntry(m, " 38"), "38");
    EXPECT_EQ(yearTextOnEntry(m, "39"), "39");
    EXPECT_EQ(yearTextOnEntry(m, "33"), "33");
    EXPECT_EQ(yearTextOnEntry(m, "40"), "38");
    EXPECT_EQ(yearTextOnEntry(m, "32"), "38");
    EXPECT_EQ(yearTextOnEntry(m, ""), "38");
}

TEST(YearField, OnlyThisYearOrTheYearBeforeIsAccepted) {
    LeagueModel m = modelOn({2026, 12, 8}, 38);
    m.termHalf = 1;
    YearChoice c = confirmYear(m, "38");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.key, "381");
    EXPECT_EQ(c.fieldText, "38");
    c = confirmYear(m, " 37");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.key, "371");
    c = confirmYear(m, "36");
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.fieldText, "38");
    c = confirmYear(m, "x");
    EXPECT_FALSE(c.accepted);

    LeagueModel early = modelOn({2027, 2, 1}, 38);  // January to March: still 後期 of year 38
    EXPECT_EQ(early.yearFieldText, "38");
    EXPECT_EQ(early.termHalf, 1);
    EXPECT_TRUE(confirmYear(early, "38").accepted);
    EXPECT_TRUE(confirmYear(early, "39").accepted);
    EXPECT_FALSE(confirmYear(early, "37").accepted);
}

TEST(YearField, AResetYearIsLeftAligned) {
    LeagueModel m = modelOn({1997, 5, 1}, 9);
    YearChoice c = confirmYear(m, "3");
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.fieldText, "9 ");
}

TEST(FirstTerm, AYearMoreThanTwoBackBecomesThisYear) {
    LeagueModel m = modelOn({2026, 12, 8}, 38);
    EXPECT_EQ(firstTermYear(m, 36), 36);
    EXPECT_EQ(firstTermYear(m, 35), 38);
    EXPECT_EQ(firstTermYear(m, 38), 38);
}

TEST(NextTerm, FollowsTheNewestStoredTerm) {
    EXPECT_EQ(termAfter({22, 1}).year, 23);
    EXPECT_EQ(termAfter({22, 1}).half, 0);
    EXPECT_EQ(termAfter({22, 0}).year, 22);
    EXPECT_EQ(termAfter({22, 0}).half, 1);

    TempFolder t;
    t.write(files::kResults, "221220" + std::string(24, ' ') + " \n");
    TermName newest = newestStoredTerm(t.dir());
    EXPECT_EQ(newest.year, 22);
    EXPECT_EQ(newest.half, 1);
    t.write(files::kResults, std::string(32, ' '));
    EXPECT_EQ(newestStoredTerm(t.dir()).year, 0);
}

}  // namespace
