#include "common/roster/roster_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

std::string header_of(int layout) {
  return roster_header_line(*find_roster_layout(layout));
}

// The header lines are built from the column table, so they show at once a
// missing, misplaced or wrongly sized column of any layout.
TEST(RosterLayout, ChosenForAllEightCombinationsOfSettings) {
  EXPECT_EQ(roster_layout_for(false, false, false), 1);
  EXPECT_EQ(roster_layout_for(true, true, true), 2);
  EXPECT_EQ(roster_layout_for(false, true, true), 3);
  EXPECT_EQ(roster_layout_for(false, true, false), 4);
  EXPECT_EQ(roster_layout_for(true, true, false), 5);
  EXPECT_EQ(roster_layout_for(true, false, false), 6);
  EXPECT_EQ(roster_layout_for(false, false, true), 7);
  EXPECT_EQ(roster_layout_for(true, false, true), 8);
}

TEST(RosterLayout, HeaderLinesOfAllEightLayouts) {
  const std::string common = "Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam";
  EXPECT_EQ(header_of(1), common + " Sav Ktk Kps Sht Gls Ass  DP Inj Sus\n");
  EXPECT_EQ(header_of(2), common + " Sub  Min Mom Sav Con Ktk Kps Sht Gls Ass  DP Inj Sus Fit\n");
  EXPECT_EQ(header_of(3), common + " Sub  Min Mom Sav Con Ktk Kps Sht Gls Ass  DP Inj Sus\n");
  EXPECT_EQ(header_of(4), common + " Sub Mom Sav Con Ktk Kps Sht Gls Ass  DP Inj Sus\n");
  EXPECT_EQ(header_of(5), common + " Sub Mom Sav Con Ktk Kps Sht Gls Ass  DP Inj Sus Fit\n");
  EXPECT_EQ(header_of(6), common + " Mom Sav Ktk Kps Sht Gls Ass  DP Inj Sus Fit\n");
  EXPECT_EQ(header_of(7), common + "  Min Mom Sav Ktk Kps Sht Gls Ass  DP Inj Sus\n");
  EXPECT_EQ(header_of(8), common + "  Min Mom Sav Ktk Kps Sht Gls Ass  DP Inj Sus Fit\n");
}

TEST(RosterLayout, ValueCountsAndDashLines) {
  const std::size_t values[] = {22, 27, 26, 25, 26, 24, 24, 25};
  const std::size_t dashes[] = {91, 112, 108, 103, 107, 99, 100, 104};
  for (int layout = 1; layout <= 8; ++layout) {
    SCOPED_TRACE(layout);
    const RosterLayout* found = find_roster_layout(layout);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->number, layout);
    EXPECT_EQ(found->columns.size(), values[layout - 1]);
    EXPECT_EQ(dash_line_for(header_of(layout)), std::string(dashes[layout - 1], '-') + "\n");
  }
  EXPECT_EQ(find_roster_layout(0), nullptr);
  EXPECT_EQ(find_roster_layout(9), nullptr);
}

TEST(RosterLayout, ColumnsAreFoundByTheirExactLabel) {
  ASSERT_NE(find_roster_column("Sav"), nullptr);
  EXPECT_EQ(find_roster_column("Sav")->number, &Player::Sav);
  EXPECT_EQ(find_roster_column("Con")->number, &Player::Con);
  EXPECT_EQ(find_roster_column("Nat")->text, &Player::Nat);
  EXPECT_EQ(find_roster_column("sav"), nullptr);
  EXPECT_EQ(find_roster_column("Team"), nullptr);
}

}  // namespace
}  // namespace league
