#include "base/split_line.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string> tokens = {"stale"};
    SplitLine(line, tokens);
    return tokens;
}

using Tokens = std::vector<std::string>;

TEST(SplitLine, SeparatorRunsCountOnceAndTrailingOnesAddNothing) {
    EXPECT_EQ(Split("GRAVITY  -0.085"), (Tokens{"GRAVITY", "-0,085"}));
    EXPECT_EQ(Split("KEY\t \t 12  \t "), (Tokens{"KEY", "12"}));
    EXPECT_EQ(Split("a b c"), (Tokens{"a", "b", "c"}));
    EXPECT_EQ(Split("single"), (Tokens{"single"}));
}

TEST(SplitLine, EmptyLineEmptiesTheList) {
    EXPECT_TRUE(Split("").empty());
    EXPECT_TRUE(Split("   \t ").empty());
}

TEST(SplitLine, LeadingBlanksYieldNoEmptyFirstToken) {
    EXPECT_EQ(Split("  walk_speed 0.2"), (Tokens{"walk_speed", "0,2"}));
    EXPECT_EQ(Split("\tx"), (Tokens{"x"}));
    EXPECT_EQ(Split(" "), Tokens{});
}

TEST(SplitLine, FullStopsBecomeCommas) {
    EXPECT_EQ(Split("1.5 maps/a.map"), (Tokens{"1,5", "maps/a,map"}));
    EXPECT_EQ(Split("..."), (Tokens{",,,"}));
}

}  // namespace
