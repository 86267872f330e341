#include "print/web_page.h"

#include <vector>

#include "print/report_file_name.h"
#include "standings/rank_explanation.h"
#include "standings/result_codes.h"
#include "store/calendar.h"
#include "store/sjis.h"

namespace {

// The screen's colours: the table's ivory, the pale yellow headers, the grey name boxes and
// the cream counts.
constexpr std::string_view kStyle = R"(
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;padding:12px;max-width:100%;color:#222;background:#fff;line-height:1.5;
font-family:"Hiragino Kaku Gothic ProN","Hiragino Sans","Yu Gothic","Meiryo","Noto Sans JP","IPAPGothic",sans-serif}
header{margin:0 0 16px;padding:0 0 6px;border-bottom:2px solid #999}
h1{margin:0;font-size:1.4em;overflow-wrap:anywhere}
header p{margin:2px 0;color:#555}
section{margin:0 0 20px}
h2{margin:0 0 4px;font-size:1.15em}
h2 small{margin-left:.6em;font-size:.8em;font-weight:normal;color:#555}
.scroll{max-width:100%;overflow-x:auto;width:fit-content;-webkit-overflow-scrolling:touch;border:1px solid #c0c0c0;background:#fffff0}
table{border-collapse:collapse;white-space:nowrap;font-size:14px}
th,td{border:1px solid #c0c0c0;padding:2px 5px;text-align:center}
thead th{background:#ffffb9;color:#666;font-weight:normal;vertical-align:bottom}
th.team{position:sticky;left:0;z-index:1;text-align:left;background:#eee;font-weight:normal;color:#222}
thead th.team{background:#ffffb9;color:#666}
th.opp{padding:4px 2px;vertical-align:top;color:#222}
th.opp span{writing-mode:vertical-rl;text-orientation:upright}
td.mark{min-width:1.8em;background:#fff}
td.self{background:#eee}
td.num{min-width:2.2em;text-align:right;background:#ffffe6;font-variant-numeric:tabular-nums}
td.rank{font-weight:bold}
footer{font-size:.85em;color:#555}
footer p{margin:2px 0}
)";

std::string text(std::string_view sjisField) {
    // Padding blanks (half- and full-width) go; NULs of a damaged field read as blanks.
    std::string utf8 = sjis::toUnicode(sjisField);
    while (!utf8.empty() && utf8.back() == ' ') utf8.pop_back();
    return utf8;
}

std::string groupName(const PrintedGroup& g) {
    const std::string cls = text(std::string_view(&g.classLetter, 1));
    const std::string div = text(std::string_view(&g.divisionLetter, 1));
    return cls + "級" + (div.empty() ? std::string() : " " + div + "部");
}

std::string markOf(char stored) {
    static constexpr const char* kClasses[] = {"mark", "mark win", "mark loss", "mark draw"};
    const int code = decodeResultByte(stored);
    return "<td class=\"" + std::string(kClasses[code]) + "\">" + std::string(resultMark(code)) + "</td>";
}

std::string numberCell(long value, bool showZero, const char* extraClass = "") {
    const std::string shown = value != 0 || showZero ? std::to_string(value) : std::string();
    return "<td class=\"num" + std::string(extraClass) + "\">" + shown + "</td>";
}

class GroupTable {
public:
    explicit GroupTable(const PrintedGroup& g) : g_(g) {
        for (int row = 0; row < kTeamsPerGroup; ++row)
            if (holdsTeam(g.rows[row].name)) rows_.push_back(row);
    }
    bool empty() const { return rows_.empty(); }

    std::string html() const {
        std::string out = "<section>\n<h2>" + htmlEscape(groupName(g_)) + "<small>" + std::to_string(rows_.size()) +
                          "チーム</small></h2>\n<div class=\"scroll\">\n<table>\n";
        out += "<thead><tr><th class=\"team\" scope=\"col\">チーム名</th>";
        for (int col : rows_)
            out += "<th class=\"opp\" scope=\"col\"><span>" + htmlEscape(text(g_.rows[col].name)) + "</span></th>";
        for (const char* caption : {"勝", "敗", "分", "勝点", "勝率", "順位"})
            out += "<th scope=\"col\">" + std::string(caption) + "</th>";
        out += "</tr></thead>\n<tbody>\n";
        for (int row : rows_) out += line(row);
        return out + "</tbody>\n</table>\n</div>\n</section>\n";
    }

private:
    std::string line(int row) const {
        const ResultLine& r = g_.rows[row];
        std::string out = "<tr><th class=\"team\" scope=\"row\">" + htmlEscape(text(r.name)) + "</th>";
        for (int col : rows_)
            out += col == row ? std::string("<td class=\"mark self\"></td>")
                              : markOf(std::size_t(col) < r.results.size() ? r.results[col] : ' ');
        const long wins = parseLong(r.wins), losses = parseLong(r.losses), draws = parseLong(r.draws);
        // As the screen: wins and losses read 0, the other counts stay empty at nothing.
        out += numberCell(wins, true) + numberCell(losses, true) + numberCell(draws, false) +
               numberCell(parseLong(r.points), false);
        const bool played = wins + losses + draws > 0;
        out += "<td class=\"num\">" + (played ? rateText(int(wins), int(losses)) : std::string()) + "</td>";
        out += numberCell(parseLong(r.rank), false, " rank");
        return out + "</tr>\n";
    }

    const PrintedGroup& g_;
    std::vector<int> rows_;
};

std::string termText(const TermLabel& term) {
    if (term.heiseiYear <= 0) return std::string();
    return std::to_string(gregorianYear(term.heiseiYear)) + "年度 " + (term.half == 1 ? "後期" : "前期");
}

}  // namespace

std::string htmlEscape(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string webPageFileName(const TermLabel& term) {
    return reportFileName(Report::StandingsSheet, term, ".html");
}

std::string standingsWebPage(const StandingsSheetData& data, ListDate date) {
    const std::string club = text(data.clubName);
    const std::string term = termText(data.term);
    const std::string title = (club.empty() ? std::string() : club + " ") + "勝敗表" + (term.empty() ? "" : " " + term);
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
        htmlEscape(title) + "</title>\n<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
    out += "<header>\n<h1>" + htmlEscape(club.empty() ? std::string("勝敗表") : club) + "</h1>\n";
    out += "<p class=\"term\">" + htmlEscape(term.empty() ? std::string("勝敗表") : term + " 勝敗表") + "</p>\n";
    out += "<p class=\"date\">" + std::to_string(date.year) + "年" + std::to_string(date.month) + "月" +
           std::to_string(date.day) + "日現在</p>\n</header>\n<main>\n";
    for (const PrintedGroup& g : data.groups) {
        const GroupTable table(g);
        if (!table.empty()) out += table.html();
    }
    out +=
        "</main>\n<footer>\n<p>○ 勝ち　× 負け　△ 引き分け</p>\n"
        "<p>勝点は勝ち2点・引き分け1点、勝率は 勝÷（勝＋負）です。</p>\n</footer>\n</body>\n</html>\n";
    return out;
}
