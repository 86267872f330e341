#pragma once
// Today's date: the one clock seam of the program, the date text as the system writes it,
// and what start-up derives from it (the Heisei-numbered year, the current half).
//
// Years are numbered as Gregorian year − 1988 throughout, as the stored terms are; the
// two-digit year field holds that numbering until 2087.

#include <optional>
#include <string>
#include <string_view>

#include "store/league_model.h"

struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Now, or the fixed moment a test has set.
LocalDateTime currentDateTime();
void setClockForTesting(std::optional<LocalDateTime> fixed);

// "2026/12/08 09:30:00", as the system formats the date and time.
std::string formatDateText(const LocalDateTime& t);

struct CalendarDate {
    int year = 0, month = 0, day = 0;
};
// Reads "yy/mm/dd..." (a two-digit year: above 90 is 19yy, else 20yy) or "yyyy/mm/dd...".
CalendarDate parseDateText(std::string_view text);

// The Gregorian year of a Heisei-numbered year.
inline int gregorianYear(int heiseiYear) {
    return heiseiYear + 1988;
}

// Sets todayYear/Month/Day and their texts, todayHeiseiYear, the year field (the business
// year starts in April), termHalf and the half that contains today.
void applyToday(LeagueModel& m, const CalendarDate& d);
