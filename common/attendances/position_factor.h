#pragma once

#include <cstdint>

namespace league {

// The attendance position factor of a team with `games` played that stands at
// `position` (1 = top) in a table of `teams` teams. Early in the season it
// depends mostly on the games played; from six games on (and for a negative
// count) it is 110 less the team's share of the table in percent. Every division
// truncates toward zero and is done on its own before the sum.
std::int32_t position_factor(std::int32_t games, std::int64_t position, std::int64_t teams);

}  // namespace league
