#include "league/season/round_fixtures.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "common/io/league_files.h"
#include "common/text/wording.h"

namespace league {

namespace {

std::string played_text(const FixtureState& fixture) {
  return pairing_text(fixture.home(), fixture.away()) + " was played in round " +
         std::to_string(fixture.played->round) + ", " + std::to_string(fixture.played->score.home) +
         " - " + std::to_string(fixture.played->score.away);
}

void sort_by_line(std::vector<Diagnostic>& diagnostics) {
  std::stable_sort(diagnostics.begin(), diagnostics.end(),
                   [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
}

// The schedule as it was before the round: `after` with the matches of
// history entry `round`, the last, taken back out. Each applied match takes its
// pairing's first fixture without a result in the order they were applied,
// so the earlier matches take the same fixtures either way.
struct ScheduleBefore {
  const SeasonSchedule& after;
  int round;
  int next_round;

  ScheduleBefore(const SeasonSchedule& after, int round)
      : after(after), round(round), next_round(next_round_before(after, round)) {}
  const FixtureState* find(std::string_view home, std::string_view away) const {
    return after.find(home, away);
  }
  bool played(const FixtureState& fixture) const {
    return fixture.played && fixture.played->round < round;
  }
};

// The reverse of a fixture beyond the next round, when it is due now: in a
// round up to the next one, or rescheduled, and without a result.
const FixtureState* reverse_due(const ScheduleBefore& before, const FixtureState& fixture) {
  if (fixture.round() <= before.next_round) return nullptr;
  const FixtureState* reverse = before.find(fixture.away(), fixture.home());
  if (reverse == nullptr || before.played(*reverse)) return nullptr;
  // Up to the next round it is either due or postponed.
  if (reverse->round() <= before.next_round) return reverse;
  return reverse->rescheduling() == Rescheduling::kNone ? nullptr : reverse;
}

}  // namespace

SeasonSchedule schedule_after(const std::vector<ResultsEntry>& results,
                              const RoundFixtures& fixtures, int round) {
  std::vector<AppliedMatch> applied = fixtures.applied;
  for (AppliedMatch& match : matches_of_results(results, round))
    applied.push_back(std::move(match));
  return season_schedule(fixtures.fixtures, applied);
}

void check_round_fixtures(const std::vector<ResultsEntry>& results, const RoundFixtures& fixtures,
                          int round, const std::vector<std::string>& teams, RoundCheck& check) {
  check_round_fixtures(results, fixtures, schedule_after(results, fixtures, round), round, teams,
                       check);
}

void check_round_fixtures(const std::vector<ResultsEntry>& results, const RoundFixtures& fixtures,
                          const SeasonSchedule& after, int round,
                          const std::vector<std::string>& teams, RoundCheck& check) {
  // A team's second match in the round is a fixture of another round, noted
  // below as postponed or brought forward rather than as a second result.
  check.notes.clear();
  const ScheduleBefore before(after, round);
  const int playing = std::max(after.current_round, before.next_round);
  const std::unordered_set<std::string_view> table_teams(teams.begin(), teams.end());
  const auto known = [&](std::string_view team) { return table_teams.count(team) != 0; };
  std::map<std::pair<std::string_view, std::string_view>, std::size_t> seen;
  for (const ResultsEntry& entry : results) {
    if (!entry.result) continue;
    const auto& [home, away] = entry.result->sides;
    if (home.team == away.team || !known(home.team) || !known(away.team)) continue;
    const std::string pairing = pairing_text(home.team, away.team);
    const auto problem = [&](std::string what) {
      check.problems.push_back({kResultsFile, entry.line, std::move(what)});
    };

    const auto [earlier, first] = seen.emplace(std::pair(home.team, away.team), entry.line);
    if (!first) {
      problem(pairing + " is already on line " + std::to_string(earlier->second));
      continue;
    }
    const FixtureState* fixture = before.find(home.team, away.team);
    if (fixture == nullptr) {
      std::string what = pairing + " is no fixture of " + kFixturesFile;
      if (const FixtureState* reverse = before.find(away.team, home.team)) {
        what += before.played(*reverse)
                    ? "; " + played_text(*reverse)
                    : "; did you mean " + pairing_text(away.team, home.team) + "?";
      }
      problem(std::move(what));
    } else if (fixture->is_void()) {
      problem(pairing + " is void in " + kFixturesFile + ": a club of it has withdrawn");
    } else if (before.played(*fixture)) {
      problem(played_text(*fixture));
    } else if (const FixtureState* due = reverse_due(before, *fixture);
               due && !fixtures.brought_forward) {
      problem(pairing + " is a fixture of round " + std::to_string(fixture->round()) + ", but " +
              pairing_text(due->home(), due->away()) + " is due (round " +
              std::to_string(due->round()) + "): is the result the wrong way round? If " + pairing +
              " really was brought forward: league round --brought-forward");
    } else if (fixture->round() != playing) {
      check.notes.push_back({kResultsFile, entry.line,
                             pairing +
                                 (fixture->round() < playing ? ": postponed from round "
                                                             : ": brought forward from round ") +
                                 std::to_string(fixture->round())});
    }
  }
  sort_by_line(check.problems);
  sort_by_line(check.notes);
}

std::string results_heading(const std::vector<AppliedMatch>& matches,
                            const SeasonSchedule& schedule, int entry) {
  std::map<int, std::size_t> rounds;  // fixture round: its results among `matches`
  for (const AppliedMatch& match : matches) {
    if (const FixtureState* fixture = schedule.find(match.home, match.away))
      ++rounds[fixture->round()];
  }
  if (rounds.empty()) return "Round " + std::to_string(entry);
  if (matches.size() == 1) {
    const AppliedMatch& match = matches.front();
    const FixtureState& fixture = *schedule.find(match.home, match.away);
    std::string text =
        pairing_text(match.home, match.away) + " (round " + std::to_string(fixture.round());
    if (const std::string_view word = rescheduling_word(fixture.rescheduling()); !word.empty())
      text += ", " + std::string(word);
    if (!match.awarded.empty()) text += ", awarded";
    return text + ")";
  }
  auto most = rounds.begin();
  for (auto round = rounds.begin(); round != rounds.end(); ++round) {
    if (round->second > most->second) most = round;
  }
  return "Round " + std::to_string(most->first);
}

std::string still_to_play(const SeasonSchedule& schedule) {
  if (schedule.current_round == 0) return {};
  const std::string up_to = "up to round " + std::to_string(schedule.current_round);
  if (schedule.postponed.empty()) return "Every fixture " + up_to + " has its result.\n";
  std::vector<std::string> fixtures;
  for (const FixtureState& fixture : schedule.postponed) {
    fixtures.push_back(pairing_text(fixture.home(), fixture.away()) + " (round " +
                       std::to_string(fixture.round()) + ")");
  }
  return "Still to play " + up_to + ": " + name_list(fixtures) + ".\n";
}

}  // namespace league
