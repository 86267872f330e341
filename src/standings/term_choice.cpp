#include "standings/term_choice.h"

#include <cstdio>

#include "store/results_file.h"
#include "store/text_ops.h"

std::string yearTextOnEntry(const LeagueModel& m, std::string_view typed) {
    std::string text = trimField(typed);
    long v = parseLong(text);
    if (v > m.latestYear + 1 || v < m.latestYear - 5) return formatNumber(m.todayHeiseiYear, 2);
    return text;
}

YearChoice confirmYear(const LeagueModel& m, std::string_view typed) {
    YearChoice c;
    long v = parseLong(trimField(typed));
    if (v + 1988 != m.todayYear && v + 1988 != m.todayYear - 1) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%-2d", m.todayHeiseiYear);
        c.fieldText = buf;
        return c;
    }
    c.accepted = true;
    c.fieldText = formatNumber(v, 2);
    c.key = makeTermKey(int(v), m.termHalf);
    return c;
}

int firstTermYear(const LeagueModel& m, int panelYear) {
    return panelYear < m.todayHeiseiYear - 2 ? m.todayHeiseiYear : panelYear;
}

TermName storedTerm(const DataDir& dir, int slot) {
    const TermHeader h = readTermHeader(dir);
    TermName t;
    if (slot < 0 || slot >= kTermSlots || h.year(slot) == 0) return t;
    t.year = h.year(slot);
    t.half = h.half(slot);
    return t;
}

TermName newestStoredTerm(const DataDir& dir) {
    return storedTerm(dir, 0);
}

TermName termAfter(const TermName& t) {
    if (t.half == 0) return {t.year, 1};
    return {t.year + 1, 0};
}

const char* halfCaption(int half) {
    return half == 1 ? "後期" : "前期";
}
