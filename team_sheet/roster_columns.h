#pragma once

#include <string_view>

#include "team_sheet/extended_player.h"

namespace league {

// The two kinds of section a header-driven roster has: the player rows (the
// only section of a single-section roster) and the season statistics.
enum class RosterSection { kPlayers, kStatistics };

// Writes the column-absent markers into a player before its row is read: -999
// for the abilities, -1 for the optional statistics and Fit, "NONE" for Wage,
// Value and Status. Whatever the row's header does not name keeps its marker.
void set_column_defaults(ExtendedPlayer& player);

// Stores one row token under the column named `column`, if that name is a
// column of the section (compared exactly, letter case counting). Integer
// columns take the number at the start of the token, text columns the whole
// token. Returns false for a name the section does not know.
bool store_column(ExtendedPlayer& player, RosterSection section, std::string_view column,
                  std::string_view token);

}  // namespace league
