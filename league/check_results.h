#pragma once

#include <string_view>

#include "league/check_report.h"
#include "league/check_table.h"

namespace league {

// Checks the text of results.txt against the teams of table.txt as
// `league round` checks it before applying a round.
void check_results(std::string_view text, const CheckedTable& table, CheckReport& report);

}  // namespace league
