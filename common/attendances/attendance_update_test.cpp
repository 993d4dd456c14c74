#include "common/attendances/attendance_update.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

AttendanceRow row(std::string team, std::int32_t pos) {
  return {std::move(team), 100, 90, pos, 20000, 6, 1, 10, 3, 18000, 15, 18};
}

TableEntry entry(std::string team, std::int32_t played) {
  return {std::move(team), played, 0, 0, 0, 0, 0, 0, 0};
}

TEST(UpdatePositionFactors, EveryRowOfATeamGetsItsFactorFromTheOrderedTable) {
  std::vector<AttendanceRow> rows{row("Tigers", 1), row("Lions", 2), row("Ghosts", 3),
                                  row("Lions", 4), row("lions", 5)};
  const std::vector<TableEntry> table{entry("Lions", 7), entry("Zebras", 1), entry("Tigers", 6),
                                      entry("Bears", 0)};
  const auto missing = update_position_factors(rows, table);
  EXPECT_EQ(missing, (std::vector<std::string_view>{"Zebras", "Bears"}));
  EXPECT_EQ(rows[0].Pos, 35);  // 110 - 300/4
  EXPECT_EQ(rows[1].Pos, 85);  // 110 - 100/4
  EXPECT_EQ(rows[3].Pos, 85);
  // Rows whose team is not in the table, letter case included, keep their factor.
  EXPECT_EQ(rows[2].Pos, 3);
  EXPECT_EQ(rows[4].Pos, 5);
  EXPECT_EQ(rows[1].Hfct, 100);
  EXPECT_EQ(rows[1].Av_Ticket, 18);
}

TEST(UpdatePositionFactors, NameTwiceInTheTableLeavesTheLowerEntrysFactor) {
  std::vector<AttendanceRow> rows{row("Ajax", 0)};
  // Position 1 of 3 after 6 games gives 77, position 3 gives 10.
  const std::vector<TableEntry> table{entry("Ajax", 6), entry("Celtic", 6), entry("Ajax", 6)};
  EXPECT_EQ(update_position_factors(rows, table), (std::vector<std::string_view>{"Celtic"}));
  EXPECT_EQ(rows[0].Pos, 10);
}

}  // namespace
}  // namespace league
