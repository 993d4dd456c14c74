#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "table_update/table_entry.h"

namespace league {

// Reads the contents of table.txt token by token, so column widths and line
// breaks do not matter: ten header words and the dash line are skipped, then
// every row is a position (discarded), a team name and the eight counters. All
// rows are read, however many. A row cut short or holding a non-integer where a
// number stands ends the run with "\nError ! Invalid row %d in table.txt !!".
std::vector<TableEntry> read_league_table(std::string_view text);

// The new contents of table.txt: the header, the dash line and one row per
// entry, numbered from 1 in table order. A longer name or value widens its
// column on that row instead of being cut.
std::string format_league_table(const std::vector<TableEntry>& table);

}  // namespace league
