#include "common/text/pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

// Writes `rows` numbered lines through a PieceOutput.
bool write_rows(int rows, const PieceSink& sink) {
  PieceOutput out(sink);
  for (int i = 0; i < rows; ++i) {
    out.text() += "row " + std::to_string(i) + " of a long enough text\n";
    if (!out.row_done()) return false;
  }
  return out.finish();
}

TEST(PieceOutput, LargeTextArrivesInBoundedPiecesThatJoinToTheWhole) {
  std::vector<std::string> pieces;
  EXPECT_TRUE(write_rows(20000, [&](std::string_view piece) {
    pieces.emplace_back(piece);
    return true;
  }));
  ASSERT_GT(pieces.size(), 3u);
  std::string joined;
  for (const std::string& piece : pieces) {
    // No piece grows far past the piece size, and none but the last is small.
    EXPECT_LT(piece.size(), 70000u);
    if (&piece != &pieces.back()) {
      EXPECT_GE(piece.size(), 65536u);
    }
    joined += piece;
  }
  EXPECT_EQ(joined, joined_text([](const PieceSink& sink) { return write_rows(20000, sink); }));
  EXPECT_EQ(joined.substr(0, 31), "row 0 of a long enough text\nrow");
  EXPECT_EQ(joined.size(), joined.rfind("row 19999 of a long enough text\n") + 32);
}

TEST(PieceOutput, ARefusedPieceStopsTheWriter) {
  int offered = 0;
  EXPECT_FALSE(write_rows(20000, [&](std::string_view) {
    ++offered;
    return false;
  }));
  EXPECT_EQ(offered, 1);
  // A short text is handed on whole at the end, refused or not.
  EXPECT_FALSE(write_rows(3, [](std::string_view) { return false; }));
  EXPECT_EQ(joined_text([](const PieceSink& sink) { return write_rows(0, sink); }), "");
}

}  // namespace
}  // namespace league
