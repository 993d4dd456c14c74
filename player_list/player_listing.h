#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/roster/player.h"

namespace league {

// The all-players listing for roster layout `layout`: the header line with a Team column in front
// of the roster's own columns, a dash line as long, and one row per player, in `order`: the
// positions of the players in listing order.
// Values longer than their column are written whole and push the rest of their
// row to the right. Empty for a layout outside 1..8 (no roster was read).
std::string format_listing(const std::vector<Player>& players,
                           const std::vector<std::size_t>& order, int layout);

// Replaces all_plrs.txt with the listing; throws ToolError with "Error !
// Unable to open file all_plrs.txt" when it cannot be written, leaving the old
// file as it was.
void write_player_list(const std::vector<Player>& players, const std::vector<std::size_t>& order,
                       int layout);

}  // namespace league
