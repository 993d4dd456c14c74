#include "league/season/season_schedule.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

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

std::uint64_t pairing_key(std::uint32_t home, std::uint32_t away) {
  return std::uint64_t{home} << 32 | away;
}

}  // namespace

std::vector<std::pair<std::uint64_t, std::size_t>>::const_iterator SeasonSchedule::pairing_at(
    std::string_view home, std::string_view away) const {
  const auto home_number = team_numbers.find(home);
  const auto away_number = team_numbers.find(away);
  if (home_number == team_numbers.end() || away_number == team_numbers.end())
    return by_pairing.end();
  const std::uint64_t key = pairing_key(home_number->second, away_number->second);
  const auto found =
      std::lower_bound(by_pairing.begin(), by_pairing.end(), std::pair(key, std::size_t{0}));
  return found != by_pairing.end() && found->first == key ? found : by_pairing.end();
}

const FixtureState* SeasonSchedule::find(std::string_view home, std::string_view away) const {
  const auto found = pairing_at(home, away);
  return found == by_pairing.end() ? nullptr : &fixtures[found->second];
}

std::string_view rescheduling_word(Rescheduling rescheduling) {
  switch (rescheduling) {
    case Rescheduling::kPostponed:
      return "postponed";
    case Rescheduling::kRearranged:
      return "rearranged";
    case Rescheduling::kNone:
      break;
  }
  return {};
}

Rescheduling FixtureState::rescheduling() const {
  if (match_->date) return Rescheduling::kRearranged;
  return match_->postponed ? Rescheduling::kPostponed : Rescheduling::kNone;
}

std::optional<Date> FixtureState::date() const {
  if (match_->date || match_->postponed) return match_->date;
  return round_->date;
}

std::optional<TimeOfDay> FixtureState::time() const {
  if (match_->date || match_->postponed) return match_->time;
  return round_->time;
}

namespace {

// Every history entry's matches count.
constexpr int kEveryEntry = std::numeric_limits<int>::max();

// A fixture with a result from one of the history entries up to `up_to`.
bool played_by(const FixtureState& fixture, int up_to) {
  return fixture.played && fixture.played->round <= up_to;
}

// The first round after `current` with a fixture still to play (not void,
// without a result); an empty round, or one played in full ahead of its
// turn, is passed over. current + 1 when no later round has one.
int next_round_of(const std::vector<FixtureState>& fixtures, int current, int up_to) {
  std::optional<int> next;
  for (const FixtureState& fixture : fixtures) {
    if (fixture.round() > current && !played_by(fixture, up_to) && !fixture.is_void() &&
        (!next || fixture.round() < *next))
      next = fixture.round();
  }
  return next.value_or(current + 1);
}

bool passed(const FixtureState& fixture, const std::optional<Date>& today) {
  return !fixture.date() || !today || *fixture.date() < *today;
}

// Sorts out the fixtures without a result into postponed and next.
void postponed_and_next(SeasonSchedule& schedule, const std::optional<Date>& today) {
  std::optional<Date> next_date;
  for (const FixtureState& fixture : schedule.fixtures) {
    if (fixture.round() == schedule.next_round && fixture.rescheduling() == Rescheduling::kNone)
      next_date = fixture.date();
  }
  for (const FixtureState& fixture : schedule.fixtures) {
    if (fixture.played || fixture.is_void()) continue;
    const bool rearranged = fixture.rescheduling() == Rescheduling::kRearranged;
    if (fixture.rescheduling() == Rescheduling::kPostponed ||
        (rearranged ? today && passed(fixture, today)
                    : fixture.round() <= schedule.current_round && passed(fixture, today))) {
      schedule.postponed.push_back(fixture);
    } else if (fixture.round() <= schedule.next_round ||
               (rearranged && (!next_date || *fixture.date() <= *next_date))) {
      schedule.next.push_back(fixture);
    }
  }
  std::stable_sort(
      schedule.postponed.begin(), schedule.postponed.end(),
      [](const FixtureState& a, const FixtureState& b) { return a.round() < b.round(); });
  // The next round first, then the others by their day.
  const auto key = [&](const FixtureState& fixture) {
    return std::tuple(fixture.round() != schedule.next_round,
                      fixture.date().value_or(Date{9999, 12, 31}),
                      fixture.time().value_or(TimeOfDay{}));
  };
  std::stable_sort(schedule.next.begin(), schedule.next.end(),
                   [&](const FixtureState& a, const FixtureState& b) { return key(a) < key(b); });
}

// The fixtures' states, in file order, and the index of their pairings.
void add_fixtures(SeasonSchedule& schedule, const Fixtures& fixtures) {
  std::size_t count = 0;
  for (const FixtureRound& round : fixtures.rounds) count += round.matches.size();
  schedule.fixtures.reserve(count);
  schedule.by_pairing.reserve(count);
  const auto number = [&](const std::string& team) {
    const auto next = static_cast<std::uint32_t>(schedule.team_numbers.size());
    return schedule.team_numbers.try_emplace(team, next).first->second;
  };
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) {
      schedule.by_pairing.emplace_back(pairing_key(number(match.home), number(match.away)),
                                       schedule.fixtures.size());
      schedule.fixtures.emplace_back(round, match);
    }
  }
  std::sort(schedule.by_pairing.begin(), schedule.by_pairing.end());
}

}  // namespace

