#include "league/publish/publish_json.h"

#include <nlohmann/json.hpp>

namespace league {

namespace {

using Json = nlohmann::ordered_json;

Json fixtures_json(const std::vector<FixtureState>& fixtures) {
  Json list = Json::array();
  for (const FixtureState& fixture : fixtures) {
    list.push_back({{"round", fixture.round},
                    {"date", fixture.date ? Json(format_date(*fixture.date)) : Json(nullptr)},
                    {"home", fixture.home},
                    {"away", fixture.away}});
  }
  return list;
}

// Adds "results" (the last round's matches: home, away, home_goals,
// away_goals), "postponed" and "next_fixtures" (round, date or null, home,
// away) to the JSON document; empty lists where nothing applies.
void add_matchdays_json(Json& document, const Matchdays& matchdays) {
  Json results = Json::array();
  for (const AppliedMatch& match : matchdays.results) {
    results.push_back({{"home", match.home},
                       {"away", match.away},
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
                     {"team", entry.Team},
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
    rounds.push_back({{"round", round.round}, {"applied", round.applied}, {"order", round.teams}});

  Json adjustments = Json::array();
  for (const Adjustment& adjustment : standings.adjustments)
    adjustments.push_back({{"team", adjustment.team},
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
                         {"team", scorer.team},
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
