// Lookups by code and by reading on the small fixture dictionary, and the rows they give
// to the result panel.

#include "contacts/postal_lookup.h"

#include <gtest/gtest.h>

#include "contacts/kana_input.h"
#include "contacts/postal_cities.h"
#include "contacts/result_pager.h"
#include "postal_fixture.h"
#include "store/text_ops.h"

namespace {

using postal::LookupOutcome;

std::vector<long> range(long first, long last) {
    std::vector<long> v;
    for (long r = first; r <= last; ++r) v.push_back(r);
    return v;
}

class PostalLookup : public ::testing::Test {
protected:
    TempFolder t;
    DataDir dir = t.dir();
    void SetUp() override { copyFixtureDictionary(t); }
};

TEST_F(PostalLookup, ACodeWithAHyphenBecomesSevenDigitsAndABlankAndFindsItsRecord) {
    auto r = postal::lookupByCode(dir, "100-0001");
    EXPECT_EQ(r.query, "1000001 ");
    ASSERT_EQ(r.outcome, LookupOutcome::Found);
    ASSERT_EQ(r.matchList.records, std::vector<long>{5});
    auto rec = postal::readPostalRecord(dir, 5);
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->code, "1000001 ");
    EXPECT_EQ(rec->prefecture, padField(sj("東京都"), false, 8));
    EXPECT_EQ(rec->city, padField(sj("千代田区"), false, 20));
    EXPECT_EQ(rec->town, padField(sj("千代田"), false, 40));
    EXPECT_EQ(postal::streetOfSingleMatch(*rec), padField(sj("千代田"), false, 40));

    EXPECT_EQ(postal::lookupByCode(dir, "1000001").matchList.records, std::vector<long>{5});
    // Two towns under one code.
    EXPECT_EQ(postal::lookupByCode(dir, "1000005").matchList.records, (std::vector<long>{9, 10}));
}

TEST_F(PostalLookup, APrefixListsEveryCodeThatBeginsWithIt) {
    auto r = postal::lookupByCode(dir, "100");
    EXPECT_EQ(r.query, "100");
    EXPECT_EQ(r.matchList.records, range(4, 13));
    // The two business codes among them come after the address codes.
    std::vector<long> addressesFirst = range(4, 11);
    for (long r : range(14, 57)) addressesFirst.push_back(r);
    addressesFirst.insert(addressesFirst.end(), {12, 13});
    EXPECT_EQ(postal::lookupByCode(dir, "1").matchList.records, addressesFirst);
    // A shorter tail after the hyphen is a prefix too.
    r = postal::lookupByCode(dir, "100-00");
    EXPECT_EQ(r.query, "10000");
    EXPECT_EQ(r.matchList.records, range(4, 10));
    // A single hit: 千葉市中央区 新宿.
    r = postal::lookupByCode(dir, "260");
    ASSERT_EQ(r.matchList.records, std::vector<long>{58});
    EXPECT_EQ(postal::readPostalRecord(dir, 58)->city, padField(sj("千葉市中央区"), false, 20));
    // The first and the last record are found as well.
    EXPECT_EQ(postal::lookupByCode(dir, "0600000").matchList.records, std::vector<long>{1});
    EXPECT_EQ(postal::lookupByCode(dir, "9998531").matchList.records, std::vector<long>{61});
}

TEST_F(PostalLookup, CodesThatFindNothing) {
    for (const char* typed : {"999-9999", "0000000", "9999999", "3", "100000111", "１００", "abc"}) {
        auto r = postal::lookupByCode(dir, typed);
        EXPECT_EQ(r.outcome, LookupOutcome::NotFound) << typed;
        EXPECT_TRUE(r.matchList.empty()) << typed;
    }
    EXPECT_EQ(postal::lookupByCode(dir, "").outcome, LookupOutcome::NotFound);
    EXPECT_EQ(postal::lookupByCode(dir, " 100").outcome, LookupOutcome::NotFound);
}

