#include "print/team_list_layout.h"

#include "print/print_text.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

// Millimetres unless named otherwise.
constexpr int kLeft = 10;
constexpr int kTop = -3;
constexpr int kRowsPerPage = 45;
constexpr int kRowPitch = 4;
constexpr int kWidth = 260;
constexpr int kLetterNudgeDots = 10;
constexpr std::size_t kAddressBytes = 100;

struct Column {
    const char* heading;
    int headingX;
};
constexpr Column kColumns[] = {{"級", 1},        {"部", 4},    {"チーム名", 9}, {"代表者", 44},
                               {"携帯電話", 72}, {"電話", 96}, {"ＦＡＸ", 120}, {"住所", 144}};
constexpr int kRuleXs[] = {8, 42, 70, 94, 118, 142};

class PagePainter {
public:
    PagePainter(PrintCanvas& canvas, const PageGeometry& g) : c_(canvas), g_(g) {}

    void paintHead(const std::string& title) {
        c_.setFontName(print_fonts::kGothic);
        c_.setFontSize(12);
        text(1, 4, title);
        c_.setFontSize(9);
        for (const Column& col : kColumns) text(col.headingX, 10, sjisOf(col.heading));
    }

    void paintRow(const TeamListRow& row, int line) {
        c_.setFontName(print_fonts::kMincho);
        c_.setFontSize(9);
        const int y = 14 + kRowPitch * line;
        c_.textOut(dotsX(kLeft + 1, g_) + kLetterNudgeDots, dotsY(kTop + y, g_),
                   std::string(1, printableLetter(row.classLetter)));
        text(5, y, std::string(1, printableLetter(row.divisionLetter)));
        text(9, y, fitField(row.name, 20));
        const TeamContacts& c = row.contacts;
        text(44, y, fitField(c.representative, 16));
        text(72, y, fitField(c.mobile, 13));
        text(96, y, fitField(c.telephone, 13));
        text(120, y, fitField(c.fax, 13));
        text(144, y, teamListAddress(c));
    }

    void paintFrame() {
        c_.setPen(kBlack, 1);
        moveTo(0, 9);
        lineTo(0, 194);
        lineTo(kWidth, 194);
        lineTo(kWidth, 9);
        lineTo(0, 9);
        for (int i = 0; i < kRowsPerPage; ++i) {
            moveTo(0, 14 + kRowPitch * i);
            lineTo(kWidth, 14 + kRowPitch * i);
        }
        for (int x : kRuleXs) {
            moveTo(x, 9);
            lineTo(x, 194);
        }
    }

private:
    // x and y relative to the list's origin.
    void text(int x, int y, std::string_view s) { c_.textOut(dotsX(kLeft + x, g_), dotsY(kTop + y, g_), s); }
    void moveTo(int x, int y) { c_.moveTo(dotsX(kLeft + x, g_), dotsY(kTop + y, g_)); }
    void lineTo(int x, int y) { c_.lineTo(dotsX(kLeft + x, g_), dotsY(kTop + y, g_)); }

    PrintCanvas& c_;
    const PageGeometry& g_;
};

}  // namespace

std::string teamListTitle(const TeamListData& data) {
    return formatNumber(data.date.year, 4) + sjisOf("年") + formatNumber(data.date.month, 2) + sjisOf("月") +
           formatNumber(data.date.day, 2) + sjisOf("日現在 チーム一覧  全") + formatNumber(data.groupCount, 2) +
           sjisOf("リーグ") + formatNumber(data.termTeamCount, 3) + sjisOf("チーム");
}

std::string teamListAddress(const TeamContacts& c) {
    const std::string joined = trimEnd(c.city) + trimEnd(c.street) + trimEnd(c.building);
    return sjis::cutToWidth(joined, kAddressBytes);
}

bool layOutTeamList(const TeamListData& data, const PageGeometry& geometry, PrintCanvas& canvas) {
    const std::string title = teamListTitle(data);
    if (!canvas.begin()) return false;
    canvas.setFixedPitch(true);
    canvas.setPen(kBlack, 1);
    canvas.setFontName(print_fonts::kMincho);
    canvas.setFontSize(9);
    PagePainter painter(canvas, geometry);
    int k = 0;
    for (const TeamListRow& row : data.rows) {
        const int line = k % kRowsPerPage;
        if (line == 0) {
            // The next page is begun only when a row is to go on it, so a full last page is
            // not followed by an empty one.
            if (k > 0 && !canvas.newPage()) return false;
            painter.paintHead(title);
        }
        painter.paintRow(row, line);
        ++k;
        if (k % kRowsPerPage == 0) painter.paintFrame();
    }
    if (k % kRowsPerPage != 0) painter.paintFrame();
    return canvas.end();
}
