#include <algorithm>
#include <ostream>

#include "common/io/league_files.h"
#include "common/table/table_file.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/publish/adjustment_text.h"
#include "league/season/season_schedule.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/league_name.h"
#include "league/store/reading.h"

namespace league {

namespace {

// "round 3, 2026-08-22 15:00": a fixture's round and, when it has one, its date.
std::string when(int round, const std::optional<Date>& date, const std::optional<TimeOfDay>& time) {
  std::string text = "round " + std::to_string(round);
  if (date) text += ", " + format_date(*date);
  if (date && time) text += ' ' + format_time(*time);
  return text;
}

// Every recorded adjustment as adjustment_line gives it, oldest first; one
// that does not read gives its problem instead
// ("history/2/adjustments/1/adjustment:2: ...").
std::vector<std::string> adjustment_lines() {
  std::vector<std::string> lines;
  for (const auto& [round, number] : adjustment_places()) {
    const AdjustmentFileRead one = read_recorded_adjustment(round, number);
    lines.push_back(one.problem ? describe(*one.problem) : adjustment_line(one.adjustment));
  }
  return lines;
}

}  // namespace

int show_status(CommandContext& context) {
  std::ostream& out = context.out;
  const auto table_text = read_league_file_bytes(kTableFile);
  if (!table_text) fail({kTableFile, 0, "cannot be opened"});
  const TableRead table = read_league_table(table_text->text, kTableFile);
  if (table.problem) fail(*table.problem);
  const std::vector<std::string> teams = team_names(table.rows);
  const Matchdays matchdays = league_matchdays(teams);

  if (const auto name = league_name()) out << *name << '\n';
  const std::size_t rounds = recorded_rounds().size();
  if (rounds == 0) {
    out << "No round applied yet.\n";
  } else {
    out << "Rounds applied: " << rounds;
    if (const auto applied = round_applied_at(matchdays.last_round))
      out << ", the last (round " << matchdays.last_round << ") on " << *applied;
    out << ".\n";
  }
  if (!table.rows.empty() && table.rows.front().P > 0) out << leader_line(table.rows.front());
  if (!matchdays.results.empty()) {
    out << "\nRound " << matchdays.last_round << "'s results:\n";
    for (const AppliedMatch& match : matchdays.results) out << "  " << result_text(match) << '\n';
  }
  if (const std::vector<std::string> adjustments = adjustment_lines(); !adjustments.empty()) {
    out << "\nPoints adjustments:\n";
    for (const std::string& line : adjustments) out << "  " << line << '\n';
  }
  if (!matchdays.fixtures) return 0;

  const SeasonSchedule& schedule = matchdays.schedule;
  out << "\nPostponed:" << (schedule.postponed.empty() ? " none\n" : "\n");
  for (const FixtureState& fixture : schedule.postponed) {
    out << "  " << pairing_text(fixture.home, fixture.away) << " ("
        << when(fixture.round, fixture.date, fixture.time) << ")\n";
  }
  if (schedule.next.empty()) {
    const bool all_played = std::all_of(schedule.fixtures.begin(), schedule.fixtures.end(),
                                        [](const FixtureState& fixture) { return fixture.played; });
    out << "\nNext: "
        << (all_played ? "nothing; every fixture has its result.\n"
                       : "no round after round " + std::to_string(schedule.current_round) + " in " +
                             kFixturesFile + ".\n");
    return 0;
  }
  const FixtureState& first = schedule.next.front();
  out << "\nNext: " << when(first.round, first.date, first.time) << "\n";
  for (const FixtureState& fixture : schedule.next)
    out << "  " << pairing_text(fixture.home, fixture.away) << '\n';
  return 0;
}

CommandRun status_command(CLI::App&) {
  return show_status;
}

}  // namespace league
