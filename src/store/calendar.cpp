#include "store/calendar.h"

#include <cstdio>
#include <ctime>

#include "store/text_ops.h"

namespace {
std::optional<LocalDateTime>& fixedClock() {
    static std::optional<LocalDateTime> fixed;
    return fixed;
}

int digits(std::string_view text, std::size_t from, std::size_t count) {
    if (from >= text.size()) return 0;
    return int(parseLong(text.substr(from, count)));
}
}  // namespace

LocalDateTime currentDateTime() {
    if (fixedClock()) return *fixedClock();
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void setClockForTesting(std::optional<LocalDateTime> fixed) {
    fixedClock() = fixed;
}

std::string formatDateText(const LocalDateTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return buf;
}

CalendarDate parseDateText(std::string_view text) {
    CalendarDate d;
    if (text.size() > 2 && text[2] == '/') {
        int yy = digits(text, 0, 2);
        d.year = yy > 90 ? yy + 1900 : yy + 2000;
        d.month = digits(text, 3, 2);
        d.day = digits(text, 6, 2);
    } else {
        d.year = digits(text, 0, 4);
        d.month = digits(text, 5, 2);
        d.day = digits(text, 8, 2);
    }
    return d;
}

void applyToday(LeagueModel& m, const CalendarDate& d) {
    m.todayYear = d.year;
    m.todayMonth = d.month;
    m.todayDay = d.day;
    m.todayYearText = formatNumber(d.year, 4);
    m.todayMonthText = formatNumber(d.month, 2);
    m.todayDayText = formatNumber(d.day, 2);
    m.todayHeiseiYear = d.year - 1988;
    m.todayHeiseiYearText = formatNumber(m.todayHeiseiYear, 2);
    m.yearFieldText = formatNumber(d.month < 4 ? d.year - 1989 : d.year - 1988, 2);
    m.termHalf = (d.month < 4 || d.month > 9) ? 1 : 0;
    m.todayHalf = m.termHalf;
}
