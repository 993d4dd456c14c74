#pragma once

#include <string_view>
#include <vector>

#include "common/attendances/attendances_file.h"
#include "common/table/table_entry.h"

namespace league {

// Gives every attendance row the position factor of its team, taken from the
// ordered table: position, games played and the number of teams. Every row of a
// team is updated, and when a name stands twice in the table the lower entry
// decides. Rows whose team is not in the table keep their Pos. Returns the names
// of the table's teams that have no row, in table order.
std::vector<std::string_view> update_position_factors(std::vector<AttendanceRow>& rows,
                                                      const std::vector<TableEntry>& table);

}  // namespace league
