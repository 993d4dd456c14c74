#include "league/check_attendances.h"

#include <algorithm>
#include <string>

#include "common/attendances/attendances_file.h"
#include "common/io/league_files.h"

namespace league {

void check_attendances(std::string_view text, const TableRead* table, CheckReport& report) {
  AttendancesRead read = read_attendances(text);
  if (read.problem) {
    read.problem->what += "; table_update refuses the file";
    report.problem(std::move(*read.problem));
    return;  // a team whose line does not read may well be there: none is named
  }
  if (table == nullptr) return;
  for (const TableEntry& row : table->rows) {
    if (std::none_of(read.rows.begin(), read.rows.end(),
                     [&](const AttendanceRow& kept) { return kept.Team == row.Team; })) {
      report.problem(kAttendancesFile, 0, "no row for " + row.Team + ", a team of " + kTableFile);
    }
  }
}

}  // namespace league
