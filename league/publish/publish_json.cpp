#include "league/publish/publish_json.h"

#include <nlohmann/json.hpp>

#include "league/names/team_name.h"
#include "league/publish/sports_events.h"

namespace league {

namespace {

using Json = nlohmann::ordered_json;

Json date_json(const std::optional<Date>& date) {
  return date ? Json(format_date(*date)) : Json(nullptr);
}

std::vector<std::string> written_forms(const std::vector<std::string>& stored) {
  std::vector<std::string> written;
  for (const std::string& name : stored) written.push_back(written_form(name));
  return written;
}

// {"name", "address"} of where a fixture is played, null when unknown.
Json venue_json(const Grounds& grounds, const FixtureState& fixture) {
  const auto venue = match_venue(grounds, fixture.home());
  if (!venue) return nullptr;
  return {{"name", venue->name},
          {"address", venue->address.empty() ? Json(nullptr) : Json(venue->address)}};
}

Json fixtures_json(const std::vector<FixtureState>& fixtures, const Grounds& grounds) {
  Json list = Json::array();
  for (const FixtureState& fixture : fixtures) {
    list.push_back({{"round", fixture.round()},
                    {"date", date_json(fixture.date())},
                    {"home", written_form(fixture.home())},
                    {"away", written_form(fixture.away())},
                    {"venue", venue_json(grounds, fixture)}});
    if (fixture.time()) list.back()["time"] = format_time(*fixture.time());
    if (fixture.rescheduling() != Rescheduling::kNone)
      list.back()["status"] = event_status(fixture.rescheduling());
  }
  return list;
}

// A result with, under fixtures.txt, its fixture's round and date, and an
// award's mark and reason.
Json result_json(const AppliedMatch& match, const Matchdays& matchdays) {
  Json result = {{"home", written_form(match.home)},
                 {"away", written_form(match.away)},
                 {"home_goals", match.score.home},
                 {"away_goals", match.score.away}};
  const FixtureState* fixture =
      matchdays.fixtures ? matchdays.schedule.find(match.home, match.away) : nullptr;
  if (fixture) {
    result["round"] = fixture->round();
    result["date"] = date_json(fixture->date());
    if (fixture->rescheduling() == Rescheduling::kRearranged)
      result["status"] = event_status(fixture->rescheduling());
  }
  if (!match.awarded.empty()) {
    result["awarded"] = true;
    result["reason"] = match.awarded;
  }
  return result;
}

// Adds "results" (the last round's matches: home, away, home_goals,
// away_goals; with fixtures.txt their round and date; "awarded" and "reason"
// for an award), "postponed" and "next_fixtures" (round, date or null, home,
// away, venue, a kick-off "time" and a rescheduled one's schema.org "status") to the
// JSON document; empty lists where nothing applies.
void add_matchdays_json(Json& document, const Matchdays& matchdays, const Grounds& grounds) {
  Json results = Json::array();
  for (const AppliedMatch& match : matchdays.results)
    results.push_back(result_json(match, matchdays));
  document["results"] = results;
  document["postponed"] = fixtures_json(matchdays.schedule.postponed, grounds);
  document["next_fixtures"] = fixtures_json(matchdays.schedule.next, grounds);
}

// The table, a row a team: its place, written name, record and form.
Json table_json(const Standings& standings) {
  Json table = Json::array();
  for (std::size_t place = 0; place < standings.table.size(); ++place) {
    const TableEntry& entry = standings.table[place].entry;
    table.push_back({{"position", place + 1},
                     {"team", written_form(entry.Team)},
                     {"played", entry.P},
                     {"won", entry.W},
                     {"drawn", entry.D},
                     {"lost", entry.L},
                     {"goals_for", entry.GF},
                     {"goals_against", entry.GA},
                     {"goal_difference", entry.GD},
                     {"points", entry.Pts},
                     {"form", standings.table[place].form}});
  }
  return table;
}

Json rounds_json(const std::vector<RoundOrder>& rounds) {
  Json list = Json::array();
  for (const RoundOrder& round : rounds)
    list.push_back({{"round", round.round},
                    {"applied", round.applied},
                    {"order", written_forms(round.teams)}});
  return list;
}

Json adjustments_json(const std::vector<Adjustment>& adjustments) {
  Json list = Json::array();
  for (const Adjustment& adjustment : adjustments)
    list.push_back({{"team", written_form(adjustment.team)},
                    {"points", adjustment.points},
                    {"reason", adjustment.reason},
                    {"applied", adjustment.applied}});
  return list;
}

Json withdrawals_json(const std::vector<Withdrawal>& withdrawals) {
  Json list = Json::array();
  for (const Withdrawal& withdrawal : withdrawals)
    list.push_back({{"team", withdrawal.team},
                    {"record", withdrawal.expunged ? "expunged" : "kept"},
                    {"reason", withdrawal.reason},
                    {"applied", withdrawal.applied}});
  return list;
}

// The top scorers, or null without a scorers' file.
Json scorers_json(const std::optional<std::vector<Scorer>>& scorers) {
  if (!scorers) return nullptr;
  Json list = Json::array();
  for (const Scorer& scorer : *scorers)
    list.push_back({{"name", scorer.name},
                    {"team", written_form(scorer.team)},
                    {"goals", scorer.goals},
                    {"assists", scorer.assists}});
  return list;
}

}  // namespace

std::string standings_json(const Standings& standings) {
  // With fixtures.txt the round is the current one as it numbers them.
  const Matchdays& matchdays = standings.matchdays;
  const bool by_fixtures = matchdays.fixtures && standings.round > 0;
  Json document = {{"league", standings.league.empty() ? Json(nullptr) : Json(standings.league)},
                   {"generator", "league publish"},
                   {"round", by_fixtures ? matchdays.schedule.current_round : standings.round},
                   {"applied", standings.round > 0 ? Json(standings.date) : Json(nullptr)},
                   {"table", table_json(standings)},
                   {"rounds", rounds_json(standings.rounds)},
                   {"adjustments", adjustments_json(standings.adjustments)},
                   {"withdrawals", withdrawals_json(standings.withdrawals)}};
  if (by_fixtures)
    document["latest_result_date"] = date_json(latest_result_date(matchdays.schedule));
  document["top_scorers"] = scorers_json(standings.scorers);
  add_matchdays_json(document, standings.matchdays, standings.grounds);
  // Names that are not valid UTF-8 are written with U+FFFD instead of failing.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace league
