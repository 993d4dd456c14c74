#include "league/season_schedule.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "common/console/tool_error.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/results/results_file.h"
#include "league/check_fixtures.h"
#include "league/history.h"
#include "league/messages.h"

namespace league {

std::vector<AppliedMatch> matches_of_results(const std::vector<ResultsEntry>& results, int round) {
  std::vector<AppliedMatch> matches;
  for (const ResultsEntry& entry : results) {
    if (!entry.result) continue;
    const auto& [home, away] = entry.result->sides;
    matches.push_back(
        {round, std::string(home.team), std::string(away.team), Score{home.goals, away.goals}});
  }
  return matches;
}

std::vector<AppliedMatch> applied_matches() {
  std::vector<AppliedMatch> matches;
  for (const int round : recorded_rounds()) {
    const auto bytes = read_round_file(round, kResultsFile);
    if (!bytes) continue;
    const std::string_view text = std::string_view(*bytes).substr(byte_order_mark_length(*bytes));
    for (AppliedMatch& match : matches_of_results(read_results(text), round))
      matches.push_back(std::move(match));
  }
  return matches;
}

namespace {

// The key of a pairing in the schedule's index: HOME, a NUL (no name holds
// one), AWAY.
std::string pairing_key(std::string_view home, std::string_view away) {
  std::string key(home);
  key += '\0';
  key += away;
  return key;
}

}  // namespace

const FixtureState* SeasonSchedule::find(std::string_view home, std::string_view away) const {
  const auto found = by_pairing.find(pairing_key(home, away));
  return found == by_pairing.end() ? nullptr : &fixtures[found->second.front()];
}

SeasonSchedule season_schedule(const Fixtures& fixtures, const std::vector<AppliedMatch>& applied) {
  SeasonSchedule schedule;
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) {
      schedule.by_pairing[pairing_key(match.home, match.away)].push_back(schedule.fixtures.size());
      schedule.fixtures.push_back(
          {round.number, round.date, round.time, match.home, match.away, match.line, {}});
    }
  }
  // Each applied match takes the first fixture of its pairing still without
  // a result; one that is no fixture counts for none.
  for (const AppliedMatch& match : applied) {
    const auto found = schedule.by_pairing.find(pairing_key(match.home, match.away));
    if (found == schedule.by_pairing.end()) continue;
    for (const std::size_t index : found->second) {
      if (schedule.fixtures[index].played) continue;
      schedule.fixtures[index].played = match;
      break;
    }
  }

  // Fixtures and those played, round by round.
  std::map<int, std::pair<std::size_t, std::size_t>> counts;
  for (const FixtureState& fixture : schedule.fixtures) {
    auto& [total, played] = counts[fixture.round];
    ++total;
    if (fixture.played) ++played;
  }
  for (const auto& [round, count] : counts) {
    if (2 * count.second >= count.first)
      schedule.current_round = std::max(schedule.current_round, round);
  }
  schedule.next_round = schedule.current_round + 1;
  for (const FixtureState& fixture : schedule.fixtures) {
    if (fixture.played) continue;
    if (fixture.round <= schedule.current_round) schedule.postponed.push_back(fixture);
    if (fixture.round == schedule.next_round) schedule.next.push_back(fixture);
  }
  std::stable_sort(schedule.postponed.begin(), schedule.postponed.end(),
                   [](const FixtureState& a, const FixtureState& b) { return a.round < b.round; });
  return schedule;
}

std::optional<Fixtures> read_league_fixtures(const std::vector<std::string>& table_teams,
                                             std::string_view ending) {
  const auto text = read_league_file(kFixturesFile);
  if (!text) {
    std::error_code error;
    if (std::filesystem::exists(kFixturesFile, error))
      fail({kFixturesFile, 0, "cannot be opened" + std::string(ending)});
    return std::nullopt;
  }
  FixturesReading reading = read_fixtures(*text);
  const std::vector<Diagnostic> problems = fixtures_file_problems(reading, &table_teams);
  if (!problems.empty()) {
    std::string message;
    for (const Diagnostic& problem : problems) message += describe(problem) + '\n';
    message +=
        describe({kFixturesFile, 0,
                  std::to_string(problems.size()) +
                      (problems.size() == 1 ? " problem" : " problems") + std::string(ending)});
    throw ToolError(message);
  }
  return std::move(reading.fixtures);
}

Matchdays gather_matchdays(const std::vector<std::string>& table_teams) {
  Matchdays matchdays;
  std::vector<AppliedMatch> applied = applied_matches();
  const std::vector<int> rounds = recorded_rounds();
  if (!rounds.empty()) matchdays.last_round = rounds.back();
  for (const AppliedMatch& match : applied) {
    if (match.round == matchdays.last_round) matchdays.results.push_back(match);
  }
  matchdays.fixtures = read_league_fixtures(table_teams, "");
  if (matchdays.fixtures) matchdays.schedule = season_schedule(*matchdays.fixtures, applied);
  return matchdays;
}

std::string pairing_text(std::string_view home, std::string_view away) {
  return std::string(home) + " - " + std::string(away);
}

std::string result_text(const AppliedMatch& match) {
  return match.home + ' ' + std::to_string(match.score.home) + " - " +
         std::to_string(match.score.away) + ' ' + match.away;
}

}  // namespace league
