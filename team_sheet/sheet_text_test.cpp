#include "team_sheet/sheet_text.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(SheetTextTest, TwentyTwoLinesWithoutAFinalLineEnd) {
  TeamSheet sheet;
  sheet.names[0] = "Keeper";
  sheet.names[9] = "Striker_with_a_name_far_beyond_nineteen";
  sheet.names[15] = "Sub";
  EXPECT_EQ(team_sheet_text("Lions", sheet),
            "Lions\nN\n\n"
            "GK Keeper\nDF \nDF \nDF \nDF \nMF \nMF \nMF \nMF \n"
            "FW Striker_with_a_name_far_beyond_nineteen\nFW \n\n"
            "GK \nDF \nDF \nMF \nFW Sub\n\n"
            "PK: Striker_with_a_name_far_beyond_nineteen");
}

TEST(SheetTextTest, EmptySheetEndsWithABarePenaltyLine) {
  const std::string text = team_sheet_text("abc", TeamSheet{});
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
  EXPECT_TRUE(text.ends_with("\n\nPK: "));
}

}  // namespace
}  // namespace league
