#include <gtest/gtest.h>

#include <limits>

#include "settings/ini_value.h"

namespace vx::settings {
namespace {

TEST(ParseIniIntTest, ReadsLeadingNumberLikeTheCLibrary) {
    EXPECT_EQ(ParseIniInt("12abc"), 12);
    EXPECT_EQ(ParseIniInt("-1"), -1);
    EXPECT_EQ(ParseIniInt("+7"), 7);
    EXPECT_EQ(ParseIniInt(" \t\r\n 42"), 42);
    EXPECT_EQ(ParseIniInt("0050"), 50);
    EXPECT_EQ(ParseIniInt("3 4"), 3);
}

TEST(ParseIniIntTest, NoDigitsGiveZero) {
    EXPECT_EQ(ParseIniInt(""), 0);
    EXPECT_EQ(ParseIniInt("abc"), 0);
    EXPECT_EQ(ParseIniInt("-"), 0);
    EXPECT_EQ(ParseIniInt("- 5"), 0);
    EXPECT_EQ(ParseIniInt("+-5"), 0);
    EXPECT_EQ(ParseIniInt("x12"), 0);
}

TEST(ParseIniIntTest, OutOfRangeSaturates) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ParseIniInt("2147483647"), kMax);
    EXPECT_EQ(ParseIniInt("2147483648"), kMax);
    EXPECT_EQ(ParseIniInt("-2147483648"), kMin);
    EXPECT_EQ(ParseIniInt("-2147483649"), kMin);
    EXPECT_EQ(ParseIniInt(std::string(400, '9')), kMax);
    EXPECT_EQ(ParseIniInt("-" + std::string(400, '9')), kMin);
}

TEST(FormatIniIntTest, WritesPlainDecimal) {
    EXPECT_EQ(FormatIniInt(0), "0");
    EXPECT_EQ(FormatIniInt(-15), "-15");
    EXPECT_EQ(FormatIniInt(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(ParseIniInt(FormatIniInt(123456789)), 123456789);
}

}  // namespace
}  // namespace vx::settings
