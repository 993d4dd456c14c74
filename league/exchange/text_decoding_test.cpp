#include "league/exchange/text_decoding.h"

#include <gtest/gtest.h>

namespace league::exchange {
namespace {

TEST(DecodeText, KeepsUtf8AndDropsItsByteOrderMark) {
  EXPECT_EQ(decode_text("Bor\xC3\xB8s\n", "f").text, "Bor\xC3\xB8s\n");
  EXPECT_EQ(decode_text("\xEF\xBB\xBF"
                        "Date,Home\n",
                        "f")
                .text,
            "Date,Home\n");
}

TEST(DecodeText, ConvertsUtf16WithByteOrderMark) {
  // "Aé\n😀" in UTF-16 LE and BE, the last a surrogate pair.
  const std::string little(
      "\xFF\xFE"
      "A\0\xE9\0\n\0\x3D\xD8\x00\xDE",
      12);
  const std::string big("\xFE\xFF\0A\0\xE9\0\n\xD8\x3D\xDE\x00", 12);
  const std::string expected = "A\xC3\xA9\n\xF0\x9F\x98\x80";
  for (const std::string& bytes : {little, big}) {
    const DecodedText decoded = decode_text(bytes, "f");
    EXPECT_TRUE(decoded.problems.empty());
    EXPECT_EQ(decoded.text, expected);
  }
}

TEST(DecodeText, NamesTheLineOfBadBytes) {
  const auto problem = [](std::string_view bytes) {
    const DecodedText decoded = decode_text(bytes, "in.csv");
    EXPECT_TRUE(decoded.text.empty());
    return decoded.problems.empty() ? std::string() : describe(decoded.problems.front());
  };
  EXPECT_EQ(problem("ok\nbad \xC3(\n"), "in.csv:2: bytes that are not UTF-8");
  EXPECT_EQ(problem(std::string("a\0b", 3)),
            "in.csv:1: a NUL byte (UTF-16 without a byte-order mark?)");
  EXPECT_EQ(problem(std::string("\xFF\xFE"
                                "a\0\n\0\x3D\xD8"
                                "b\0",
                                10)),
            "in.csv:2: a lone UTF-16 surrogate");
  EXPECT_EQ(problem("\xFF\xFE"
                    "a"),
            "in.csv: UTF-16 text with an odd number of bytes");
}

}  // namespace
}  // namespace league::exchange
