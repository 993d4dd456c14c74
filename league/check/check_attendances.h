#pragma once

#include <string_view>

#include "common/table/table_file.h"
#include "league/check/check_report.h"

namespace league {

// Checks the text of attendances.dat, which table_update reads when
// Attendances_Pack is on: the line where it stops reading and, when `table`
// is given, every team of table.txt without a row.
void check_attendances(std::string_view text, const TableRead* table, CheckReport& report);

}  // namespace league
