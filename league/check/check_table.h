#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/table/table_file.h"
#include "league/check/check_report.h"

namespace league {

// Checks the text of table.txt as table_update reads it: the row where
// reading stops, then in every row read P against W+D+L and GD against GF-GA,
// a team named twice or named "No" (a name table_update drops from
// attendances.dat), and, when the whole table reads, the totals (W against L,
// GF against GA, even totals of D and P) and the order table_update leaves. A
// Pts other than 3W+D is a note: points can be deducted. Returns the table
// when it reads whole, nothing otherwise. `adjusted` holds the points that
// `league adjust` recorded for each team: a Pts that differs from 3W+D by
// exactly those is no note.
std::optional<TableRead> check_table(std::string_view text, CheckReport& report,
                                     const std::map<std::string, std::int64_t>& adjusted = {});

}  // namespace league
