#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

#include "common/io/league_files.h"
#include "common/results/results_file.h"
#include "common/settings/league_settings.h"
#include "league/check/check_attendances.h"
#include "league/check/check_files.h"
#include "league/check/check_fixtures.h"
#include "league/check/check_form.h"
#include "league/check/check_history.h"
#include "league/check/check_league_dat.h"
#include "league/check/check_report.h"
#include "league/check/check_rosters.h"
#include "league/check/check_table.h"
#include "league/commands/command.h"
#include "league/publish/adjustment_text.h"
#include "league/season/round_check.h"
#include "league/season/typed_results.h"
#include "league/store/adjustments.h"
#include "league/store/league_keeps.h"
#include "league/store/withdrawals.h"

namespace league {

namespace {

// Checks results.txt as `league round` does before it applies a round; the
// problems and notes in file order.
// A result of an expunged club (the round just applied, say) is a note, as
// the club has left the table.
void check_results_file(std::string_view text, const TableRead& table,
                        const std::vector<Withdrawal>& withdrawals, CheckReport& report) {
  const std::vector<std::string> teams = team_names(table.rows);
  const TypedResults typed =
      read_typed_results(text, TeamNames(with_withdrawn(teams, withdrawals)));
  std::vector<ResultsEntry> results = read_results(typed.tools_text);
  for (ResultsEntry& entry : results) entry.line = typed.lines[entry.line - 1];
  std::vector<CheckFinding> findings;
  std::erase_if(results, [&](const ResultsEntry& entry) {
    const Withdrawal* withdrawal = withdrawal_in(entry, withdrawals);
    if (withdrawal == nullptr || !withdrawal->expunged) return false;
    findings.push_back({{kResultsFile, entry.line, withdrawal_line(*withdrawal)}, true});
    return true;
  });
  const RoundCheck check = check_round(results, teams);
  for (const Diagnostic& problem : typed.problems) findings.push_back({problem, false});
  for (const Diagnostic& problem : check.problems) findings.push_back({problem, false});
  for (const Diagnostic& note : check.notes) findings.push_back({note, true});
  std::stable_sort(findings.begin(), findings.end(), [](const auto& a, const auto& b) {
    return a.diagnostic.line < b.diagnostic.line;
  });
  for (CheckFinding& finding : findings) {
    if (finding.note)
      report.note(std::move(finding.diagnostic));
    else
      report.problem(std::move(finding.diagnostic));
  }
}

// The time zone and the grounds that history/ keeps: a file that does not
// read is a problem, line by line.
void check_league_records(CheckReport& report) {
  if (const KeptZone zone = kept_time_zone(); zone.problem)
    report.problem(kTimeZoneFile, 1, *zone.problem);
  for (const auto& [line, problem] : kept_grounds().problems)
    report.problem(kGroundsFile, static_cast<std::size_t>(line), problem);
}

// league.dat checked, and read for the files it turns on.
LeagueSettings checked_settings(CheckReport& report) {
  const auto text = read_checked_file(kSettingsFile, report);
  if (!text) {
    report.problem(kSettingsFile, 0, "missing; table_update does not run without it");
    return {};
  }
  check_league_dat(*text, report);
  return read_league_settings(*text);
}

}  // namespace

// Reads every file of the league in the current directory, as the tools read
// them, and lists what is wrong; it writes no file.
int check_league(CommandContext& context) {
  std::ostream& out = context.out;
  CheckReport report;

  const LeagueSettings settings = checked_settings(report);

  // The points adjustments that history/ keeps explain a Pts other than 3W+D.
  AdjustmentsRead adjustments = read_recorded_adjustments();
  for (Diagnostic& problem : adjustments.problems) report.problem(std::move(problem));
  WithdrawalsRead withdrawals = read_recorded_withdrawals();
  for (Diagnostic& problem : withdrawals.problems) report.problem(std::move(problem));

  std::optional<TableRead> table;
  if (const auto text = read_checked_file(kTableFile, report)) {
    table = check_table(*text, report, adjusted_points(adjustments.adjustments));
  } else {
    report.problem(kTableFile, 0, "missing; table_update and league round need it");
  }
  const TableRead* teams = table ? &*table : nullptr;

  if (const auto text = read_checked_file(kFormFile, report)) {
    check_form(*text, teams, report);
  } else {
    report.problem(kFormFile, 0, "missing or unreadable; form_update and league round need it");
  }

  if (settings.number("Attendances_Pack") != 0) {
    if (const auto text = read_checked_file(kAttendancesFile, report)) {
      check_attendances(*text, teams, report);
    } else {
      report.problem(kAttendancesFile, 0,
                     "missing, but Attendances_Pack is on; table_update does not run without it");
    }
  }

  if (const auto text = read_checked_file(kResultsFile, report)) {
    if (teams != nullptr)
      check_results_file(*text, *teams, withdrawals.withdrawals, report);
    else
      report.note(kResultsFile, 0, std::string("not checked, as ") + kTableFile + " does not read");
  }

  if (const auto text = read_checked_file(kFixturesFile, report)) {
    check_fixtures_file(*text, teams, report);
  }

  if (const auto text = read_checked_file(kTeamsDirFile, report)) {
    check_rosters(*text, settings.roster_layout(), report);
  }
  check_league_records(report);

  check_history(table && !table->problem ? &table->rows : nullptr, report);

  report.print(out);
  return report.problems() == 0 ? 0 : 1;
}

CommandRun check_command(CLI::App&) {
  return check_league;
}

}  // namespace league
