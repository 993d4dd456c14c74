#include "league/check/check_attendances.h"

#include <string>
#include <unordered_set>

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
  std::unordered_set<std::string_view> kept;
  for (const AttendanceRow& row : read.rows) kept.insert(row.Team);
  for (const TableEntry& row : table->rows) {
    if (kept.count(row.Team) == 0) {
      report.problem(kAttendancesFile, 0, "no row for " + row.Team + ", a team of " + kTableFile);
    }
  }
}

}  // namespace league
