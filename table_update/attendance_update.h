#pragma once

#include <string_view>
#include <vector>

#include "table_update/attendances_file.h"
#include "table_update/table_entry.h"

namespace league {

// Gives every attendance row the position factor of its team, taken from the
// ordered table: position, games played and the number of teams. Every row of a
// team is updated, and when a name stands twice in the table the lower entry
// decides. Rows whose team is not in the table keep their Pos. Returns the names
// of the table's teams that have no row, in table order.
std::vector<std::string_view> update_position_factors(std::vector<AttendanceRow>& rows,
                                                      const std::vector<TableEntry>& table);

// The closing line about attendances.dat after the table was updated.
std::string_view attendance_verdict(std::size_t problems);

}  // namespace league
