#include "league/season/season_schedule.h"

#include <algorithm>
#include <map>

#include "common/results/results_file.h"
#include "league/names/team_name.h"

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

Matchdays matchdays_of(const std::vector<AppliedMatch>& applied, int last_round,
                       std::optional<Fixtures> fixtures) {
  Matchdays matchdays;
  matchdays.last_round = last_round;
  for (const AppliedMatch& match : applied) {
    if (match.round == last_round) matchdays.results.push_back(match);
  }
  matchdays.fixtures = std::move(fixtures);
  if (matchdays.fixtures) matchdays.schedule = season_schedule(*matchdays.fixtures, applied);
  return matchdays;
}

std::string pairing_text(std::string_view home, std::string_view away) {
  return written_form(home) + " - " + written_form(away);
}

std::string result_text(const AppliedMatch& match) {
  return written_form(match.home) + ' ' + std::to_string(match.score.home) + " - " +
         std::to_string(match.score.away) + ' ' + written_form(match.away);
}

}  // namespace league
