#include "common/text/integers.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(ParseWholeInt, AcceptsSignedDecimalTokensWithin32Bits) {
  EXPECT_EQ(parse_whole_int("0"), 0);
  EXPECT_EQ(parse_whole_int("+7"), 7);
  EXPECT_EQ(parse_whole_int("-12"), -12);
  EXPECT_EQ(parse_whole_int("007"), 7);
  EXPECT_EQ(parse_whole_int("2147483647"), 2147483647);
  EXPECT_EQ(parse_whole_int("-2147483648"), -2147483647 - 1);
}

TEST(ParseWholeInt, RefusesAnythingElse) {
  for (const char* bad : {"", "+", "-", "2-1", "1:0", "12abc", "abc", "+-5", "--5", "2147483648",
                          "-2147483649", "99999999999999999999", " 5", "5 ", "0x10"}) {
    EXPECT_FALSE(parse_whole_int(bad).has_value()) << bad;
  }
}

TEST(LeadingInt, ReadsTheNumberAtTheStart) {
  EXPECT_EQ(leading_int("yes"), 0);
  EXPECT_EQ(leading_int("-1"), -1);
  EXPECT_EQ(leading_int("2x"), 2);
  EXPECT_EQ(leading_int("1=0"), 1);
  EXPECT_EQ(leading_int("  \t+42abc"), 42);
  EXPECT_EQ(leading_int(""), 0);
  EXPECT_EQ(leading_int("-"), 0);
  EXPECT_EQ(leading_int("- 5"), 0);
}

TEST(LeadingInt, SaturatesInsteadOfWrapping) {
  EXPECT_EQ(leading_int("2147483648"), 2147483647);
  EXPECT_EQ(leading_int("99999999999999999999999999"), 2147483647);
  EXPECT_EQ(leading_int("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(leading_int("-99999999999999999999999999"), -2147483647 - 1);
}

TEST(CheckedAdd, RefusesOverflowBothWays) {
  EXPECT_EQ(checked_add(2147483646, 1), 2147483647);
  EXPECT_FALSE(checked_add(2147483647, 1).has_value());
  EXPECT_FALSE(checked_add(-2147483647 - 1, -1).has_value());
  EXPECT_EQ(checked_add(-5, 3), -2);
}

}  // namespace
}  // namespace league
