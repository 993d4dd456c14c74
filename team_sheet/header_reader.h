#pragma once

#include <string_view>

#include "team_sheet/extended_player.h"

namespace league {

// Reads a roster whose columns are found by the names in its header line: a
// single-section roster in any column order, or a two-section roster whose
// player rows are followed by a separator line and a section of statistics
// rows. Fills slots 1 to at most `capacity` of `squad` (grown to hold them) in
// roster order and keeps the number of sections in slot 1. Returns the number
// of rows read: the player rows of a single-section roster, the statistics rows
// of a two-section one. Never fails; what it cannot use it skips.
int read_roster_by_header(std::string_view roster, SquadTable& squad, int capacity);

}  // namespace league