TEST_F(PostalLookup, AReadingIsFoundAnywhereInTheAddressReading) {
    auto r = postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ"));
    ASSERT_EQ(r.outcome, LookupOutcome::Found);
    EXPECT_EQ(r.matchList.records, std::vector<long>{61});
    // Trailing blanks of the city field do not spoil the query.
    EXPECT_EQ(postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ   ")).matchList.records, std::vector<long>{61});
    EXPECT_EQ(postal::lookupByReading(dir, sj("ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ")).matchList.records, range(1, 3));
    EXPECT_EQ(postal::lookupByReading(dir, sj("ｱｱｱｱ")).outcome, LookupOutcome::NotFound);
    // Text that does not start with a katakana letter is no reading query.
    for (const char* city : {"", "新宿区", "ﾞｼﾝ", "1ｼﾝ", " ｼﾝ", "･ｼﾝ"})
        EXPECT_EQ(postal::lookupByReading(dir, sj(city)).outcome, LookupOutcome::NotAReading) << city;
}

TEST_F(PostalLookup, AReadingIndexChangedBetweenLookupsIsSearchedAsItNowIs) {
    ASSERT_EQ(postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ")).matchList.records, std::vector<long>{61});
    // The first entry's reading rewritten in place, the file's size unchanged: the readings
    // kept from the first lookup must not answer the second.
    std::string index = t.read(postal::kReadingIndexFile);
    const std::string reading = padField(sj("ｽｶﾞｻﾄﾆｼ"), false, postal::kReadingLength);
    index.replace(0, reading.size(), reading);
    t.write(postal::kReadingIndexFile, index);
    EXPECT_EQ(postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ")).matchList.records, (std::vector<long>{1, 61}));
    // Only a reading's first blank-free stretch counts.
    index.replace(0, reading.size(), padField(sj("ﾆｼ ｽｶﾞｻﾄ"), false, postal::kReadingLength));
    t.write(postal::kReadingIndexFile, index);
    EXPECT_EQ(postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ")).matchList.records, std::vector<long>{61});
}

TEST_F(PostalLookup, TheDictionaryKnowsItsCitiesByPrefecture) {
    EXPECT_TRUE(postal::isKnownCity(dir, sj("東京都"), sj("千代田区")));
    EXPECT_FALSE(postal::isKnownCity(dir, sj("東京都"), sj("千代田")));
    EXPECT_FALSE(postal::isKnownCity(dir, sj("北海道"), sj("千代田区")));
    TempFolder none;
    EXPECT_FALSE(postal::isKnownCity(none.dir(), sj("東京都"), sj("千代田区")));
}

TEST_F(PostalLookup, HiraganaFromAnInputMethodFindsTheSameRowsAsHalfWidthKatakana) {
    auto typed = postal::lookupByReading(dir, sjis::fromUnicode(kana::toHalfWidthKatakana("しんじゅく")));
    auto katakana = postal::lookupByReading(dir, sj("ｼﾝｼﾞｭｸ"));
    ASSERT_EQ(katakana.outcome, LookupOutcome::Found);
    EXPECT_EQ(typed.matchList.records, katakana.matchList.records);
    // The 44 codes of 新宿区 and 千葉市中央区 新宿.
    std::vector<long> expected = range(14, 58);
    EXPECT_EQ(katakana.matchList.records, expected);
}

TEST_F(PostalLookup, FortyFiveResultsPageAsTheResultPanelShowsThem) {
    auto r = postal::lookupByReading(dir, sj("ｼﾝｼﾞｭｸ"));
    ASSERT_EQ(r.matchList.count(), 45);
    postal::ResultPager p(r.matchList.count());
    auto firstShown = [&] { return postal::readPostalPage(dir, r.matchList, p.resultPageTop(), 20).front().recordNo; };
    EXPECT_EQ(p.thumbHeight(), 156);
    EXPECT_TRUE(p.pageDown());  // results 21-40
    EXPECT_EQ(p.resultPageTop(), 20);
    EXPECT_EQ(p.resultRow(), 19);
    EXPECT_TRUE(p.pageDown());  // results 26-45, the last one highlighted
    EXPECT_EQ(p.resultPageTop(), 25);
    EXPECT_EQ(p.chosenIndex(), 44);
    EXPECT_EQ(p.thumbTop(), 25 * 353 / 45 + 50);
    auto page = postal::readPostalPage(dir, r.matchList, p.resultPageTop(), 20);
    ASSERT_EQ(page.size(), 20u);
    EXPECT_EQ(page.back().recordNo, 58);
    EXPECT_FALSE(p.pageDown());
    EXPECT_FALSE(p.down());   // nothing after the last result
    EXPECT_TRUE(p.pageUp());  // results 6-25
    EXPECT_EQ(p.resultPageTop(), 5);
    EXPECT_EQ(p.resultRow(), 0);
    EXPECT_EQ(firstShown(), 19);
    EXPECT_TRUE(p.pageUp());  // results 1-20
    EXPECT_EQ(p.resultPageTop(), 0);
    EXPECT_EQ(firstShown(), 14);
    EXPECT_FALSE(p.up());
    EXPECT_EQ(p.thumbTop(), 50);
    // Going down past row 20 scrolls by one.
    for (int i = 0; i < 19; ++i) EXPECT_FALSE(p.down());
    EXPECT_TRUE(p.down());
    EXPECT_EQ(p.resultPageTop(), 1);
    EXPECT_EQ(p.resultRow(), 19);
}

TEST_F(PostalLookup, AReadingFoundOnceStillGivesAPanelWithOneRow) {
    auto r = postal::lookupByReading(dir, sj("ｽｶﾞｻﾄ"));
    postal::ResultPager p(r.matchList.count());
    EXPECT_EQ(postal::readPostalPage(dir, r.matchList, 0, 20).size(), 1u);
    EXPECT_TRUE(p.click(0));
    for (int k = 1; k < 20; ++k) EXPECT_FALSE(p.click(k)) << k;
    // A list of 20 or fewer keeps its page; PageDown highlights its last result.
    EXPECT_FALSE(p.pageDown());
    EXPECT_EQ(p.resultRow(), 0);
    EXPECT_EQ(p.resultPageTop(), 0);
    EXPECT_EQ(p.thumbHeight(), 353);
    for (int count : {7, 20}) {
        postal::ResultPager one(count);
        EXPECT_FALSE(one.pageDown());
        EXPECT_EQ(one.resultRow(), count - 1);
        EXPECT_EQ(one.resultPageTop(), 0);
        EXPECT_TRUE(one.rowHasResult(one.resultRow()));
    }
    EXPECT_FALSE(postal::ResultPager(0).pageDown());
}

TEST(ResultThumb, PastSevenThousandResultsTheThumbKeepsAVisibleHeightWithinItsTrack) {
    for (long count : {7060L, 7061L, 9999L}) {
        postal::ResultPager p(count);
        EXPECT_EQ(p.thumbHeight(), postal::ResultPager::kMinThumbHeight) << count;
        EXPECT_EQ(p.thumbTop(), 50);
        while (p.pageDown()) {
            EXPECT_LE(p.thumbTop() + p.thumbHeight(), 50 + 353) << count << " at " << p.resultPageTop();
        }
        EXPECT_EQ(p.thumbTop() + p.thumbHeight(), 50 + 353) << "the last page at the bottom";
    }
    // Where the share of the track is tall enough, the thumb is as before.
    EXPECT_EQ(postal::ResultPager(700).thumbHeight(), 20 * 353 / 700);
}

TEST_F(PostalLookup, ChosenTextIsCutAtACharacterBoundary) {
    // 大手町1丁目大手町フィナンシャルシティ（地階・階層不明）: the 40th byte is the first half of 地.
    auto rec = postal::readPostalRecord(dir, 11);
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->town, sj("大手町1丁目大手町フィナンシャルシティ（") + " ");
    EXPECT_EQ(rec->townShown, padField(sj("大手町1丁目大手町フィナンシャルシティ（地階・階層不明）"), false, 74));
    // A city the builder cut to 20 bytes.
    EXPECT_EQ(postal::readPostalRecord(dir, 59)->city, sj("長い長い名前の架空の"));
    EXPECT_EQ(postal::readPostalRecord(dir, 13)->business.size(), 100u);
    EXPECT_FALSE(postal::readPostalRecord(dir, 62));
    EXPECT_FALSE(postal::readPostalRecord(dir, 0));
}

TEST_F(PostalLookup, OnlyTheFirstBlankFreeStretchOfAReadingCounts) {
    TempFolder own;
    own.write(postal::kDictionaryFile, std::string(3 * 500, ' '));
    own.write(postal::kCodeIndexFile, std::string(3 * 23, ' '));
    own.write(postal::kReadingIndexFile,
              padField(sj("ｱｲｳ ｴｵ"), false, 202) + padField(sj("ｶｷｸｹｺ"), false, 202) + std::string(200, '\xB1') + "  ");
    EXPECT_EQ(postal::lookupByReading(own.dir(), sj("ｲｳ")).matchList.records, std::vector<long>{1});
    EXPECT_EQ(postal::lookupByReading(own.dir(), sj("ｴｵ")).outcome, LookupOutcome::NotFound);
    EXPECT_EQ(postal::lookupByReading(own.dir(), sj("ｳ ｴ")).outcome, LookupOutcome::NotFound);
    EXPECT_EQ(postal::lookupByReading(own.dir(), sj("ｸｹｺ")).matchList.records, std::vector<long>{2});
    // A reading with no blank at all is searched to its 200th byte, and not beyond.
    EXPECT_EQ(postal::lookupByReading(own.dir(), std::string(20, '\xB1')).matchList.records, std::vector<long>{3});
}

TEST(PostalLookupLimit, MoreThanTenThousandMatchesAreTooMany) {
    for (int entries : {10000, 10001}) {
        TempFolder t;
        std::string keys, readings;
        for (int i = 0; i < entries; ++i) {
            keys += "1234567" + std::string(15, ' ') + "\n";
            readings += padField(sj("ｱｲｳ"), false, 201) + "\n";
        }
        t.write(postal::kDictionaryFile, std::string(std::size_t(entries) * 500, ' '));
        t.write(postal::kCodeIndexFile, keys);
        t.write(postal::kReadingIndexFile, readings);
        auto byCode = postal::lookupByCode(t.dir(), "123");
        auto byReading = postal::lookupByReading(t.dir(), sj("ｲｳ"));
        const LookupOutcome expected = entries > 10000 ? LookupOutcome::TooMany : LookupOutcome::Found;
        EXPECT_EQ(byCode.outcome, expected) << entries;
        EXPECT_EQ(byReading.outcome, expected) << entries;
        EXPECT_EQ(byCode.matchList.count(), 10000);
        EXPECT_EQ(byReading.matchList.count(), 10000);
    }
}

TEST_F(PostalLookup, TheReadingScanReportsEachWholePercentOnce) {
    std::vector<int> seen;
    postal::lookupByReading(dir, sj("ｼﾝｼﾞｭｸ"), [&](int percent) { seen.push_back(percent); });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_GT(seen[i], seen[i - 1]);
    EXPECT_LT(seen.back(), 100);
}

}  // namespace
