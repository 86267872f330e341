// Data/MyZip.001 at start-up: the postal codes of the team register merged in once, sorted.

#include <gtest/gtest.h>

#include "contacts/saved_postal_codes.h"
#include "store/text_ops.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

TEST(SavedPostalCodes, TeamCodesAreMergedOnceAndSorted) {
    TempFolder t;
    std::string reg;
    auto team = [](const std::string& code, const std::string& city, const std::string& street) {
        std::string r = std::string(999, ' ') + "\n";
        r.replace(55, 8, padField(code, false, 8));
        r.replace(71, 20, padField(city, false, 20));
        r.replace(91, 40, padField(street, false, 40));
        return r;
    };
    reg += team("1500001", "Shibuya ku", "1-2-3 Bldg");
    reg += team("1000001", "Chiyoda", "9-9");
    reg += team("1500001", "Other", "x");
    reg += team("", "Nowhere", "y");
    reg += team("3300000", std::string(20, 'C'), std::string(40, 'S'));
    for (int i = 5; i < 200; ++i) reg += std::string(999, ' ') + "\n";
    t.write(files::kTeamRegister, reg);
    t.write(files::kSavedPostalCodes, padField("2000000", false, 8) + padField("Old", false, 30) + " \n");
    LeagueModel m;
    ASSERT_TRUE(countSavedCodes(m, t.dir()));
    ASSERT_TRUE(mergeTeamRegisterCodes(m, t.dir()));
    EXPECT_EQ(m.savedCodeCount, 4);
    std::string f = t.read(files::kSavedPostalCodes);
    ASSERT_EQ(f.size(), 160u);
    EXPECT_EQ(f.substr(0, 40), padField("1000001", false, 8) + padField("Chiyoda9-9", false, 30) + " \n");
    EXPECT_EQ(f.substr(40, 40), padField("1500001", false, 8) + padField("Shibuya1-2-3", false, 30) + " \n");
    EXPECT_EQ(f.substr(80, 8), "2000000 ");
    EXPECT_EQ(f.substr(128, 10), std::string(20, 'C').substr(0, 10));
    EXPECT_EQ(f.substr(120 + 8, 30), std::string(20, 'C') + std::string(10, 'S'));
}

TEST(SavedPostalCodes, AShortAddressNeverEndsInsideACharacter) {
    std::string city = std::string(19, 'c') + " ";
    std::string street = "\x93\x8c\x8b\x9e" + std::string(20, 'x');  // 東京 then letters
    EXPECT_EQ(shortAddress(city, street), std::string(19, 'c') + "\x93\x8c\x8b\x9e" + std::string(7, 'x'));
    std::string odd = std::string(9, 'c');
    std::string kanji;
    for (int i = 0; i < 15; ++i) kanji += "\x93\x8c";
    std::string a = shortAddress(odd, kanji);
    EXPECT_EQ(a.size(), 29u);  // 9 + 10 whole characters; the 11th would be cut in half
}

TEST(SavedPostalCodes, ACityEndingInHalfACharacterStillMakesAWholeRecord) {
    TempFolder t;
    std::string reg = teamRegister();
    reg.replace(55, 8, "1000001 ");
    reg.replace(71, 20, padField("ab\x93", false, 20));  // a lone lead byte before the blanks
    t.write(files::kTeamRegister, reg);
    t.write(files::kSavedPostalCodes, "");
    LeagueModel m;
    ASSERT_TRUE(mergeTeamRegisterCodes(m, t.dir()));
    const std::string f = t.read(files::kSavedPostalCodes);
    ASSERT_EQ(f.size(), 40u);
    EXPECT_EQ(f, "1000001 " + padField("ab", false, 30) + " \n");
}

}  // namespace
