// What an input method types into the city field, and the pages of the saved-code panel.

#include <gtest/gtest.h>

#include "contacts/kana_input.h"
#include "contacts/saved_code_pages.h"
#include "postal_fixture.h"
#include "store/text_ops.h"

namespace {

TEST(KanaInput, InputMethodTextBecomesHalfWidthKatakana) {
    const std::pair<const char*, const char*> cases[] = {
        {"しんじゅく", "ｼﾝｼﾞｭｸ"},
        {"シンジュク", "ｼﾝｼﾞｭｸ"},
        {"さっぽろしちゅうおうく", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ"},
        {"がぎぐげご", "ｶﾞｷﾞｸﾞｹﾞｺﾞ"},
        {"ぱぴぷぺぽばびぶべぼ", "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ"},
        {"ゔヴヷヺ", "ｳﾞｳﾞﾜﾞｦﾞ"},
        {"ぁゃゅょっゎゕゖヵヶヰヱをん", "ｧｬｭｮｯﾜｶｹｶｹｲｴｦﾝ"},
        {"ー・「」、。", "ｰ･｢｣､｡"},
        {"か\u3099は\u309A゛゜", "ｶﾞﾊﾟﾞﾟ"},
        {"ｼﾝｼﾞｭｸ", "ｼﾝｼﾞｭｸ"},
        {"きた１０じょう", "ｷﾀ10ｼﾞｮｳ"},
        {"ＡＢｃ（１）－", "ABc(1)-"},
        {"新宿区", "新宿区"},
        {"さっぽろし中央区", "ｻｯﾎﾟﾛｼ中央区"},
        {"ゝゞ　x", "ゝゞ　x"},
        {"", ""},
    };
    for (auto [typed, expected] : cases) EXPECT_EQ(kana::toHalfWidthKatakana(typed), expected) << typed;
    // Bytes that are no UTF-8 pass through untouched.
    EXPECT_EQ(kana::toHalfWidthKatakana("\xFF\xE3\x81"), "\xFF\xE3\x81");
    // Every half-width result has a single-byte Shift-JIS form.
    EXPECT_EQ(sj(kana::toHalfWidthKatakana("ゔぁっきゅーむ").c_str()).size(), 8u);  // ｳﾞｧｯｷｭｰﾑ
}

TEST(KanaInput, OnlyAKatakanaLetterStartsAReading) {
    EXPECT_TRUE(kana::startsWithKatakanaLetter("\xA6"));   // ｦ
    EXPECT_TRUE(kana::startsWithKatakanaLetter("\xDD"));   // ﾝ
    EXPECT_FALSE(kana::startsWithKatakanaLetter("\xA5"));  // ･
    EXPECT_FALSE(kana::startsWithKatakanaLetter("\xDE"));  // ﾞ
    EXPECT_FALSE(kana::startsWithKatakanaLetter(sj("新")));
    EXPECT_FALSE(kana::startsWithKatakanaLetter(""));
}

std::string savedCode(int i) {
    char code[9];
    std::snprintf(code, sizeof code, "%07d ", 1000000 + i);
    return std::string(code) + padField("addr" + std::to_string(i), false, 30) + " \n";
}

TEST(SavedCodePages, ThirtyOneCodesMakeThreePages) {
    SavedCodePager p(31);
    EXPECT_EQ(p.currentPage(), 1);
    EXPECT_EQ(p.pageCount(), 3);
    EXPECT_FALSE(p.pageUp());
    EXPECT_TRUE(p.pageDown());
    EXPECT_TRUE(p.pageDown());
    EXPECT_EQ(p.currentPage(), 3);
    EXPECT_EQ(p.savedPageTop(), 30);
    EXPECT_TRUE(p.rowHasCode(0));
    EXPECT_FALSE(p.rowHasCode(1));
    EXPECT_FALSE(p.pageDown());
    EXPECT_EQ(p.currentPage(), 3);
    EXPECT_TRUE(p.pageUp());
    EXPECT_EQ(p.currentPage(), 2);
    // Exactly 15 codes are one page; 16 are two.
    EXPECT_EQ(SavedCodePager(15).pageCount(), 1);
    EXPECT_FALSE(SavedCodePager(15).pageDown() || SavedCodePager(0).pageDown());
    EXPECT_EQ(SavedCodePager(16).pageCount(), 2);
}

TEST(SavedCodePages, RowsComeFromTheFileAndEndInBlanks) {
    TempFolder t;
    std::string file;
    for (int i = 0; i < 31; ++i) file += savedCode(i);
    t.write(files::kSavedPostalCodes, file + "1234567 half a record");
    auto last = readSavedCodePage(t.dir(), 30);
    ASSERT_EQ(last.size(), 15u);
    EXPECT_EQ(last[0].code, "1000030 ");
    EXPECT_EQ(last[0].address, padField("addr30", false, 30));
    EXPECT_EQ(chosenSavedCode(last[0]), "1000030");
    // The half record at the end and the rows past it are blank, and choose nothing.
    EXPECT_EQ(last[1].code, std::string(8, ' '));
    EXPECT_EQ(last[14].address, std::string(30, ' '));
    EXPECT_FALSE(chosenSavedCode(last[1]));
    EXPECT_EQ(readSavedCodePage(t.dir(), 15)[14].code, "1000029 ");
    // A code saved with its hyphen is chosen as it was saved.
    EXPECT_EQ(chosenSavedCode({"100-0001", ""}), "100-0001");
    TempFolder none;
    EXPECT_EQ(readSavedCodePage(none.dir(), 0)[0].code, std::string(8, ' '));
}

}  // namespace
