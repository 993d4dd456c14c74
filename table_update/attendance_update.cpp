#include "table_update/attendance_update.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "table_update/position_factor.h"

namespace league {

std::vector<std::string_view> update_position_factors(std::vector<AttendanceRow>& rows,
                                                      const std::vector<TableEntry>& table) {
  // Which rows carry each name, so each table entry finds all of its rows at once.
  std::unordered_map<std::string_view, std::vector<std::size_t>> rows_of;
  rows_of.reserve(rows.size());
  for (std::size_t q = 0; q < rows.size(); ++q) rows_of[rows[q].Team].push_back(q);

  std::vector<std::string_view> missing;
  const auto teams = static_cast<std::int64_t>(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const TableEntry& entry = table[i];
    const auto found = rows_of.find(entry.Team);
    if (found == rows_of.end()) {
      missing.push_back(entry.Team);
      continue;
    }
    const std::int32_t factor = position_factor(entry.P, static_cast<std::int64_t>(i) + 1, teams);
    for (const std::size_t q : found->second) rows[q].Pos = factor;
  }
  return missing;
}

std::string_view attendance_verdict(std::size_t problems) {
  return problems == 0 ? "Attendances.dat position data updated succesfully\n"
                       : "Problems arose when updating the attendances.dat\n";
}

}  // namespace league
