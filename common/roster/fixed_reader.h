#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "common/roster/player.h"
#include "common/roster/roster_layout.h"
#include "common/text/lines.h"

namespace league {

// Reads the player lines of a single-section roster whose layout is known
// (1..8): skips the two header lines, then scans each line for the layout's
// values in file order. A line that yields all of them is a player; any other
// line is skipped and its slot is used again. Values are separated by white
// space; an integer is an optional sign and digits, and ends at the first
// other character, where the next value starts. Values after the layout's
// last are ignored, and an integer beyond 32 bits makes the line not fit.
//
// Players go to table[0], table[1], ... in file order; the table is grown to
// `capacity` records if smaller but never cleared, so fields the layout lacks
// keep what the table held. Reading stops once `capacity` players are placed,
// leaving the reader at the first line not read. Returns the number of players
// (0 for a layout outside 1..8).
//
// When `lines` is given it receives where each piece went: the physical line
// (from 1) of every player placed, and of every piece passed over that is not
// blank.
struct RosterLines {
  std::vector<std::size_t> players;
  std::vector<std::size_t> passed_over;
};
int read_roster_fixed(LineReader& roster, std::vector<Player>& table, int capacity, int layout,
                      RosterLines* lines = nullptr);

// The same for a whole roster text, read in pieces of kRosterLinePiece.
int read_roster_fixed(std::string_view roster, std::vector<Player>& table, int capacity, int layout,
                      RosterLines* lines = nullptr);

}  // namespace league
