#pragma once

#include <optional>
#include <string>
#include <vector>

#include "league/publish/standings_data.h"

namespace league {

// Every match of the season as the fixtures list, the results grid and the
// team pages show it: with fixtures.txt each fixture (played or to come) in
// its order, then the results that are no fixture; without it every recorded
// result, dated by the day its round was entered.
struct SeasonMatch {
  int round = 0;  // of fixtures.txt, or of history/ without it or for a result no fixture
  std::string home;
  std::string away;
  std::optional<Score> score;  // once played
  std::optional<Date> date;
  std::optional<TimeOfDay> time;
  Rescheduling rescheduling = Rescheduling::kNone;
  bool is_void = false;
  bool fixture = false;   // a fixture of fixtures.txt
  std::string awarded{};  // an awarded result's reason
  std::string venue{};    // the fixture's own venue; empty for the home ground
};

std::vector<SeasonMatch> season_matches(const Standings& standings);

// One fixture as a SeasonMatch.
SeasonMatch fixture_match(const FixtureState& fixture);

// The teams of the table in alphabetical order of their names as shown, as
// the grid and the lists of pages give them.
std::vector<std::string> teams_by_name(const Standings& standings);

}  // namespace league
