#include "league/check/check_attendances.h"

#include <string>
#include <unordered_set>

#include "common/attendances/attendances_file.h"
#include "common/io/league_files.h"
#include "league/check/team_agreement.h"
#include "league/names/team_name.h"

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
  const TeamNames names(team_names(table->rows));
  // A row of a team that table.txt lacks is no fault of the tools, unless it
  // is one of the table's clubs named another way.
  for (const AttendanceRow& row : read.rows) {
    if (names.find_exact(row.Team) || names.find(written_form(row.Team)).suggestions.size() != 1)
      continue;
    report.problem(kAttendancesFile, 0, unknown_team_problem(row.Team, names));
  }
  for (const TableEntry& row : table->rows) {
    if (kept.count(row.Team) == 0) {
      report.problem(kAttendancesFile, 0,
                     "no row for " + written_form(row.Team) + ", a team of " + kTableFile);
    }
  }
}

}  // namespace league
