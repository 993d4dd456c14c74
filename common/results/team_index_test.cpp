#include "common/results/team_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

TEST(TeamIndex, MatchesWholeNamesExactlyAndTheFirstRowWins) {
  TeamIndex index;
  EXPECT_EQ(index.add("Lions"), 0u);
  EXPECT_EQ(index.add("Tigers"), 1u);
  EXPECT_EQ(index.add("Lions"), 0u);
  EXPECT_EQ(index.add("lions2"), 3u);
  EXPECT_EQ(index.find_team("Lions"), 0u);
  EXPECT_EQ(index.find_team("Tigers"), 1u);
  EXPECT_EQ(index.find_team("lions2"), 3u);
  EXPECT_EQ(index.find_team("lions"), std::nullopt);
  EXPECT_EQ(index.find_team("Lion"), std::nullopt);
  EXPECT_EQ(index.find_team("Lions "), std::nullopt);
}

std::string team(int number) {
  std::string name = "T";
  name += std::to_string(number);
  return name;
}

TEST(TeamIndex, ManyNamesThroughEveryGrowthStayFoundWithTheirFirstRow) {
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back(team(i % 3000));
  TeamIndex index;  // no size given: it grows as names are added
  for (const std::string& name : names) index.add(name);
  for (int i = 0; i < 3000; ++i) EXPECT_EQ(index.find_team(team(i)), i);
  EXPECT_EQ(index.find_team(team(3000)), std::nullopt);
  EXPECT_EQ(index.find_team(""), std::nullopt);
}

TEST(TeamIndex, EmptyTableFindsNothing) {
  EXPECT_EQ(TeamIndex().find_team("Lions"), std::nullopt);
}

}  // namespace
}  // namespace league
