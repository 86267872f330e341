// The dictionary of the whole country, built from the pinned npm package when
// scripts/build-postal-dictionary.sh has put it into the cache folder; skipped otherwise.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "contacts/postal_lookup.h"
#include "postal_dictionary/build_dictionary.h"
#include "postal_dictionary/npm_cache.h"
#include "postal_fixture.h"
#include "store/text_ops.h"

namespace {

TEST(PostalFullData, TheWholeCountryIsBuiltAndFound) {
    const std::string json = postal_build::cachedJsonFolder();
    if (!std::filesystem::is_directory(json)) GTEST_SKIP() << "npm data not in the cache: " << json;
    TempFolder t;
    postal_build::BuildReport report;
    postal_build::Progress quiet;
    std::string error;
    ASSERT_TRUE(postal_build::buildFromJpostal(json, t.root(), report, quiet, &error)) << error;
    EXPECT_EQ(report.entriesRead, 147873);
    // 949 three-digit summaries and the version stamp are no addresses.
    EXPECT_EQ(report.skipped, 950);
    EXPECT_EQ(report.records, 146923);
    EXPECT_EQ(report.cutEntries, 11);
    EXPECT_EQ(t.size(postal::kDictionaryFile), 146923L * 500);

    auto code = postal::lookupByCode(t.dir(), "1000001");
    ASSERT_EQ(code.matchList.count(), 1);
    auto rec = postal::readPostalRecord(t.dir(), code.matchList.records[0]);
    EXPECT_EQ(rec->prefecture, padField(sj("東京都"), false, 8));
    EXPECT_EQ(rec->city, padField(sj("千代田区"), false, 20));
    EXPECT_EQ(rec->town, padField(sj("千代田"), false, 40));

    auto reading = postal::lookupByReading(t.dir(), sj("ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ"));
    ASSERT_EQ(reading.outcome, postal::LookupOutcome::Found);
    EXPECT_GT(reading.matchList.count(), 100);
    for (long r : reading.matchList.records) {
        auto row = postal::readPostalRecord(t.dir(), r);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->city, padField(sj("札幌市中央区"), false, 20)) << r;
        EXPECT_EQ(row->code.substr(0, 2), "06") << r;
    }
    // A common reading, and one that matches nothing.
    EXPECT_EQ(postal::lookupByReading(t.dir(), sj("ｼﾝｼﾞｭｸ")).outcome, postal::LookupOutcome::Found);
    EXPECT_EQ(postal::lookupByReading(t.dir(), sj("ﾝﾝﾝﾝﾝ")).outcome, postal::LookupOutcome::NotFound);
    // Codes beginning with 9 are more than a list holds (26,524), those with 1 are not (8,595).
    EXPECT_EQ(postal::lookupByCode(t.dir(), "9").outcome, postal::LookupOutcome::TooMany);
    EXPECT_EQ(postal::lookupByCode(t.dir(), "1").matchList.count(), 8595);
}

}  // namespace
