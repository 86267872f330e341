#include "print/standings_sheet_layout.h"

#include "print/print_text.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

// Millimetres unless named otherwise.
constexpr int kLeft = 2;
constexpr int kTop = -3;
constexpr int kPitchAcross = 70;
constexpr int kPitchDown = 105;
constexpr int kBlocksAcross = 4;
constexpr int kBlocksPerPage = 8;
constexpr int kCell = 4;
constexpr int kNudgeAcrossDots = 20;
constexpr int kNudgeUpDots = 12;
constexpr int kFontPoints = 9;

// Draws one block with its origin at (bx, by) millimetres.
class BlockPainter {
public:
    BlockPainter(PrintCanvas& canvas, const PageGeometry& g, int bx, int by) : c_(canvas), g_(g), bx_(bx), by_(by) {}

    void paint(const PrintedGroup& group) {
        c_.setFontName(print_fonts::kMincho);
        c_.setFontSize(kFontPoints);
        const int rows = paintTeams(group);
        paintCaptions();
        paintTitle(group, rows);
        paintLines();
    }

private:
    void text(int x, int y, std::string_view s) { c_.textOut(dotsX(bx_ + x, g_), dotsY(by_ + y, g_), s); }
    void moveTo(int x, int y, bool up = false) { c_.moveTo(lineX(x), lineY(y, up)); }
    void lineTo(int x, int y, bool up = false) { c_.lineTo(lineX(x), lineY(y, up)); }
    int lineX(int x) const { return dotsX(bx_ + x, g_) + kNudgeAcrossDots; }
    int lineY(int y, bool up) const { return dotsY(by_ + y, g_) - (up ? kNudgeUpDots : 0); }

    // Opponent names down the columns, then one line per team. Returns the rows printed.
    int paintTeams(const PrintedGroup& group) {
        for (int j = 1; j <= kTeamsPerGroup; ++j) {
            const ResultLine& opponent = group.rows[j - 1];
            if (!holdsTeam(opponent.name)) continue;
            const auto cells = verticalNameCells(opponent.name);
            for (int i = 0; i < 10; ++i) text(kCell * j + 1, 12 + kCell * i, cells[i]);
        }
        int k = 0;
        for (const ResultLine& line : group.rows) {
            if (!holdsTeam(line.name)) continue;
            const int y = 54 + kCell * k;
            text(1, y, fitField(line.name, 2));
            for (int j = 1; j <= kTeamsPerGroup; ++j) text(kCell * j + 1, y, resultSymbol(resultByte(line, j - 1)));
            text(45, y, countOrZero(line.wins));
            text(49, y, countOrZero(line.losses));
            text(53, y, fitField(line.draws, 2));
            text(57, y, fitField(line.points, 2));
            text(61, y, fitField(line.rank, 2));
            ++k;
        }
        return k;
    }

    void paintCaptions() {
        const char* side[] = {"チ", "｜", "ム", "名"};
        for (int i = 0; i < 4; ++i) text(1, 16 + 8 * i, sjisOf(side[i]));
        text(45, 24, sjisOf("成"));
        text(53, 24, sjisOf("績"));
        text(57, 24, sjisOf("勝"));
        text(61, 24, sjisOf("順"));
        const char* lower[] = {"勝", "敗", "分", "点", "位"};
        for (int i = 0; i < 5; ++i) text(45 + 4 * i, 44, sjisOf(lower[i]));
    }

    // " A級  1部      8チーム"
    void paintTitle(const PrintedGroup& group, int rows) {
        RecordCodec title(layouts::get(layouts::SheetTitle));
        auto put = [&](int f, std::string_view bytes, bool rightAlign = false) {
            title.field(f).assign(bytes, rightAlign);
        };
        const char classLetter = printableLetter(group.classLetter);
        const char divisionLetter = printableLetter(group.divisionLetter);
        put(sheet_title_field::ClassLetter, std::string_view(&classLetter, 1));
        put(sheet_title_field::ClassMark, sjisOf("級"));
        put(sheet_title_field::DivisionLetter, std::string_view(&divisionLetter, 1));
        put(sheet_title_field::DivisionMark, sjisOf("部"));
        put(sheet_title_field::TeamCount, formatNumber(rows, title.field(sheet_title_field::TeamCount).width()), true);
        put(sheet_title_field::TeamsMark, sjisOf("チーム"));
        title.packRecord();
        c_.setFontName(print_fonts::kGothic);
        c_.setFontSize(kFontPoints);
        text(0, 7, title.record());
    }

