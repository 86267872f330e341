// The standings sheet on the recording canvas: where each group's block lands, what a
// block holds, and its rules, to the dot.

#include "print/standings_sheet_layout.h"

#include <gtest/gtest.h>

#include "print/league_files.h"
#include "print/recording_canvas.h"
#include "store/sjis.h"

namespace {

const PageGeometry k600{600, 600, 37, 53};

PrintedGroup group(int index, int teams = 3) {
    PrintedGroup g;
    g.classLetter = char('A' + index);
    g.divisionLetter = char('1' + index % 9);
    for (int r = 0; r < teams; ++r) g.rows[r].name = storedName(leagueTeamName(index, r));
    return g;
}

StandingsSheetData sheet(int groups) {
    StandingsSheetData d;
    for (int i = 0; i < groups; ++i) d.groups.push_back(group(i));
    return d;
}

RecordingCanvas draw(const StandingsSheetData& d, const PageGeometry& g = k600) {
    RecordingCanvas c;
    EXPECT_TRUE(layOutStandingsSheet(d, g, c));
    EXPECT_TRUE(c.ended());
    return c;
}

// The block titles of a page as (x, y) in millimetres of the block origin.
std::vector<std::pair<int, int>> blockOrigins(const RecordingCanvas& c, int page) {
    std::vector<std::pair<int, int>> out;
    for (const CanvasOp& t : c.texts(page))
        if (t.font == print_fonts::kGothic) {
            for (int bx = -10; bx < 300; ++bx)
                for (int by = -10; by < 210; ++by)
                    if (dotsX(bx, k600) == t.x && dotsY(by + 7, k600) == t.y) out.emplace_back(bx, by);
        }
    return out;
}

// The one text at a point of a block, in millimetres from the block origin.
std::string textAt(const RecordingCanvas& c, int page, int bx, int by, int x, int y) {
    const auto found = c.textsAt(page, dotsX(bx + x, k600), dotsY(by + y, k600));
    return found.size() == 1 ? found[0].text : "<" + std::to_string(found.size()) + " texts>";
}

using Origins = std::vector<std::pair<int, int>>;

TEST(StandingsSheet, BlocksFillFourAcrossThenTheLowerHalfThenTheNextPage) {
    RecordingCanvas five = draw(sheet(5));
    EXPECT_EQ(five.pageCount(), 1);
    EXPECT_EQ(blockOrigins(five, 0), (Origins{{2, -3}, {72, -3}, {142, -3}, {212, -3}, {2, 102}}));

    RecordingCanvas nine = draw(sheet(9));
    EXPECT_EQ(nine.pageCount(), 2);
    EXPECT_EQ(blockOrigins(nine, 0).size(), 8u);
    EXPECT_EQ(blockOrigins(nine, 1), (Origins{{2, -3}}));

    RecordingCanvas twenty = draw(sheet(20));
    EXPECT_EQ(twenty.pageCount(), 3);
    EXPECT_EQ(blockOrigins(twenty, 2), (Origins{{2, -3}, {72, -3}, {142, -3}, {212, -3}}));

    // A full page is not followed by an empty one.
    EXPECT_EQ(draw(sheet(8)).pageCount(), 1);
}

TEST(StandingsSheet, AGroupWithoutAFirstTeamLeavesItsPlaceEmpty) {
    StandingsSheetData d = sheet(9);
    d.groups[2].rows[0].name = std::string(20, ' ');  // later rows still hold teams
    d.groups[7].rows[0].name[0] = '\0';
    RecordingCanvas c = draw(d);
    EXPECT_EQ(blockOrigins(c, 0), (Origins{{2, -3}, {72, -3}, {212, -3}, {2, 102}, {72, 102}, {142, 102}}));
    // The ninth group still starts the second page rather than printing over the first.
    EXPECT_EQ(c.pageCount(), 2);
    EXPECT_EQ(blockOrigins(c, 1), (Origins{{2, -3}}));
    for (const CanvasOp& t : c.texts(0))
        EXPECT_FALSE(t.x >= dotsX(142, k600) && t.x < dotsX(212, k600) && t.y < dotsY(102, k600));

    // Nothing at all to print: the document is still begun and ended, with no page content.
    StandingsSheetData none = sheet(2);
    for (PrintedGroup& g : none.groups) g.rows[0].name = std::string(20, ' ');
    EXPECT_FALSE(standingsSheetHasBlocks(none));
    EXPECT_TRUE(draw(none).texts().empty());
}

TEST(StandingsSheet, ATeamRowShowsItsResultsCountsAndRank) {
    StandingsSheetData d = sheet(1);
    ResultLine& second = d.groups[0].rows[1];
    second.results = "1 3       ";
    second.wins = " 1";
    second.losses = "  ";
    second.draws = "  ";
    second.points = " 3";
    second.rank = " 2";
    d.groups[0].rows[2].name = std::string(20, ' ');  // a gap: the next team moves up
    d.groups[0].rows[4].name = storedName("Ｅチーム");
    d.groups[0].rows[4].results = "2";
    RecordingCanvas c = draw(d);
    const int bx = 2, by = -3, y = 54 + 4;
    EXPECT_EQ(textAt(c, 0, bx, by, 1, y), "A ");
    EXPECT_EQ(textAt(c, 0, bx, by, 5, y), "○");
    EXPECT_EQ(textAt(c, 0, bx, by, 9, y), "　");
    EXPECT_EQ(textAt(c, 0, bx, by, 13, y), "△");
    EXPECT_EQ(textAt(c, 0, bx, by, 45, y), " 1");
    EXPECT_EQ(textAt(c, 0, bx, by, 49, y), " 0");  // under 敗: zero shows
    EXPECT_EQ(textAt(c, 0, bx, by, 53, y), "  ");  // under 分: nothing
    EXPECT_EQ(textAt(c, 0, bx, by, 57, y), " 3");
    EXPECT_EQ(textAt(c, 0, bx, by, 61, y), " 2");
    // The third team printed is row 5: it takes the third line, but its column stays 5.
    EXPECT_EQ(textAt(c, 0, bx, by, 1, 54 + 8), "Ｅ");
    EXPECT_EQ(textAt(c, 0, bx, by, 5, 54 + 8), "×");
    EXPECT_EQ(textAt(c, 0, bx, by, 45, 54 + 8), " 0");
    EXPECT_EQ(textAt(c, 0, bx, by, 4 * 5 + 1, 12), "Ｅ");
    EXPECT_TRUE(c.textsAt(0, dotsX(bx + 4 * 3 + 1, k600), dotsY(by + 12, k600)).empty());
    EXPECT_EQ(textAt(c, 0, bx, by, 0, 7), " A級  1部      3チーム");
}

TEST(StandingsSheet, NamesRunDownTheColumnsWithoutSplittingACharacter) {
    EXPECT_EQ(sjis::toUnicode(verticalNameCells(storedName("スーパー－"))[1]), "｜");
    EXPECT_EQ(sjis::toUnicode(verticalNameCells(storedName("スーパー－"))[4]), "｜");
    // A one-byte letter before a double-byte one: the letter keeps its cell alone.
    const auto cells = verticalNameCells(storedName("Aチーム12"));
    std::vector<std::string> text;
    for (const std::string& c : cells) text.push_back(sjis::toUnicode(c));
    EXPECT_EQ(text, (std::vector<std::string>{"A ", "チ", "｜", "ム", "12", "  ", "  ", "  ", "  ", "  "}));
    // Half a character at the very end of a damaged field is dropped.
    std::string damaged = std::string(19, 'x') + "\x83";
    EXPECT_EQ(verticalNameCells(damaged)[9], "x ");

    StandingsSheetData d = sheet(1);
    d.groups[0].rows[0].name = storedName("Aチーム");
    RecordingCanvas c = draw(d);
    EXPECT_EQ(textAt(c, 0, 2, -3, 5, 12 + 4 * 2), "｜");
    EXPECT_EQ(textAt(c, 0, 2, -3, 1, 54), "A ");  // the row label would split チ: a blank instead
}

TEST(StandingsSheet, At600DpiTheTitleOfColumnTwoRowOneLandsOnItsDots) {
    RecordingCanvas c = draw(sheet(8));
    const auto found = c.textsAt(0, 3354 + k600.offsetX, 2574 + k600.offsetY);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, " G級  7部      3チーム");
    EXPECT_EQ(found[0].font, print_fonts::kGothic);
    EXPECT_EQ(found[0].fontSize, 9);
    EXPECT_TRUE(found[0].fixedPitch);
}

