#include "table_update/run_table_update.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/attendances/attendances_file.h"
#include "common/console/command_line.h"
#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "common/round/round_console.h"
#include "common/round/round_update.h"
#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "common/table/table_file.h"

namespace league {

namespace {

const ToolInfo kTool{"table_update", "",
                     "Applies the results in results.txt to the league table table.txt in the\n"
                     "current directory, orders the table by points, goal difference and goals\n"
                     "for, and rewrites it. With the setting Attendances_Pack on in league.dat it\n"
                     "also recomputes each team's position factor in attendances.dat.\n"};

// The league's files after the round, read and computed in memory.
struct League {
  RoundTables tables;
  std::vector<std::string> without_attendances;
};

League read_and_update() {
  load_league_settings_strict();
  League league;
  // attendances.dat is read first, so a missing one stops the run before the
  // table is even opened.
  if (setting_number("Attendances_Pack") != 0) {
    const std::string text = read_league_file_or_fail(
        kAttendancesFile, "\nError. Failed to open " + std::string(kAttendancesFile) + " file\n");
    AttendancesRead read = read_attendances(text);
    if (read.problem) {
      throw ToolError("\nError ! Invalid line " + std::to_string(read.problem->line) + " in " +
                      kAttendancesFile + " !!");
    }
    league.tables.attendances = std::move(read.rows);
  }
  const std::string table = read_league_file_or_fail(
      kTableFile, "\nFailed to open file " + std::string(kTableFile) + " !!");
  const std::string results = read_results_file_or_fail();
  TableRead read = read_league_table(table, kTableFile);
  if (read.problem) {
    throw ToolError("\nError ! Invalid row " + std::to_string(read.rows.size() + 1) + " in " +
                    kTableFile + " !!");
  }
  league.tables.table = std::move(read.rows);
  RoundUpdate update = apply_round(league.tables, read_results(results));
  if (update.failure) refuse_round(*update.failure);
  league.without_attendances = std::move(update.without_attendances);
  return league;
}

// Puts the new files in place. Both files are written completely before
// either replaces its old version, and should attendances.dat fail to take its
// place after table.txt did, the old table is put back: a failed run changes
// neither file.
void write_league_files(const League& league) {
  std::vector<FileUpdate> updates{{kTableFile, format_league_table(*league.tables.table)}};
  if (league.tables.attendances)
    updates.push_back({kAttendancesFile, format_attendances(*league.tables.attendances)});
  const TogetherOutcome outcome = replace_files_together(updates);
  if (!outcome.failed) return;
  std::string message = "\nFailed to write file " + *outcome.failed + " !!";
  // Putting the old table back failed as well: the round is half applied.
  if (!outcome.left_new.empty()) {
    message += "\n" + std::string(kTableFile) + " holds the updated table; " + kAttendancesFile +
               " was not updated\n";
  }
  throw ToolError(message);
}

int update_league_files(std::istream& in, std::ostream& out) {
  const League league = read_and_update();
  write_league_files(league);

  // The not-found lines belong before the success line; they are printed only
  // once both files are in place, so a failed write reports just its failure.
  for (const std::string& team : league.without_attendances)
    out << "ERROR:  Team " << team << " not found in " << kAttendancesFile << " file\n";
  out << "Table updated successfully\n";
  if (league.tables.attendances) {
    out << (league.without_attendances.empty()
                ? "Attendances.dat position data updated succesfully\n"
                : "Problems arose when updating the attendances.dat\n");
  }
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
