#include "league/publish/publish_json.h"

#include <nlohmann/json.hpp>

#include "league/names/team_name.h"

namespace league {

namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> written_forms(const std::vector<std::string>& stored) {
  std::vector<std::string> written;
  for (const std::string& name : stored) written.push_back(written_form(name));
  return written;
}

Json fixtures_json(const std::vector<FixtureState>& fixtures) {
  Json list = Json::array();
  for (const FixtureState& fixture : fixtures) {
    list.push_back({{"round", fixture.round},
                    {"date", fixture.date ? Json(format_date(*fixture.date)) : Json(nullptr)},
                    {"home", written_form(fixture.home)},
                    {"away", written_form(fixture.away)}});
  }
  return list;
}

// Adds "results" (the last round's matches: home, away, home_goals,
// away_goals), "postponed" and "next_fixtures" (round, date or null, home,
// away) to the JSON document; empty lists where nothing applies.
void add_matchdays_json(Json& document, const Matchdays& matchdays) {
  Json results = Json::array();
  for (const AppliedMatch& match : matchdays.results) {
    results.push_back({{"home", written_form(match.home)},
                       {"away", written_form(match.away)},
                       {"home_goals", match.score.home},
                       {"away_goals", match.score.away}});
  }
  document["results"] = results;
  document["postponed"] = fixtures_json(matchdays.schedule.postponed);
  document["next_fixtures"] = fixtures_json(matchdays.schedule.next);
}

}  // namespace

std::string standings_json(const Standings& standings) {
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

  Json rounds = Json::array();
  for (const RoundOrder& round : standings.rounds)
    rounds.push_back({{"round", round.round},
                      {"applied", round.applied},
                      {"order", written_forms(round.teams)}});

  Json adjustments = Json::array();
  for (const Adjustment& adjustment : standings.adjustments)
    adjustments.push_back({{"team", written_form(adjustment.team)},
                           {"points", adjustment.points},
                           {"reason", adjustment.reason},
                           {"applied", adjustment.applied}});

  Json document = {{"league", standings.league.empty() ? Json(nullptr) : Json(standings.league)},
                   {"generator", "league publish"},
                   {"round", standings.round},
                   {"applied", standings.round > 0 ? Json(standings.date) : Json(nullptr)},
                   {"table", table},
                   {"rounds", rounds},
                   {"adjustments", adjustments}};
  if (standings.scorers) {
    Json scorers = Json::array();
    for (const Scorer& scorer : *standings.scorers)
      scorers.push_back({{"name", scorer.name},
                         {"team", written_form(scorer.team)},
                         {"goals", scorer.goals},
                         {"assists", scorer.assists}});
    document["top_scorers"] = scorers;
  } else {
    document["top_scorers"] = nullptr;
  }
  add_matchdays_json(document, standings.matchdays);
  // Names that are not valid UTF-8 are written with U+FFFD instead of failing.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace league
