#include <optional>
#include <ostream>
#include <string>

#include "common/settings/league_settings.h"
#include "common/settings/settings_store.h"
#include "league/check_attendances.h"
#include "league/check_files.h"
#include "league/check_form.h"
#include "league/check_league_dat.h"
#include "league/check_report.h"
#include "league/check_results.h"
#include "league/check_rosters.h"
#include "league/check_table.h"
#include "league/commands.h"

namespace league {

// Reads every file of the league in the current directory, as the tools read
// them, and lists what is wrong; it writes no file. The settings of league.dat
// are loaded as the tools load them, so the process environment counts too.
int check_league(std::ostream& out) {
  CheckReport report;

  if (const auto text = read_checked_file("league.dat", report)) {
    check_league_dat(*text, report);
  } else {
    report.problem("league.dat", 0, "missing; table_update does not run without it");
  }
  const int layout = load_league_settings();

  std::optional<CheckedTable> table;
  if (const auto text = read_checked_file("table.txt", report)) {
    table = check_table(*text, report);
  } else {
    report.problem("table.txt", 0, "missing; table_update and league round need it");
  }
  const CheckedTable* teams = table ? &*table : nullptr;

  if (const auto text = read_checked_file("form.txt", report)) check_form(*text, teams, report);

  if (setting_number("Attendances_Pack") != 0) {
    if (const auto text = read_checked_file("attendances.dat", report)) {
      check_attendances(*text, teams, report);
    } else {
      report.problem("attendances.dat", 0,
                     "missing, but Attendances_Pack is on; table_update does not run without it");
    }
  }

  if (const auto text = read_checked_file("results.txt", report)) {
    if (teams != nullptr)
      check_results(*text, *teams, report);
    else
      report.note("results.txt", 0, "not checked, as table.txt does not read");
  }

  if (const auto text = read_checked_file("teams.dir", report)) {
    check_rosters(*text, layout, report);
  }

  report.print(out);
  return report.problems() == 0 ? 0 : 1;
}

}  // namespace league
