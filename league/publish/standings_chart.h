#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "league/publish/standings_data.h"

namespace league {

// The colour of the team at this place (0-based) of the table, the same on
// its chart line and beside its name in the table.
std::string_view team_colour(std::size_t place);

// An inline SVG chart of every table team's position after each recorded
// round: one line per team, position 1 at the top, a point with a title for
// every round, the team's name at the end of its line. Empty when no round is
// recorded.
std::string position_chart(const Standings& standings);

}  // namespace league
