// Reading, storing and deleting change-over rules in Data/ChangePos.001, byte for byte.

#include "league/change_over_rules.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(ChangeOverRules, DeletingOneKeepsEveryOtherRecordAsItWas) {
    TempFolder t;
    // Records as other programs may have left them: zero-padded, a rule for the suspended
    // column, a partial record at the end.
    const std::string records = " 10 11 \n010 12 \n 11 10 \n  5250 \nxx";
    t.write("Data/ChangePos.001", records);
    const auto rules = readChangeOverRules(t.dir());
    ASSERT_EQ(rules.size(), 4u);
    EXPECT_EQ(rules[1].target, 10);
    EXPECT_FALSE(isLastingRule(rules[3]));
    EXPECT_TRUE(isLastingRule(rules[0]));
    EXPECT_EQ(ruleSourceFor(t.dir(), 10), 11);  // the first for its target

    ASSERT_TRUE(deleteChangeOverRule(t.dir(), 2));
    EXPECT_EQ(t.read("Data/ChangePos.001"), " 10 11 \n010 12 \n  5250 \nxx");
    EXPECT_FALSE(deleteChangeOverRule(t.dir(), 3));
    EXPECT_FALSE(deleteChangeOverRule(t.dir(), -1));
    EXPECT_EQ(t.read("Data/ChangePos.001"), " 10 11 \n010 12 \n  5250 \nxx");
}

TEST(ChangeOverRules, StoringARuleOverridesTheOneForTheSameRevisedPosition) {
    TempFolder t;
    ASSERT_TRUE(t.dir().ensureDataFolder());
    EXPECT_TRUE(storeChangeOverRule(t.dir(), 10, 11));  // creates the file
    EXPECT_EQ(t.read("Data/ChangePos.001"), " 10 11 \n");
    t.write("Data/ChangePos.001", "010 11 \n 11 10 \n 30 31 \n");
    EXPECT_TRUE(storeChangeOverRule(t.dir(), 10, 12));  // in place, the target's bytes kept
    EXPECT_EQ(t.read("Data/ChangePos.001"), "010 12 \n 11 10 \n 30 31 \n");
    EXPECT_TRUE(storeChangeOverRule(t.dir(), 11, 31));
    EXPECT_EQ(t.read("Data/ChangePos.001"), "010 12 \n 11 31 \n");
    EXPECT_TRUE(storeChangeOverRule(t.dir(), 40, 12));
    EXPECT_EQ(t.read("Data/ChangePos.001"), " 11 31 \n 40 12 \n");
}

}  // namespace
