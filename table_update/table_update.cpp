#include "table_update/table_update.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/results/results_file.h"
#include "common/safe_file/file_replacement.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "common/text/whole_file.h"
#include "table_update/attendance_update.h"
#include "table_update/attendances_file.h"
#include "table_update/table_file.h"
#include "table_update/table_results.h"

namespace league {

namespace {

const ToolInfo kTool{"table_update", "",
                     "Applies the results in results.txt to the league table table.txt in the\n"
                     "current directory, orders the table by points, goal difference and goals\n"
                     "for, and rewrites it. With the setting Attendances_Pack on in league.dat it\n"
                     "also recomputes each team's position factor in attendances.dat.\n"};

constexpr const char* kTableFile = "table.txt";
constexpr const char* kAttendancesFile = "attendances.dat";

std::string read_table_file() {
  auto text = read_whole_file(kTableFile);
  if (!text) throw ToolError("\nFailed to open file table.txt !!");
  return std::move(*text);
}

// What a successful run leaves behind: the new contents of both files and the
// console lines about attendances.
struct NewFiles {
  std::string table;
  std::optional<std::string> attendances;  // only with attendances maintained
  std::vector<std::string> missing_teams;  // table teams without an attendance row
};

// Puts the new files in place. Both are written completely before either
// replaces its old version, so a failed write changes neither file. Should the
// final rename of attendances.dat fail after table.txt was replaced, the old
// table is put back.
void replace_files(const NewFiles& files, const std::string& old_table) {
  FileReplacement table(kTableFile);
  if (!table.prepare(files.table)) throw ToolError("\nFailed to write file table.txt !!");
  FileReplacement attendances(kAttendancesFile);
  if (files.attendances && !attendances.prepare(*files.attendances))
    throw ToolError("\nFailed to write file attendances.dat !!");
  if (!table.commit()) throw ToolError("\nFailed to write file table.txt !!");
  if (files.attendances && !attendances.commit()) {
    replace_file(kTableFile, old_table);
    throw ToolError("\nFailed to write file attendances.dat !!");
  }
}

int update_league_files(std::istream& in, std::ostream& out) {
  load_league_settings_strict();
  // attendances.dat is read first, so a missing one stops the run before the
  // table is even opened.
  std::optional<std::vector<AttendanceRow>> attendances;
  if (setting_number("Attendances_Pack") != 0)
    attendances = read_attendances(read_attendances_file());

  const std::string old_table = read_table_file();
  const std::string results = read_results_file();
  std::vector<TableEntry> table = read_league_table(old_table);
  apply_round(table, results);
  order_league_table(table);

  NewFiles files{write_league_table(table), std::nullopt, {}};
  if (attendances) {
    for (const std::string_view team : update_position_factors(*attendances, table))
      files.missing_teams.emplace_back(team);
    files.attendances = write_attendances(*attendances);
  }

  replace_files(files, old_table);

  // The not-found lines belong before the success line; they are printed only
  // once both files are in place, so a failed write reports just its failure.
  for (const std::string& team : files.missing_teams)
    out << "ERROR:  Team " << team << " not found in attendances.dat file\n";
  out << "Table updated successfully\n";
  if (files.attendances) out << attendance_verdict(files.missing_teams.size());
  out << "Press a key.\n";
  wait_for_key(in, out);
  return 0;
}

}  // namespace

int run_table_update(const std::vector<std::string>& args, std::istream& in, std::ostream& out) {
  if (const auto answered = answer_standard_option(kTool, args, out)) return *answered;
  if (!args.empty()) return report_usage(kTool, out);
  try {
    return update_league_files(in, out);
  } catch (const ToolError& error) {
    return report_tool_error(error, in, out);
  }
}

}  // namespace league
