#include "common/results/match_result.h"

#include <gtest/gtest.h>

namespace league {
namespace {

MatchResult score(int home, int away) {
  return MatchResult{{{{"A", home}, {"B", away}}}};
}

TEST(MatchOutcome, ComparesEachSideWithItsOpponent) {
  EXPECT_EQ(match_outcome(score(2, 1), 0), Outcome::kWin);
  EXPECT_EQ(match_outcome(score(2, 1), 1), Outcome::kLoss);
  EXPECT_EQ(match_outcome(score(0, 0), 0), Outcome::kDraw);
  EXPECT_EQ(match_outcome(score(0, 0), 1), Outcome::kDraw);
  EXPECT_EQ(match_outcome(score(0, 3), 0), Outcome::kLoss);
  EXPECT_EQ(match_outcome(score(0, 3), 1), Outcome::kWin);
  EXPECT_EQ(match_outcome(score(-1, -2), 0), Outcome::kWin);
}

TEST(MatchOutcome, PointsAreThreeOneNothing) {
  EXPECT_EQ(points_for(Outcome::kWin), 3);
  EXPECT_EQ(points_for(Outcome::kDraw), 1);
  EXPECT_EQ(points_for(Outcome::kLoss), 0);
}

}  // namespace
}  // namespace league
