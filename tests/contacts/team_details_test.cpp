// The bytes the details area stores: single-line fields, the memo with its line breaks and
// its limit, the text shown back from a stored memo, the city field's kana, and writes that
// touch nothing but their own field.

#include "contacts/team_details.h"

#include <gtest/gtest.h>

#include "contacts/city_reading.h"
#include "postal_fixture.h"
#include "store/record_layout.h"
#include "support/records.h"

namespace {

const std::string kBlankMemo(400, ' ');

TEST(TeamDetails, SingleLineFieldsAreBlankFilledAndNeverEndInsideACharacter) {
    EXPECT_EQ(details::singleLineField(team_field::Representative, sj("山田")), sj("山田") + std::string(12, ' '));
    // 15 bytes of text into the 16-byte name: the half character that would not fit goes.
    EXPECT_EQ(details::singleLineField(team_field::Representative, "a" + sj("一二三四五六七八")),
              "a" + sj("一二三四五六七") + " ");
    EXPECT_EQ(details::singleLineField(team_field::PostalCode, "100-0001"), "100-0001");

    EXPECT_EQ(details::trimForEditing("  \n abc \n  "), "abc");
    // A full-width blank is text, not padding.
    EXPECT_EQ(details::trimForEditing(sj("　山田　") + "  "), sj("　山田　"));
}

TEST(TeamDetails, TheMemoKeepsItsLinesAndDropsWhatBeginsWithALineBreak) {
    EXPECT_EQ(details::memoField(sj("一行目\n二行目")), (sj("一行目\r\n二行目") + kBlankMemo).substr(0, 400));
    EXPECT_EQ(details::memoField(sj("\n本文")), kBlankMemo);
    EXPECT_EQ(details::memoField(""), kBlankMemo);
    EXPECT_EQ(details::memoField("    "), kBlankMemo);
    EXPECT_EQ(details::memoField(" x  "), " x" + std::string(398, ' '));
    // Trailing blanks of a line are text, those at the end are not.
    EXPECT_EQ(details::memoField("a \nb  ").substr(0, 6), "a \r\nb ");
    EXPECT_EQ(details::memoBytes("a\nb"), 4);
}

TEST(TeamDetails, TheMemoIsCutAt400BytesWithoutSplittingACharacterOrALineBreak) {
    const std::string full = std::string(398, 'x') + sj("あ");
    EXPECT_EQ(details::memoField(full), full);
    // The double-byte character would end at byte 401: it goes.
    EXPECT_EQ(details::memoField(std::string(399, 'x') + sj("あ")), std::string(399, 'x') + " ");
    // CR LF would take bytes 400 and 401: neither stays.
    EXPECT_EQ(details::memoField(std::string(399, 'x') + "\nmore"), std::string(399, 'x') + " ");
}

TEST(TeamDetails, AStoredMemoShowsAsStoredAndAnUnchangedOneStoresTheSameBytes) {
    const std::string twoLines = (sj("練習は日曜\r\n夜八時以降") + kBlankMemo).substr(0, 400);
    EXPECT_EQ(details::memoText(twoLines), sj("練習は日曜\n夜八時以降"));
    EXPECT_EQ(details::memoField(details::memoText(twoLines)), twoLines);
    // A leading blank is part of what was stored.
    const std::string leadingBlank = (" " + sj("字下げ") + kBlankMemo).substr(0, 400);
    EXPECT_EQ(details::memoText(leadingBlank), " " + sj("字下げ"));
    EXPECT_EQ(details::memoField(details::memoText(leadingBlank)), leadingBlank);
    EXPECT_EQ(details::memoText(kBlankMemo), "");
    // A lone CR or LF of another program's file shows as a line break.
    EXPECT_EQ(details::memoText("a\rb\nc"), "a\nb\nc");
}

TEST(TeamDetails, AWriteChangesOnlyItsFieldOfItsRecord) {
    TempFolder t;
    const std::string reg = teamRegister({{7, teamRecord("代表", "桜台", '*')}, {8, teamRecord("別", "港北", '#')}});
    t.write("Data/Info.001", reg);
    const std::string bytes = details::singleLineField(team_field::City, sj("ｼﾝｼﾞｭｸ"));
    LeagueModel m;
    ASSERT_TRUE(details::writeDetail(m, t.dir(), 7, team_field::City, bytes).ok());
    std::string expected = reg;
    expected.replace(teamAt(7) + 71, 20, bytes);
    EXPECT_EQ(t.read("Data/Info.001"), expected);

    EXPECT_FALSE(details::writeDetail(m, t.dir(), 0, team_field::City, bytes).ok());
    EXPECT_FALSE(details::writeDetail(m, t.dir(), 7, team_field::City, "short").ok());
    EXPECT_EQ(t.read("Data/Info.001"), expected);

    std::string record = expected.substr(teamAt(7), 1000);
    EXPECT_EQ(details::fieldBytes(record, team_field::City), bytes);
    details::putFieldBytes(record, team_field::Remarks, kBlankMemo);
    EXPECT_EQ(record.substr(211, 400), kBlankMemo);
    EXPECT_EQ(record.substr(611, 20), name20("桜台"));
}

TEST(CityField, KanaFromAnInputMethodBecomesAReadingButACityInKanjiStaysAsTyped) {
    EXPECT_EQ(kana::cityFieldText("しんじゅく"), "ｼﾝｼﾞｭｸ");
    EXPECT_EQ(kana::cityFieldText("シンジュク"), "ｼﾝｼﾞｭｸ");
    EXPECT_EQ(kana::cityFieldText("ｼﾝｼﾞｭｸ"), "ｼﾝｼﾞｭｸ");
    EXPECT_EQ(kana::cityFieldText("さっぽろ１"), "ｻｯﾎﾟﾛ1");
    EXPECT_EQ(kana::cityFieldText("新宿区"), "新宿区");
    EXPECT_EQ(kana::cityFieldText("さいたま市"), "さいたま市");
    EXPECT_EQ(kana::cityFieldText(""), "");
}

}  // namespace
