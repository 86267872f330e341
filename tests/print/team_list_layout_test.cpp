// The team list on the recording canvas: pages of 45 rows, each with its title, headings
// and frame, and what one row holds.

#include "print/team_list_layout.h"

#include <gtest/gtest.h>

#include "print/league_files.h"
#include "print/recording_canvas.h"
#include "store/sjis.h"

namespace {

const PageGeometry k600{600, 600, 37, 53};
constexpr int L = 10, T = -3;

TeamListData list(int teams) {
    TeamListData d;
    d.date = {2026, 4, 5};
    d.groupCount = (teams + 9) / 10;
    d.termTeamCount = teams;
    for (int i = 0; i < teams; ++i) {
        TeamListRow& r = d.rows.emplace_back();
        r.classLetter = char('A' + i / 10);
        r.divisionLetter = char('1' + i / 10 % 9);
        r.name = storedName(leagueTeamName(i / 10, i % 10));
    }
    return d;
}

RecordingCanvas draw(const TeamListData& d) {
    RecordingCanvas c;
    EXPECT_TRUE(layOutTeamList(d, k600, c));
    EXPECT_TRUE(c.ended());
    return c;
}

// Team names printed on a page, in the order drawn.
std::vector<CanvasOp> nameTexts(const RecordingCanvas& c, int page) {
    std::vector<CanvasOp> out;
    for (const CanvasOp& t : c.texts(page))
        if (t.x == dotsX(L + 9, k600) && t.font == print_fonts::kMincho) out.push_back(t);
    return out;
}

int titles(const RecordingCanvas& c, int page) {
    int n = 0;
    for (const CanvasOp& t : c.texts(page)) n += t.fontSize == 12;
    return n;
}

TEST(TeamList, FortyFiveRowsToAPageEachPageTitledAndFramed) {
    RecordingCanvas full = draw(list(45));
    EXPECT_EQ(full.pageCount(), 1);
    EXPECT_EQ(full.lines(0).size(), 55u);  // rectangle 4, row rules 45, column rules 6
    EXPECT_EQ(nameTexts(full, 0).size(), 45u);

    RecordingCanvas over = draw(list(46));
    ASSERT_EQ(over.pageCount(), 2);
    EXPECT_EQ(titles(over, 1), 1);
    EXPECT_EQ(over.texts(1).size(), 1u + 8u + 8u);  // title, headings, one row of eight columns
    EXPECT_EQ(over.lines(1).size(), 55u);
    ASSERT_EQ(nameTexts(over, 1).size(), 1u);
    EXPECT_EQ(nameTexts(over, 1)[0].y, dotsY(T + 14, k600));

    RecordingCanvas all = draw(list(200));
    ASSERT_EQ(all.pageCount(), 5);
    const std::size_t expected[] = {45, 45, 45, 45, 20};
    for (int p = 0; p < 5; ++p) {
        const auto names = nameTexts(all, p);
        ASSERT_EQ(names.size(), expected[p]);
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i].y, dotsY(T + 14 + 4 * int(i), k600));
        EXPECT_EQ(titles(all, p), 1);
        EXPECT_EQ(all.lines(p).size(), 55u);
    }
    EXPECT_EQ(nameTexts(all, 4).back().text, sjis::toUnicode(storedName("Tチーム10")));
}

TEST(TeamList, TheTitleHeadingsAndFrameSitWhereTheyShould) {
    TeamListData d = list(25);
    d.termTeamCount = 31;  // the whole term, groups beyond the listed ones included
    RecordingCanvas c = draw(d);
    const auto title = c.textsAt(0, dotsX(L + 1, k600), dotsY(T + 4, k600));
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].text, "2026年 4月 5日現在 チーム一覧  全 3リーグ 31チーム");
    EXPECT_EQ(title[0].font, print_fonts::kGothic);
    const std::pair<int, const char*> headings[] = {{1, "級"},        {4, "部"},    {9, "チーム名"}, {44, "代表者"},
                                                    {72, "携帯電話"}, {96, "電話"}, {120, "ＦＡＸ"}, {144, "住所"}};
    for (const auto& [x, text] : headings) {
        const auto h = c.textsAt(0, dotsX(L + x, k600), dotsY(T + 10, k600));
        ASSERT_EQ(h.size(), 1u) << text;
        EXPECT_EQ(h[0].text, text);
        EXPECT_EQ(h[0].fontSize, 9);
    }
    const auto lines = c.lines(0);
    auto at = [](int x, int y) { return std::make_pair(dotsX(L + x, k600), dotsY(T + y, k600)); };
    EXPECT_EQ(std::make_pair(lines[0].x0, lines[0].y0), at(0, 9));
    EXPECT_EQ(std::make_pair(lines[1].x, lines[1].y), at(260, 194));
    EXPECT_EQ(std::make_pair(lines[4 + 44].x, lines[4 + 44].y), at(260, 14 + 4 * 44));
    EXPECT_EQ(std::make_pair(lines[54].x0, lines[54].y0), at(142, 9));
}

TEST(TeamList, ARowShowsItsLettersNameContactsAndJoinedAddress) {
    TeamListData d = list(1);
    TeamContacts& c = d.rows[0].contacts;
    c.representative = storedName("山田太郎").substr(0, 16);
    c.mobile = "090-1234-5678";
    c.city = sjis::fromUnicode("新宿区") + std::string(14, ' ');
    c.street = storedName("西新宿2-8-1") + std::string(20, ' ');
    RecordingCanvas canvas = draw(d);
    const int y = dotsY(T + 14, k600);
    auto textAt = [&](int x) {
        const auto t = canvas.textsAt(0, x, y);
        return t.size() == 1 ? t[0].bytes : "<" + std::to_string(t.size()) + ">";
    };
    EXPECT_EQ(textAt(dotsX(L + 1, k600) + 10), "A");
    EXPECT_EQ(textAt(dotsX(L + 5, k600)), "1");
    EXPECT_EQ(textAt(dotsX(L + 9, k600)), storedName("Aチーム1"));
    EXPECT_EQ(textAt(dotsX(L + 44, k600)), storedName("山田太郎").substr(0, 16));
    EXPECT_EQ(textAt(dotsX(L + 72, k600)), "090-1234-5678");
    EXPECT_EQ(textAt(dotsX(L + 96, k600)), std::string(13, ' '));
    EXPECT_EQ(textAt(dotsX(L + 144, k600)), sjis::fromUnicode("新宿区西新宿2-8-1"));

    // Damaged fields never put half a character on paper.
    c.city = std::string(19, 'x') + "\x90";  // ends in a lead byte
    c.street = sjis::fromUnicode("一丁目");
    c.building = std::string(40, ' ');
    EXPECT_EQ(teamListAddress(c), std::string(19, 'x') + sjis::fromUnicode("一丁目"));
    d.rows[0].classLetter = '\x82';
    d.rows[0].name = std::string(19, 'y') + "\x82";
    RecordingCanvas damaged = draw(d);
    const auto letter = damaged.textsAt(0, dotsX(L + 1, k600) + 10, y);
    ASSERT_EQ(letter.size(), 1u);
    EXPECT_EQ(letter[0].bytes, " ");
    EXPECT_EQ(damaged.textsAt(0, dotsX(L + 9, k600), y)[0].bytes, std::string(19, 'y') + " ");
}

}  // namespace
