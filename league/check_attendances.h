#pragma once

#include <string_view>

#include "league/check_report.h"
#include "league/check_table.h"

namespace league {

// Checks the text of attendances.dat, which table_update reads when
// Attendances_Pack is on: every line it refuses and, when `table` is given,
// every team of table.txt without a row.
void check_attendances(std::string_view text, const CheckedTable* table, CheckReport& report);

}  // namespace league
