#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace league {

// One side of a match: the team's name as written in results.txt and its goals.
struct MatchSide {
  std::string_view team;
  std::int32_t goals = 0;
};

// One result of results.txt: side 0 is the home team, side 1 the away team.
struct MatchResult {
  std::array<MatchSide, 2> sides;
};

enum class Outcome { kWin, kDraw, kLoss };

// Win, draw or loss for side k (0 or 1), by its goals against its opponent's.
Outcome match_outcome(const MatchResult& result, int k);

// What an outcome is worth in the league table: 3, 1 or 0.
int points_for(Outcome outcome);

}  // namespace league
