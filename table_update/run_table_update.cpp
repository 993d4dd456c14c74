#include "table_update/run_table_update.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
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

// The league's files after the round, read and computed in memory.
struct League {
  std::vector<TableEntry> table;
  std::optional<std::vector<AttendanceRow>> attendances;  // only with attendances maintained
};

League read_and_update() {
  load_league_settings_strict();
  League league;
  // attendances.dat is read first, so a missing one stops the run before the
  // table is even opened.
  if (setting_number("Attendances_Pack") != 0)
    league.attendances = read_attendances(read_attendances_file());
  const std::string table =
      read_league_file_or_fail(kTableFile, "\nFailed to open file table.txt !!");
  const std::string results = read_results_file();
  league.table = read_league_table(table);
  apply_round(league.table, results);
  order_league_table(league.table);
  return league;
}

// Writes the new files and puts them in place; returns the table teams without
// an attendance row. Both files are written completely before either replaces
// its old version, and should attendances.dat fail to take its place after
// table.txt did, the old table is put back: a failed run changes neither file.
std::vector<std::string> write_league_files(League& league) {
  std::vector<FileUpdate> updates{{kTableFile, format_league_table(league.table)}};
  std::vector<std::string> missing;
  if (league.attendances) {
    for (const std::string_view team : update_position_factors(*league.attendances, league.table))
      missing.emplace_back(team);
    updates.push_back({kAttendancesFile, format_attendances(*league.attendances)});
  }
  const TogetherOutcome outcome = replace_files_together(updates);
  if (!outcome.failed) return missing;
  std::string message = "\nFailed to write file " + *outcome.failed + " !!";
  // Putting the old table back failed as well: the round is half applied.
  if (!outcome.left_new.empty())
    message += "\ntable.txt holds the updated table; attendances.dat was not updated\n";
  throw ToolError(message);
}

int update_league_files(std::istream& in, std::ostream& out) {
  League league = read_and_update();
  const std::vector<std::string> missing = write_league_files(league);

  // The not-found lines belong before the success line; they are printed only
  // once both files are in place, so a failed write reports just its failure.
  for (const std::string& team : missing)
    out << "ERROR:  Team " << team << " not found in attendances.dat file\n";
  out << "Table updated successfully\n";
  if (league.attendances) out << attendance_verdict(missing.size());
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
