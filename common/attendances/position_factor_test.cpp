#include "common/attendances/position_factor.h"

#include <gtest/gtest.h>

#include <array>

namespace league {
namespace {

TEST(PositionFactor, ValuesForATableOfTwentyTeams) {
  constexpr std::array<int, 5> kPositions{1, 2, 10, 19, 20};
  // One row per games played 0 to 6, one column per position above.
  constexpr std::array<std::array<int, 5>, 7> kExpected{{{60, 60, 60, 60, 60},
                                                         {65, 65, 59, 52, 51},
                                                         {70, 69, 61, 51, 51},
                                                         {74, 73, 61, 47, 46},
                                                         {84, 82, 63, 41, 39},
                                                         {90, 85, 45, 0, -5},
                                                         {105, 100, 60, 15, 10}}};
  for (int games = 0; games < 7; ++games) {
    for (std::size_t i = 0; i < kPositions.size(); ++i) {
      EXPECT_EQ(position_factor(games, kPositions[i], 20), kExpected[games][i])
          << "P " << games << ", p " << kPositions[i];
    }
  }
  // From six games on the factor no longer depends on the games played.
  EXPECT_EQ(position_factor(38, 1, 20), 105);
  EXPECT_EQ(position_factor(1000, 20, 20), 10);
}

TEST(PositionFactor, LateSeasonShareOfTheTableTruncates) {
  // 110 - 100/3 = 110 - 33: the division is done on its own and truncates.
  EXPECT_EQ(position_factor(7, 1, 3), 77);
  EXPECT_EQ(position_factor(7, 2, 3), 44);
  EXPECT_EQ(position_factor(6, 3, 3), 10);
  // A negative count of games takes the same case.
  EXPECT_EQ(position_factor(-1, 1, 3), 77);
  EXPECT_EQ(position_factor(6, 1, 1), 10);
}

TEST(PositionFactor, EachTermTruncatesBeforeTheSum) {
  // p = 3, P = 1: 3/2 - 300/80 + 66 = 1 - 3 + 66; summing exact fractions would give 63.75.
  EXPECT_EQ(position_factor(1, 3, 20), 64);
  // p = 7, P = 4: 7/2 - 700/35 + 86 = 3 - 20 + 86.
  EXPECT_EQ(position_factor(4, 7, 20), 69);
  // Deep positions of a very large table stay exact.
  EXPECT_EQ(position_factor(5, 100000, 100000), 95 - 500000);
  EXPECT_EQ(position_factor(9, 99999, 100000), 110 - 99);
}

}  // namespace
}  // namespace league
