#include "common/results/team_index.h"

#include <gtest/gtest.h>

namespace league {
namespace {

TEST(TeamIndex, MatchesWholeNamesExactlyAndTheFirstRowWins) {
  TeamIndex index;
  for (std::string_view name : {"Lions", "Tigers", "Lions", "lions2"}) index.add(name);
  EXPECT_EQ(index.find_team("Lions"), 0u);
  EXPECT_EQ(index.find_team("Tigers"), 1u);
  EXPECT_EQ(index.find_team("lions2"), 3u);
  EXPECT_EQ(index.find_team("lions"), std::nullopt);
  EXPECT_EQ(index.find_team("Lion"), std::nullopt);
  EXPECT_EQ(index.find_team("Lions "), std::nullopt);
}

TEST(TeamIndex, EmptyTableFindsNothing) {
  EXPECT_EQ(TeamIndex().find_team("Lions"), std::nullopt);
}

}  // namespace
}  // namespace league