SeasonSchedule season_schedule(const Fixtures& fixtures, const std::vector<AppliedMatch>& applied,
                               std::optional<Date> today) {
  SeasonSchedule schedule;
  add_fixtures(schedule, fixtures);
  schedule.results = std::make_shared<const std::vector<AppliedMatch>>(applied);
  // Each applied match takes the first fixture of its pairing still without
  // a result; one that is no fixture counts for none.
  for (const AppliedMatch& match : *schedule.results) {
    const auto first = schedule.pairing_at(match.home, match.away);
    for (auto at = first; at != schedule.by_pairing.end() && at->first == first->first; ++at) {
      FixtureState& fixture = schedule.fixtures[at->second];
      if (fixture.played) continue;
      fixture.played = &match;
      break;
    }
  }
  schedule.current_round = current_rounds_after(schedule, {kEveryEntry}).front();
  schedule.next_round = next_round_of(schedule.fixtures, schedule.current_round, kEveryEntry);
  postponed_and_next(schedule, today);
  return schedule;
}

int next_round_before(const SeasonSchedule& schedule, int entry) {
  const int current = current_rounds_after(schedule, {entry - 1}).front();
  return next_round_of(schedule.fixtures, current, entry - 1);
}

std::vector<int> current_rounds_after(const SeasonSchedule& schedule,
                                      const std::vector<int>& entries) {
  // Each round counts from the entry that played the half of its fixtures
  // (not void) that made it current: the k-th earliest of their entries.
  std::map<int, std::pair<std::size_t, std::vector<int>>> rounds;  // fixtures, entries played
  for (const FixtureState& fixture : schedule.fixtures) {
    if (fixture.is_void()) continue;
    auto& [total, played] = rounds[fixture.round()];
    ++total;
    if (fixture.played) played.push_back(fixture.played->round);
  }
  std::vector<std::pair<int, int>> current_from;  // entry, round
  for (auto& [round, fixtures] : rounds) {
    auto& [total, played] = fixtures;
    const std::size_t half = (total + 1) / 2;
    if (played.size() < half) continue;
    std::nth_element(played.begin(), played.begin() + static_cast<std::ptrdiff_t>(half - 1),
                     played.end());
    current_from.emplace_back(played[half - 1], round);
  }
  std::sort(current_from.begin(), current_from.end());
  std::vector<int> currents;
  int current = 0;
  auto next = current_from.begin();
  for (const int entry : entries) {
    for (; next != current_from.end() && next->first <= entry; ++next)
      current = std::max(current, next->second);
    currents.push_back(current);
  }
  return currents;
}

Matchdays matchdays_of(const std::vector<AppliedMatch>& applied, int last_round,
                       std::optional<Fixtures> fixtures, std::optional<Date> today) {
  Matchdays matchdays;
  matchdays.last_round = last_round;
  for (const AppliedMatch& match : applied) {
    if (match.round == last_round) matchdays.results.push_back(match);
  }
  matchdays.fixtures = std::move(fixtures);
  if (matchdays.fixtures) matchdays.schedule = season_schedule(*matchdays.fixtures, applied, today);
  return matchdays;
}

std::optional<Date> latest_result_date(const SeasonSchedule& schedule) {
  std::optional<Date> latest;
  for (const FixtureState& fixture : schedule.fixtures) {
    // A match of a later round played early, without a day of its own, was
    // played on some day before its round's.
    const bool early = fixture.round() > schedule.current_round &&
                       fixture.rescheduling() != Rescheduling::kRearranged;
    if (fixture.played && fixture.date() && !early && (!latest || *latest < *fixture.date()))
      latest = fixture.date();
  }
  return latest;
}

std::string pairing_text(std::string_view home, std::string_view away) {
  return written_form(home) + " - " + written_form(away);
}

std::string result_text(const AppliedMatch& match) {
  return written_form(match.home) + ' ' + std::to_string(match.score.home) + " - " +
         std::to_string(match.score.away) + ' ' + written_form(match.away);
}

}  // namespace league
