#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"
#include "common/table/table_file.h"
#include "league/check_report.h"
#include "league/fixtures_file.h"

namespace league {

// Every problem of fixtures.txt as read, in line order: the lines that do not
// read and, when `table_teams` are given, what check_fixtures finds against
// them (an unknown team, a team twice in a round or against itself, a pairing
// twice, rounds out of order).
std::vector<Diagnostic> fixtures_file_problems(const FixturesReading& reading,
                                               const std::vector<std::string>* table_teams);

// `league check` of fixtures.txt, against table.txt's teams when it reads.
void check_fixtures_file(std::string_view text, const TableRead* table, CheckReport& report);

}  // namespace league
