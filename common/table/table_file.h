#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/table/table_entry.h"

namespace league {

// What table.txt holds as far as it reads.
struct TableRead {
  std::vector<TableEntry> rows;
  std::vector<std::size_t> lines;     // the line each row starts on, from 1
  std::optional<Diagnostic> problem;  // the row after the last one read does not read
};

// Reads the contents of table.txt token by token, so column widths and line
// breaks do not matter: ten header words and the dash line are skipped, then
// every row is a position (discarded), a team name and the eight counters. All
// rows are read, however many. Reading stops at a row cut short or holding a
// non-integer where a number stands: row rows.size() + 1 is the damaged one.
// `file` names the table in the problem (a table kept in history/ too).
TableRead read_league_table(std::string_view text, const std::string& file);

// The new contents of table.txt: the header, the dash line and one row per
// entry, numbered from 1 in table order. A longer name or value widens its
// column on that row instead of being cut.
std::string format_league_table(const std::vector<TableEntry>& table);

// The teams of the table, in its order.
inline std::vector<std::string> team_names(const std::vector<TableEntry>& table) {
  std::vector<std::string> teams;
  for (const TableEntry& row : table) teams.push_back(row.Team);
  return teams;
}

}  // namespace league
