#include "common/attendances/attendance_update.h"

#include <cstddef>
#include <cstdint>

#include "common/attendances/position_factor.h"
#include "common/results/team_index.h"

namespace league {

std::vector<std::string_view> update_position_factors(std::vector<AttendanceRow>& rows,
                                                      const std::vector<TableEntry>& table) {
  // The table's names, bottom up: when a name stands twice in the table, the
  // lower entry is found, as its factor is the one a top-down pass leaves.
  TeamIndex bottom_up(table.size());
  // For each entry, the position of the lowest entry of its name (1 at the top).
  std::vector<std::size_t> lowest(table.size());
  for (std::size_t i = table.size(); i-- > 0;)
    lowest[i] = table.size() - bottom_up.add(table[i].Team);

  const auto teams = static_cast<std::int64_t>(table.size());
  std::vector<bool> has_row(table.size(), false);
  for (AttendanceRow& row : rows) {
    const auto found = bottom_up.find_team(row.Team);
    if (!found) continue;
    const std::size_t position = table.size() - *found;  // 1 at the top
    const TableEntry& entry = table[position - 1];
    row.Pos = position_factor(entry.P, static_cast<std::int64_t>(position), teams);
    has_row[position - 1] = true;
  }
  // Every entry of a name shares the rows of the lowest one.
  std::vector<std::string_view> missing;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!has_row[lowest[i] - 1]) missing.push_back(table[i].Team);
  }
  return missing;
}

}  // namespace league
