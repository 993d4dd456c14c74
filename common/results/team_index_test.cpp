#include "common/results/team_index.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace league