    void paintLines() {
        // Every end sits a few dots right of its millimetre, and the lower ends a few dots up,
        // so that the rules run between the glyphs rather than along their edges.
        // The frame:
        moveTo(0, 10);
        lineTo(0, 94, true);
        lineTo(64, 94, true);
        lineTo(64, 10);
        lineTo(0, 10);
        // The bar under "成績".
        moveTo(44, 38);
        lineTo(56, 38);
        for (int n = 0; n < 10; ++n) {
            moveTo(0, 54 + kCell * n, true);
            lineTo(64, 54 + kCell * n, true);
        }
        for (int n = 1; n <= 15; ++n) {
            moveTo(kCell * n, n == 12 || n == 13 ? 38 : 10);
            lineTo(kCell * n, 94, true);
        }
        // Through the cells of each team against itself.
        moveTo(4, 54, true);
        lineTo(44, 94, true);
    }

    static char resultByte(const ResultLine& line, int column) {
        return std::size_t(column) < line.results.size() ? line.results[column] : ' ';
    }

    static const std::string& resultSymbol(char code) {
        switch (code) {
            case '1':
                return sjisOf("○");
            case '2':
                return sjisOf("×");
            case '3':
                return sjisOf("△");
            default:
                return sjisOf("　");
        }
    }

    // Wins and losses show " 0" rather than nothing, so that a team's record always reads.
    static std::string countOrZero(const std::string& field) {
        return parseLong(field) == 0 ? std::string(" 0") : fitField(field, 2);
    }

    PrintCanvas& c_;
    const PageGeometry& g_;
    int bx_, by_;
};

bool groupPrints(const PrintedGroup& group) {
    return holdsTeam(group.rows[0].name);
}

}  // namespace

std::array<std::string, 10> verticalNameCells(std::string_view name) {
    std::array<std::string, 10> cells;
    std::size_t i = 0;
    for (std::string& cell : cells) {
        char bytes[2] = {' ', ' '};
        std::size_t used = 0;
        while (i < name.size() && used < 2) {
            const std::size_t len = sjis::isLeadByte(static_cast<unsigned char>(name[i])) ? 2 : 1;
            if (i + len > name.size()) {
                i = name.size();  // half a character at the end of the field: dropped
                break;
            }
            if (used + len > 2) break;
            for (std::size_t b = 0; b < len; ++b) bytes[used++] = name[i++];
        }
        cell.assign(bytes, 2);
        if (cell == sjisOf("ー") || cell == sjisOf("－")) cell = sjisOf("｜");
    }
    return cells;
}

bool standingsSheetHasBlocks(const StandingsSheetData& data) {
    for (const PrintedGroup& g : data.groups)
        if (groupPrints(g)) return true;
    return false;
}

bool layOutStandingsSheet(const StandingsSheetData& data, const PageGeometry& geometry, PrintCanvas& canvas) {
    if (!canvas.begin()) return false;
    canvas.setFixedPitch(true);
    canvas.setPen(kBlack, 1);
    canvas.setFontName(print_fonts::kMincho);
    canvas.setFontSize(kFontPoints);
    // Every group keeps its place on the sheet (page g / 8, position g mod 8), so a group
    // with nothing to print leaves a gap; a page is only begun when a block lands on it.
    int page = 0;
    for (std::size_t g = 0; g < data.groups.size(); ++g) {
        if (!groupPrints(data.groups[g])) continue;
        const int wanted = int(g) / kBlocksPerPage;
        for (; page < wanted; ++page)
            if (!canvas.newPage()) return false;
        const int p = int(g) % kBlocksPerPage;
        const int bx = kLeft + kPitchAcross * (p % kBlocksAcross);
        const int by = kTop + kPitchDown * (p / kBlocksAcross);
        BlockPainter(canvas, geometry, bx, by).paint(data.groups[g]);
    }
    return canvas.end();
}
