#include "common/text/columns.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(Columns, PadLikePrintfAndNeverCut) {
  std::string out;
  append_padded_left(out, "ab", 4);
  append_padded_right(out, "cd", 4);
  append_padded_left(out, "toolong", 3);
  append_padded_right(out, "toolong", 3);
  EXPECT_EQ(out, "ab    cdtoolongtoolong");
}

TEST(Columns, IntegersIncludingTheExtremes) {
  std::string out;
  append_int_left(out, -5, 4);
  append_int_right(out, 42, 5);
  append_int_right(out, -2147483647 - 1, 3);
  append_int_left(out, 2147483647, 0);
  EXPECT_EQ(out, "-5     42-21474836482147483647");
}

}  // namespace
}  // namespace league
