#include "common/console/console_text.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(CompleteUtf8Length, HoldsBackOnlyACharacterStillMissingBytes) {
  EXPECT_EQ(complete_utf8_length("Cel"), 3u);
  EXPECT_EQ(complete_utf8_length("\xC3\x87"
                                 "el"),
            4u);
  EXPECT_EQ(complete_utf8_length("el\xC3"), 2u);
  EXPECT_EQ(complete_utf8_length("el\xE2\x82"), 2u);
  EXPECT_EQ(complete_utf8_length("el\xE2\x82\xAC"), 5u);
  EXPECT_EQ(complete_utf8_length("el\xF0\x9F\x98"), 2u);
  EXPECT_EQ(complete_utf8_length("el\xF0\x9F\x98\x80"), 6u);
  // Bytes that are no UTF-8 are passed on, never held back for ever.
  EXPECT_EQ(complete_utf8_length("el\x87\x87\x87\x87"), 6u);
  EXPECT_EQ(complete_utf8_length(""), 0u);
}

TEST(TypedLineEnds, EnterGivesOneLineEndWhetherCrLfOrCrAloneAndSplitOrNot) {
  TypedLineEnds line_ends;
  std::string out;
  EXPECT_TRUE(
      line_ends.convert("\xC3\x87"
                        "el\r\n",
                        out));
  EXPECT_TRUE(line_ends.convert("\r", out));
  EXPECT_TRUE(line_ends.convert("\n12\r", out));
  EXPECT_TRUE(line_ends.convert("x\n", out));
  EXPECT_EQ(out,
            "\xC3\x87"
            "el\n\n12\nx\n");
}

TEST(TypedLineEnds, CtrlZEndsTheInput) {
  TypedLineEnds line_ends;
  std::string out;
  EXPECT_FALSE(
      line_ends.convert("ab\x1A"
                        "cd\r\n",
                        out));
  EXPECT_EQ(out, "ab");
}

}  // namespace
}  // namespace league
