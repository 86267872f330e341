// Address areas before business codes: a lookup by reading or by code prefix that finds both
// lists the codes of address areas first, and the result rows mark every business code.

#include <gtest/gtest.h>

#include "contacts/postal_lookup.h"
#include "contacts/result_pager.h"
#include "postal_dictionary/dictionary_writer.h"
#include "postal_fixture.h"
#include "store/text_ops.h"

namespace {

using postal::LookupOutcome;

// 川口市 as the older dictionaries hold it: a company's own code sorts before the town codes.
class PostalOrder : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<postal_build::DictionaryEntry> entries;
        auto add = [&](const char* code, const char* town, const char* business, const char* reading) {
            entries.push_back({code, sj("埼玉県"), sj("川口市"), sj(town), "", sj(business), sj(reading)});
        };
        add("1218729", "東本郷", "シーエル商事　（株）", "ｻｲﾀﾏｹﾝｶﾜｸﾞﾁｼﾋｶﾞｼﾎﾝｺﾞｳ");
        add("3320000", "", "", "ｻｲﾀﾏｹﾝｶﾜｸﾞﾁｼ");
        add("3320001", "朝日", "", "ｻｲﾀﾏｹﾝｶﾜｸﾞﾁｼｱｻﾋ");
        add("3320010", "本町", "川口印刷　株式会社", "ｻｲﾀﾏｹﾝｶﾜｸﾞﾁｼﾎﾝﾁｮｳ");
        add("3320011", "本町", "", "ｻｲﾀﾏｹﾝｶﾜｸﾞﾁｼﾎﾝﾁｮｳ");
        postal_build::BuildReport report;
        postal_build::Progress quiet;
        ASSERT_TRUE(postal_build::writeDictionary(t.root(), entries, report, quiet, nullptr));
        ASSERT_EQ(report.businessRecords, 2);
    }
    std::vector<std::string> shownTowns(const postal::MatchList& matches) const {
        std::vector<std::string> towns;
        for (const auto& rec : postal::readPostalPage(t.dir(), matches, 0, postal::ResultPager::kRows))
            towns.push_back(postal::shownTown(rec));
        return towns;
    }

    TempFolder t;
};

TEST_F(PostalOrder, AReadingWithBothKindsListsAddressCodesFirstAndMarksTheBusinesses) {
    auto r = postal::lookupByReading(t.dir(), sj("ｶﾜｸﾞﾁｼ"));
    ASSERT_EQ(r.outcome, LookupOutcome::Found);
    EXPECT_EQ(r.matchList.records, (std::vector<long>{2, 3, 5, 1, 4}));
    EXPECT_EQ(shownTowns(r.matchList),
              (std::vector<std::string>{"", sj("朝日"), sj("本町"), sj("〔事業所〕シーエル商事　（株）"),
                                        sj("〔事業所〕川口印刷　株式会社")}));
    // Choosing a business row still fills the street number from its town.
    EXPECT_EQ(trimField(postal::readPostalRecord(t.dir(), 1)->town), sj("東本郷"));
    EXPECT_EQ(postal::lookupByReading(t.dir(), sj("ﾎﾝﾁｮｳ")).matchList.records, (std::vector<long>{5, 4}));
}

TEST_F(PostalOrder, ACodePrefixListsAddressCodesFirst) {
    EXPECT_EQ(postal::lookupByCode(t.dir(), "3320").matchList.records, (std::vector<long>{2, 3, 5, 4}));
    EXPECT_EQ(postal::lookupByCode(t.dir(), "332-001").matchList.records, (std::vector<long>{5, 4}));
    // A business code typed whole is found as it is.
    EXPECT_EQ(postal::lookupByCode(t.dir(), "121-8729").matchList.records, std::vector<long>{1});
}

TEST_F(PostalOrder, ABusinessNameThatCannotBeReadCountsAsAnAddress) {
    // ZipNo.txt cut in the middle of record 4's business name; record 5 is gone.
    std::string text = t.read(postal::kDictionaryFile);
    t.write(postal::kDictionaryFile, text.substr(0, 3 * 500 + 330));
    postal::MatchList m;
    for (long r : {4L, 5L, 1L, 2L}) m.add(r);
    postal::putAddressesFirst(t.dir(), m);
    EXPECT_EQ(m.records, (std::vector<long>{4, 5, 2, 1}));
}

}  // namespace
