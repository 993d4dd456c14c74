#include "league/publish/season_matches.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "league/publish/publish_text.h"

namespace league {

namespace {

SeasonMatch result_match(const AppliedMatch& match) {
  SeasonMatch shown;
  shown.round = match.round;
  shown.home = match.home;
  shown.away = match.away;
  shown.score = match.score;
  shown.awarded = match.awarded;
  return shown;
}

// The day round `round` of history/ was entered, from its `applied` time.
std::optional<Date> entered_on(const Standings& standings, int round) {
  for (const RoundOrder& order : standings.rounds)
    if (order.round == round) return parse_date(order.applied.substr(0, 10));
  return std::nullopt;
}

}  // namespace

SeasonMatch fixture_match(const FixtureState& fixture) {
  SeasonMatch shown = fixture.played ? result_match(*fixture.played) : SeasonMatch{};
  shown.round = fixture.round();
  shown.home = fixture.home();
  shown.away = fixture.away();
  shown.date = fixture.date();
  shown.time = fixture.time();
  shown.rescheduling = fixture.rescheduling();
  shown.is_void = fixture.is_void();
  shown.fixture = true;
  shown.venue = fixture.venue();
  return shown;
}

std::vector<SeasonMatch> season_matches(const Standings& standings) {
  std::vector<SeasonMatch> matches;
  const Matchdays& matchdays = standings.matchdays;
  using Key = std::tuple<int, std::string, std::string>;
  std::set<Key> fixtures_played;
  if (matchdays.fixtures) {
    std::set<std::pair<std::string, std::string>> overdue;
    for (const FixtureState& fixture : matchdays.schedule.postponed)
      overdue.emplace(fixture.home(), fixture.away());
    for (const FixtureState& fixture : matchdays.schedule.fixtures) {
      SeasonMatch shown = fixture_match(fixture);
      if (fixture.played)
        fixtures_played.emplace(fixture.played->round, fixture.home(), fixture.away());
      // A fixture whose day passed without a result is postponed too.
      if (!fixture.played && shown.rescheduling == Rescheduling::kNone &&
          overdue.contains({fixture.home(), fixture.away()}))
        shown.rescheduling = Rescheduling::kPostponed;
      matches.push_back(std::move(shown));
    }
  }
  for (const AppliedMatch& match : standings.applied) {
    if (fixtures_played.contains(Key{match.round, match.home, match.away})) continue;
    matches.push_back(result_match(match));
    matches.back().date = entered_on(standings, match.round);
  }
  return matches;
}

std::vector<std::string> teams_by_name(const Standings& standings) {
  std::vector<std::string> teams;
  for (const StandingsRow& row : standings.table) teams.push_back(row.entry.Team);
  std::stable_sort(teams.begin(), teams.end(), [](const std::string& a, const std::string& b) {
    return display_name(a) < display_name(b);
  });
  return teams;
}

}  // namespace league
