#include "common/text/lines.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

std::vector<std::string> pieces(std::string_view text, std::size_t piece) {
  std::vector<std::string> out;
  LineReader reader(text, piece);
  while (auto line = reader.next()) out.emplace_back(*line);
  return out;
}

TEST(LineReader, WholeLinesKeepTheirLineEnds) {
  EXPECT_EQ(pieces("a\nbb\r\nc", LineReader::kWhole),
            (std::vector<std::string>{"a\n", "bb\r\n", "c"}));
  EXPECT_TRUE(pieces("", LineReader::kWhole).empty());
}

TEST(LineReader, PiecesCountTheLineEndLikeAFixedBuffer) {
  // A piece of 4 holds a line of 3 characters and its line end; a line of 4
  // leaves its line end to be read as a piece of its own.
  EXPECT_EQ(pieces("abc\nabcd\nabcdefghij\n", 4),
            (std::vector<std::string>{"abc\n", "abcd", "\n", "abcd", "efgh", "ij\n"}));
}

TEST(LineReader, NumbersPhysicalLinesNotPieces) {
  LineReader reader("abcdef\nx\n", 4);
  reader.next();
  EXPECT_EQ(reader.line_number(), 1u);
  reader.next();
  EXPECT_EQ(reader.line_number(), 1u);
  reader.next();
  EXPECT_EQ(reader.line_number(), 2u);
}

}  // namespace
}  // namespace league
