#include "common/results/match_result.h"

namespace league {

Outcome match_outcome(const MatchResult& result, int k) {
  const std::int32_t own = result.sides[k].goals;
  const std::int32_t other = result.sides[1 - k].goals;
  if (own > other) return Outcome::kWin;
  if (own == other) return Outcome::kDraw;
  return Outcome::kLoss;
}

int points_for(Outcome outcome) {
  switch (outcome) {
    case Outcome::kWin:
      return 3;
    case Outcome::kDraw:
      return 1;
    case Outcome::kLoss:
      break;
  }
  return 0;
}

}  // namespace league
