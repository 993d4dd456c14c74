#pragma once

#include <string_view>

#include "common/table/table_file.h"
#include "league/check/check_report.h"

namespace league {

// Checks the text of form.txt: the row where form_update stops reading, form
// letters other than W, D and L, a team with two rows and, when `table` is
// given, teams that are not those of table.txt.
void check_form(std::string_view text, const TableRead* table, CheckReport& report);

}  // namespace league
