#include "common/table/table_results.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/results/results_file.h"

namespace league {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Counters in table order: P W D L GF GA GD Pts.
std::vector<std::int32_t> counters(const TableEntry& entry) {
  std::vector<std::int32_t> values;
  for (const auto counter : kTableCounters) values.push_back(entry.*counter);
  return values;
}

std::vector<std::string> teams_of(const std::vector<TableEntry>& table) {
  std::vector<std::string> names;
  for (const TableEntry& entry : table) names.push_back(entry.Team);
  return names;
}

// Applies every result, each side found at the first row of its name; false
// at the first result refused.
bool apply_round(std::vector<TableEntry>& table, std::string_view results) {
  for (const ResultsEntry& entry : read_results(results)) {
    MatchRows rows{};
    for (std::size_t k = 0; k < rows.size(); ++k) {
      while (table[rows[k]].Team != entry.result->sides[k].team) ++rows[k];
    }
    if (!apply_result(table, *entry.result, rows)) return false;
  }
  return true;
}

TEST(ApplyRound, WinDrawAndLossChangeBothRows) {
  std::vector<TableEntry> table{{"Town", 3, 0, 0, 3, 1, 7, -6, 0},
                                {"Rovers", 3, 2, 1, 0, 7, 2, 5, 7},
                                {"City", 3, 1, 2, 0, 4, 3, 1, 5},
                                {"United", 3, 2, 0, 1, 5, 3, 2, 6}};
  apply_round(table, "Town 2 - 1 Rovers\nCity 1 - 1 United\n");
  EXPECT_EQ(counters(table[0]), (std::vector<std::int32_t>{4, 1, 0, 3, 3, 8, -5, 3}));
  EXPECT_EQ(counters(table[1]), (std::vector<std::int32_t>{4, 2, 1, 1, 8, 4, 4, 7}));
  EXPECT_EQ(counters(table[2]), (std::vector<std::int32_t>{4, 1, 3, 0, 5, 4, 1, 6}));
  EXPECT_EQ(counters(table[3]), (std::vector<std::int32_t>{4, 2, 1, 1, 6, 4, 2, 7}));

  // An away win; negative goals are compared and added as signed numbers.
  apply_round(table, "Town 0 x 3 Rovers City -2 - -1 United");
  EXPECT_EQ(counters(table[0]), (std::vector<std::int32_t>{5, 1, 0, 4, 3, 11, -8, 3}));
  EXPECT_EQ(counters(table[1]), (std::vector<std::int32_t>{5, 3, 1, 1, 11, 4, 7, 10}));
  EXPECT_EQ(counters(table[2]), (std::vector<std::int32_t>{5, 1, 3, 1, 3, 3, 0, 6}));
  EXPECT_EQ(counters(table[3]), (std::vector<std::int32_t>{5, 3, 1, 1, 5, 2, 3, 10}));
}

TEST(ApplyRound, GoalDifferenceIsRecomputedButWrongPointsStayWrong) {
  // GD 40 and Pts 99 disagree with the other columns.
  std::vector<TableEntry> table{{"Lions", 2, 1, 1, 0, 3, 1, 40, 99},
                                {"Tigers", 2, 0, 1, 1, 1, 2, 7, 1},
                                {"Idle", 2, 0, 0, 0, 0, 0, 12, 50}};
  apply_round(table, "Lions 1 - 0 Tigers");
  EXPECT_EQ(table[0].GD, 3);
  EXPECT_EQ(table[0].Pts, 102);
  EXPECT_EQ(table[1].GD, -2);
  // A team that did not play keeps every value as read.
  EXPECT_EQ(counters(table[2]), (std::vector<std::int32_t>{2, 0, 0, 0, 0, 0, 12, 50}));
}

TEST(ApplyRound, TeamOnBothSidesAndDuplicateNamesUseTheUpperRow) {
  std::vector<TableEntry> table{{"Ajax", 0, 0, 0, 0, 0, 0, 0, 0},
                                {"Celtic", 0, 0, 0, 0, 0, 0, 0, 0},
                                {"Ajax", 0, 0, 0, 0, 0, 0, 0, 0}};
  apply_round(table, "Ajax 3 - 1 Ajax Celtic 0 - 2 Ajax");
  // A win and a loss from the first result, then a win.
  EXPECT_EQ(counters(table[0]), (std::vector<std::int32_t>{3, 2, 0, 1, 6, 4, 2, 6}));
  EXPECT_EQ(counters(table[2]), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ApplyRound, OverflowRefusesTheWholeResult) {
  const std::vector<TableEntry> before{{"Lions", 1, 1, 0, 0, 1, 0, 1, 3},
                                       {"Tigers", 1, 0, 0, 1, kMax, 5, kMax - 5, 0}};
  // The away side overflows its goals for: the home side is not applied either.
  auto table = before;
  EXPECT_FALSE(apply_round(table, "Lions 0 - 1 Tigers"));
  EXPECT_EQ(counters(table[0]), counters(before[0]));
  EXPECT_EQ(counters(table[1]), counters(before[1]));

  // The home side's goals for, its points, and a goal difference beyond range.
  table = before;
  EXPECT_FALSE(apply_round(table, "Tigers 1 - 0 Lions"));
  EXPECT_EQ(counters(table[1]), counters(before[1]));
  table = {{"Lions", 0, 0, 0, 0, 0, 0, 0, kMax - 2}, {"Tigers", 0, 0, 0, 0, 0, 0, 0, 0}};
  EXPECT_FALSE(apply_round(table, "Lions 1 - 0 Tigers"));
  EXPECT_EQ(table[0].P, 0);
  table = {{"Lions", 0, 0, 0, 0, kMax, -10, 0, 0}, {"Tigers", 0, 0, 0, 0, 0, 0, 0, 0}};
  EXPECT_FALSE(apply_round(table, "Lions 0 - 0 Tigers"));
  EXPECT_EQ(table[0].P, 0);

  // Results before the refused one were applied in memory only.
  table = before;
  EXPECT_FALSE(apply_round(table, "Tigers 0 - 0 Lions Lions 0 - 1 Tigers"));
  EXPECT_EQ(table[0].P, 2);
}

TEST(OrderLeagueTable, PointsThenGoalDifferenceThenGoalsForTiesKeepTheirOrder) {
  std::vector<TableEntry> table{
      {"Low", 0, 0, 0, 0, 0, 0, 0, 1},     {"GD3", 0, 0, 0, 0, 30, 27, 3, 20},
      {"TieA", 0, 0, 0, 0, 28, 23, 5, 20}, {"GF30", 0, 0, 0, 0, 30, 25, 5, 20},
      {"TieB", 0, 0, 0, 0, 28, 23, 5, 20}, {"Top", 0, 0, 0, 0, 0, 9, -9, 21},
      {"TieC", 0, 0, 0, 0, 28, 23, 5, 20}, {"Minus", 0, 0, 0, 0, 0, 0, 0, -3}};
  order_league_table(table);
  EXPECT_EQ(teams_of(table), (std::vector<std::string>{"Top", "GF30", "TieA", "TieB", "TieC", "GD3",
                                                       "Low", "Minus"}));
}

}  // namespace
}  // namespace league
