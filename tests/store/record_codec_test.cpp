// The fixed-width record machinery every data file goes through.

#include <gtest/gtest.h>

#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

namespace {

const std::string kJapanese = sjis::fromUnicode("東京ヤンキース");  // 7 double-byte characters

// Read while this file's statics are set up, which may be before the layout table's own.
const int kTeamNameAtStart = layouts::offset(layouts::Team, team_field::TeamName);

TEST(RecordLayouts, WidthsAndOffsetsOfEveryFile) {
    const RecordLayout& team = layouts::get(layouts::Team);
    EXPECT_EQ(team.recordLength, 1000);
    EXPECT_EQ(team.offsets, (std::vector<int>{0, 16, 29, 42, 55, 63, 71, 91, 131, 171, 211, 611, 631}));
    const RecordLayout& result = layouts::get(layouts::Result);
    EXPECT_EQ(result.recordLength, 46);
    EXPECT_EQ(result.offsets, (std::vector<int>{0, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 34, 36, 38, 42}));
    EXPECT_EQ(layouts::get(layouts::Suspended).offsets, team.offsets);
    EXPECT_EQ(layouts::get(layouts::ChangePosition).recordLength, 8);
    EXPECT_EQ(layouts::get(layouts::SavedPostalCode).recordLength, 40);
    EXPECT_EQ(layouts::get(layouts::PostalLine).recordLength, 500);
    EXPECT_FALSE(layouts::get(layouts::PostalLine).hasTrailer);
    EXPECT_EQ(kTeamNameAtStart, 611);
    // " A級  1部      8チーム": the letters at 1 and 6, the count at 14.
    EXPECT_EQ(layouts::get(layouts::SheetTitle).offsets, (std::vector<int>{0, 1, 2, 6, 7, 14, 16}));
    EXPECT_EQ(layouts::get(layouts::TeamMaxima).offsets.back(), 38);
}

TEST(RecordLayouts, AFieldOfARecordCutShortIsWhatTheRecordHoldsOfIt) {
    const std::string cut = "Tigers" + std::string(14, ' ') + "1 2";  // 23 of 46 bytes
    EXPECT_EQ(layouts::field(cut, layouts::Result, result_field::TeamName), "Tigers" + std::string(14, ' '));
    EXPECT_EQ(layouts::field(cut, layouts::Result, result_field::FirstResult), "1");
    EXPECT_EQ(layouts::field(cut, layouts::Result, result_field::Rank), "");
}

TEST(RecordCodec, ClearedRecordsAreBlanksAndALineFeed) {
    RecordCodec result(layouts::get(layouts::Result));
    result.field(0).assign("x");
    result.clearRecord();
    EXPECT_EQ(result.record(), std::string(45, ' ') + "\n");
    EXPECT_EQ(result.field(0).bytes(), std::string(20, ' '));
    RecordCodec team(layouts::get(layouts::Team));
    EXPECT_EQ(team.record(), std::string(999, ' ') + "\n");
}

TEST(RecordCodec, PackAndUnpackKeepEveryByteOfAField) {
    RecordCodec c(layouts::get(layouts::Team));
    c.field(team_field::Representative).assign("ABCDEFGHIJKLMNOP");  // exactly 16
    c.field(team_field::Mobile).assign("0901234567890X");            // 14, one too many
    c.field(team_field::TeamName).assign(kJapanese);
    c.packRecord();
    EXPECT_EQ(c.record().substr(0, 16), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(c.record().substr(16, 13), "0901234567890");
    EXPECT_EQ(c.record().substr(611, 20), kJapanese + "      ");
    EXPECT_EQ(c.record().substr(998), " \n");

    RecordCodec d(layouts::get(layouts::Team));
    d.record() = c.record();
    d.unpackRecord();
    EXPECT_EQ(d.field(team_field::TeamName).bytes(), kJapanese + "      ");
}

TEST(RecordCodec, UnpackKeepsForeignBytesUntouched) {
    // An older file may hold a field that ends in half a character; it must come back as it was.
    RecordCodec c(layouts::get(layouts::Result));
    std::string rec = std::string(19, 'a') + "\x93" + std::string(24, ' ') + " \n";
    c.record() = rec;
    c.unpackRecord();
    c.packRecord();
    EXPECT_EQ(c.record(), rec);
}

TEST(RecordCodec, ReadsPastTheEndAsBlanksAndFailsOnAMissingFile) {
    TempFolder t;
    t.write("Data/x", std::string(46, 'A') + "BBBB");  // one record and a few bytes
    RecordCodec c(layouts::get(layouts::Result));
    ASSERT_TRUE(c.readRecord(t.path("Data/x"), 2));
    EXPECT_EQ(c.record(), "BBBB" + std::string(41, ' ') + "\n");
    ASSERT_TRUE(c.readRecord(t.path("Data/x"), 5));
    EXPECT_EQ(c.record(), std::string(45, ' ') + "\n");
    c.record() = std::string(46, 'Z');
    EXPECT_FALSE(c.readRecord(t.path("Data/missing"), 1));
    EXPECT_EQ(c.record(), std::string(46, 'Z'));
    EXPECT_FALSE(c.writeRecord(t.path("Data/missing"), 1));
    EXPECT_FALSE(t.exists("Data/missing"));
    EXPECT_EQ(c.countRecords(t.path("Data/x")), 1);
}

TEST(TextOps, PaddingCuttingAndParsing) {
    EXPECT_EQ(padField("ab", false, 5), "ab   ");
    EXPECT_EQ(padField("7", true, 3), "  7");
    EXPECT_EQ(padField("12  ", true, 3), " 12");
    EXPECT_EQ(padField("12345", true, 3), "345");
    EXPECT_EQ(padField("abcdef", false, 4), "abcd");
    EXPECT_EQ(trimField(std::string("  x y \0\n", 8)), "x y");
    EXPECT_EQ(parseLong("  "), 0);
    EXPECT_EQ(parseLong(" 7"), 7);
    EXPECT_EQ(parseLong("12ab"), 12);
    EXPECT_EQ(parseLong(std::string("\0\0", 2)), 0);
    EXPECT_EQ(parseLong("-3"), -3);
    EXPECT_LE(parseLong("99999999999999999999"), 1000000000L);  // stops long before overflow
    EXPECT_EQ(formatCount(0, 2), "  ");
    EXPECT_EQ(formatCount(5, 2), " 5");
    EXPECT_EQ(formatNumber(0, 2), " 0");
}

TEST(TextOps, ACutNeverSplitsADoubleByteCharacter) {
    // 7 characters = 14 bytes; into 5 bytes go two whole characters and a blank.
    EXPECT_EQ(padField(kJapanese, false, 5), kJapanese.substr(0, 4) + " ");
    EXPECT_EQ(padField(kJapanese, true, 5), " " + kJapanese.substr(10, 4));
    std::string mixed = "A" + kJapanese;  // a half-width letter first shifts every boundary
    EXPECT_EQ(padField(mixed, false, 4), mixed.substr(0, 3) + " ");
    EXPECT_EQ(sjis::cutToWidth(mixed, 2), "A");
    EXPECT_EQ(sjis::boundaryAtOrBefore(mixed, 3), 3u);
}

TEST(TextOps, AFieldIsAlwaysExactlyItsWidthEvenAfterALoneLeadByte) {
    // A short text that ends in the first half of a character: the half goes, the width stays.
    const std::string lone = "AB\x82";
    EXPECT_EQ(padField(lone, false, 10), "AB        ");
    EXPECT_EQ(padField(lone, true, 10), "        AB");
    EXPECT_EQ(sjis::cutToWidth(lone, 10), "AB");
    for (std::size_t w : {1u, 2u, 3u, 4u, 30u})
        for (bool right : {false, true}) EXPECT_EQ(padField(kJapanese + "\x93", right, w).size(), w);
}

TEST(TextOps, TrimmingBlanksKeepsCharactersWhole) {
    const std::string wide = sjis::fromUnicode("　清澄白河ＢＣ　");
    EXPECT_EQ(trimBlanks(" " + wide + "  "), sjis::fromUnicode("清澄白河ＢＣ"));
    // 0x81 0x40 is a full-width blank only where a character starts: "\x81\x81\x40" is "＼" then "@".
    EXPECT_EQ(trimBlanks("\x81\x5F\x40"), "\x81\x5F\x40");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_TRUE(holdsTeam("A "));
    EXPECT_FALSE(holdsTeam(" A"));
    EXPECT_FALSE(holdsTeam(std::string("\0A", 2)));
    EXPECT_FALSE(holdsTeam(""));
}

TEST(Sjis, RoundTripsTheCharactersOrganisersUse) {
    for (const char* text : {"東京ヤンキース", "①Ⅱ㈱髙", "～", "ｱｲｳ半角", "ー－｜"}) {
        std::string bytes = sjis::fromUnicode(text);
        EXPECT_EQ(sjis::toUnicode(bytes), text) << text;
    }
    EXPECT_EQ(sjis::fromUnicode("東").size(), 2u);
    EXPECT_EQ(sjis::fromUnicode("ｱ").size(), 1u);
    // Damaged bytes and NULs never stop the conversion.
    EXPECT_EQ(sjis::toUnicode(std::string("A\x81", 2)), "A\xEF\xBF\xBD");
    EXPECT_EQ(sjis::toUnicode(std::string("A\0B", 3)), "A B");
    EXPECT_EQ(sjis::fromUnicode("A😀B"), "A?B");
}

}  // namespace
