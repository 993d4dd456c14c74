#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/table/table_file.h"
#include "league/check/check_report.h"
#include "league/season/fixtures_file.h"

namespace league {

// `league check` of fixtures.txt, against table.txt's teams when it reads.
void check_fixtures_file(std::string_view text, const TableRead* table, CheckReport& report);

}  // namespace league
