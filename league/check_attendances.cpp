#include "league/check_attendances.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/console/tool_error.h"
#include "common/text/lines.h"
#include "table_update/attendances_file.h"

namespace league {

namespace {

constexpr const char* kFile = "attendances.dat";

}  // namespace

void check_attendances(std::string_view text, const CheckedTable* table, CheckReport& report) {
  // table_update ignores the first line and reads every other line by itself,
  // so a line read behind an empty first line reads as it does in the file.
  LineReader lines(text);
  lines.next();
  std::vector<std::string> teams;
  bool damaged = false;
  while (const auto line = lines.next()) {
    try {
      for (const AttendanceRow& row : read_attendances(std::string(1, '\n').append(*line))) {
        teams.push_back(row.Team);
      }
    } catch (const ToolError&) {
      report.problem(kFile, lines.line_number(),
                     "does not read as a team and eleven whole numbers; table_update refuses "
                     "the file");
      damaged = true;
    }
  }
  // A team whose line does not read may well be there: it is not named.
  if (table == nullptr || damaged) return;
  for (const TableEntry& row : table->rows) {
    if (std::find(teams.begin(), teams.end(), row.Team) == teams.end()) {
      report.problem(kFile, 0, "no row for " + row.Team + ", a team of table.txt");
    }
  }
}

}  // namespace league
