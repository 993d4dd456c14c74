#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "common/io/league_files.h"
#include "common/table/table_file.h"
#include "common/text/wording.h"
#include "league/commands/command.h"
#include "league/publish/adjustment_text.h"
#include "league/publish/standings_after.h"
#include "league/season/round_fixtures.h"
#include "league/season/season_schedule.h"
#include "league/store/adjustments.h"
#include "league/store/history.h"
#include "league/store/league_keeps.h"
#include "league/store/league_name.h"
#include "league/store/reading.h"

namespace league {

namespace {

// "2026-08-22 15:00".
std::string day_text(const Date& date, const std::optional<TimeOfDay>& time) {
  return format_date(date) + (time ? ' ' + format_time(*time) : std::string());
}

// "round 3, 2026-08-22 15:00": a fixture's round and, when it has one, its date.
std::string when(int round, const std::optional<Date>& date, const std::optional<TimeOfDay>& time) {
  return "round " + std::to_string(round) + (date ? ", " + day_text(*date, time) : std::string());
}

// "round 5, rearranged, 2027-02-24 19:45": a rescheduled fixture's round,
// what happened and its new day.
std::string fixture_when(const FixtureState& fixture) {
  if (fixture.rescheduling() == Rescheduling::kNone)
    return when(fixture.round(), fixture.date(), fixture.time());
  std::string text = "round " + std::to_string(fixture.round()) + ", " +
                     std::string(rescheduling_word(fixture.rescheduling()));
  if (fixture.date()) text += ", " + day_text(*fixture.date(), fixture.time());
  return text;
}

// A result of the last entry, with its fixture's day and an award's reason.
std::string result_line(const AppliedMatch& match, const SeasonSchedule* schedule) {
  std::string line = result_text(match);
  std::vector<std::string> notes;
  const FixtureState* fixture = schedule ? schedule->find(match.home, match.away) : nullptr;
  if (fixture && fixture->date()) notes.push_back(format_date(*fixture->date()));
  if (!match.awarded.empty()) notes.push_back("awarded: " + match.awarded);
  if (notes.empty()) return line;
  line += " (" + notes.front();
  for (std::size_t k = 1; k < notes.size(); ++k) line += ", " + notes[k];
  return line + ")";
}

// The last entry's results under their heading: "Round 2's results:".
void results_lines(std::ostream& out, const Matchdays& matchdays) {
  if (matchdays.results.empty()) return;
  const SeasonSchedule* schedule = matchdays.fixtures ? &matchdays.schedule : nullptr;
  const std::string heading =
      schedule ? results_heading(matchdays.results, *schedule, matchdays.last_round)
               : "Round " + std::to_string(matchdays.last_round);
  out << '\n'
      << (heading.rfind("Round ", 0) == 0 ? heading + "'s results:" : "Latest: " + heading + ":")
      << '\n';
  for (const AppliedMatch& match : matchdays.results)
    out << "  " << result_line(match, schedule) << '\n';
}

// "Rounds applied: 2, the last (round 2) on ...", or with fixtures.txt the
// current round as it numbers the rounds.
void applied_line(std::ostream& out, const Matchdays& matchdays) {
  const std::size_t rounds = recorded_rounds().size();
  if (rounds == 0) {
    out << "No round applied yet.\n";
    return;
  }
  const auto applied = round_applied_at(matchdays.last_round);
  if (matchdays.fixtures) {
    out << "Current round: " << matchdays.schedule.current_round;
    if (applied) out << "; results last entered on " << *applied;
    out << ".\n";
    return;
  }
  out << "Rounds applied: " << rounds;
  if (applied) out << ", the last (round " << matchdays.last_round << ") on " << *applied;
  out << ".\n";
}

// Every recorded adjustment as adjustment_line gives it, oldest first; one
// that does not read gives its problem instead
// ("history/2/adjustments/1/adjustment:2: ...").
std::vector<std::string> adjustment_lines() {
  std::vector<std::string> lines;
  for (const HistoryEntry& entry : recorded_entries(HistoryEntry::Kind::kAdjustment)) {
    const AdjustmentFileRead one = read_recorded_adjustment(entry.round, entry.number);
    lines.push_back(one.problem ? describe(*one.problem) : adjustment_line(one.adjustment));
  }
  return lines;
}

// The postponed fixtures, then the next round's, or why there is none.
void schedule_lines(std::ostream& out, const SeasonSchedule& schedule) {
  out << "\nPostponed:" << (schedule.postponed.empty() ? " none\n" : "\n");
  for (const FixtureState& fixture : schedule.postponed) {
    out << "  " << pairing_text(fixture.home(), fixture.away()) << " (" << fixture_when(fixture)
        << ")\n";
  }
  if (schedule.next.empty()) {
    const bool all_played = std::all_of(schedule.fixtures.begin(), schedule.fixtures.end(),
                                        [](const FixtureState& fixture) { return fixture.played; });
    out << "\nNext: "
        << (all_played ? "nothing; every fixture has its result.\n"
                       : "no round after round " + std::to_string(schedule.current_round) + " in " +
                             kFixturesFile + ".\n");
    return;
  }
  const FixtureState& first = schedule.next.front();
  out << "\nNext: " << when(first.round(), first.date(), first.time()) << "\n";
  for (const FixtureState& fixture : schedule.next) {
    out << "  " << pairing_text(fixture.home(), fixture.away());
    if (fixture.round() != first.round() || fixture.rescheduling() != Rescheduling::kNone)
      out << " (" << fixture_when(fixture) << ")";
    out << '\n';
  }
}

}  // namespace

int show_status(CommandContext& context) {
  std::ostream& out = context.out;
  const TableRead table = league_table_or_fail("").read;
  const std::vector<std::string> teams = team_names(table.rows);
  const Matchdays matchdays = league_matchdays(teams);

  if (const auto name = league_name()) out << *name << '\n';
  const KeptZone zone = kept_time_zone();
  if (zone.zone)
    out << "Time zone: " << zone.zone->name << ".\n";
  else
    out << "Time zone: none kept; fixture times are read in this computer's (league zone NAME "
           "keeps one).\n";
  applied_line(out, matchdays);
  if (!table.rows.empty() && table.rows.front().P > 0) out << leader_line(table.rows.front());
  results_lines(out, matchdays);
  if (const std::vector<std::string> adjustments = adjustment_lines(); !adjustments.empty()) {
    out << "\nPoints adjustments:\n";
    for (const std::string& line : adjustments) out << "  " << line << '\n';
  }
  if (const std::vector<Withdrawal> withdrawals = league_withdrawals(); !withdrawals.empty()) {
    out << "\nWithdrawn:\n";
    for (const Withdrawal& withdrawal : withdrawals)
      out << "  " << withdrawal_line(withdrawal) << '\n';
  }
  if (matchdays.fixtures) schedule_lines(out, matchdays.schedule);
  return 0;
}

// The table after round n as table.txt lays it out, with that round's
// results and the adjustments made up to then.
int show_status_after(int n, CommandContext& context) {
  std::ostream& out = context.out;
  Standings standings = league_standings();
  if (auto problem = wind_back_to_round(standings, n, "league status --after")) fail(*problem);

  if (!standings.league.empty()) out << standings.league << '\n';
  out << "Table after round " << n;
  if (!standings.date.empty()) out << " (results entered by " << standings.date << ")";
  out << ":\n\n";
  std::vector<TableEntry> table;
  for (const StandingsRow& row : standings.table) table.push_back(row.entry);
  out << format_league_table(table);
  results_lines(out, standings.matchdays);
  if (!standings.adjustments.empty()) {
    out << "\nPoints adjustments:\n";
    for (const Adjustment& adjustment : standings.adjustments)
      out << "  " << adjustment_line(adjustment) << '\n';
  }
  return 0;
}

CommandRun status_command(CLI::App& command) {
  auto after = std::make_shared<std::optional<int>>();
  command.add_option("--after", *after,
                     "The table after round N (of fixtures.txt when there is one)");
  return [after](CommandContext& context) {
    return *after ? show_status_after(**after, context) : show_status(context);
  };
}

}  // namespace league
