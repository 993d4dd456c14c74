#include "common/form/form_string.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

// The six places and the points after recording `outcomes` ("W", "D", "L").
std::string after(std::string_view letters, std::string_view outcomes) {
  FormString form(letters);
  for (const char c : outcomes)
    form.record(c == 'W' ? Outcome::kWin : c == 'D' ? Outcome::kDraw : Outcome::kLoss);
  return std::string(form.text()) + " " + std::to_string(form.points());
}

TEST(FormString, EachResultDropsTheOldestLetterAndPointsCountAllSix) {
  EXPECT_EQ(after("WWDLWD", "W"), "WDLWDW 11");
  EXPECT_EQ(after("WWDLWD", "D"), "WDLWDD 9");
  EXPECT_EQ(after("WWDLWD", "L"), "WDLWDL 8");
  EXPECT_EQ(after("WWDLWD", ""), "WWDLWD 11");
  EXPECT_EQ(after("WWDLWD", "WL"), "DLWDWL 8");
  EXPECT_EQ(after("WWWWWW", "LLDLLLD"), "LDLLLD 2");
  EXPECT_EQ(after("wdLXY-", ""), "wdLXY- 0");
}

TEST(FormString, ShortStringsStandRightAlignedLongOnesKeepTheirLastSix) {
  EXPECT_EQ(after("", ""), "       0");
  EXPECT_EQ(after("", "WD"), "    WD 4");
  EXPECT_EQ(after("DL", "WWWWL"), "LWWWWL 12");
  EXPECT_EQ(after("DDDLWWDLW", ""), "LWWDLW 10");
  EXPECT_EQ(after("WWWWWWWWWWWWLLLLLL", "D"), "LLLLLD 1");
}

}  // namespace
}  // namespace league
