#include "choice.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> sorted(std::vector<const char*> names)
{
    choiceSortNames(names.data(), int(names.size()));
    return { names.begin(), names.end() };
}

} // namespace

TEST(GuestChoice, OrdersNamesAlphabeticallyWithoutRegardToCase)
{
    EXPECT_EQ(sorted({ "beta", "Zeta", "alpha", "Gamma.sls", "ALPHA2" }),
        (std::vector<std::string> { "alpha", "ALPHA2", "beta", "Gamma.sls", "Zeta" }));
    // Latin-1 letters fold too: "\xE9t\xE9" and "\xC9T\xC9" name the same set.
    EXPECT_EQ(choiceCompareNames("\xE9t\xE9", "\xC9T\xC9"), 0);
    EXPECT_LT(choiceCompareNames("Zeta", "\xC9t\xE9"), 0);
    const char* names[] = { "Alpha", "beta" };
    EXPECT_EQ(choiceFindName(names, 2, "BETA"), 1);
    EXPECT_EQ(choiceFindName(names, 2, "bet"), -1);
}

TEST(GuestChoice, SingleLogoSetsEndInSlsWhateverTheCase)
{
    EXPECT_TRUE(choiceIsSingleLogoSet("Beach.sls"));
    EXPECT_TRUE(choiceIsSingleLogoSet("Beach.SLS"));
    EXPECT_TRUE(choiceIsSingleLogoSet("Sea.view.Sls"));
    EXPECT_FALSE(choiceIsSingleLogoSet("Beach.slsx"));
    EXPECT_FALSE(choiceIsSingleLogoSet("Beach"));
    EXPECT_FALSE(choiceIsSingleLogoSet("Old.sls\\Beach"));
}

TEST(GuestChoice, NextSetWrapsAndStartsAtTheFirstWhenNoneIsInstalled)
{
    EXPECT_EQ(choiceNextIndex(3, 0), 1);
    EXPECT_EQ(choiceNextIndex(3, 2), 0);
    EXPECT_EQ(choiceNextIndex(3, -1), 0);
    EXPECT_EQ(choiceNextIndex(1, -1), 0);
    EXPECT_EQ(choiceNextIndex(1, 0), -1);
    EXPECT_EQ(choiceNextIndex(0, -1), -1);
}

TEST(GuestChoice, RandomSetIsNeverTheInstalledOneAndReachesEveryOther)
{
    ChoiceRandom random;
    choiceSeed(&random, 12345);
    std::set<int> drawn;
    for (int i = 0; i < 200; ++i) {
        const int index = choiceRandomOther(4, 2, &random);
        ASSERT_NE(index, 2);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 4);
        drawn.insert(index);
    }
    EXPECT_EQ(drawn, (std::set<int> { 0, 1, 3 }));
    // Two sets alternate; one installed set has no other to change to.
    EXPECT_EQ(choiceRandomOther(2, 0, &random), 1);
    EXPECT_EQ(choiceRandomOther(2, 1, &random), 0);
    EXPECT_EQ(choiceRandomOther(1, 0, &random), -1);
    EXPECT_EQ(choiceRandomOther(1, -1, &random), 0);
}