TEST(StandingsSheet, EveryBlockIsRuledTheSameWayWithItsLinesNudged) {
    RecordingCanvas c = draw(sheet(2));
    const auto lines = c.lines(0);
    ASSERT_EQ(lines.size(), 62u);  // frame 4, bar 1, row rules 10, column rules 15, diagonal 1
    auto x = [](int mm) { return dotsX(mm, k600) + 20; };
    auto y = [](int mm, bool up = false) { return dotsY(mm, k600) - (up ? 12 : 0); };
    const CanvasOp& down = lines[0];
    EXPECT_EQ(std::vector<int>({down.x0, down.y0, down.x, down.y}), std::vector<int>({x(2), y(7), x(2), y(91, true)}));
    const CanvasOp& across = lines[1];
    EXPECT_EQ(std::vector<int>({across.x, across.y}), std::vector<int>({x(66), y(91, true)}));
    const CanvasOp& back = lines[3];
    EXPECT_EQ(std::vector<int>({back.x0, back.y0, back.x, back.y}), std::vector<int>({x(66), y(7), x(2), y(7)}));
    const CanvasOp& col12 = lines[4 + 1 + 10 + 11];
    EXPECT_EQ(std::vector<int>({col12.x0, col12.y0, col12.y}), std::vector<int>({x(50), y(35), y(91, true)}));
    const CanvasOp& diagonal = lines[30];
    EXPECT_EQ(std::vector<int>({diagonal.x0, diagonal.y0, diagonal.x, diagonal.y}),
              std::vector<int>({x(6), y(51, true), x(46), y(91, true)}));
    // The second block: the same lines 70 mm to the right; texts in 明朝 9 again.
    EXPECT_EQ(lines[31].x0, x(72));
    for (const CanvasOp& t : c.texts())
        if (t.font != print_fonts::kGothic) {
            EXPECT_TRUE(t.font == print_fonts::kMincho && t.fontSize == 9);
        }
    for (const CanvasOp& l : lines) EXPECT_TRUE(l.penColor == kBlack && l.penWidth == 1);
}

}  // namespace
