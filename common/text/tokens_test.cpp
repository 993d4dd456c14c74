#include "common/text/tokens.h"

#include <gtest/gtest.h>

namespace league {
namespace {

using Tokens = std::vector<std::string_view>;

TEST(SplitTokens, EveryCWhiteSpaceSeparatesIncludingCarriageReturn) {
  EXPECT_EQ(split_tokens(" a\tb\r\nc\v\fd  "), (Tokens{"a", "b", "c", "d"}));
  EXPECT_EQ(split_tokens(""), Tokens{});
  EXPECT_EQ(split_tokens(" \r\n\t"), Tokens{});
}

TEST(SplitTokens, StopsAtTheLimit) {
  EXPECT_EQ(split_tokens("a b c d", 2), (Tokens{"a", "b"}));
}

TEST(TokenScanner, RestOfLineTakesTheRemainderAndMovesToTheNextLine) {
  TokenScanner scanner("1 Lions WWD\n2 Tigers\r\n3");
  EXPECT_EQ(scanner.next(), "1");
  EXPECT_EQ(scanner.rest_of_line(), " Lions WWD");
  EXPECT_EQ(scanner.next(), "2");
  EXPECT_EQ(scanner.rest_of_line(), " Tigers\r");
  EXPECT_EQ(scanner.next(), "3");
  EXPECT_EQ(scanner.rest_of_line(), "");
  EXPECT_EQ(scanner.next(), std::nullopt);
}

}  // namespace
}  // namespace league
