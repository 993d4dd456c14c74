#pragma once

#include <string_view>

#include "league/check_report.h"
#include "league/check_table.h"

namespace league {

// Checks the text of form.txt: rows form_update refuses, form letters other
// than W, D and L, a team with two rows and, when `table` is given, teams
// that are not those of table.txt.
void check_form(std::string_view text, const CheckedTable* table, CheckReport& report);

}  // namespace league
